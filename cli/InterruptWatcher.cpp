#include "InterruptWatcher.h"

#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace gsm::cli {

namespace {
sigset_t Watched() {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, SIGINT);
    sigaddset(&set, SIGTERM);
    return set;
}
} // namespace

InterruptWatcher::InterruptWatcher(std::function<void(int)> interrupted, QObject* parent)
    : QObject(parent), m_interrupted(std::move(interrupted)) {
    // Blocked signals wait in the descriptor until the event loop reads them.
    const sigset_t set = Watched();
    ::pthread_sigmask(SIG_BLOCK, &set, &m_previousMask);
    m_fd = ::signalfd(-1, &set, SFD_NONBLOCK | SFD_CLOEXEC);
    if (m_fd < 0)
        return;
    m_notifier = std::make_unique<QSocketNotifier>(m_fd, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &InterruptWatcher::Drain);
}

InterruptWatcher::~InterruptWatcher() {
    m_notifier.reset();
    if (m_fd >= 0) {
        Drain();
        ::close(m_fd);
    }
    ::pthread_sigmask(SIG_SETMASK, &m_previousMask, nullptr);
}

void InterruptWatcher::Drain() {
    signalfd_siginfo info{};
    while (::read(m_fd, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
        if (m_interrupted)
            m_interrupted(static_cast<int>(info.ssi_signo));
}

} // namespace gsm::cli
