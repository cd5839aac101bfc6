// The tool in the user's language: its help, progress and table follow
// --language or the locale, while what it prints with --json and the files
// it writes are the same bytes in every language.
#include "CliDevices.h"
#include "CliRun.h"
#include "support/SimProcess.h"

#include <QFile>
#include <QJsonArray>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace gsm::test {
namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// How long a device took is the one thing that differs between two runs.
QString WithoutTimes(QString json) {
    static const QRegularExpression ms(QStringLiteral("\"milliseconds\": \\d+"));
    return json.replace(ms, QStringLiteral("\"milliseconds\": 0"));
}

struct Spoken {
    const char* language;
    const char* tableHeader; // the summary table's RESULT column
};
constexpr Spoken kLanguages[] = {{"en", "RESULT"}, {"de", "ERGEBNIS"}, {"zh_CN", "结果"}};

TEST(CliLanguage, JsonOutputAndWrittenFilesAreTheSameBytesInEveryLanguage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A profile that changes a setting, so the plan names it by its caption.
    const QString profile = BusyProfile(dir.path(), "json");
    {
        QFile json(profile);
        ASSERT_TRUE(json.open(QIODevice::ReadWrite));
        QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
        QJsonArray rows = root["rows"].toArray();
        rows[7] = QJsonArray{rows[7].toArray()[0], "30", rows[7].toArray()[2]};
        root["rows"] = rows;
        json.resize(0);
        json.write(QJsonDocument(root).toJson());
    }
    const QString wrongPassword = dir.filePath("wrong");
    {
        QFile file(wrongPassword);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("0000\n");
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }

    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    QString diffJson, getJson, refusedJson;
    QByteArray written;
    for (const Spoken& s : kLanguages) {
        SCOPED_TRACE(s.language);
        const QStringList language{"--language", QString::fromLatin1(s.language)};
        const CliRun diff =
            RunCli(QStringList{"diff", profile, "--port", sim.PtyPath(), "--json"} + language);
        ASSERT_EQ(diff.exitCode, 0) << diff.err.toStdString();
        EXPECT_TRUE(diff.err.contains(QString::fromUtf8(s.tableHeader))) << diff.err.toStdString();

        const QString out = dir.filePath(QStringLiteral("got-%1.json").arg(s.language));
        const CliRun get =
            RunCli(QStringList{"settings", "get", "--out", out, "--port", sim.PtyPath(), "--json"} +
                   language);
        ASSERT_EQ(get.exitCode, 0) << get.err.toStdString();

        // A device that fails: its message in the JSON stays the program's own.
        const CliRun refused =
            RunCli(QStringList{"settings", "get", "--out", dir.filePath("never.json"), "--port",
                               sim.PtyPath(), "--password-file", wrongPassword, "--json"} +
                   language);
        EXPECT_EQ(refused.exitCode, 1) << refused.err.toStdString();
        EXPECT_EQ(refused.Device(sim.PtyPath())["message"].toString(), "Password Error!");

        if (diffJson.isNull()) {
            diffJson = diff.out;
            getJson = WithoutTimes(get.out).replace(out, QStringLiteral("OUT"));
            refusedJson = WithoutTimes(refused.out);
            written = Bytes(out);
            EXPECT_TRUE(diff.out.contains("7.Auto Arm after authorized number call-in(0~999)"));
            continue;
        }
        EXPECT_EQ(diff.out, diffJson);
        EXPECT_EQ(WithoutTimes(get.out).replace(out, QStringLiteral("OUT")), getJson);
        EXPECT_EQ(WithoutTimes(refused.out), refusedJson);
        // The profile keeps its English captions ("Items" in A1).
        EXPECT_EQ(Bytes(out), written);
    }
}

TEST(CliLanguage, HelpFollowsTheLocaleUnlessTheOptionSaysOtherwise) {
    const QByteArray saved = qgetenv("LANGUAGE");
    qputenv("LANGUAGE", "de");
    const CliRun german = RunCli({"numbers", "set", "--help"});
    const CliRun english = RunCli({"numbers", "set", "--help", "--language", "en"});
    qputenv("LANGUAGE", "zh_CN");
    const CliRun chinese = RunCli({"--help"});
    const CliRun refused = RunCli({"history", "delete", "--port", "/dev/null"});
    qputenv("LANGUAGE", saved);

    EXPECT_EQ(german.exitCode, 0);
    EXPECT_TRUE(german.out.contains("Die Nummernliste FILE")) << german.out.toStdString();
    EXPECT_TRUE(english.out.contains("Save the number list FILE")) << english.out.toStdString();
    EXPECT_TRUE(chinese.out.contains(QString::fromUtf8("子命令"))) << chinese.out.toStdString();
    // Refused before anything is sent, in Chinese, with the exit status of a refusal.
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains("--yes")) << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QString::fromUtf8("历史记录"))) << refused.err.toStdString();
}

} // namespace
} // namespace gsm::test
