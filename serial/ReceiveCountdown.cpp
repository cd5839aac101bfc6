#include "ReceiveCountdown.h"

#include <QTimer>

namespace {
constexpr qint64 kNsPerMs = 1'000'000;
}

ReceiveCountdown::ReceiveCountdown(QTimer& timer, std::function<void()> expired)
    : m_timer(timer), m_expired(std::move(expired)), m_intervalMs(timer.interval()) {
    connect(&m_timer, &QTimer::timeout, this, &ReceiveCountdown::TimerFired);
}

void ReceiveCountdown::Enable() {
    if (!m_timer.isActive())
        Start(m_intervalMs);
}

void ReceiveCountdown::Disable() {
    m_timer.stop();
}

void ReceiveCountdown::Restart() {
    if (m_timer.isActive())
        m_sinceRestart.start();
    else
        Start(m_intervalMs);
}

// QTimer restarts a running countdown when its interval is set, even to the
// same value; an unchanged interval must not extend the timeout.
void ReceiveCountdown::SetInterval(int ms) {
    if (ms == m_intervalMs && m_timer.interval() == ms)
        return;
    m_intervalMs = ms;
    m_timer.setInterval(ms);
}

bool ReceiveCountdown::Enabled() const {
    return m_timer.isActive();
}

void ReceiveCountdown::Start(int ms) {
    m_sinceRestart.start();
    m_timer.start(ms);
}

void ReceiveCountdown::TimerFired() {
    if (!m_sinceRestart.isValid()) // started from outside: nothing to postpone
        return m_expired();
    const qint64 leftNs = m_intervalMs * kNsPerMs - m_sinceRestart.nsecsElapsed();
    if (leftNs > 0) {
        // Armed for the rest of the time only; the full interval is set
        // again when this countdown ends or the next one starts.
        const int leftMs = static_cast<int>((leftNs + kNsPerMs - 1) / kNsPerMs);
        m_timer.start(leftMs);
        return;
    }
    if (m_timer.interval() != m_intervalMs)
        m_timer.setInterval(m_intervalMs);
    m_expired();
}
