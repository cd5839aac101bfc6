// The number list against the simulated device: a read of the busy device,
// edits and a save compared with the device's memory afterwards, a refused
// page, and a list that cannot be encoded.

#include "support/QtTestApp.h"

#include "app/widgets/PageControl.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MainWindow.h"
#include "protocol/DeviceClient.h"
#include "protocol/Outcome.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"
#include "sim/ScenarioJson.h"
#include "support/ModalAnswer.h"
#include "support/WindowSession.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>

using namespace gsm::test;
using gsm::sim::NumberEntry;
using gsm::sim::NumberSlot;
using gsm::sim::NumberStamp;

namespace {

constexpr int kAlways = 6, kDelete = 7;
constexpr int kWritePage = 0x82;

struct Row {
    QString number, startDate, startTime, endDate, endTime, always;
    bool operator==(const Row&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Row& r) {
    return out << (QStringList{r.number, r.startDate, r.startTime, r.endDate, r.endTime, r.always}
                       .join('|')
                       .toStdString());
}

QString DateText(const NumberStamp& s) {
    return QString::asprintf("20%02d-%02d-%02d", s.year, s.month, s.day);
}
QString TimeText(const NumberStamp& s) {
    return QString::asprintf("%02d:%02d", s.hour, s.minute);
}

// How a record of the device shows in its row after a read.
Row ExpectedRow(const NumberEntry& e) {
    switch (e.form) {
    case NumberEntry::Form::Period:
        return {QString::fromStdString(e.number),
                DateText(e.start),
                TimeText(e.start),
                DateText(e.end),
                TimeText(e.end),
                "no"};
    case NumberEntry::Form::Always:
        return {QString::fromStdString(e.number), {}, {}, {}, {}, "yes"};
    case NumberEntry::Form::Erased:
    case NumberEntry::Form::Empty:
        break;
    }
    return {{}, {}, {}, {}, {}, "no"};
}

class NumberListDevice : public ::testing::Test {
protected:
    void Start(const QStringList& simArgs) {
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->Running()) << "gsmgate-sim did not start";
        form = std::make_unique<MainWindow>();
        form->Controls().pageControl->setCurrentWidget(form->Controls().numbersPage);
        form->show();
        session = std::make_unique<WindowSession>(*form, *sim, answers);
        ASSERT_TRUE(session->OpenAndLogIn());
        ASSERT_TRUE(WaitFor([&] { return form->Controls().readNumbersButton->isEnabled(); }, 3000));
    }

    Row GridRow(int row) const {
        const StringGrid* g = form->Controls().numbersGrid;
        return {g->Cells(1, row), g->Cells(2, row), g->Cells(3, row),
                g->Cells(4, row), g->Cells(5, row), g->Cells(kAlways, row)};
    }

    // Presses "Read", confirms, and waits for the closing message.
    void Read() {
        answers.Queue(ModalAnswer::Caption("OK(&Y)"));
        answers.Queue(ModalAnswer::Ok());
        form->Controls().readNumbersButton->click();
        ASSERT_TRUE(answers.WaitUntilAnswered(30000));
        ASSERT_EQ(LastBox().text, "Authorized number list read to PC software success.");
    }

    // Presses "Save" and returns the text of the one box it ends with.
    QString Save() {
        answers.Queue(ModalAnswer::Ok());
        form->Controls().saveNumbersButton->click();
        if (!answers.WaitUntilAnswered(30000))
            return {};
        return LastBox().text;
    }

    void ClickCell(int col, int row) {
        StringGrid* g = form->Controls().numbersGrid;
        g->scrollTo(g->model()->index(row, col));
        const QPoint at = g->visualRect(g->model()->index(row, col)).center();
        QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, at);
    }

    int WritesSent() const {
        const auto requests = sim->Requests();
        return static_cast<int>(std::count_if(requests.begin(), requests.end(), [](const auto& f) {
            return f.command == kWritePage;
        }));
    }

    const ModalAnswer::Seen& LastBox() const { return answers.SeenBoxes().back(); }

    ModalAnswer answers;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowSession> session;
};

} // namespace

TEST_F(NumberListDevice, ReadFillsTheGridAsTheDeviceHoldsIt) {
    Start({"--scenario", "busy"});
    for (int r : {1, 500, 1000})
        form->Controls().numbersGrid->SetCells(1, r, "stale");
    form->Controls().numbersGrid->SetCells(kDelete, 3, "yes");

    QSet<QString> statuses;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        statuses.insert(form->Controls().statusPanels->PanelText(kStatusPanelText));
    });
    watch.start(0);
    Read();
    watch.stop();

    std::map<int, NumberEntry> device;
    for (const NumberSlot& s : gsm::sim::NumberEntries(gsm::sim::Scenario::Busy().memory))
        device[s.slot] = s.entry;
    for (int row = 1; row <= 1000; ++row) {
        const auto it = device.find(row);
        const Row expected = ExpectedRow(it == device.end() ? NumberEntry{} : it->second);
        ASSERT_EQ(GridRow(row), expected) << "row " << row;
    }
    EXPECT_EQ(form->Controls().numbersGrid->Cells(kDelete, 3), "yes")
        << "the Delete marks are the PC's own";
    EXPECT_TRUE(statuses.contains("Reading number list:125/125"));
    EXPECT_FALSE(form->Controls().progressBar->isVisible())
        << "the last page brings the bar to 100";
}

TEST_F(NumberListDevice, EditedListIsSavedPageByPageAndTheDeviceHoldsIt) {
    Start({"--scenario", "busy"});
    Read();

    std::map<int, NumberEntry> expected;
    for (const NumberSlot& s : gsm::sim::NumberEntries(gsm::sim::Scenario::Busy().memory))
        if (s.entry.form != NumberEntry::Form::Erased) // a read leaves no Delete mark
            expected[s.slot] = s.entry;
    const auto firstOf = [&](NumberEntry::Form form) {
        return std::find_if(expected.begin(), expected.end(),
                            [&](const auto& e) { return e.second.form == form; })
            ->first;
    };
    const int alwaysSlot = firstOf(NumberEntry::Form::Always);
    const int periodSlot = firstOf(NumberEntry::Form::Period);
    int emptySlot = 1;
    while (expected.count(emptySlot) ||
           !form->Controls().numbersGrid->Cells(1, emptySlot).isEmpty())
        ++emptySlot;

    ClickCell(kDelete, alwaysSlot);
    expected[alwaysSlot] = NumberEntry{NumberEntry::Form::Erased, {}, {}, {}};
    ClickCell(kAlways, periodSlot);
    expected[periodSlot].form = NumberEntry::Form::Always;
    expected[periodSlot].start = expected[periodSlot].end = {};
    StringGrid* g = form->Controls().numbersGrid;
    g->SetCells(1, emptySlot, "+15555550100");
    g->SetCells(2, emptySlot, "2015/03/05");
    g->SetCells(3, emptySlot, "08:30");
    g->SetCells(4, emptySlot, "2016/12/31");
    g->SetCells(5, emptySlot, "23:59");
    expected[emptySlot] = {
        NumberEntry::Form::Period, "+15555550100", {15, 3, 5, 8, 30}, {16, 12, 31, 23, 59}};

    EXPECT_EQ(Save(), "Authorized number list saved success");
    // The three edited pages, and those whose erased records are now empty.
    std::set<int> pages;
    for (const NumberSlot& s : gsm::sim::NumberEntries(gsm::sim::Scenario::Busy().memory))
        if (s.entry.form == NumberEntry::Form::Erased)
            pages.insert((s.slot - 1) / 8);
    for (const int slot : {alwaysSlot, periodSlot, emptySlot})
        pages.insert((slot - 1) / 8);
    EXPECT_EQ(WritesSent(), static_cast<int>(pages.size()));

    sim->Stop();
    const auto state = gsm::sim::scenario_json::ReadFile(sim->DumpPath());
    std::map<int, NumberEntry> stored;
    for (const NumberSlot& s : gsm::sim::NumberEntries(state.memory))
        stored[s.slot] = s.entry;
    EXPECT_EQ(stored.size(), expected.size());
    for (const auto& [slot, entry] : expected) {
        ASSERT_TRUE(stored.count(slot)) << "slot " << slot;
        EXPECT_EQ(stored[slot], entry) << "slot " << slot;
    }
}

TEST_F(NumberListDevice, RefusedPageEndsTheSave) {
    // Request 1 is the login, 2 reads the SIM number and 3 to 127 the pages
    // the save writes over: the fourth page written is request 131.
    Start({"--scenario", "busy", "--fault", "refuse@131"});
    EXPECT_EQ(Save(), "Number list data error");
    // The refusal ended the save before the box: nothing waits, nothing follows.
    EXPECT_FALSE(form->Client().Busy());
    ASSERT_TRUE(form->Reporter().LastResult());
    EXPECT_EQ(form->Reporter().LastResult()->outcome, gsm::Outcome::Refused);
    EXPECT_EQ(WritesSent(), 4);
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
}

TEST_F(NumberListDevice, MalformedTimeLateInTheListStopsTheSaveBeforeAnythingIsSent) {
    Start({});
    StringGrid* g = form->Controls().numbersGrid;
    for (int row : {1, 900}) {
        g->SetCells(1, row, "+15555550100");
        g->SetCells(2, row, "2015/03/05");
        g->SetCells(3, row, row == 900 ? "0830" : "08:30");
        g->SetCells(4, row, "2016/12/31");
        g->SetCells(5, row, "23:59");
    }
    const QString text = Save();
    EXPECT_TRUE(text.endsWith("Total:1\rWrong serial number:900")) << text.toStdString();
    EXPECT_FALSE(form->Client().Busy());
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_EQ(WritesSent(), 0);
}
