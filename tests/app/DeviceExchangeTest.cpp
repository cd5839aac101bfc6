// The real window against the simulated device: login, timeouts, the
// history deletion and the lock of device operations while a request is out.

#include "support/QtTestApp.h"

#include "app/widgets/StatusBar.h"
#include "app/window/MainWindow.h"
#include "protocol/DeviceClient.h"
#include "support/ModalAnswer.h"
#include "support/WindowSession.h"
#include "text/CodePage.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace gsm::test;

namespace {

constexpr const char* kDeleteRequest = "23 85 00 00 00 00 00 00 85";
// Long enough for a loaded machine to answer, short enough to keep tests quick.
constexpr int kShortTimeoutMs = 1500;

class DeviceExchange : public ::testing::Test {
protected:
    void Start(const QStringList& simArgs = {}) {
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->Running()) << "gsmgate-sim did not start";
        form = std::make_unique<MainWindow>();
        form->SetReceiveTimeout(kShortTimeoutMs);
        form->show();
        session = std::make_unique<WindowSession>(*form, *sim, answers);
        ASSERT_TRUE(session->Open());
    }

    bool AllDeviceOperations(bool enabled) const {
        for (QPushButton* b : form->DeviceOperationButtons())
            if (b->isEnabled() != enabled)
                return false;
        return true;
    }

    int RequestsWith(const QString& bytes) const {
        int n = 0;
        for (const auto& f : sim->Requests())
            n += f.bytes == bytes ? 1 : 0;
        return n;
    }

    // Presses "Delete all" on the history tab and answers the warning.
    void DeleteHistory(ModalAnswer::Answer warningAnswer) {
        answers.Queue(warningAnswer);
        form->Controls().deleteHistoryButton->click();
    }

    const ModalAnswer::Seen& LastBox() const { return answers.SeenBoxes().back(); }

    ModalAnswer answers;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowSession> session;
};

} // namespace

TEST_F(DeviceExchange, LoginWithTheFactoryPasswordUnlocksEveryDeviceOperation) {
    Start();
    EXPECT_TRUE(AllDeviceOperations(false));
    EXPECT_EQ(session->LogIn("7145"), "Password confirmed!");
    EXPECT_TRUE(LastBox().title.isEmpty());
    EXPECT_TRUE(WaitFor([&] { return AllDeviceOperations(true); }, 3000));
    ASSERT_FALSE(sim->Requests().empty());
    EXPECT_EQ(sim->Requests().front().bytes, "23 83 00 00 00 00 00 00 83");
}

// A password byte above 0x7F is a letter of the device's code page.
TEST_F(DeviceExchange, PasswordIsComparedInTheDeviceCodePage) {
    QTemporaryDir dir;
    QByteArray page1(256, '\xFF');
    page1.replace(0, 4, QByteArray::fromHex("c6313435")); // "Ж145" in CP1251
    const QByteArray page2(256, '\xFF');
    QFile scenario(dir.filePath("cyrillic.json"));
    ASSERT_TRUE(scenario.open(QIODevice::WriteOnly));
    scenario.write("{\"settingsPages\": [\"" + page1.toHex() + "\", \"" + page2.toHex() + "\"]}");
    scenario.close();
    Start({"--scenario", scenario.fileName()});
    const gsm::CodePage cyrillic("CP1251");
    form->SetDeviceCodePage(&cyrillic);
    EXPECT_EQ(session->LogIn(QString::fromUtf8("Ж145")), "Password confirmed!");
    EXPECT_EQ(session->LogIn(QString::fromUtf8("Æ145")), "Password Error!") << "not Latin-1";
}

TEST_F(DeviceExchange, PasswordWithATrailingBlankIsRefusedAndLocksAgain) {
    Start();
    ASSERT_EQ(session->LogIn("7145"), "Password confirmed!");
    EXPECT_EQ(session->LogIn("7145 "), "Password Error!");
    EXPECT_TRUE(WaitFor([&] { return AllDeviceOperations(false); }, 3000));
    EXPECT_TRUE(form->Controls().loginButton->isEnabled());
    EXPECT_TRUE(form->Controls().portButton->isEnabled());
}

TEST_F(DeviceExchange, SilentDeviceTimesOutAndTheNextLoginWorks) {
    Start({"--fault", "no-reply@1"});
    EXPECT_EQ(session->LogIn(), "Receive timeout");
    EXPECT_FALSE(form->Client().Busy());
    EXPECT_EQ(session->LogIn(), "Password confirmed!");
}

TEST_F(DeviceExchange, ReplyCutPartWayTimesOutAndTheNextRequestWorks) {
    Start({"--fault", "cut@1:40"});
    EXPECT_EQ(session->LogIn(), "Receive timeout");
    EXPECT_EQ(form->Client().Exchange().State(), gsm::ExchangeState::Idle);
    EXPECT_EQ(session->LogIn(), "Password confirmed!");
}

TEST_F(DeviceExchange, CorruptLoginReplyShowsInvalidDataAndDoesNotCaptureTheNextRead) {
    Start({"--fault", "corrupt@1"});
    EXPECT_EQ(session->LogIn(), "Invalid data");
    EXPECT_FALSE(form->Client().Busy());
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_EQ(form->Controls().statusPanels->PanelText(kStatusPanelText), "Invalid data");
    EXPECT_EQ(session->LogIn(), "Password confirmed!");
}

TEST_F(DeviceExchange, DeleteAllAfterTheWarningDeletesTheDeviceHistory) {
    Start({"--scenario", "busy"});
    ASSERT_EQ(session->LogIn(), "Password confirmed!");
    DeleteHistory(ModalAnswer::Ok());
    ASSERT_GE(answers.SeenBoxes().size(), 2u);
    const auto& warning = answers.SeenBoxes().back();
    EXPECT_EQ(warning.text,
              "Warning: Thie operation will DELETE all of the historical data on GSM device! ");
    EXPECT_EQ(warning.icon, QMessageBox::Warning);
    EXPECT_TRUE(warning.title.isEmpty());

    answers.Queue(ModalAnswer::Ok());
    ASSERT_TRUE(answers.WaitUntilAnswered(10000));
    EXPECT_EQ(LastBox().text, "Historical data deleted");
    EXPECT_EQ(LastBox().title, kMainCaption);
    EXPECT_EQ(RequestsWith(kDeleteRequest), 1);
}

TEST_F(DeviceExchange, CancelInTheWarningSendsNothing) {
    Start();
    ASSERT_EQ(session->LogIn(), "Password confirmed!");
    const std::size_t before = sim->Requests().size();
    const auto sent = form->Client().Exchange().RequestsSent();
    DeleteHistory(ModalAnswer::Cancel());
    EXPECT_EQ(form->Client().Exchange().RequestsSent(), sent);
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_EQ(sim->Requests().size(), before);
    EXPECT_EQ(RequestsWith(kDeleteRequest), 0);
}

TEST_F(DeviceExchange, RefusedDeleteReportsTheError) {
    Start({"--fault", "refuse@2"});
    ASSERT_EQ(session->LogIn(), "Password confirmed!");
    DeleteHistory(ModalAnswer::Ok());
    answers.Queue(ModalAnswer::Ok());
    ASSERT_TRUE(answers.WaitUntilAnswered(10000));
    EXPECT_EQ(LastBox().text, "Historical data delet error");
}

TEST_F(DeviceExchange, DeviceOperationsStayLockedWhileARequestIsOutstanding) {
    Start({"--fault", "no-reply@2"});
    ASSERT_EQ(session->LogIn(), "Password confirmed!");
    ASSERT_TRUE(WaitFor([&] { return AllDeviceOperations(true); }, 3000));
    DeleteHistory(ModalAnswer::Ok());
    // Sent, unanswered: nothing else may start until the timeout.
    EXPECT_TRUE(AllDeviceOperations(false));
    answers.Queue(ModalAnswer::Ok());
    ASSERT_TRUE(answers.WaitUntilAnswered(10000));
    EXPECT_EQ(LastBox().text, "Receive timeout");
    EXPECT_TRUE(WaitFor([&] { return AllDeviceOperations(true); }, 3000));
}
