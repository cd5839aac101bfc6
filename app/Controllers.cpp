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
    m_bar.setValue(std::min<int>(percent, kFull));
    if (percent == kFull)
        m_bar.hide();
}
