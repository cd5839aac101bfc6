// Saves that back up what they write over, and their undo, with the real
// window against the simulated device: the backup the command-line tool
// would take, only the pages that differ written, the device put back byte
// for byte, and an undo refused once the device has changed since the save.

#include "support/QtTestApp.h"

#include "app/sheets/settings/SettingsTab.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StatusDisplay.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "backup/AutomaticBackups.h"
#include "protocol/DeviceClient.h"
#include "protocol/OperationGate.h"
#include "settings/SettingsCatalogue.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"
#include "sim/ScenarioJson.h"
#include "support/ModalAnswer.h"
#include "support/WindowSession.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace gsm::test;
namespace backup = gsm::backup;
namespace row = gsm::settings::row;

namespace {

constexpr int kContent = gsm::settings::col::kContent;
constexpr int kNumber = 1;

class BackedUpSave : public ::testing::Test {
protected:
    // Each test has a backup folder of its own: pseudo-terminals are reused,
    // and an undo looks for the newest backup of its port.
    void SetUp() override {
        m_previousData = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_data.path().toLocal8Bit());
    }
    void TearDown() override {
        form.reset();
        qputenv("XDG_DATA_HOME", m_previousData);
    }

    void Start() {
        sim = std::make_unique<SimProcess>(QStringList{"--scenario", "busy"});
        ASSERT_TRUE(sim->Running()) << "gsmgate-sim did not start";
        form = std::make_unique<MainWindow>();
        form->show();
        session = std::make_unique<WindowSession>(*form, *sim, answers);
        ASSERT_TRUE(session->OpenAndLogIn());
        ASSERT_TRUE(WaitFor([&] { return !form->Gate().Outstanding(); }, 3000));
    }

    // Clicks `button` (or presses the undo's shortcut when null) and answers
    // the boxes that come up in order; returns what they said.
    std::vector<ModalAnswer::Seen> Answer(QPushButton* button,
                                          std::initializer_list<ModalAnswer::Answer> replies) {
        const std::size_t before = answers.SeenBoxes().size();
        for (const auto& reply : replies)
            answers.Queue(reply);
        if (button) {
            button->click();
        } else {
            // The shortcut works in the active window, which a closed box
            // may have left without one.
            form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
            QTest::keyClick(form->Controls().settingsGrid, Qt::Key_Z,
                            Qt::ControlModifier | Qt::ShiftModifier);
        }
        EXPECT_TRUE(answers.WaitUntilAnswered(30000));
        WaitFor([&] { return !form->Client().Busy(); }, 5000);
        return {answers.SeenBoxes().begin() + static_cast<std::ptrdiff_t>(before),
                answers.SeenBoxes().end()};
    }
    static QStringList Texts(const std::vector<ModalAnswer::Seen>& boxes) {
        QStringList texts;
        for (const auto& box : boxes)
            texts << box.text;
        return texts;
    }

    std::vector<quint32> WriteAddresses() const {
        std::vector<quint32> addresses;
        for (const auto& f : sim->Requests())
            if (f.command == gsm::cmd::kWritePage)
                addresses.push_back(f.address);
        return addresses;
    }

    QFileInfoList Backups() const {
        return QDir(backup::DefaultBackupFolder())
            .entryInfoList({"*.json"}, QDir::Files, QDir::Name);
    }
    static backup::Backup ReadBackupFile(const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const backup::BackupRead read = backup::ReadBackup(file.readAll());
        EXPECT_TRUE(read.backup) << read.error.toStdString();
        return read.backup.value_or(backup::Backup{});
    }

    QString StatusText() const {
        return form->Controls().statusPanels->PanelText(kStatusPanelText);
    }
    QString SettingsCell(int r) const { return form->Controls().settingsGrid->Cells(kContent, r); }

    gsm::sim::DeviceState StoppedDevice() {
        sim->Stop();
        return gsm::sim::scenario_json::ReadFile(sim->DumpPath());
    }

    ModalAnswer answers;
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<WindowSession> session;

private:
    QTemporaryDir m_data;
    QByteArray m_previousData;
};

TEST_F(BackedUpSave, SettingsSaveIsBackedUpWritesOnlyItsPageAndUndoPutsTheDeviceBack) {
    Start();
    const std::size_t requests = sim->Requests().size();
    EXPECT_EQ(
        Texts(Answer(nullptr, {ModalAnswer::Ok()})),
        QStringList{
            QStringLiteral("Nothing to undo: there is no backup of a save to %1 in %2")
                .arg(sim->PtyPath(), QDir::toNativeSeparators(backup::DefaultBackupFolder()))});
    EXPECT_EQ(sim->Requests().size(), requests) << "nothing asked of the device";

    Answer(form->Controls().readSettingsButton,
           {ModalAnswer::Caption("OK(&Y)"), ModalAnswer::Ok()});
    const QString before = SettingsCell(row::kDin1Alarm);
    form->Controls().settingsGrid->SetCells(kContent, row::kDin1Alarm, "Gate forced open");
    EXPECT_EQ(Texts(Answer(form->Controls().saveSettingsButton, {ModalAnswer::Ok()})),
              QStringList{"Basic setting saved success"});
    // The alarm text is on page 1; page 2 is as the device holds it.
    EXPECT_EQ(WriteAddresses(), std::vector<quint32>{0x0});

    const gsm::sim::DeviceState busy = gsm::sim::Scenario::Busy();
    ASSERT_EQ(Backups().size(), 1);
    const QString saved = Backups()[0].filePath();
    EXPECT_EQ(StatusText(), "Backup: " + QDir::toNativeSeparators(saved));
    const backup::Backup taken = ReadBackupFile(saved);
    EXPECT_EQ(taken.port, sim->PtyPath());
    EXPECT_EQ(taken.simNumber, "+8613800138000");
    ASSERT_EQ(taken.areas.size(), 1u);
    EXPECT_EQ(taken.areas.at(gsm::Area::Settings),
              (gsm::Pages{busy.memory.SettingsPage(1), busy.memory.SettingsPage(2)}));
    ASSERT_TRUE(taken.write);
    EXPECT_EQ(taken.write->command, "Save Settings");
    EXPECT_EQ(taken.write->simNumber, "+8613800138000");
    gsm::Pages left(2);
    ASSERT_FALSE(form->Settings().Codec().EncodeSettingsPage1(left[0]));
    ASSERT_FALSE(form->Settings().Codec().EncodeSettingsPage2(left[1]));
    EXPECT_EQ(taken.write->left.at(gsm::Area::Settings), backup::PageDigests(left));

    form->Controls().settingsGrid->SetCells(kContent, row::kDin1Alarm, "edited, not saved");
    const auto undone = Answer(nullptr, {{QMessageBox::Yes, {}}, ModalAnswer::Ok()});
    ASSERT_EQ(undone.size(), 2u);
    EXPECT_EQ(undone[0].text, "Undo last save? This changes back 1 setting.");
    EXPECT_EQ(undone[0].details, "Backup: " + QDir::toNativeSeparators(saved));
    EXPECT_EQ(undone[1].text, "Basic setting saved success");
    EXPECT_EQ(SettingsCell(row::kDin1Alarm), before) << "the grid shows what the device holds";
    EXPECT_EQ(WriteAddresses(), (std::vector<quint32>{0x0, 0x0}));
    ASSERT_EQ(Backups().size(), 2);
    const backup::Backup undoBackup = ReadBackupFile(Backups()[1].filePath());
    ASSERT_TRUE(undoBackup.write);
    EXPECT_EQ(undoBackup.write->command, "Undo last save");
    EXPECT_EQ(undoBackup.areas.at(gsm::Area::Settings), left);

    const gsm::sim::DeviceState device = StoppedDevice();
    EXPECT_EQ(device.memory.SettingsPage(1), busy.memory.SettingsPage(1));
    EXPECT_EQ(device.memory.SettingsPage(2), busy.memory.SettingsPage(2));
}

TEST_F(BackedUpSave, UnsavableBackupWritesNothing) {
    Start();
    // The data folder is a file: no backup folder can be made below it.
    QFile blocker(QDir(qEnvironmentVariable("XDG_DATA_HOME")).filePath("gsmgate"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QStringList told =
        Texts(Answer(form->Controls().saveSettingsButton, {ModalAnswer::Ok()}));
    ASSERT_EQ(told.size(), 1);
    EXPECT_TRUE(told[0].startsWith("Nothing was written: cannot save the backup: cannot create "))
        << told[0].toStdString();
    EXPECT_TRUE(WriteAddresses().empty());
}

// Reads the list and saves it as read, then changes one entry's number and
// saves again. A read shows an erased record as an empty row, which a save
// writes as empty: the first save writes the pages that hold erased records.
class NumberListSave : public BackedUpSave {
protected:
    int SaveOneChangedEntry() {
        Answer(form->Controls().readNumbersButton,
               {ModalAnswer::Caption("OK(&Y)"), ModalAnswer::Ok()});
        EXPECT_EQ(Texts(Answer(form->Controls().saveNumbersButton, {ModalAnswer::Ok()})),
                  QStringList{"Authorized number list saved success"});
        m_asRead = WriteAddresses();
        const auto entries = gsm::sim::NumberEntries(gsm::sim::Scenario::Busy().memory);
        const auto used =
            std::find_if(entries.begin(), entries.end(), [](const gsm::sim::NumberSlot& s) {
                return s.entry.form == gsm::sim::NumberEntry::Form::Always;
            });
        EXPECT_NE(used, entries.end());
        form->Controls().numbersGrid->SetCells(kNumber, used->slot, "+15555550199");
        EXPECT_EQ(Texts(Answer(form->Controls().saveNumbersButton, {ModalAnswer::Ok()})),
                  QStringList{"Authorized number list saved success"});
        return used->slot;
    }
    static quint32 PageOfSlot(int slot) { return gsm::addr::NumberPage((slot - 1) / 8 + 1); }
    // The pages of the busy device that hold an erased record.
    static std::vector<quint32> PagesWithErasedRecords() {
        std::vector<quint32> pages;
        for (const auto& s : gsm::sim::NumberEntries(gsm::sim::Scenario::Busy().memory))
            if (s.entry.form == gsm::sim::NumberEntry::Form::Erased &&
                (pages.empty() || pages.back() != PageOfSlot(s.slot)))
                pages.push_back(PageOfSlot(s.slot));
        return pages;
    }

    std::vector<quint32> m_asRead;
};

TEST_F(NumberListSave, OneEntryChangedWritesOnePageAndAnUnchangedListNone) {
    Start();
    const int slot = SaveOneChangedEntry();
    EXPECT_EQ(m_asRead, PagesWithErasedRecords());
    std::vector<quint32> expected = m_asRead;
    expected.push_back(PageOfSlot(slot));
    EXPECT_EQ(WriteAddresses(), expected) << "the changed entry's page alone";
    ASSERT_EQ(Backups().size(), 2);
    const backup::Backup taken = ReadBackupFile(Backups()[1].filePath());
    ASSERT_TRUE(taken.write);
    EXPECT_EQ(taken.write->command, "Save");
    EXPECT_EQ(taken.simNumber, "+8613800138000") << "read from settings page 1";
    ASSERT_EQ(taken.areas.size(), 1u);
    EXPECT_EQ(taken.areas.at(gsm::Area::Numbers).size(), 125u);

    // Saved again as it is: nothing is written and nothing backed up.
    EXPECT_EQ(Texts(Answer(form->Controls().saveNumbersButton, {ModalAnswer::Ok()})),
              QStringList{"Authorized number list saved success"});
    EXPECT_EQ(WriteAddresses(), expected);
    EXPECT_EQ(Backups().size(), 2);
}

TEST_F(NumberListSave, UndoAfterTheDeviceChangedSinceIsRefusedAndWritesNothing) {
    Start();
    const int slot = SaveOneChangedEntry();
    // Another page changes behind the window's back, with no backup taken.
    const int other = slot > 8 ? 1 : 2;
    gsm::Page changed = gsm::sim::Scenario::Busy().memory.NumberPage(other);
    changed.back() ^= 0x01;
    bool done = false;
    form->Client().WriteArea(gsm::Area::Numbers, {{other, changed}}, {},
                             [&](const gsm::OperationResult&) { done = true; });
    ASSERT_TRUE(WaitFor([&] { return done; }, 5000));
    const std::size_t writes = WriteAddresses().size();

    const QStringList told = Texts(Answer(nullptr, {ModalAnswer::Ok()}));
    ASSERT_EQ(told.size(), 1);
    EXPECT_EQ(told[0],
              QStringLiteral("Not undone, nothing sent: the device has changed since that write: "
                             "numbers page %1 differs from what it left (%2 \"Save\")")
                  .arg(other)
                  .arg(QDir::toNativeSeparators(Backups().back().filePath())));
    EXPECT_EQ(WriteAddresses().size(), writes);
    EXPECT_EQ(Backups().size(), 2) << "a refused undo takes no backup";
}

} // namespace
