#include "ProgressDisplay.h"

#include <QProgressBar>

#include <algorithm>

namespace {
constexpr int kFull = 100;
}

ProgressDisplay::ProgressDisplay(QProgressBar& bar) : m_bar(bar) {}

void ProgressDisplay::SetProgress(quint16 percent) {
    if (percent > 0)
        m_bar.show();
    SetValueWithoutRepaint(std::min<int>(percent, kFull));
    if (percent == kFull)
        m_bar.hide();
}

// QProgressBar repaints itself on the spot whenever its text changes; a
// transfer must not wait for that, so the bar is painted with the next frame
// like everything else.
void ProgressDisplay::SetValueWithoutRepaint(int value) {
    if (m_bar.value() == value)
        return;
    m_bar.setUpdatesEnabled(false);
    m_bar.setValue(value);
    m_bar.setUpdatesEnabled(true); // schedules the repaint
}
