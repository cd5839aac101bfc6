// The receive timeout: restarted by every byte of a reply, without the timer
// being stopped and started for each of them.

#include "serial/ReceiveCountdown.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr int kIntervalMs = 150;

bool RunUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    return done();
}

struct Countdown {
    QTimer timer;
    int expiries = 0;
    ReceiveCountdown countdown{timer, [this] { ++expiries; }};
};

TEST(ReceiveCountdown, EnableAndTheSameIntervalAgainNeverPushTheEndOut) {
    Countdown c;
    c.countdown.SetInterval(5000);
    c.countdown.Enable();
    ASSERT_TRUE(c.countdown.Enabled());
    const int afterStart = c.timer.remainingTime();
    QElapsedTimer clock;
    clock.start();
    RunUntil([&] { return clock.elapsed() >= 30; }, 1000);
    c.countdown.Enable();
    c.countdown.SetInterval(5000);
    EXPECT_LT(c.timer.remainingTime(), afterStart);

    c.countdown.Disable();
    EXPECT_FALSE(c.countdown.Enabled());
    c.countdown.SetInterval(100);
    EXPECT_EQ(c.timer.interval(), 100);
    c.countdown.Enable();
    EXPECT_TRUE(c.timer.isActive());
}

// Bytes keep arriving for longer than one interval: no expiry while they do,
// one expiry a full interval after the last, and the interval is whole again
// for the next request.
TEST(ReceiveCountdown, EachRestartGivesTheFullIntervalFromThatMoment) {
    Countdown c;
    c.countdown.SetInterval(kIntervalMs);
    c.countdown.Enable();
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceByte;
    while (clock.elapsed() < kIntervalMs * 3) {
        c.countdown.Restart();
        sinceByte.start();
        RunUntil([&] { return sinceByte.elapsed() >= kIntervalMs / 3; }, kIntervalMs);
    }
    EXPECT_EQ(c.expiries, 0);
    c.countdown.Restart();
    sinceByte.start();
    ASSERT_TRUE(RunUntil([&] { return c.expiries > 0; }, kIntervalMs * 10));
    EXPECT_GE(sinceByte.elapsed(), kIntervalMs);
    EXPECT_EQ(c.expiries, 1);
    EXPECT_EQ(c.timer.interval(), kIntervalMs);
}

TEST(ReceiveCountdown, RestartOfAStoppedCountdownStartsIt) {
    Countdown c;
    c.countdown.SetInterval(kIntervalMs);
    c.countdown.Restart();
    EXPECT_TRUE(c.countdown.Enabled());
    ASSERT_TRUE(RunUntil([&] { return c.expiries > 0; }, kIntervalMs * 10));
    c.countdown.Disable();
    c.countdown.Restart();
    c.countdown.Disable();
    RunUntil([] { return false; }, kIntervalMs * 2);
    EXPECT_EQ(c.expiries, 1) << "a disabled countdown never expires";
}

} // namespace
