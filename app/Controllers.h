#pragma once
// The status text and the progress bar, as every device or file operation
// reports through them.

#include <QString>
#include <QtGlobal>

class QProgressBar;
class QTimer;
class StatusBar;

inline constexpr int kStatusPanelText = 2;

class Tstatusbar_ctrl {
public:
    // `clearTimer` empties the text `lifeMs` after the first text written
    // while it was stopped.
    Tstatusbar_ctrl(StatusBar& bar, QTimer& clearTimer, int lifeMs);

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

class Tprogressbar_ctrl {
public:
    explicit Tprogressbar_ctrl(QProgressBar& bar);

    // Any non-zero value shows the bar; exactly 100 hides it again, so the
    // last step of an operation takes the bar away. Above 100 the bar stays
    // full and visible.
    void SetProgress(quint16 percent);

private:
    void SetValueWithoutRepaint(int value);

    QProgressBar& m_bar;
};
