#include "StatusDisplay.h"

#include "StatusBar.h"

#include <QTimer>

StatusDisplay::StatusDisplay(StatusBar& bar, QTimer& clearTimer, int lifeMs)
    : m_bar(bar), m_clearTimer(clearTimer), m_lifeMs(lifeMs) {}

void StatusDisplay::ShowStatus(const QString& text) {
    m_bar.SetPanelText(kStatusPanelText, text.isEmpty() ? m_notice : text);
    // Setting the interval of a running QTimer restarts it, so both are
    // touched only when the timer is stopped.
    if (!m_clearTimer.isActive()) {
        m_clearTimer.setInterval(m_lifeMs);
        m_clearTimer.start();
    }
}

void StatusDisplay::SetNotice(const QString& text) {
    m_notice = text;
    m_bar.SetPanelText(kStatusPanelText, text);
}
