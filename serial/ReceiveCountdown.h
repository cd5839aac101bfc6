#pragma once
// The receive timeout on a QTimer. A reply restarts the countdown with every
// byte, so a restart only notes the time: the timer keeps running, and when
// it fires early because of a restart it is armed again for the rest of the
// time. Stopping and starting a QTimer per byte would cost far more than the
// byte itself.

#include "protocol/Link.h"

#include <QElapsedTimer>
#include <QObject>

#include <functional>

class QTimer;

class ReceiveCountdown : public QObject, public gsm::IReceiveTimer {
    Q_OBJECT

public:
    // `expired` runs when the full interval has passed since the countdown
    // was started or last restarted.
    ReceiveCountdown(QTimer& timer, std::function<void()> expired);

    void Enable() override;
    void Disable() override;
    void Restart() override;
    void SetInterval(int ms) override;
    bool Enabled() const override;

private:
    void TimerFired();
    void Start(int ms);

    QTimer& m_timer;
    std::function<void()> m_expired;
    QElapsedTimer m_sinceRestart;
    int m_intervalMs;
};
