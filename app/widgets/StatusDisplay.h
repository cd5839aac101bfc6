#pragma once
// The status text, as every device or file operation reports through it.

#include <QString>
#include <QtGlobal>

class QTimer;
class StatusBar;

inline constexpr int kStatusPanelText = 2;

class StatusDisplay {
public:
    // `clearTimer` empties the text `lifeMs` after the first text written
    // while it was stopped.
    StatusDisplay(StatusBar& bar, QTimer& clearTimer, int lifeMs);

    // A running countdown is left alone: the text is cleared when it ends,
    // however many texts are written in between.
    // An empty text shows the standing notice, if there is one.
    void ShowStatus(const QString& text);
    // A text that stays when the status is cleared, such as a read that
    // stopped part-way; empty removes it.
    void SetNotice(const QString& text);
    QString Notice() const { return m_notice; }

private:
    StatusBar& m_bar;
    QString m_notice;
    QTimer& m_clearTimer;
    int m_lifeMs;
};
