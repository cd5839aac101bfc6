// Configuration files against simulated devices: an export applied to
// another device makes it the same, an apply of what a device holds writes
// nothing, and a one-setting change writes the one page it lives on.
#include "CliDevices.h"
#include "CliRun.h"
#include "config/ConfigPages.h"
#include "support/SimProcess.h"
#include "text/CodePage.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace gsm::test {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

void WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

QByteArray ConfigGet(SimProcess& sim, const QString& path) {
    const CliRun run = RunCli({"config", "get", "--port", sim.PtyPath(), "--out", path});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    return ReadAll(path);
}

std::vector<LoggedFrame> Sent(const std::vector<LoggedFrame>& requests, std::size_t from,
                              int command) {
    std::vector<LoggedFrame> sent;
    std::copy_if(requests.begin() + static_cast<std::ptrdiff_t>(from), requests.end(),
                 std::back_inserter(sent), [command](const LoggedFrame& f) {
                     return f.direction == "in" && f.command == command;
                 });
    return sent;
}

settings::DeviceSettings SettingsIn(const sim::DeviceMemory& memory) {
    return config::SettingsOf(SettingsPagesOf(memory), SystemCodePageInstance());
}

TEST(CliConfig, AnExportAppliedToABlankDeviceMakesItHoldTheSameAndExportTheSameBytes) {
    QTemporaryDir dir;
    SimProcess busy({"--scenario", "busy"});
    SimProcess blank;
    ASSERT_TRUE(busy.Running() && blank.Running());
    const QString file = dir.filePath("site.yaml");
    const QByteArray exported = ConfigGet(busy, file);
    EXPECT_EQ(ConfigGet(busy, dir.filePath("again.yaml")), exported) << "exports are canonical";
    EXPECT_FALSE(QFile::permissions(file) & (QFile::ReadGroup | QFile::ReadOther))
        << "the file holds the device password";

    const CliRun applied = RunCli({"config", "apply", file, "--port", blank.PtyPath(),
                                   "--backup-dir", dir.filePath("backups"), "--json"});
    ASSERT_EQ(applied.exitCode, 0) << applied.err.toStdString();
    const QJsonObject device = applied.Device(blank.PtyPath());
    EXPECT_TRUE(device["changed"].toBool());
    EXPECT_FALSE(device["backup"].toString().isEmpty());
    EXPECT_FALSE(device["changes"].toArray().isEmpty());
    EXPECT_EQ(ConfigGet(blank, dir.filePath("blank.yaml")), exported);

    const sim::DeviceMemory copy = DumpedMemory(blank);
    EXPECT_EQ(NumberPagesOf(copy), BusyPages(Area::Numbers));
    EXPECT_EQ(SettingsIn(copy), SettingsIn(DumpedMemory(busy)));
}

TEST(CliConfig, TheSameSettingsReorderedAndCommentedWriteNothing) {
    QTemporaryDir dir;
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const QString file = dir.filePath("site.yaml");
    QList<QByteArray> lines = ConfigGet(sim, file).split('\n');
    // The settings in reverse order, the number list first, a comment among them.
    const qsizetype settingsAt = lines.indexOf("settings:");
    const qsizetype numbersAt = lines.indexOf("numbers:");
    ASSERT_GT(settingsAt, 0);
    ASSERT_GT(numbersAt, settingsAt);
    QList<QByteArray> settingLines = lines.mid(settingsAt + 1, numbersAt - settingsAt - 1);
    std::reverse(settingLines.begin(), settingLines.end());
    QByteArray text = "version: 1\nformat: gsmgate configuration\n" +
                      lines.mid(numbersAt).join('\n') + "\nsettings:   # reviewed\n" +
                      settingLines.join('\n') + "\n";
    WriteText(file, text);

    const std::size_t before = sim.Requests().size();
    const CliRun run = RunCli({"config", "apply", file, "--port", sim.PtyPath(), "--backup-dir",
                               dir.filePath("backups"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_FALSE(run.Device(sim.PtyPath())["changed"].toBool());
    EXPECT_TRUE(run.err.contains("ok, unchanged")) << run.err.toStdString();
    EXPECT_TRUE(Sent(sim.Requests(), before, cmd::kWritePage).empty());
    EXPECT_FALSE(QDir(dir.filePath("backups")).exists()) << "nothing to back up";
}

TEST(CliConfig, OneSettingChangedWritesItsPageAndReadsItBack) {
    QTemporaryDir dir;
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const QString file = dir.filePath("one.yaml");
    WriteText(file, "format: gsmgate configuration\nversion: 1\nsettings:\n"
                    "  sms_content_relay_on: \"Gate open\"\n");

    const CliRun check = RunCli({"config", "diff", file, "--port", sim.PtyPath()});
    ASSERT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.out.contains("13.SMS content when relay ON: \"Relay ON\" -> \"Gate open\""))
        << check.out.toStdString();

    const std::size_t before = sim.Requests().size();
    const CliRun run = RunCli({"config", "apply", file, "--port", sim.PtyPath(), "--backup-dir",
                               dir.filePath("backups"), "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.Device(sim.PtyPath())["changes"].toArray().size(), 1);
    const std::vector<LoggedFrame> requests = sim.Requests();
    const std::vector<LoggedFrame> writes = Sent(requests, before, cmd::kWritePage);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes.front().address, PageAddress(Area::Settings, 1));
    // Read back after the write: the last request reads the page written.
    const auto written = std::find_if(
        requests.begin() + static_cast<std::ptrdiff_t>(before), requests.end(),
        [](const LoggedFrame& f) { return f.direction == "in" && f.command == cmd::kWritePage; });
    const std::vector<LoggedFrame> after =
        Sent(requests, static_cast<std::size_t>(written - requests.begin()) + 1, cmd::kReadPage);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after.front().address, PageAddress(Area::Settings, 1));

    const sim::DeviceMemory memory = DumpedMemory(sim);
    settings::DeviceSettings expected = SettingsIn(sim::Scenario::Busy().memory);
    expected.smsRelayOn = "Gate open";
    EXPECT_EQ(SettingsIn(memory), expected);
    EXPECT_EQ(NumberPagesOf(memory), BusyPages(Area::Numbers)) << "no numbers key: list untouched";
}

TEST(CliConfig, AFileWithAWrongValueIsRefusedBeforeAnythingIsSent) {
    QTemporaryDir dir;
    const QString file = dir.filePath("bad.yaml");
    WriteText(file, "format: gsmgate configuration\nversion: 1\nsettings:\n"
                    "  din1_type: NO\n  auto_arm_after_call_in: 1000\n");
    ExpectRefusedBeforeSending({"config", "apply", file},
                               {"bad.yaml refused", "line 5: settings.auto_arm_after_call_in"});
}

} // namespace
} // namespace gsm::test
