// The window's timer and status bar as the protocol code sees them.

#include "QtTestApp.h"

#include "Controllers.h"
#include "LinkAdapters.h"
#include "StatusBar.h"
#include "TComm.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

TEST(ReceiveTimer, EnableStartsOnlyAStoppedCountdown) {
    QTimer timer;
    QtReceiveTimer receive(timer);
    receive.SetInterval(5000);
    receive.Enable();
    ASSERT_TRUE(receive.Enabled());
    const int afterStart = timer.remainingTime();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 30)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    // Neither a second Enable nor the same interval again pushes the end out.
    receive.Enable();
    receive.SetInterval(5000);
    EXPECT_LT(timer.remainingTime(), afterStart);

    receive.Disable();
    EXPECT_FALSE(receive.Enabled());
    receive.SetInterval(100);
    EXPECT_EQ(timer.interval(), 100);
    receive.Enable();
    EXPECT_TRUE(timer.isActive());
}

TEST(StatusSink, ShowsUtf8TextsInTheStatusPanel) {
    StatusBar bar;
    QTimer clear;
    Tstatusbar_ctrl status(bar, clear, 1000);
    StatusBarSink sink(status);
    sink.ShowStatus("发送同步时间命令");
    EXPECT_EQ(bar.PanelText(kStatusPanelText), QStringLiteral("发送同步时间命令"));
    EXPECT_TRUE(clear.isActive());
}

TEST(PortWriter, RefusesWhileThePortIsClosed) {
    TComm comm;
    CommPortWriter writer(comm);
    const std::uint8_t frame[] = {0x23, 0x04, 0, 0, 0, 0, 0, 0, 0x04};
    EXPECT_FALSE(writer.WriteData(frame, sizeof frame));
}

} // namespace
