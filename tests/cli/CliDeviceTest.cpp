// gsmgate-cli against simulated devices on pseudo-terminals: what it leaves
// in the device memory (read from the simulators' dumps), what it says, and
// what it never sends.
#include "../spreadsheet/WorkbookTool.h"
#include "CliDevices.h"
#include "CliRun.h"
#include "backup/BackupFile.h"
#include "cli/DeviceFiles.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberListFiles.h"
#include "numbers/NumberPages.h"
#include "numbers/NumberValidation.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsCodec.h"
#include "settings/SettingsProfile.h"
#include "sim/HistoryCodec.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"
#include "sim/ScenarioJson.h"
#include "spreadsheet/SheetGrid.h"
#include "spreadsheet/Workbook.h"
#include "support/SimProcess.h"
#include "support/TestPaths.h"
#include "text/CodePage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>

namespace gsm::test {
namespace {

namespace settings = gsm::settings;
namespace numbers = gsm::numbers;

// A well-formed backup of the busy device, its pages edited as given.
QString GoodBackupFile(const QString& path, const std::function<void(AreaPages&)>& edit = nullptr) {
    backup::Backup backup;
    backup.program = QStringLiteral("gsmgate-cli test");
    backup.areas[Area::Settings] = BusyPages(Area::Settings);
    backup.areas[Area::Numbers] = BusyPages(Area::Numbers);
    if (edit)
        edit(backup.areas);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(backup::WriteBackup(backup));
    return path;
}

TEST(CliBackup, RestoredOntoABlankDeviceGivesTheSamePages) {
    QTemporaryDir dir;
    SimProcess busy({"--scenario", "busy"});
    SimProcess blank;
    ASSERT_TRUE(busy.Running() && blank.Running());
    const QString file = dir.filePath("site.json");

    const CliRun backup = RunCli({"backup", file, "--port", busy.PtyPath(), "--history"});
    ASSERT_EQ(backup.exitCode, 0) << backup.err.toStdString();
    EXPECT_TRUE(backup.err.contains("+8613800138000")) << "the table names the SIM number";
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const backup::BackupRead read = backup::ReadBackup(saved.readAll());
    ASSERT_TRUE(read.backup) << read.error.toStdString();
    EXPECT_EQ(read.backup->simNumber, "+8613800138000");
    EXPECT_EQ(read.backup->areas.size(), 3u);

    const CliRun restore =
        RunCli({"restore", file, "--port", blank.PtyPath(), "--backup-dir", dir.filePath("auto")});
    ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();

    const sim::DeviceMemory original = DumpedMemory(busy);
    const sim::DeviceMemory restored = DumpedMemory(blank);
    EXPECT_EQ(SettingsPagesOf(restored), SettingsPagesOf(original));
    EXPECT_EQ(NumberPagesOf(restored), NumberPagesOf(original));
}

// What a get writes to stdout, checked against the simulator's own reading
// of its memory.
struct Get {
    const char* name;
    QStringList args;
    std::function<void(const QString& out, const sim::DeviceMemory& memory)> check;
};

class CliGetToStdout : public ::testing::TestWithParam<Get> {};

void PrintTo(const Get& get, std::ostream* out) {
    *out << get.name;
}

TEST_P(CliGetToStdout, WritesWhatTheDeviceHolds) {
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const CliRun run = RunCli(GetParam().args + QStringList{"--port", sim.PtyPath(), "--out", "-"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    GetParam().check(run.out, sim::Scenario::Busy().memory);
}

QStringList CsvLines(const QString& out) {
    EXPECT_TRUE(out.endsWith("\r\n"));
    return out.split("\r\n", Qt::SkipEmptyParts);
}

const Get kGets[] = {
    {"Settings",
     {"settings", "get"},
     // The busy scenario's settings, as its documentation gives them.
     [](const QString& out, const sim::DeviceMemory&) {
         const QJsonArray rows = QJsonDocument::fromJson(out.toUtf8()).object()["rows"].toArray();
         ASSERT_EQ(rows.size(), settings::kRowCount);
         const auto content = [&](int row) {
             return rows.at(row).toArray().at(settings::col::kContent).toString().toStdString();
         };
         EXPECT_EQ(content(settings::row::kSimNumber), "+8613800138000");
         EXPECT_EQ(content(settings::row::kServerAddress), "203.0.113.10");
         EXPECT_EQ(content(settings::row::kServerPort), "5000");
         EXPECT_EQ(content(settings::row::kApn), "internet");
         EXPECT_EQ(content(settings::row::kGprsUser), "gsmgate");
     }},
    {"Numbers",
     {"numbers", "get"},
     [](const QString& out, const sim::DeviceMemory& memory) {
         const QStringList lines = CsvLines(out);
         ASSERT_EQ(lines.size(), numbers::kEntryCount);
         int checked = 0;
         for (const sim::NumberSlot& n : sim::NumberEntries(memory)) {
             using Form = sim::NumberEntry::Form;
             if (n.entry.form != Form::Always && n.entry.form != Form::Period)
                 continue;
             const QStringList fields = lines.at(n.slot - 1).split(',');
             EXPECT_EQ(fields.at(numbers::col::kNumber).toStdString(), n.entry.number) << n.slot;
             EXPECT_EQ(fields.at(numbers::col::kAlways) == numbers::kYes,
                       n.entry.form == Form::Always)
                 << n.slot;
             ++checked;
         }
         EXPECT_GT(checked, 200);
     }},
    {"History",
     {"history", "get"},
     [](const QString& out, const sim::DeviceMemory& memory) {
         const QStringList lines = CsvLines(out);
         const std::vector<sim::HistorySlot> kept = sim::KeptHistoryEntries(memory);
         ASSERT_EQ(lines.size(), static_cast<qsizetype>(kept.size()));
         for (std::size_t i = 0; i < kept.size(); ++i) {
             const QStringList fields = lines.at(static_cast<qsizetype>(i)).split(',');
             EXPECT_EQ(fields.at(1).toInt(), *kept[i].entry.recordNumber) << i;
             EXPECT_EQ(fields.at(2).toStdString(), sim::DateText(kept[i].entry)) << i;
             EXPECT_EQ(fields.at(3).toStdString(), sim::TimeText(kept[i].entry)) << i;
         }
     }},
};

INSTANTIATE_TEST_SUITE_P(Areas, CliGetToStdout, ::testing::ValuesIn(kGets),
                         [](const auto& info) { return std::string(info.param.name); });

// The profile as the window's "Export profile" writes it, or as JSON; the
// device must end with the pages the window's "Save Settings" sends.
class CliSettingsProfile : public ::testing::TestWithParam<const char*> {};

TEST_P(CliSettingsProfile, SavesThePagesTheWindowSaves) {
    TableGrid grid(settings::kColCount, settings::kRowCount);
    settings::WriteStartGrid(grid);
    settings::TableLists lists;
    grid.SetCell(settings::col::kContent, settings::row::kSimNumber, "+15555550123");
    grid.SetCell(settings::col::kContent, settings::row::kServerAddress, "198.51.100.7");
    grid.SetCell(settings::col::kContent, settings::row::kServerPort, "4000");
    grid.SetCell(settings::col::kContent, settings::row::kGprsUser, "site-7");
    lists.SetItemIndex(settings::row::kDin1Type, 0);
    settings::SettingsCodec codec(grid, lists, SystemCodePageInstance());
    Pages windowPages(2);
    ASSERT_FALSE(codec.EncodeSettingsPage(1, windowPages[0]));
    ASSERT_FALSE(codec.EncodeSettingsPage(2, windowPages[1]));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("profile.") + GetParam());
    if (QString(GetParam()) == "json") {
        QString failure;
        ASSERT_TRUE(cli::WriteSettingsProfile(windowPages, path, &failure));
    } else {
        TableGrid sheet(settings::kColCount, settings::kRowCount);
        settings::WriteProfile(grid, lists, sheet, [](int, int) {});
        Workbook book;
        book.Add();
        SetColumnWidths(book, settings::kProfileColumnWidths);
        WriteSheet(book, sheet, settings::kColCount, settings::kRowCount, false);
        ASSERT_TRUE(book.SaveAs(path));
    }

    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const CliRun run = RunCli({"settings", "set", path, "--port", sim.PtyPath(), "--backup-dir",
                               dir.filePath("auto"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.Device(sim.PtyPath())["simNumber"].toString(), "+15555550123")
        << "the summary names the SIM number the device holds now";
    EXPECT_EQ(SettingsPagesOf(DumpedMemory(sim)), windowPages);
}

INSTANTIATE_TEST_SUITE_P(Formats, CliSettingsProfile, ::testing::Values("xlsx", "json"));

TEST(CliNumbers, ListFileSavesThePagesTheWindowSaves) {
    QTemporaryDir dir;
    const ListFile list;
    const QString path = list.Save(dir.filePath("list.xlsx"));
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const CliRun run = RunCli({"numbers", "set", path, "--port", sim.PtyPath(), "--no-backup"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(NumberPagesOf(DumpedMemory(sim)), list.Expected());
}

class CliRefusesBeforeSending : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliRefusesBeforeSending, NamesTheFaultAndSendsNothing) {
    QTemporaryDir dir;
    ExpectRefusedBeforeSending(GetParam().args(dir.path()), {GetParam().says});
}

// A good backup with one edit applied to its text.
QStringList RestoreEdited(const QString& dir, const std::function<void(QByteArray&)>& edit) {
    const QString path = GoodBackupFile(QDir(dir).filePath("backup.json"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray text = file.readAll();
    edit(text);
    file.resize(0);
    file.write(text);
    return {"restore", path};
}

const Refusal kRefusals[] = {
    {"FlippedByte",
     [](const QString& dir) {
         return RestoreEdited(dir, [](QByteArray& t) {
             // The first page written (keys are sorted: numbers page 1), changed.
             const qsizetype at = t.indexOf("\"hex\": \"") + 8;
             t[at] = t[at] == '0' ? '1' : '0';
         });
     },
     "numbers page 1 does not match its checksum"},
    {"MissingPage",
     [](const QString& dir) {
         return RestoreEdited(dir, [](QByteArray& t) {
             QJsonObject root = QJsonDocument::fromJson(t).object();
             QJsonObject areas = root["areas"].toObject();
             QJsonArray pages = areas["numbers"].toArray();
             pages.removeLast();
             areas["numbers"] = pages;
             root["areas"] = areas;
             t = QJsonDocument(root).toJson();
         });
     },
     "numbers holds 124 pages, not 125"},
    {"ForeignJson",
     [](const QString& dir) {
         return RestoreEdited(dir, [](QByteArray& t) {
             t.replace("gsmgate-cli backup", "another program's backup");
         });
     },
     "not a backup file of this program"},
    {"NotJson",
     [](const QString& dir) {
         return RestoreEdited(dir, [](QByteArray& t) { t.truncate(t.size() / 2); });
     },
     "not a backup file"},
    {"RestoreOfANumberTheDeviceCannotHold",
     [](const QString& dir) {
         // Checksums match: only the values give it away.
         const QString path =
             GoodBackupFile(QDir(dir).filePath("backup.json"), [](AreaPages& areas) {
                 Page& page3 = areas[Area::Numbers][2];
                 std::fill_n(page3.begin(), 32, 0x00);
                 std::copy_n("ABC", 3, page3.begin());
             });
         return QStringList{"restore", path};
     },
     "slot 17: number \"ABC\" holds characters other than \"+\" and digits"},
    {"ListWithoutPeriod",
     [](const QString& dir) {
         ListFile list;
         list.grid.SetCell(numbers::col::kNumber, 17, "777");
         return QStringList{"numbers", "set", list.Save(QDir(dir).filePath("list.xlsx"))};
     },
     QString::fromStdString(numbers::WrongRowsMessage({17}))},
    {"NumberTooLong",
     [](const QString& dir) {
         ListFile list;
         list.grid.SetCell(numbers::col::kNumber, 1000, "+8613800138000123456789");
         return QStringList{"numbers", "set", list.Save(QDir(dir).filePath("list.xlsx"))};
     },
     QString::fromStdString(numbers::WrongCellsMessage({"1000"}))},
};

INSTANTIATE_TEST_SUITE_P(Files, CliRefusesBeforeSending, ::testing::ValuesIn(kRefusals),
                         [](const auto& info) { return std::string(info.param.name); });

// Values no editor of the window produces, in every file that can carry them
// to a device: a backup edited by hand (its checksums recomputed, so only the
// values give it away) and profiles as JSON and as workbooks. Each must be
// refused before the port is opened, naming the setting and the value.
struct HostileValue {
    const char* name;
    std::function<QStringList(const QString& dir)> args; // without --port
    int row;                                             // the setting named
    QString value;                                       // how the refusal shows the value
};

void PrintTo(const HostileValue& hostile, std::ostream* out) {
    *out << hostile.name;
}

// A backup of the busy device whose settings page 1 holds `bytes` from `offset`.
std::function<QStringList(const QString&)> RestoreWith(std::size_t offset, QByteArray bytes) {
    return [offset, bytes](const QString& dir) {
        const QString path =
            GoodBackupFile(QDir(dir).filePath("backup.json"), [&](AreaPages& areas) {
                std::copy(bytes.begin(), bytes.end(),
                          areas[Area::Settings][0].begin() + std::ptrdiff_t(offset));
            });
        return QStringList{"restore", path};
    };
}

std::function<QStringList(const QString&)> JsonProfileWith(int row, QJsonValue content) {
    return [row, content](const QString& dir) {
        const QString path = BusyProfile(dir, "json");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        QJsonObject root = QJsonDocument::fromJson(file.readAll()).object();
        QJsonArray rows = root["rows"].toArray();
        QJsonArray cells = rows[row].toArray();
        cells[settings::col::kContent] = content;
        rows[row] = cells;
        root["rows"] = rows;
        file.resize(0);
        file.write(QJsonDocument(root).toJson());
        return QStringList{"settings", "set", path};
    };
}

// Through the workbook writer, which keeps texts as shared strings and
// writes a control character as its "_x001B_" escape.
std::function<QStringList(const QString&)> XlsxProfileWith(int row, QString content) {
    return [row, content](const QString& dir) {
        const QString path = BusyProfile(dir, "xlsx");
        Workbook book;
        EXPECT_TRUE(book.Open(path)) << book.LastError().toStdString();
        book.SetCell(row + 1, settings::col::kContent + 1, content);
        EXPECT_TRUE(book.SaveAs(path)) << book.LastError().toStdString();
        return QStringList{"settings", "set", path};
    };
}

const QString kCaptionPrefix = QStringLiteral("Setting: ");

const HostileValue kHostileValues[] = {
    // Backups edited by hand.
    {"RestoredPasswordUnset", RestoreWith(0, QByteArray(4, '\xFF')), settings::row::kPassword,
     "four digits"},
    {"RestoredListIndex7", RestoreWith(26, QByteArray(1, '\x07')), settings::row::kDin1Type,
     "7 is not an item"},
    {"RestoredSimNumberABC", RestoreWith(4, QByteArray("ABC", 4)), settings::row::kSimNumber,
     "'ABC'"},
    // The profiles' values, as page bytes.
    {"RestoredSimNumberWords", RestoreWith(4, QByteArray("call me maybe", 14)),
     settings::row::kSimNumber, "'call me maybe'"},
    {"RestoredListIndex9", RestoreWith(26, QByteArray(1, '\x09')), settings::row::kDin1Type,
     "9 is not an item"},
    {"RestoredEscInAlarmText", RestoreWith(28, QByteArray("Door\x1Bopen", 10)),
     settings::row::kDin1Alarm, "U+001B"},
    {"RestoredAutoArm1000", RestoreWith(108, QByteArray("\xE8\x03", 2)), settings::row::kAutoArm,
     "'1000'"},
    // Profiles.
    {"ProfileSimNumberWords", JsonProfileWith(settings::row::kSimNumber, "call me maybe"),
     settings::row::kSimNumber, "'call me maybe'"},
    {"ProfileListCell9", JsonProfileWith(settings::row::kDin1Type, "9:bogus"),
     settings::row::kDin1Type, "9 is not an item"},
    // A JSON number would come out as an empty cell: a relay timer of 30 sent as unset.
    {"ProfileNumberNotText", JsonProfileWith(settings::row::kRelayOnTimer, 30),
     settings::row::kRelayOnTimer, "is not text"},
    {"ProfileEscInSharedString", XlsxProfileWith(settings::row::kDin1Alarm, "Door\x1Bopen"),
     settings::row::kDin1Alarm, "U+001B"},
    {"ProfileNulInInlineString",
     [](const QString& dir) {
         // openpyxl writes inline strings and leaves the escape as it is.
         const QString path = QDir(dir).filePath("openpyxl.xlsx");
         RunWorkbookTool({"profile", path, "B6", "Door_x0000_open"});
         return QStringList{"settings", "set", path};
     },
     settings::row::kDin1Alarm, "U+0000"},
    {"ProfileAutoArm1000", JsonProfileWith(settings::row::kAutoArm, "1000"),
     settings::row::kAutoArm, "'1000'"},
};

class CliRefusesHostileValues : public ::testing::TestWithParam<HostileValue> {};

TEST_P(CliRefusesHostileValues, NamesTheSettingAndSendsNothing) {
    QTemporaryDir dir;
    const HostileValue& hostile = GetParam();
    const QStringList args = hostile.args(dir.path());
    QStringList says{hostile.value, kCaptionPrefix + settings::RowInfo(hostile.row).caption};
    if (args.front() == "restore")
        says << "settings page 1: ";
    ExpectRefusedBeforeSending(args, says);
}

INSTANTIATE_TEST_SUITE_P(Values, CliRefusesHostileValues, ::testing::ValuesIn(kHostileValues),
                         [](const auto& info) { return std::string(info.param.name); });

// Requests are counted by the simulator from 1: the login's read, 125 backup
// reads, then the writes; request 163 writes number page 37.
constexpr int kWriteOfPage37 = 1 + 125 + 37;

class CliWriteFault : public ::testing::TestWithParam<const char*> {};

TEST_P(CliWriteFault, StopsNamesTheAcknowledgedPagesAndTheBackupPutsTheDeviceBack) {
    QTemporaryDir dir;
    const ListFile list;
    const QString path = list.Save(dir.filePath("list.xlsx"));
    SimProcess sim({"--scenario", "busy", "--fault",
                    QStringLiteral("%1@%2").arg(GetParam()).arg(kWriteOfPage37)});
    ASSERT_TRUE(sim.Running());

    const CliRun run = RunCli({"numbers", "set", path, "--port", sim.PtyPath(), "--backup-dir",
                               dir.filePath("auto"), "--json"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("numbers page 37 of 125")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Acknowledged: numbers pages 1-36")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("Running the same command again completes"));
    const QString backup = run.Device(sim.PtyPath())["backup"].toString();
    ASSERT_TRUE(QFileInfo::exists(backup)) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains("gsmgate-cli restore " + backup));

    // Nothing went out after the failed write.
    const std::vector<LoggedFrame> requests = sim.Requests();
    ASSERT_FALSE(requests.empty());
    EXPECT_EQ(requests.back().command, cmd::kWritePage);
    EXPECT_EQ(requests.back().address, addr::NumberPage(37));
    EXPECT_EQ(requests.size(), static_cast<std::size_t>(kWriteOfPage37));

    const CliRun restore = RunCli({"restore", backup, "--port", sim.PtyPath(), "--no-backup"});
    ASSERT_EQ(restore.exitCode, 0) << restore.err.toStdString();
    const sim::DeviceMemory memory = DumpedMemory(sim);
    EXPECT_EQ(NumberPagesOf(memory), BusyPages(Area::Numbers));
    EXPECT_EQ(SettingsPagesOf(memory), BusyPages(Area::Settings));
}

INSTANTIATE_TEST_SUITE_P(Faults, CliWriteFault, ::testing::Values("refuse", "no-reply"),
                         [](const auto& info) {
                             return std::string(info.param) == "refuse" ? "Refused" : "Silent";
                         });

TEST(CliInterrupt, CtrlCMidWriteStopsAfterThePageInFlightAndSaysHowToGoBack) {
    QTemporaryDir dir;
    const ListFile list;
    const QString path = list.Save(dir.filePath("list.xlsx"));
    // Slow replies leave time to interrupt the write part-way.
    SimProcess sim({"--scenario", "busy", "--delay-ms", "30"});
    ASSERT_TRUE(sim.Running());
    QProcess cli;
    cli.start(QStringLiteral(GSM_CLI_BIN_PATH), {"numbers", "set", path, "--port", sim.PtyPath(),
                                                 "--backup-dir", dir.filePath("auto")});
    QString err;
    ASSERT_TRUE(WaitFor(
        [&] {
            err += QString::fromUtf8(cli.readAllStandardError());
            return err.contains("writing numbers");
        },
        60000));
    ::kill(static_cast<pid_t>(cli.processId()), SIGINT);
    ASSERT_TRUE(cli.waitForFinished(30000));
    err += QString::fromUtf8(cli.readAllStandardError());
    EXPECT_EQ(cli.exitCode(), 128 + SIGINT);
    EXPECT_TRUE(err.contains("interrupted by SIGINT")) << err.toStdString();
    EXPECT_TRUE(err.contains("To put the device back: gsmgate-cli restore ")) << err.toStdString();

    // The page in flight when the signal came was answered: pages 1 to K
    // acknowledged, page K + 1 never sent.
    const QRegularExpression acknowledged(
        "Acknowledged: (no numbers page|numbers pages 1-?(\\d*))");
    const QRegularExpressionMatch match = acknowledged.match(err);
    ASSERT_TRUE(match.hasMatch()) << err.toStdString();
    const int k = match.captured(1).startsWith("no") ? 0
                  : match.captured(2).isEmpty()      ? 1
                                                     : match.captured(2).toInt();
    EXPECT_TRUE(err.contains(
        QStringLiteral("numbers: interrupted by SIGINT before page %1 of 125").arg(k + 1)))
        << err.toStdString();
    sim.Stop();
    std::vector<int> written;
    for (const LoggedFrame& f : sim.Requests())
        if (f.command == cmd::kWritePage)
            written.push_back(static_cast<int>((f.address - addr::NumberPage(1)) / 256) + 1);
    std::vector<int> expected(static_cast<std::size_t>(k));
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(written, expected);
    // Nothing went out after the last acknowledged write: no read-back either.
    if (k > 0) {
        EXPECT_EQ(sim.Requests().back().command, cmd::kWritePage);
    }
}

TEST(CliLogin, AWrongPasswordStopsAfterTheLoginRead) {
    QTemporaryDir dir;
    const ListFile list;
    const QString path = list.Save(dir.filePath("list.xlsx"));
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const CliRun run = RunCli({"numbers", "set", path, "--port", sim.PtyPath()}, "0000");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("Password Error!")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("0000")) << "the password is never printed";
    sim.Stop();
    const std::vector<LoggedFrame> requests = sim.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].command, cmd::kReadPage);
    EXPECT_EQ(requests[0].address, addr::SettingsPage(1));
}

// On a blank device, after the login and the 125 pages compared.
constexpr int kFirstWrite = 1 + 125 + 1;

TEST(CliParallel, OneFaultyDeviceOfFourFailsAloneAndTheTableSaysWhich) {
    QTemporaryDir dir;
    const ListFile list;
    const QString path = list.Save(dir.filePath("list.xlsx"));
    std::vector<std::unique_ptr<SimProcess>> sims;
    for (int i = 0; i < 4; ++i)
        sims.push_back(std::make_unique<SimProcess>(
            i == 2 ? QStringList{"--fault", QStringLiteral("refuse@%1").arg(kFirstWrite)}
                   : QStringList{}));
    QStringList args{"numbers", "set", path, "--backup-dir", dir.filePath("auto"), "--json"};
    for (const auto& sim : sims) {
        ASSERT_TRUE(sim->Running());
        args << "--port" << sim->PtyPath();
    }

    const CliRun run = RunCli(args);
    EXPECT_EQ(run.exitCode, 1);
    for (int i = 0; i < 4; ++i) {
        const QString port = sims[static_cast<std::size_t>(i)]->PtyPath();
        EXPECT_EQ(run.Device(port)["ok"].toBool(), i != 2) << port.toStdString();
        const QStringList lines = run.err.split('\n').filter(port + "  ");
        ASSERT_FALSE(lines.isEmpty()) << run.err.toStdString();
        EXPECT_EQ(lines.last().contains("FAILED"), i == 2) << lines.last().toStdString();
    }
    for (int i : {0, 1, 3})
        EXPECT_EQ(NumberPagesOf(DumpedMemory(*sims[static_cast<std::size_t>(i)])), list.Expected());
}

} // namespace
} // namespace gsm::test
