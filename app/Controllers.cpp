#include "Controllers.h"

#include "StatusBar.h"

#include <QProgressBar>
#include <QTimer>

#include <algorithm>

Tstatusbar_ctrl::Tstatusbar_ctrl(StatusBar& bar, QTimer& clearTimer, int lifeMs)
    : m_bar(bar), m_clearTimer(clearTimer), m_lifeMs(lifeMs) {}

void Tstatusbar_ctrl::ShowStatus(const QString& text) {
    m_bar.SetPanelText(kStatusPanelText, text.isEmpty() ? m_notice : text);
    // Setting the interval of a running QTimer restarts it, so both are
    // touched only when the timer is stopped.
    if (!m_clearTimer.isActive()) {
        m_clearTimer.setInterval(m_lifeMs);
        m_clearTimer.start();
    }
}

void Tstatusbar_ctrl::SetNotice(const QString& text) {
    m_notice = text;
    m_bar.SetPanelText(kStatusPanelText, text);
}

namespace {
constexpr int kFull = 100;
}

Tprogressbar_ctrl::Tprogressbar_ctrl(QProgressBar& bar) : m_bar(bar) {}

void Tprogressbar_ctrl::SetProgress(quint16 percent) {
    if (percent > 0)
        m_bar.show();
    SetValueWithoutRepaint(std::min<int>(percent, kFull));
    if (percent == kFull)
        m_bar.hide();
}

// QProgressBar repaints itself on the spot whenever its text changes; a
// transfer must not wait for that, so the bar is painted with the next frame
// like everything else.
void Tprogressbar_ctrl::SetValueWithoutRepaint(int value) {
    if (m_bar.value() == value)
        return;
    m_bar.setUpdatesEnabled(false);
    m_bar.setValue(value);
    m_bar.setUpdatesEnabled(true); // schedules the repaint
}
