#pragma once
// The progress bar, as every device or file operation reports through it.

#include <QtGlobal>

class QProgressBar;

class ProgressDisplay {
public:
    explicit ProgressDisplay(QProgressBar& bar);

    // Any non-zero value shows the bar; exactly 100 hides it again, so the
    // last step of an operation takes the bar away. Above 100 the bar stays
    // full and visible.
    void SetProgress(quint16 percent);

private:
    void SetValueWithoutRepaint(int value);

    QProgressBar& m_bar;
};
