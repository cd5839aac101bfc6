// What a write would change, writing only that, and undoing it: diff,
// --check, partial writes and undo against simulated devices, seen in the
// requests the simulator logged and the memory it dumped.
#include "CliDevices.h"
#include "CliRun.h"
#include "backup/AutomaticBackups.h"
#include "backup/BackupFile.h"
#include "numbers/NumberRecord.h"
#include "settings/SettingsPages.h"
#include "support/SimProcess.h"
#include "text/CodePage.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace gsm::test {
namespace {

namespace numbers = gsm::numbers;
namespace settings = gsm::settings;

std::size_t WritesIn(const std::vector<LoggedFrame>& requests, std::size_t from = 0) {
    return static_cast<std::size_t>(
        std::count_if(requests.begin() + static_cast<std::ptrdiff_t>(from), requests.end(),
                      [](const LoggedFrame& f) { return f.command == cmd::kWritePage; }));
}

numbers::NumberEntry EntryIn(const Pages& pages, int slot) {
    const std::size_t index = static_cast<std::size_t>(slot - 1);
    const Page& page = pages[index / numbers::record::kPerPage];
    const std::size_t offset = (index % numbers::record::kPerPage) * numbers::record::kSize;
    return numbers::DecodeNumberEntry(
        numbers::ConstRecordBytes(page.data() + offset, numbers::record::kSize));
}

void PutEntry(Pages& pages, int slot, const numbers::NumberEntry& entry) {
    const std::size_t index = static_cast<std::size_t>(slot - 1);
    Page& page = pages[index / numbers::record::kPerPage];
    const std::size_t offset = (index % numbers::record::kPerPage) * numbers::record::kSize;
    numbers::EncodeNumberEntry(entry,
                               numbers::RecordBytes(page.data() + offset, numbers::record::kSize));
}

// The first slots of the busy list that hold an entry, and that hold none.
std::vector<int> Slots(const Pages& pages, bool holding, std::size_t count) {
    std::vector<int> found;
    for (int slot = 1; slot <= 1000 && found.size() < count; ++slot)
        if (EntryIn(pages, slot).number.empty() != holding)
            found.push_back(slot);
    return found;
}

QString SaveBackup(const QString& path, const AreaPages& areas) {
    backup::Backup file;
    file.program = QStringLiteral("gsmgate-cli test");
    file.areas = areas;
    QFile out(path);
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(backup::WriteBackup(file));
    return path;
}

settings::DeviceSettings BusySettings() {
    settings::DeviceSettings s;
    const Pages pages = BusyPages(Area::Settings);
    for (int page = 1; page <= 2; ++page)
        settings::DecodeSettingsPage(page, pages[static_cast<std::size_t>(page - 1)],
                                     SystemCodePageInstance(), s);
    return s;
}

Pages SettingsPages(const settings::DeviceSettings& s) {
    const settings::EncodedSettings encoded = settings::EncodeSettings(s, SystemCodePageInstance());
    EXPECT_FALSE(encoded.error);
    return Pages(encoded.pages.begin(), encoded.pages.end());
}

// The busy device's settings with the auto arm time changed, as a JSON profile.
QString ChangedProfile(const QString& dir) {
    settings::DeviceSettings s = BusySettings();
    s.autoArmMinutes = 30;
    const QString path = dir + QStringLiteral("/changed.json");
    QString failure;
    EXPECT_TRUE(cli::WriteSettingsProfile(SettingsPages(s), path, &failure))
        << failure.toStdString();
    return path;
}

QJsonArray ChangesOf(const CliRun& run, const QString& port) {
    return run.Device(port)["changes"].toArray();
}

TEST(CliDiff, ABackupWithThreeSettingsAndThreeEntriesChangedListsExactlyThoseSix) {
    QTemporaryDir dir;
    AreaPages wanted{{Area::Settings, BusyPages(Area::Settings)},
                     {Area::Numbers, BusyPages(Area::Numbers)}};
    settings::DeviceSettings s = BusySettings();
    s.autoArmMinutes = 30;
    s.smsRelayOn = "Gate open";
    s.gprsPassword = "n3w-secret";
    wanted[Area::Settings] = SettingsPages(s);
    const std::vector<int> empty = Slots(wanted[Area::Numbers], false, 2);
    const std::vector<int> held = Slots(wanted[Area::Numbers], true, 1);
    ASSERT_EQ(empty.size() + held.size(), 3u);
    numbers::NumberEntry added;
    added.number = "+15555550100";
    added.always = true;
    PutEntry(wanted[Area::Numbers], empty[0], added);
    PutEntry(wanted[Area::Numbers], empty[1], added);
    numbers::NumberEntry erased;
    erased.erased = true;
    PutEntry(wanted[Area::Numbers], held[0], erased);
    const QString file = SaveBackup(dir.filePath("wanted.json"), wanted);

    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const CliRun run = RunCli({"diff", file, "--port", sim.PtyPath(), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QJsonObject device = run.Device(sim.PtyPath());
    EXPECT_EQ(device["result"].toString(), "ok");
    EXPECT_TRUE(device["changed"].toBool());
    const QJsonArray changes = ChangesOf(run, sim.PtyPath());
    ASSERT_EQ(changes.size(), 6) << run.out.toStdString();
    QStringList items;
    for (const auto& c : changes)
        if (c.toObject()["area"] == "settings")
            items << c.toObject()["item"].toString();
    EXPECT_EQ(items, (QStringList{"7.Auto Arm after authorized number call-in(0~999)",
                                  "13.SMS content when relay ON", "22.GPRS Password"}));
    EXPECT_FALSE(run.out.contains("n3w-secret")) << "a secret is never shown";
    std::vector<std::pair<int, QString>> entries;
    for (const auto& c : changes)
        if (c.toObject()["area"] == "numbers")
            entries.emplace_back(c.toObject()["slot"].toInt(), c.toObject()["change"].toString());
    std::sort(entries.begin(), entries.end());
    std::vector<std::pair<int, QString>> expected = {
        {empty[0], "added"}, {empty[1], "added"}, {held[0], "removed"}};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(entries, expected);
    for (const auto& c : changes) {
        if (c.toObject()["change"] == "added") {
            EXPECT_TRUE(c.toObject()["from"].isNull());
        }
    }

    sim.Stop();
    EXPECT_EQ(WritesIn(sim.Requests()), 0u);
}

// --check does everything up to the first write, for every writing command.
struct Checked {
    const char* name;
    std::function<QStringList(const QString& dir, const QString& port)> args;
};

void PrintTo(const Checked& c, std::ostream* out) {
    *out << c.name;
}

class CliCheck : public ::testing::TestWithParam<Checked> {};

TEST_P(CliCheck, PrintsThePlanAndSendsNoWriteFrame) {
    QTemporaryDir dir;
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const QStringList args = GetParam().args(dir.path(), sim.PtyPath());
    if (QString(GetParam().name) == "undo") {
        // Something to undo: a write the device took, with its backup.
        const CliRun write =
            RunCli({"numbers", "set", ListFile().Save(dir.filePath("l.xlsx")), "--port",
                    sim.PtyPath(), "--backup-dir", dir.filePath("auto")});
        ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    }
    const std::size_t before = sim.Requests().size();
    const CliRun run = RunCli(args + QStringList{"--port", sim.PtyPath(), "--check", "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.Device(sim.PtyPath())["changed"].toBool()) << run.out.toStdString();
    EXPECT_FALSE(ChangesOf(run, sim.PtyPath()).isEmpty());
    const std::vector<LoggedFrame> requests = sim.Requests();
    EXPECT_GT(requests.size(), before + 1) << "the device was read";
    EXPECT_EQ(WritesIn(requests, before), 0u);
}

const Checked kChecked[] = {
    {"settings_set",
     [](const QString& dir, const QString&) {
         return QStringList{"settings", "set", ChangedProfile(dir), "--backup-dir", dir + "/auto"};
     }},
    {"numbers_set",
     [](const QString& dir, const QString&) {
         return QStringList{"numbers", "set", ListFile().Save(dir + "/list.xlsx"), "--backup-dir",
                            dir + "/auto"};
     }},
    {"restore",
     [](const QString& dir, const QString&) {
         AreaPages areas{{Area::Numbers, ListFile().Expected()}};
         return QStringList{"restore", SaveBackup(dir + "/b.json", areas), "--backup-dir",
                            dir + "/auto"};
     }},
    {"undo",
     [](const QString& dir, const QString&) {
         return QStringList{"undo", "--backup-dir", dir + "/auto"};
     }},
};

INSTANTIATE_TEST_SUITE_P(Commands, CliCheck, ::testing::ValuesIn(kChecked),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CliPartialWrite, OneEntryChangedWritesAndReadsBackOnePageAndTheSameFileAgainNothing) {
    QTemporaryDir dir;
    SimProcess sim;
    ASSERT_TRUE(sim.Running());
    ListFile list;
    const QStringList common = {"--port", sim.PtyPath(), "--backup-dir", dir.filePath("auto"),
                                "--json"};
    ASSERT_EQ(
        RunCli(QStringList{"numbers", "set", list.Save(dir.filePath("a.xlsx"))} + common).exitCode,
        0);

    list.grid.SetCell(numbers::col::kNumber, 9, "0123999");
    const QString changed = list.Save(dir.filePath("b.xlsx"));
    std::size_t before = sim.Requests().size();
    const CliRun one = RunCli(QStringList{"numbers", "set", changed} + common);
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    std::vector<LoggedFrame> requests = sim.Requests();
    // The login, the 125 pages compared, one write and its read-back.
    ASSERT_EQ(requests.size() - before, 1u + 125u + 2u);
    EXPECT_EQ(requests[requests.size() - 2].command, cmd::kWritePage);
    EXPECT_EQ(requests[requests.size() - 2].address, addr::NumberPage(2));
    EXPECT_EQ(requests.back().command, cmd::kReadPage);
    EXPECT_EQ(requests.back().address, addr::NumberPage(2));
    EXPECT_TRUE(one.Device(sim.PtyPath())["changed"].toBool());

    before = requests.size();
    const CliRun again = RunCli(QStringList{"numbers", "set", changed} + common);
    ASSERT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_FALSE(again.Device(sim.PtyPath())["changed"].toBool());
    EXPECT_TRUE(again.Device(sim.PtyPath())["backup"].toString().isEmpty())
        << "nothing written, nothing to undo";
    EXPECT_TRUE(again.err.contains("unchanged"));
    EXPECT_EQ(WritesIn(sim.Requests(), before), 0u);

    // --all-pages writes every page, as before pages were compared.
    before = sim.Requests().size();
    ASSERT_EQ(RunCli(QStringList{"numbers", "set", changed, "--all-pages"} + common).exitCode, 0);
    EXPECT_EQ(WritesIn(sim.Requests(), before), 125u);
    EXPECT_EQ(NumberPagesOf(DumpedMemory(sim)), list.Expected());
}

TEST(CliUndo, PutsTheDeviceBackByteForByteAndRefusesWhenItChangedSince) {
    QTemporaryDir dir;
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const QStringList where = {"--port", sim.PtyPath(), "--backup-dir", dir.filePath("auto")};
    const QString list = ListFile().Save(dir.filePath("list.xlsx"));
    ASSERT_EQ(RunCli(QStringList{"numbers", "set", list} + where).exitCode, 0);

    const CliRun undo = RunCli(QStringList{"undo"} + where);
    ASSERT_EQ(undo.exitCode, 0) << undo.err.toStdString();

    // The undo took its own backup: a second undo puts the list back, and a
    // change made since (without a backup) stops a third.
    ASSERT_EQ(RunCli(QStringList{"undo"} + where).exitCode, 0);
    ListFile other;
    other.grid.SetCell(numbers::col::kNumber, 1, "+15555550199");
    ASSERT_EQ(RunCli(QStringList{"numbers", "set", other.Save(dir.filePath("o.xlsx")),
                                 "--no-backup", "--port", sim.PtyPath()})
                  .exitCode,
              0);
    const std::size_t before = sim.Requests().size();
    const CliRun refused = RunCli(QStringList{"undo"} + where);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("changed since that write")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains("--force"));
    EXPECT_EQ(WritesIn(sim.Requests(), before), 0u);

    ASSERT_EQ(RunCli(QStringList{"undo", "--force"} + where).exitCode, 0);
    const sim::DeviceMemory memory = DumpedMemory(sim);
    EXPECT_EQ(NumberPagesOf(memory), BusyPages(Area::Numbers)) << "as before the first write";
    EXPECT_EQ(SettingsPagesOf(memory), BusyPages(Area::Settings));
}

TEST(CliUndo, ABackupOfAnotherSimNumberIsAnotherDevice) {
    QTemporaryDir dir;
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const QStringList where = {"--port", sim.PtyPath(), "--backup-dir", dir.filePath("auto")};
    ASSERT_EQ(RunCli(QStringList{"numbers", "set", ListFile().Save(dir.filePath("l.xlsx"))} + where)
                  .exitCode,
              0);
    const std::optional<backup::FoundBackup> found =
        backup::NewestAutomaticBackup(dir.filePath("auto"), sim.PtyPath());
    ASSERT_TRUE(found);
    backup::Backup edited = found->backup;
    edited.write->simNumber = QStringLiteral("+15555550000");
    QFile file(found->path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(backup::WriteBackup(edited));
    file.close();

    const CliRun refused = RunCli(QStringList{"undo", "--check"} + where);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains("another device")) << refused.err.toStdString();
    const CliRun none =
        RunCli({"undo", "--port", sim.PtyPath(), "--backup-dir", dir.filePath("empty")});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.err.contains("nothing to undo")) << none.err.toStdString();
}

} // namespace
} // namespace gsm::test
