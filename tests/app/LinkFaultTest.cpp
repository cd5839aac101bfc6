// The real window against the simulated device when the line misbehaves:
// every device operation meets every fault the simulator can inject, late
// replies meet later exchanges, the device goes away mid-read and the window
// is closed mid-save. Whatever happens, the user is told once, nothing goes
// on behind a message, and the next attempt works.

#include "support/QtTestApp.h"

#include "app/widgets/PortBox.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MainWindow.h"
#include "protocol/DeviceClient.h"
#include "protocol/OperationGate.h"
#include "protocol/Outcome.h"
#include "serial/LinkTrace.h"
#include "serial/SerialPort.h"
#include "sim/Scenario.h"
#include "support/ModalAnswer.h"
#include "support/TestPtyPair.h"
#include "support/WindowSession.h"

#include <QComboBox>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

using namespace gsm::test;

namespace {

constexpr int kTimeoutMs = 1000;
constexpr int kLongWaitMs = 60000;

enum class Op {
    Login,
    SettingsRead,
    SettingsSave,
    NumbersRead,
    NumbersSave,
    HistoryRead,
    Delete,
    Clock
};

class LinkFixture {
public:
    bool Start(const QStringList& simArgs, bool logIn = true) {
        sim = std::make_unique<SimProcess>(simArgs);
        if (!sim->Running())
            return false;
        form = std::make_unique<MainWindow>();
        form->SetReceiveTimeout(kTimeoutMs);
        form->show();
        session = std::make_unique<WindowSession>(*form, *sim, answers);
        if (!session->Open())
            return false;
        return !logIn || session->LogIn() == "Password confirmed!";
    }

    bool AllDeviceOperations(bool enabled) const {
        for (QPushButton* b : form->DeviceOperationButtons())
            if (b->isEnabled() != enabled)
                return false;
        return true;
    }
    bool Settled() const {
        return !form->Client().Busy() && !form->Controls().receiveTimer->isActive() &&
               !form->Gate().Outstanding();
    }
    int RequestsInArea(quint32 from, quint32 to) const {
        int n = 0;
        for (const auto& f : sim->Requests())
            n += f.address >= from && f.address < to ? 1 : 0;
        return n;
    }

    // Clicks the operation's button, answers its question (if any) and the
    // boxes that follow, and returns the texts of the boxes after the question.
    QStringList RunOp(Op op, int boxes = 1) {
        const std::size_t before = answers.SeenBoxes().size();
        const bool asks = op == Op::SettingsRead || op == Op::NumbersRead || op == Op::Delete;
        if (op == Op::SettingsRead || op == Op::NumbersRead)
            answers.Queue(ModalAnswer::Caption("OK(&Y)"));
        if (op == Op::Delete)
            answers.Queue(ModalAnswer::Ok());
        for (int i = 0; i < boxes; ++i)
            answers.Queue(ModalAnswer::Ok());
        if (op == Op::Login)
            form->Controls().passwordBox->setText("7145");
        ButtonOf(op)->click();
        // A box comes only after the exchange has ended; a read that succeeds
        // may show none, and its unused answer is dropped.
        WaitFor(
            [&] {
                return answers.Pending() == 0 ||
                       (Settled() && QApplication::activeModalWidget() == nullptr);
            },
            kLongWaitMs);
        answers.Clear();
        QStringList texts;
        for (std::size_t i = before + (asks ? 1 : 0); i < answers.SeenBoxes().size(); ++i)
            texts << answers.SeenBoxes()[i].text;
        return texts;
    }

    QPushButton* ButtonOf(Op op) const {
        switch (op) {
        case Op::Login:
            return form->Controls().loginButton;
        case Op::SettingsRead:
            return form->Controls().readSettingsButton;
        case Op::SettingsSave:
            return form->Controls().saveSettingsButton;
        case Op::NumbersRead:
            return form->Controls().readNumbersButton;
        case Op::NumbersSave:
            return form->Controls().saveNumbersButton;
        case Op::HistoryRead:
            return form->Controls().readHistoryButton;
        case Op::Delete:
            return form->Controls().deleteHistoryButton;
        case Op::Clock:
            return form->Controls().setClockButton;
        }
        return nullptr;
    }

    ModalAnswer answers;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowSession> session;
};

// ------------------------------------------------------------------ fault table

struct OpCase {
    Op op;
    const char* name;
    // The request the fault hits (request 1 is the login), inside the operation.
    int faulted;
    // Requests the whole operation sends; a number list save sends these
    // and the writes of RequestsOf().
    int requests;
    const char* success; // the box of a successful run; empty: none
    const char* refused; // the box when the device refuses
};

// The number pages of the busy device that hold a record: a save of the
// empty list writes those.
int BusyNumberPagesInUse() {
    const gsm::sim::DeviceMemory memory = gsm::sim::Scenario::Busy().memory;
    int used = 0;
    for (int page = 1; page <= gsm::addr::kNumberPages; ++page) {
        const auto& bytes = memory.NumberPage(page);
        used += std::any_of(bytes.begin(), bytes.end(), [](auto b) { return b != 0; }) ? 1 : 0;
    }
    return used;
}

// Counted when a test runs: the scenario's tables are not built before.
int RequestsOf(const OpCase& op) {
    return op.op == Op::NumbersSave ? op.requests + BusyNumberPagesInUse() : op.requests;
}

// A save reads what it writes over first (the number list's also reads the
// SIM number from settings page 1), then writes the pages that differ: the
// start values differ from both busy settings pages.
const OpCase kOps[] = {
    {Op::Login, "login", 1, 1, "Password confirmed!", "Invalid data"},
    {Op::SettingsRead, "settings_read", 3, 2, "Basic settings read to PC software success.",
     "Invalid data"},
    {Op::SettingsSave, "settings_save_read", 2, 4, "Basic setting saved success", "Invalid data"},
    {Op::SettingsSave, "settings_save", 5, 4, "Basic setting saved success", "Basic setting error"},
    {Op::NumbersRead, "numbers_read", 61, 125,
     "Authorized number list read to PC software success.", "Invalid data"},
    {Op::NumbersSave, "numbers_save", 187, 126, "Authorized number list saved success",
     "Number list data error"},
    {Op::HistoryRead, "history_read", 213, 500, "", "Invalid data"},
    {Op::Delete, "delete", 2, 1, "Historical data deleted", "Historical data delet error"},
    {Op::Clock, "clock", 2, 1, "1同步时间返回正确", "0同步时间返回错误"},
};

struct FaultCase {
    const char* name;
    const char* pattern; // %1: the faulted request
    bool succeeds;       // the fault does not stop the exchange
    const char* told;    // the box, when not the operation's own refusal text
};

const FaultCase kFaults[] = {
    {"no_reply", "no-reply@%1", false, "Receive timeout"},
    {"corrupt", "corrupt@%1", false, "Invalid data"},
    {"refuse", "refuse@%1", false, nullptr},
    {"cut", "cut@%1:5", false, "Receive timeout"},
    {"garbage", "garbage@%1", true, nullptr},
    {"wrong_address", "wrong-address@%1", false, "Invalid data"},
    {"delay_under", "delay@%1:300", true, nullptr},
    {"delay_over", "delay@%1:1600", false, "Receive timeout"},
};

class FaultTable : public ::testing::TestWithParam<std::tuple<OpCase, FaultCase>> {};

TEST_P(FaultTable, UserIsToldNothingGoesOnAndTheNextAttemptWorks) {
    const auto& [op, fault] = GetParam();
    LinkFixture f;
    const QString spoil = QString::fromUtf8(fault.pattern).arg(op.faulted);
    ASSERT_TRUE(f.Start({"--scenario", "busy", "--fault", spoil}, op.op != Op::Login));
    const int before = static_cast<int>(f.sim->Requests().size());
    const QStringList boxes = f.RunOp(op.op);
    const int sent = static_cast<int>(f.sim->Requests().size()) - before;

    if (fault.succeeds) {
        EXPECT_EQ(sent, RequestsOf(op));
        EXPECT_EQ(boxes, op.success[0] ? QStringList{op.success} : QStringList{});
    } else {
        const char* told = fault.told ? fault.told : op.refused;
        EXPECT_EQ(boxes, QStringList{told}) << "told once, never a success";
        // Nothing was sent after the spoilt exchange: no page written past it.
        EXPECT_EQ(before + sent, op.faulted);
        if (op.op == Op::HistoryRead) {
            EXPECT_EQ(f.form->Status().Notice(), "Read stopped at page 212 of 500");
        }
    }
    EXPECT_TRUE(f.Settled());
    if (op.op != Op::Login) {
        EXPECT_TRUE(f.AllDeviceOperations(true));
    }

    // A late reply (delay over the timeout) must not disturb the retry.
    if (!fault.succeeds && std::string(fault.name) == "delay_over")
        WaitFor([&] { return f.sim->Frames().size() >= f.sim->Requests().size() * 2; }, 5000);
    const QStringList again = f.RunOp(op.op);
    EXPECT_EQ(again, op.success[0] ? QStringList{op.success} : QStringList{});
    if (op.op == Op::HistoryRead) {
        EXPECT_EQ(f.form->Status().Notice(), "");
    }
}

std::string CaseName(const ::testing::TestParamInfo<FaultTable::ParamType>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

INSTANTIATE_TEST_SUITE_P(EveryOperation, FaultTable,
                         ::testing::Combine(::testing::ValuesIn(kOps),
                                            ::testing::ValuesIn(kFaults)),
                         CaseName);

// ------------------------------------------------------------------ late replies

class LateReply : public ::testing::Test, protected LinkFixture {};

TEST_F(LateReply, LoginReplyDuringTheTimeoutBoxLeavesTheSettingsGridAlone) {
    ASSERT_TRUE(Start({"--fault", "delay@2:1400"}));
    StringGrid& grid = *form->Controls().settingsGrid;
    grid.SetCells(1, 1, "1111");
    grid.SetCells(1, 5, "edited, not saved");
    const std::uint32_t framesBefore = form->Client().Exchange().FramesTaken();
    // The second login times out; its reply comes while the box is open,
    // which is closed only once that reply has been taken off the line.
    QString boxText;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || form->Client().Exchange().FramesTaken() == framesBefore)
            return;
        boxText = box->text();
        poll.stop();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start(10);
    form->Controls().loginButton->click();
    ASSERT_TRUE(WaitFor([&] { return !boxText.isEmpty(); }, 10000));
    EXPECT_EQ(boxText, "Receive timeout");
    EXPECT_EQ(grid.Cells(1, 1), "1111");
    EXPECT_EQ(grid.Cells(1, 5), "edited, not saved");
    EXPECT_TRUE(Settled());
    EXPECT_EQ(sim->Requests().size(), 2u) << "nothing was asked behind the box";
}

TEST_F(LateReply, NumberPageReplyDuringAHistoryReadChangesNothing) {
    // Number page 60 is request 61; its reply comes during the history read.
    ASSERT_TRUE(Start({"--scenario", "busy", "--fault", "delay@61:1500"}));
    EXPECT_EQ(RunOp(Op::NumbersRead), QStringList{"Receive timeout"});
    const QString row473 = form->Controls().numbersGrid->Cells(1, 473);
    EXPECT_EQ(RunOp(Op::HistoryRead), QStringList{});
    EXPECT_EQ(RequestsInArea(0x1000, 0x10000), 60) << "the number read never resumed";
    EXPECT_EQ(RequestsInArea(0x10000, 0x30000), 500);
    EXPECT_EQ(form->Controls().numbersGrid->Cells(1, 473), row473);
}

TEST_F(LateReply, ReplyNamingTheWrongPageEndsTheReadWithoutSuccess) {
    ASSERT_TRUE(Start({"--scenario", "busy", "--fault", "wrong-address@61"}));
    EXPECT_EQ(RunOp(Op::NumbersRead), QStringList{"Invalid data"});
    EXPECT_EQ(RequestsInArea(0x1000, 0x10000), 60);
    EXPECT_EQ(form->Status().Notice(), "Read stopped at page 60 of 125");
}

// ------------------------------------------------------------------ idle line, lost link, closing

TEST(IdleLine, LoneStartByteArmsNothing) {
    PtyPair device;
    ASSERT_TRUE(device.Valid());
    ModalAnswer answers;
    MainWindow form;
    form.show();
    form.Controls().portBox->setEditText(device.SlavePath());
    form.Controls().portButton->click();
    ASSERT_EQ(form.Controls().portButton->text(), "Close");
    form.Gate().SetLoggedIn(true);
    ASSERT_TRUE(device.Send(QByteArray(1, '\x23')));
    ASSERT_TRUE(WaitFor([&] { return form.Client().Exchange().CollectingFrame(); }, 5000));
    EXPECT_FALSE(form.Controls().receiveTimer->isActive())
        << "no request waits, so no timeout can fire";
    EXPECT_TRUE(form.Controls().readSettingsButton->isEnabled());
    EXPECT_TRUE(answers.SeenBoxes().empty());
}

TEST(ClosedPort, LoginSaysToOpenThePortAndSendsNothing) {
    ModalAnswer answers;
    MainWindow form;
    form.show();
    answers.Queue(ModalAnswer::Ok());
    form.Controls().loginButton->click();
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    EXPECT_EQ(answers.SeenBoxes()[0].text,
              "The COM port is not open. Open it first, then try again.");
    EXPECT_FALSE(form.Controls().receiveTimer->isActive());
    EXPECT_FALSE(form.Client().Busy());
    EXPECT_TRUE(form.Controls().loginButton->isEnabled());
}

class LostLink : public ::testing::Test, protected LinkFixture {};

TEST_F(LostLink, HangUpMidReadClosesThePortAndTellsTheUser) {
    ASSERT_TRUE(Start({"--scenario", "busy", "--baud-pace", "115200"}));
    answers.Queue(ModalAnswer::Ok());
    form->Controls().readHistoryButton->click();
    ASSERT_TRUE(WaitFor([&] { return RequestsInArea(0x10000, 0x30000) >= 20; }, kLongWaitMs));
    sim->Stop(); // the adapter is pulled
    ASSERT_TRUE(answers.WaitUntilAnswered(10000));
    EXPECT_EQ(answers.SeenBoxes().back().text,
              "The device was disconnected. Check the cable, open the port again and log in.");
    EXPECT_EQ(form->Controls().portButton->text(), "Open");
    EXPECT_FALSE(form->Controls().serialPort->PortOpen());
    EXPECT_TRUE(form->Controls().portClosedIndicator->isVisible());
    EXPECT_FALSE(form->Controls().portOpenIndicator->isVisible());
    EXPECT_TRUE(AllDeviceOperations(false));
    ASSERT_TRUE(form->Reporter().LastResult());
    EXPECT_EQ(form->Reporter().LastResult()->outcome, gsm::Outcome::LinkLost);
    EXPECT_TRUE(form->Status().Notice().startsWith("Read stopped at page "));
    EXPECT_EQ(answers.SeenBoxes().size(), 2u) << "one message, no timeout after it";
}

class ClosingWindow : public ::testing::Test, protected LinkFixture {};

TEST_F(ClosingWindow, MidSaveAsksAndNoKeepsTheSaveRunning) {
    ASSERT_TRUE(Start({"--baud-pace", "115200"}));
    form->Controls().saveNumbersButton->click();
    ASSERT_TRUE(WaitFor([&] { return RequestsInArea(0x1000, 0x10000) >= 5; }, kLongWaitMs));
    answers.Queue({QMessageBox::No, {}});
    form->close();
    ASSERT_TRUE(answers.WaitUntilAnswered());
    EXPECT_EQ(answers.SeenBoxes().back().text,
              "A transfer to the device is in progress. Stop it and close?");
    EXPECT_TRUE(form->isVisible());
    const int sofar = RequestsInArea(0x1000, 0x10000);
    ASSERT_TRUE(WaitFor([&] { return RequestsInArea(0x1000, 0x10000) > sofar + 3; }, kLongWaitMs));

    answers.Queue({QMessageBox::Yes, {}});
    form->close();
    ASSERT_TRUE(answers.WaitUntilAnswered());
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->Controls().serialPort->PortOpen());
    EXPECT_FALSE(form->Client().Busy());
    ASSERT_TRUE(form->Reporter().LastResult());
    EXPECT_EQ(form->Reporter().LastResult()->outcome, gsm::Outcome::Cancelled);
}

// ------------------------------------------------------------------ every byte, trace

TEST(Delivery, EveryByteOfAChunkIsTaken) {
    PtyPair device;
    ASSERT_TRUE(device.Valid());
    ModalAnswer answers;
    MainWindow form;
    form.Controls().portBox->setEditText(device.SlavePath());
    form.Controls().portButton->click();
    form.Gate().SetLoggedIn(true);
    answers.Queue(ModalAnswer::Ok());
    answers.Queue(ModalAnswer::Ok());
    form.Controls().deleteHistoryButton->click();
    ASSERT_EQ(device.Receive(9).size(), 9);
    // The whole reply in one delivery.
    const char reply[] = {'\x23', '\x85', 0, 0, 0, 0, 0, 1, 1, '\x85'};
    form.onSerialDataReceived(form.Controls().serialPort, reply, sizeof reply);
    ASSERT_TRUE(answers.WaitUntilAnswered());
    EXPECT_EQ(answers.SeenBoxes().back().text, "Historical data deleted");
}

TEST(FrameTrace, LoginAndSettingsReadFieldByField) {
    QTemporaryDir dir;
    LinkFixture f;
    ASSERT_TRUE(f.Start({}, false));
    QString failure;
    const QString path = dir.filePath("trace.jsonl");
    ASSERT_TRUE(f.form->StartTrace(path, &failure)) << failure.toStdString();
    ASSERT_EQ(f.session->LogIn(), "Password confirmed!");
    ASSERT_EQ(f.RunOp(Op::SettingsRead),
              QStringList{"Basic settings read to PC software success."});

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    std::vector<QJsonObject> lines;
    while (!file.atEnd())
        lines.push_back(QJsonDocument::fromJson(file.readLine()).object());
    ASSERT_EQ(lines.size(), 6u); // login, page 1, page 2: each out and in
    struct Expected {
        const char* direction;
        const char* address;
        int length;
        const char* verdict;
    } expected[] = {
        {"out", "00000000", 0, "sent"}, {"in", "00000000", 256, "dispatched"},
        {"out", "00000000", 0, "sent"}, {"in", "00000000", 256, "dispatched"},
        {"out", "00000100", 0, "sent"}, {"in", "00000100", 256, "dispatched"},
    };
    qint64 lastTime = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QJsonObject& line = lines[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(line.value("direction").toString(), expected[i].direction);
        EXPECT_EQ(line.value("command").toString(), "83");
        EXPECT_EQ(line.value("address").toString(), expected[i].address);
        EXPECT_EQ(line.value("length").toInt(), expected[i].length);
        EXPECT_EQ(line.value("verdict").toString(), expected[i].verdict);
        EXPECT_GE(line.value("time_ms").toInteger(), lastTime);
        lastTime = line.value("time_ms").toInteger();
        const QStringList bytes = line.value("bytes").toString().split(' ');
        EXPECT_EQ(bytes.size(), expected[i].length + 9);
        EXPECT_EQ(bytes.front(), "23");
    }
    // No credential appears: the device password on page 1, the GPRS user
    // name and password on page 2, each with the checksum, are masked.
    const QStringList page1 = lines[1].value("bytes").toString().split(' ');
    EXPECT_EQ(page1.mid(8, 4), QStringList(4, "**"));
    EXPECT_EQ(page1.count("**"), 4 + 1);
    const QStringList page2 = lines[5].value("bytes").toString().split(' ');
    EXPECT_EQ(page2.mid(8, 16), QStringList(16, "**"));
    EXPECT_EQ(page2.mid(8 + 17, 16), QStringList(16, "**"));
    EXPECT_EQ(page2.count("**"), 16 + 16 + 1);
    EXPECT_EQ(page2.back(), "**");
    for (const QJsonObject& line : lines)
        EXPECT_EQ(line.value("port").toString(), f.form->Controls().serialPort->CommName());
}

} // namespace
