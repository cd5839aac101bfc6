#pragma once
// Ctrl+C (SIGINT) or SIGTERM while devices are being written must not kill
// the tool between two pages without a word: the signals are taken as
// events on the event loop, so each session stops after the page in flight
// and says which pages the device acknowledged and how to put it back.

#include <QObject>
#include <QSocketNotifier>

#include <csignal>
#include <functional>
#include <memory>

namespace gsm::cli {

class InterruptWatcher : public QObject {
    Q_OBJECT
public:
    // While it exists, SIGINT and SIGTERM call `interrupted` with the signal's
    // number instead of ending the process.
    explicit InterruptWatcher(std::function<void(int signalNumber)> interrupted,
                              QObject* parent = nullptr);
    ~InterruptWatcher() override;
    InterruptWatcher(const InterruptWatcher&) = delete;
    InterruptWatcher& operator=(const InterruptWatcher&) = delete;

private:
    void Drain();

    std::function<void(int)> m_interrupted;
    sigset_t m_previousMask{};
    int m_fd = -1;
    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace gsm::cli
