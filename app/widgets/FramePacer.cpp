#include "FramePacer.h"

#include <algorithm>

FramePacer::FramePacer(std::function<void()> show) : m_show(std::move(show)) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Show(); });
}

void FramePacer::Request() {
    if (m_timer.isActive())
        return;
    const qint64 sinceShown = m_sinceShown.isValid() ? m_sinceShown.elapsed() : kFrameMs;
    m_timer.start(static_cast<int>(std::max<qint64>(0, kFrameMs - sinceShown)));
}

void FramePacer::ShowNow() {
    if (m_timer.isActive())
        Show();
}

void FramePacer::Show() {
    m_timer.stop();
    m_sinceShown.start();
    m_show();
}
