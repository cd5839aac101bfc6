#pragma once
// Turns SIGTERM and SIGINT into a Qt signal on the main thread (through a
// self-pipe), so the simulator can end cleanly: dump, remove its link.

#include <QObject>
#include <QSocketNotifier>

#include <memory>

namespace gsm::sim {

class SignalWatcher : public QObject {
    Q_OBJECT
public:
    // Only one may exist at a time; it restores the previous handlers when
    // it goes. Throws std::runtime_error when the pipe cannot be made.
    explicit SignalWatcher(QObject* parent = nullptr);
    ~SignalWatcher() override;

signals:
    void terminationRequested(int signalNumber);

private:
    void Drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
};

} // namespace gsm::sim
