// What gsmgate-cli leaves on the disk besides the devices: the frame trace,
// backups and outputs, each the owner's alone, one per device, and a backup
// never put over a file.
#include "CliRun.h"
#include "support/SimProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace gsm::test {
namespace {

mode_t ModeOf(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

// Two devices whose ports have one name in two folders, as two adapters'
// names under /dev/serial/by-path can: "<dir>/a/dev" and "<dir>/b/dev".
struct SameNamedPorts {
    QTemporaryDir dir;
    SimProcess a{{"--scenario", "busy"}};
    SimProcess b{{"--scenario", "busy"}};
    QString portA = dir.filePath("a/dev");
    QString portB = dir.filePath("b/dev");

    bool Ready() {
        return a.Running() && b.Running() && QDir(dir.path()).mkpath("a") &&
               QDir(dir.path()).mkpath("b") && QFile::link(a.PtyPath(), portA) &&
               QFile::link(b.PtyPath(), portB);
    }
};

// Hex of a text as the trace writes its bytes.
QString HexOf(const char* text) {
    return QString::fromLatin1(QByteArray(text).toHex(' ').toUpper());
}

TEST(CliTrace, OneFileForAllDevicesEachLineNamingItsPortNoCredentialInClear) {
    QTemporaryDir dir;
    SimProcess a({"--scenario", "busy"});
    SimProcess b({"--scenario", "busy"});
    ASSERT_TRUE(a.Running() && b.Running());
    const QString trace = dir.filePath("trace.jsonl");
    const CliRun run = RunCli({"backup", dir.filePath("site.json"), "--port", a.PtyPath(), "--port",
                               b.PtyPath(), "--trace", trace});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(ModeOf(trace), 0600u);

    QFile file(trace);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QMap<QString, int> linesOf;
    int page2Replies = 0;
    while (!file.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
        ++linesOf[line["port"].toString()];
        const QString bytes = line["bytes"].toString();
        // The busy device's password, GPRS user name and GPRS password.
        const bool settingsPage = line["address"].toString().startsWith("0000");
        for (const char* secret : {"7145", "gsmgate", "secret"})
            EXPECT_FALSE(settingsPage && bytes.contains(HexOf(secret)))
                << secret << ": " << qPrintable(bytes);
        if (line["direction"] == "in" && line["address"] == "00000100") {
            ++page2Replies;
            EXPECT_EQ(bytes.count("**"), 16 + 16 + 1);
        }
    }
    // Per device: the login, 2 settings pages and 125 number pages, each out and in.
    EXPECT_EQ(linesOf, (QMap<QString, int>{{a.PtyPath(), 2 * 128}, {b.PtyPath(), 2 * 128}}));
    EXPECT_EQ(page2Replies, 2);
    // The backups hold the same device data: the owner's alone too.
    for (const SimProcess* sim : {&a, &b})
        EXPECT_EQ(ModeOf(dir.filePath("site-" + QFileInfo(sim->PtyPath()).fileName() + ".json")),
                  0600u);
}

// Commands whose files would go wrong are refused with exit status 2 before
// any port is opened, naming the fault.
TEST(CliOutputs, ClashingOrSpecialOutputsAndBackupsOverAFileAreRefusedBeforeReading) {
    SameNamedPorts ports;
    ASSERT_TRUE(ports.Ready());
    const QString taken = ports.dir.filePath("taken.json");
    QFile file(taken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kept");
    file.close();
    struct Case {
        const char* name;
        QStringList args;
        QString says;
    } cases[] = {
        {"one file for two devices",
         {"backup", ports.dir.filePath("multi.json"), "--port", ports.portA, "--port", ports.portB},
         ports.portA + " and " + ports.portB + " would both write " +
             ports.dir.filePath("multi-dev.json")},
        {"a backup over a file", {"backup", taken, "--port", ports.portA}, taken + " exists"},
        {"a device file for two devices",
         {"settings", "get", "--out", "/dev/null", "--port", ports.portA, "--port", ports.portB},
         "/dev/null is no regular file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const CliRun run = RunCli(c.args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
    }
    EXPECT_EQ(QFile(taken).size(), 4);
    ports.a.Stop();
    ports.b.Stop();
    EXPECT_TRUE(ports.a.Requests().empty());
    EXPECT_TRUE(ports.b.Requests().empty());
}

// Backups taken before writes hold the device password: their folders and
// files are the owner's alone, and two devices never share one, even when
// their ports have one name and the backups one time stamp.
TEST(CliBackups, AutomaticBackupsAreKeptApartAndTheOwnersAlone) {
    SameNamedPorts ports;
    ASSERT_TRUE(ports.Ready());
    const QString profile = ports.dir.filePath("profile.json");
    const CliRun get = RunCli({"settings", "get", "--out", profile, "--port", ports.portA});
    ASSERT_EQ(get.exitCode, 0) << get.err.toStdString();
    EXPECT_EQ(ModeOf(profile), 0600u);

    // A profile that changes something, so each device takes a backup.
    QFile json(profile);
    ASSERT_TRUE(json.open(QIODevice::ReadWrite));
    QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
    QJsonArray rows = root["rows"].toArray();
    rows[7] = QJsonArray{rows[7].toArray()[0], "30", rows[7].toArray()[2]};
    root["rows"] = rows;
    json.resize(0);
    json.write(QJsonDocument(root).toJson());
    json.close();

    const QString folder = ports.dir.filePath("auto/new");
    const CliRun set = RunCli({"settings", "set", profile, "--port", ports.portA, "--port",
                               ports.portB, "--backup-dir", folder});
    ASSERT_EQ(set.exitCode, 0) << set.err.toStdString();
    EXPECT_EQ(ModeOf(ports.dir.filePath("auto")), 0700u);
    EXPECT_EQ(ModeOf(folder), 0700u);
    QStringList backedUp;
    for (const QFileInfo& backup : QDir(folder).entryInfoList(QDir::Files)) {
        EXPECT_EQ(ModeOf(backup.filePath()), 0600u);
        QFile in(backup.filePath());
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        backedUp << QJsonDocument::fromJson(in.readAll()).object()["port"].toString();
    }
    backedUp.sort();
    EXPECT_EQ(backedUp, (QStringList{ports.portA, ports.portB}));
}

} // namespace
} // namespace gsm::test
