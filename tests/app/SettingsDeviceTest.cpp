// Reading and saving the basic settings with the real window against the
// simulated device.

#include "support/QtTestApp.h"

#include "app/sheets/settings/SettingsTab.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "protocol/DeviceClient.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsCodec.h"
#include "sim/ScenarioJson.h"
#include "support/ModalAnswer.h"
#include "support/WindowSession.h"

#include "sim/Scenario.h"
// The simulator's own reading of its settings pages; its header shares a name with ours.
#include "../../sim/SettingsCodec.h"

#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace gsm::test;
namespace row = gsm::settings::row;

namespace {

constexpr int kContent = gsm::settings::col::kContent;
constexpr int kShortTimeoutMs = 1500;

class SettingsDevice : public ::testing::Test {
protected:
    void Start(const QStringList& simArgs) {
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->Running()) << "gsmgate-sim did not start";
        form = std::make_unique<MainWindow>();
        form->SetReceiveTimeout(kShortTimeoutMs);
        form->show();
        session = std::make_unique<WindowSession>(*form, *sim, answers);
        ASSERT_TRUE(session->OpenAndLogIn());
        ASSERT_TRUE(
            WaitFor([&] { return form->Controls().readSettingsButton->isEnabled(); }, 3000));
    }

    QString Cell(int r) const { return form->Controls().settingsGrid->Cells(kContent, r); }
    void SetCell(int r, const QString& text) {
        form->Controls().settingsGrid->SetCells(kContent, r, text);
    }
    int ListIndex(int r) const { return form->Settings().Lists().ItemIndex(r); }

    // Clicks a button and answers the boxes it brings up, in order; returns their texts.
    QStringList ClickAndAnswer(QPushButton* button,
                               std::initializer_list<ModalAnswer::Answer> replies) {
        const std::size_t before = answers.SeenBoxes().size();
        for (const auto& reply : replies)
            answers.Queue(reply);
        button->click();
        answers.WaitUntilAnswered(10000);
        QStringList texts;
        for (std::size_t i = before; i < answers.SeenBoxes().size(); ++i)
            texts << answers.SeenBoxes()[i].text;
        return texts;
    }
    QStringList ReadSettings(ModalAnswer::Answer result = ModalAnswer::Ok()) {
        return ClickAndAnswer(form->Controls().readSettingsButton,
                              {ModalAnswer::Caption("OK(&Y)"), result});
    }

    int WritesTo(quint32 address) const {
        int n = 0;
        for (const auto& f : sim->Requests())
            n += f.command == gsm::cmd::kWritePage && f.address == address ? 1 : 0;
        return n;
    }

    gsm::sim::DeviceState StoppedDeviceState() {
        sim->Stop();
        return gsm::sim::scenario_json::ReadFile(sim->DumpPath());
    }

    ModalAnswer answers;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowSession> session;
};

TEST_F(SettingsDevice, ReadFillsEveryRowAndListAsTheDeviceHoldsThem) {
    Start({"--scenario", "busy"});
    form->Controls().din2TypeList->setCurrentIndex(0);
    form->Controls().notifyRelayOnList->setCurrentIndex(0);
    SetCell(row::kGprsPassword, "stale");

    const std::size_t before = answers.SeenBoxes().size();
    const QStringList boxes = ReadSettings();
    ASSERT_EQ(boxes.size(), 2);
    const auto& confirm = answers.SeenBoxes()[before];
    EXPECT_EQ(confirm.text, "Read the GSM device basic parameters to PC software?");
    EXPECT_EQ(confirm.icon, QMessageBox::Question);
    EXPECT_TRUE(confirm.title.isEmpty());
    EXPECT_EQ(confirm.buttons, (QStringList{"OK(&Y)", "Cancel(&N)"}));
    EXPECT_EQ(boxes[1], "Basic settings read to PC software success.");

    const auto device = gsm::sim::DecodeSettings(gsm::sim::Scenario::Busy().memory);
    const auto number = [](int n) { return QString::number(n); };
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    EXPECT_EQ(Cell(row::kPassword), text(device.password));
    EXPECT_EQ(Cell(row::kSimNumber), text(device.simNumber));
    EXPECT_EQ(Cell(row::kDin1Alarm), text(device.din1AlarmContent));
    EXPECT_EQ(Cell(row::kDin2Alarm), text(device.din2AlarmContent));
    EXPECT_EQ(Cell(row::kAutoArm), number(device.autoArmMinutes));
    EXPECT_EQ(Cell(row::kRelayOnTimer), number(device.relayOnTimerSeconds));
    EXPECT_EQ(Cell(row::kSmsRelayOn), text(device.smsRelayOn));
    EXPECT_EQ(Cell(row::kSmsRelayOff), text(device.smsRelayOff));
    EXPECT_EQ(Cell(row::kPowerFailureDelay), number(device.powerFailureDelayMinutes));
    EXPECT_EQ(Cell(row::kSelfCheckInterval), number(device.selfCheckHours));
    EXPECT_EQ(Cell(row::kUploadInterval), number(device.gprsUploadMinutes));
    EXPECT_EQ(Cell(row::kServerAddress), text(device.serverIp));
    EXPECT_EQ(Cell(row::kServerPort), number(device.serverPort));
    EXPECT_EQ(Cell(row::kApn), text(device.gprsApn));
    EXPECT_EQ(Cell(row::kGprsUser), text(device.gprsUser));
    EXPECT_EQ(Cell(row::kGprsPassword), text(device.gprsPassword));
    EXPECT_EQ(ListIndex(row::kDin1Type), device.din1Type);
    EXPECT_EQ(ListIndex(row::kDin2Type), device.din2Type);
    EXPECT_EQ(ListIndex(row::kArmAfterPowerOn), device.armAfterPowerOn);
    EXPECT_EQ(ListIndex(row::kRelayAuthorization), device.relayAuthorization);
    EXPECT_EQ(ListIndex(row::kNotifyRelayOn), device.notifyRelayOn);
    EXPECT_EQ(ListIndex(row::kNotifyRelayOff), device.notifyRelayOff);
    for (QComboBox* list :
         {form->Controls().din1TypeList, form->Controls().din2TypeList,
          form->Controls().armAfterPowerOnList, form->Controls().relayAuthorizationList,
          form->Controls().notifyRelayOnList, form->Controls().notifyRelayOffList})
        EXPECT_TRUE(list->isVisible()) << list->objectName().toStdString();

    // The last page took the progress bar away and emptied the page text.
    EXPECT_FALSE(form->Controls().progressBar->isVisible());
    EXPECT_TRUE(WaitFor([&] { return form->Controls().saveSettingsButton->isEnabled(); }, 3000));
}

TEST_F(SettingsDevice, CancelledReadSendsNothing) {
    Start({"--scenario", "busy"});
    const std::size_t requests = sim->Requests().size();
    const auto sent = form->Client().Exchange().RequestsSent();
    const QStringList boxes =
        ClickAndAnswer(form->Controls().readSettingsButton, {ModalAnswer::Caption("Cancel(&N)")});
    ASSERT_EQ(boxes.size(), 1);
    // Every request goes out through the send step, which counts it.
    EXPECT_EQ(form->Client().Exchange().RequestsSent(), sent);
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_EQ(sim->Requests().size(), requests);
    EXPECT_EQ(Cell(row::kSimNumber), "");
}

TEST_F(SettingsDevice, SaveWritesThePageThatDiffersAsEncoded) {
    Start({"--scenario", "busy"});
    ASSERT_EQ(ReadSettings().size(), 2);
    SetCell(row::kDin1Alarm, "Gate forced open");
    SetCell(row::kRelayOnTimer, "25");
    form->Controls().notifyRelayOnList->setCurrentIndex(1);

    EXPECT_EQ(ClickAndAnswer(form->Controls().saveSettingsButton, {ModalAnswer::Ok()}),
              QStringList{"Basic setting saved success"});
    gsm::settings::Page page1{};
    gsm::settings::Page page2{};
    ASSERT_FALSE(form->Settings().Codec().EncodeSettingsPage1(page1));
    ASSERT_FALSE(form->Settings().Codec().EncodeSettingsPage2(page2));
    // Every edit is on page 1; page 2 is as the device holds it.
    EXPECT_EQ(WritesTo(0x0), 1);
    EXPECT_EQ(WritesTo(0x100), 0);

    const gsm::sim::DeviceState state = StoppedDeviceState();
    EXPECT_EQ(state.memory.SettingsPage(1), page1);
    EXPECT_EQ(state.memory.SettingsPage(2), page2);
    // What the device now holds, as the device itself reads it.
    const auto stored = gsm::sim::DecodeSettings(state.memory);
    EXPECT_EQ(stored.din1AlarmContent, "Gate forced open");
    EXPECT_EQ(stored.relayOnTimerSeconds, 25);
    EXPECT_EQ(stored.notifyRelayOn, 1);
    EXPECT_EQ(stored.gprsUser, "gsmgate");
    EXPECT_EQ(stored.serverPort, 5000);
}

TEST_F(SettingsDevice, RefusedFirstPageStopsTheSave) {
    // Request 1 is the login, 2 and 3 read the pages the save writes over;
    // request 4 writes the first settings page.
    Start({"--scenario", "busy", "--fault", "refuse@4"});
    const QStringList boxes =
        ClickAndAnswer(form->Controls().saveSettingsButton, {ModalAnswer::Ok()});
    EXPECT_EQ(boxes, QStringList{"Basic setting error"});
    EXPECT_TRUE(WaitFor([&] { return form->Controls().saveSettingsButton->isEnabled(); }, 3000));
    EXPECT_EQ(WritesTo(0x0), 1);
    EXPECT_EQ(WritesTo(0x100), 0);
}

TEST_F(SettingsDevice, InvalidPortIsRefusedBeforeAnyFrame) {
    Start({"--scenario", "busy"});
    const std::size_t requests = sim->Requests().size();
    SetCell(row::kServerPort, "70000");
    const QStringList boxes =
        ClickAndAnswer(form->Controls().saveSettingsButton, {ModalAnswer::Ok()});
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains("19.Server Port(0-65535)"));
    EXPECT_FALSE(form->Client().Busy());
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_EQ(sim->Requests().size(), requests);
    EXPECT_TRUE(form->Controls().saveSettingsButton->isEnabled());
}

TEST_F(SettingsDevice, SilentDeviceTimesOutAndTheButtonsComeBack) {
    Start({"--scenario", "busy", "--fault", "no-reply@2"});
    answers.Queue(ModalAnswer::Caption("OK(&Y)"));
    answers.Queue(ModalAnswer::Ok());
    form->Controls().readSettingsButton->click();
    // While the request is outstanding no other device operation can start.
    EXPECT_FALSE(form->Controls().saveSettingsButton->isEnabled());
    ASSERT_TRUE(answers.WaitUntilAnswered(10000));
    EXPECT_EQ(answers.SeenBoxes().back().text, "Receive timeout");
    EXPECT_TRUE(WaitFor(
        [&] {
            return form->Controls().readSettingsButton->isEnabled() &&
                   form->Controls().saveSettingsButton->isEnabled();
        },
        3000));
    EXPECT_EQ(Cell(row::kSimNumber), "");
}

} // namespace
