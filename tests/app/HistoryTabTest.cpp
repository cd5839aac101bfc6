// The history sheet without a device: filter, CSV export, the hidden clear
// button, the cell painting and the decoder's place in the receive path.

#include "support/QtTestApp.h"

#include "app/files/ConfigurationFolder.h"
#include "app/sheets/history/HistoryTab.h"
#include "app/widgets/GridModel.h"
#include "app/widgets/PortBox.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "protocol/DeviceClient.h"
#include "support/ModalAnswer.h"
#include "support/TestPtyPair.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimeEdit>

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <utility>
#include <vector>

using namespace gsm::test;

namespace {

class HistoryTab : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainWindow>();
        form->EnableDeviceOperations();
    }

    StringGrid& Grid() { return *form->Controls().historyGrid; }
    void PutRow(int row, const QStringList& texts) {
        for (int c = 0; c < texts.size(); ++c)
            Grid().SetCells(c + 1, row, texts[c]);
    }
    void PickPeriod(QDate startDate, QTime startTime, QDate endDate, QTime endTime) {
        form->Controls().historyStartDatePicker->setDate(startDate);
        form->Controls().historyStartTimePicker->setTime(startTime);
        form->Controls().historyEndDatePicker->setDate(endDate);
        form->Controls().historyEndTimePicker->setTime(endTime);
    }
    QString StatusText() const {
        return form->Controls().statusPanels->PanelText(kStatusPanelText);
    }
    // The address of the request that waits for its reply; 0 for none.
    std::uint32_t WaitingFor() const {
        const auto pending = form->Client().Exchange().Pending();
        return pending ? pending->address : 0;
    }
    // Clicks and answers the one box the click shows.
    ModalAnswer::Seen ClickAnsweringOneBox(QPushButton* button) {
        answers.Queue(ModalAnswer::Ok());
        button->click();
        EXPECT_EQ(answers.Pending(), 0u);
        return answers.SeenBoxes().empty() ? ModalAnswer::Seen{} : answers.SeenBoxes().back();
    }

    ModalAnswer answers;
    std::unique_ptr<MainWindow> form;
};

TEST_F(HistoryTab, FilterMessagesAreTitledWithoutIconAndLeaveTheGrid) {
    const ModalAnswer::Seen empty = ClickAnsweringOneBox(form->Controls().filterButton);
    EXPECT_EQ(empty.text, "No correct records");
    EXPECT_EQ(empty.title, kMainCaption);
    EXPECT_EQ(empty.icon, QMessageBox::NoIcon);
    EXPECT_EQ(empty.buttons, QStringList{"OK"});

    PutRow(1, {"1", "2015-03-05", "10:00:00", "SMS", "Arm", "", "x"});
    PickPeriod(QDate(2015, 3, 6), QTime(0, 0), QDate(2015, 3, 6), QTime(0, 0));
    EXPECT_EQ(ClickAnsweringOneBox(form->Controls().filterButton).text, "Time selection error");
    PickPeriod(QDate(2015, 3, 6), QTime(0, 0), QDate(2015, 3, 7), QTime(0, 0));
    EXPECT_EQ(ClickAnsweringOneBox(form->Controls().filterButton).text, "No records");
    EXPECT_EQ(Grid().Cells(2, 1), "2015-03-05");

    PutRow(2, {"2", "2015-0x-06", "10:00:00", "SMS", "Arm", "", "hand typed"});
    const ModalAnswer::Seen bad = ClickAnsweringOneBox(form->Controls().filterButton);
    EXPECT_EQ(bad.text, "'0x' is not a valid integer value");
    EXPECT_EQ(Grid().Cells(2, 2), "2015-0x-06");
}

TEST_F(HistoryTab, FilterKeepsThePeriodInOrderUsingEveryPickerPart) {
    PutRow(1, {"1", "2015-03-07", "10:00:00", "SMS", "Arm", "", "07 10h"});
    PutRow(2, {"2", "2015-03-05", "23:00:00", "SMS", "Arm", "", "05 23h"});
    PutRow(3, {"3", "2015-03-07", "09:00:00", "SMS", "Arm", "", "07 09h"});
    PutRow(4, {"4", "2015-03-07", "10:30:01", "SMS", "Arm", "", "after the end"});
    PutRow(5, {"5", "2015-03-05", "22:59:59", "SMS", "Arm", "", "before the start"});
    PickPeriod(QDate(2015, 3, 5), QTime(22, 59, 59), QDate(2015, 3, 7), QTime(10, 30, 1));
    form->Controls().filterButton->click();
    EXPECT_TRUE(answers.SeenBoxes().empty());
    EXPECT_EQ(Grid().Cells(7, 1), "05 23h");
    EXPECT_EQ(Grid().Cells(7, 2), "07 09h");
    EXPECT_EQ(Grid().Cells(7, 3), "07 10h");
    EXPECT_EQ(Grid().Cells(1, 3), "1");
    EXPECT_EQ(Grid().Cells(7, 4), "");
    EXPECT_EQ(Grid().Cells(0, 4), "4");
    EXPECT_EQ(StatusText(), "Records");
}

// A sort of the whole grid must reach the view as one changed range, once:
// cell by cell, the repaint of a thousand rows costs more than the sort.
TEST_F(HistoryTab, FilterOfAFullGridTellsTheViewOnceAfterwards) {
    for (int r = 1; r <= 1000; ++r)
        PutRow(r, {QString::number(r),
                   QStringLiteral("2015-03-%1").arg(28 - r % 28, 2, 10, QChar('0')), "10:00:00",
                   "SMS", "Arm", "", QString::number(r)});
    Grid().Model().AnnounceWrittenCells();
    std::vector<std::pair<QModelIndex, QModelIndex>> changes;
    QObject::connect(
        &Grid().Model(), &QAbstractItemModel::dataChanged,
        [&](const QModelIndex& from, const QModelIndex& to) { changes.emplace_back(from, to); });
    PickPeriod(QDate(2015, 3, 1), QTime(0, 0), QDate(2015, 3, 31), QTime(0, 0));
    form->Controls().filterButton->click();
    EXPECT_TRUE(changes.empty()) << "announced with the next frame, not cell by cell";
    QElapsedTimer clock;
    clock.start();
    while (changes.empty() && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    QApplication::processEvents();
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0].first.row(), 1);
    EXPECT_EQ(changes[0].second.row(), 1000);
    EXPECT_EQ(Grid().Cells(2, 1), "2015-03-01");
}

TEST_F(HistoryTab, HiddenClearButtonKeepsOnlyTheRowNumbers) {
    PutRow(1, {"1", "2015-03-07", "10:00:00", "SMS", "Arm", "+86", "x"});
    PutRow(1000, {"9", "2015-03-07", "10:00:00", "SMS", "Arm", "+86", "y"});
    form->Controls().clearHistoryButton->click();
    for (int r : {1, 1000}) {
        for (int c = 1; c <= 7; ++c)
            EXPECT_EQ(Grid().Cells(c, r), "") << c << "," << r;
        EXPECT_EQ(Grid().Cells(0, r), QString::number(r));
    }
    EXPECT_EQ(Grid().Cells(2, 0), "Date");
}

TEST_F(HistoryTab, CsvExportWritesTheRecordRowsIntoTheConfigurationFolder) {
    PutRow(1, {"7", "2015-03-07", "09:05:00", "Telephone", "Relay ON", "+8613800001111", "Open"});
    PutRow(2, {"", "2015-03-08", "", "", "", "", "no number, left out"});
    PutRow(3, {"8", "2015-03-09", "09:05:00", "SMS", "Arm", "", "a,b"});
    const QString path = form->History().ExportHistoryCsv();
    ASSERT_FALSE(path.isEmpty());
    EXPECT_TRUE(answers.SeenBoxes().empty());
    const QFileInfo info(path);
    EXPECT_EQ(info.absolutePath(), ConfigurationFolder());
    EXPECT_TRUE(QRegularExpression("^hisinf_CSV\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d$")
                    .match(info.fileName())
                    .hasMatch())
        << info.fileName().toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              "1,7,2015-03-07,09:05:00,Telephone,Relay ON,+8613800001111,Open,,\r\n"
              "3,8,2015-03-09,09:05:00,SMS,Arm,,\"a,b\",,\r\n");
    file.remove();
    EXPECT_EQ(StatusText(), "Export.csv:2/1000");
}

TEST(ConfigurationFolderTest, BesideTheProgramOrElseInTheUserDataFolder) {
    QTemporaryDir program;
    QTemporaryDir user;
    ASSERT_TRUE(program.isValid() && user.isValid());
    EXPECT_EQ(ConfigurationFolderIn(program.path(), user.path()),
              QDir(program.path()).filePath("configuration"));
    EXPECT_TRUE(QFileInfo(program.filePath("configuration")).isDir());

    // A plain file where the folder should go cannot become a folder.
    QFile blocker(program.filePath("blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_EQ(ConfigurationFolderIn(program.filePath("blocked"), user.path()),
              QDir(user.path()).filePath("configuration"));
    EXPECT_EQ(ConfigurationFolderIn(program.filePath("blocked"), program.filePath("blocked")),
              QString());

    // Installed, the program never writes beside itself, not even when root
    // could: the folder is the user's and nothing is made in the system's.
    for (const char* system : {"/usr/bin", "/usr/local/bin", "/opt/gsmgate/bin"}) {
        EXPECT_EQ(ConfigurationFolderIn(system, user.path()),
                  QDir(user.path()).filePath("configuration"))
            << system;
        EXPECT_FALSE(QFileInfo::exists(QDir(system).filePath("configuration"))) << system;
    }
}

TEST(ConfigurationFolderTest, OnlyTheFirstSaveToTheUsersFolderSaysWhereItWent) {
    SaveNotice notice;
    EXPECT_EQ(notice.After("/work/configuration/a.xlsx", false), QString());
    EXPECT_EQ(notice.After("/home/u/.local/share/gsmgate/configuration/a.xlsx", true),
              "Saved to /home/u/.local/share/gsmgate/configuration/a.xlsx");
    EXPECT_EQ(notice.After("/home/u/.local/share/gsmgate/configuration/b.csv", true), QString());
}

TEST_F(HistoryTab, CellsAreFilledAndTheirTextCentred) {
    form->show();
    PutRow(1, {"1", "", "ab", "", "", "", ""});
    const QImage image = Grid().viewport()->grab().toImage();
    const QColor base = Grid().palette().color(QPalette::Base);
    const QColor fixed = Grid().palette().color(QPalette::HighlightedText);
    const QRect serial = Grid().visualRect(Grid().model()->index(1, 0));
    EXPECT_EQ(image.pixelColor(serial.topLeft() + QPoint(2, 2)), fixed);

    // The ink of "ab" sits around the middle of its cell; the empty cell has none.
    const auto inkCentre = [&](const QRect& r, int* count) {
        QPointF sum;
        *count = 0;
        for (int x = r.left() + 1; x < r.right(); ++x)
            for (int y = r.top() + 1; y < r.bottom(); ++y)
                if (image.pixelColor(x, y) != base) {
                    sum += QPointF(x, y);
                    ++*count;
                }
        return *count ? sum / *count : QPointF();
    };
    int ink = 0;
    const QRect time = Grid().visualRect(Grid().model()->index(1, 3));
    const QPointF centre = inkCentre(time, &ink);
    ASSERT_GT(ink, 0);
    EXPECT_NEAR(centre.x(), time.center().x(), 3.0);
    EXPECT_NEAR(centre.y(), time.center().y(), 3.0);
    inkCentre(Grid().visualRect(Grid().model()->index(1, 4)), &ink);
    EXPECT_EQ(ink, 0);
}

TEST_F(HistoryTab, HistoryReplyReachesTheDecoderThroughTheReceivePath) {
    PtyPair device;
    ASSERT_TRUE(device.Valid());
    form->Controls().portBox->setEditText(device.SlavePath());
    form->Controls().portButton->click();
    ASSERT_EQ(form->Controls().portButton->text(), "Close");
    form->Controls().readHistoryButton->click();
    EXPECT_EQ(WaitingFor(), gsm::addr::HistoryPage(1));
    // Reply to page 1: record 1 numbered 5, record 2 empty.
    gsm::FrameBuilder reply;
    std::array<std::uint8_t, 256> page{};
    page[0] = 5;
    page[4] = 15;
    page[5] = 3;
    page[6] = 7;
    page[10] = 1;
    page[11] = 7;
    reply.SetCommand(0x83);
    reply.SetLength(256);
    reply.SetAddress(0x10000);
    reply.SetPayload(page);
    reply.BuildFrame();
    for (std::uint8_t b : reply.Bytes()) {
        const char c = static_cast<char>(b);
        form->onSerialDataReceived(nullptr, &c, 1);
    }
    EXPECT_EQ(Grid().Cells(1, 1), "5");
    EXPECT_EQ(Grid().Cells(2, 1), "2015-03-07");
    EXPECT_EQ(Grid().Cells(4, 1), "SMS");
    EXPECT_EQ(Grid().Cells(5, 1), "Arm");
    EXPECT_EQ(WaitingFor(), gsm::addr::HistoryPage(2));
    EXPECT_EQ(StatusText(), "Reading historical data");
    form->Controls().receiveTimer->stop();
}

} // namespace
