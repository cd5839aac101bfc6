// The window's status bar as the codecs see it, and the device on a closed port.

#include "support/QtTestApp.h"

#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StatusDisplay.h"
#include "app/window/LinkAdapters.h"
#include "serial/DevicePort.h"
#include "serial/SerialPort.h"

#include <QTimer>

#include <optional>

#include <gtest/gtest.h>

namespace {

TEST(StatusSink, ShowsUtf8TextsInTheStatusPanel) {
    StatusBar bar;
    QTimer clear;
    StatusDisplay status(bar, clear, 1000);
    StatusBarSink sink(status);
    sink.ShowStatus("发送同步时间命令");
    EXPECT_EQ(bar.PanelText(kStatusPanelText), QStringLiteral("发送同步时间命令"));
    EXPECT_TRUE(clear.isActive());
}

TEST(DevicePortOnAClosedComponent, SendsNothingAndSaysToOpenThePort) {
    SerialPort comm;
    QTimer timer;
    DevicePort device(comm, timer);
    std::optional<gsm::Outcome> outcome;
    device.Client().SendCommand(gsm::SingleCommand::CheckMode(),
                                [&](const gsm::OperationResult& r) { outcome = r.outcome; });
    EXPECT_EQ(outcome, gsm::Outcome::NotSent);
    EXPECT_FALSE(timer.isActive());
}

} // namespace
