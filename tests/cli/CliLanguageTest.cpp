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

// The busy device's settings as a JSON profile whose row `row` holds `value`.
QString BusyProfileWith(const QString& dir, int row, const char* value) {
    const QString profile = BusyProfile(dir, "json");
    QFile json(profile);
    EXPECT_TRUE(json.open(QIODevice::ReadWrite));
    QJsonObject root = QJsonDocument::fromJson(json.readAll()).object();
    QJsonArray rows = root["rows"].toArray();
    rows[row] = QJsonArray{rows[row].toArray()[0], value, rows[row].toArray()[2]};
    root["rows"] = rows;
    json.resize(0);
    json.write(QJsonDocument(root).toJson());
    return profile;
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
    const QString profile = BusyProfileWith(dir.path(), 7, "30");
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

QString WriteText(const QString& path, const char* text) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

// A refusal the lower layers compose in English with values in it, and the
// same refusal as each language shows it.
struct ComposedRefusal {
    QStringList args; // the file refused is last but one
    const char* en;
    const char* de;
    const char* zh;
};

TEST(CliLanguage, RefusalsComposedWithValuesAreShownTranslatedWithTheValuesInPlace) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString profile = BusyProfileWith(dir.path(), 1, "12");
    const QString head = QStringLiteral("format: gsmgate configuration\nversion: 1\n");
    const QString din = WriteText(dir.filePath("din.yaml"), (head.toUtf8() + "settings:\n"
                                                                             "  din1_type: x\n"));
    const QString month = WriteText(
        dir.filePath("month.yaml"),
        head.toUtf8() + "numbers:\n  - {slot: 2, number: \"123\", from: \"2026-13-01 10:00\", "
                        "until: \"2026-12-01 10:00\"}\n");
    const QString notBook = WriteText(dir.filePath("list.xlsx"), "plain text");

    const ComposedRefusal table[] = {
        {{"settings", "set", profile},
         "The password must be exactly four digits.\nSetting: 1.Password",
         "Das Passwort muss aus genau vier Ziffern bestehen.\nEinstellung: 1.Passwort",
         "密码必须正好是四位数字。\n设置项：1.密码"},
        {{"config", "apply", month},
         "line 4: numbers slot 2: start month 13 is not 1 to 12",
         "Zeile 4: numbers slot 2: Beginn: Monat 13 liegt nicht zwischen 1 und 12",
         "第 4 行：numbers slot 2：开始月份 13 不在 1 到 12 之间"},
        {{"config", "apply", din},
         "line 4: settings.din1_type: \"x\" is not one of \"NC\", \"NO\"",
         "Zeile 4: settings.din1_type: „x“ ist keiner der Werte \"NC\", \"NO\"",
         "第 4 行：settings.din1_type：“x”不是以下之一：\"NC\", \"NO\""},
        {{"numbers", "set", profile},
         "is a settings profile (JSON), not a number list (A1 \"Serial\").",
         "ist ein Einstellungsprofil (JSON), nicht eine Nummernliste (A1 \"Serial\").",
         "是设置配置文件（JSON），不是号码列表（A1 \"Serial\"）。"},
        {{"numbers", "set", notBook},
         "\": it is not a spreadsheet workbook (.xlsx, .ods or .xls).",
         "“ kann nicht geöffnet werden: sie ist keine Tabellen-Arbeitsmappe (.xlsx, .ods oder "
         ".xls).",
         "”：它不是电子表格工作簿（.xlsx、.ods 或 .xls）。"},
    };
    for (const ComposedRefusal& r : table) {
        SCOPED_TRACE(r.args.join(' ').toStdString());
        QString json;
        for (const char* language : {"en", "de", "zh_CN"}) {
            SCOPED_TRACE(language);
            const QStringList common{"--port", "/dev/null", "--language",
                                     QString::fromLatin1(language)};
            const CliRun shown = RunCli(r.args + common);
            EXPECT_EQ(shown.exitCode, 2);
            const QString wanted = QString::fromUtf8(QByteArray(language) == "en"   ? r.en
                                                     : QByteArray(language) == "de" ? r.de
                                                                                    : r.zh);
            EXPECT_TRUE(shown.err.contains(wanted)) << shown.err.toStdString();
            if (QByteArray(language) == "en") {
                EXPECT_TRUE(shown.err.endsWith(wanted + "\n")) << shown.err.toStdString();
            }
            // What --json prints is the same in every language.
            const CliRun machine = RunCli(r.args + common + QStringList{"--json"});
            if (json.isNull())
                json = machine.out;
            EXPECT_EQ(machine.out, json);
        }
    }
}

} // namespace
} // namespace gsm::test
