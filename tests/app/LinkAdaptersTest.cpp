// The window's status bar and port as the protocol code sees them.

#include "QtTestApp.h"

#include "Controllers.h"
#include "LinkAdapters.h"
#include "StatusBar.h"
#include "TComm.h"

#include <QTimer>

#include <gtest/gtest.h>

namespace {

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
