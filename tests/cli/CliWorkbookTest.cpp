// gsmgate-cli given workbooks it must not read: a file of the other kind,
// one that would be read otherwise than a spreadsheet shows it, one made to
// cost time and memory, and an .xls whose reader crashes. Each is refused
// before the port is opened, saying why, and the device sees nothing.
#include "CliDevices.h"
#include "support/TestPaths.h"
#include "support/XlsxParts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace gsm::test {
namespace {

// A number list with one part of its sheet replaced.
QString ListWithSheet(const QString& dir, const std::string& rows) {
    auto parts = xlsx::SoundParts();
    parts[xlsx::kSheetPart] = xlsx::Sheet("A1:H1001", xlsx::kListRows + rows);
    const QString path = QDir(dir).filePath("list.xlsx");
    EXPECT_TRUE(xlsx::Save(path.toStdString(), parts));
    return path;
}

// A file of the other kind, or a workbook made to be read otherwise than
// it shows or to cost time and memory: refused by kind or by reason.
const Refusal kWorkbooks[] = {
    {"ProfileGivenAsNumberList",
     [](const QString& dir) {
         return QStringList{"numbers", "set", BusyProfile(dir, "xlsx")};
     },
     "is a settings profile (A1 \"Items\"), not a number list (A1 \"Serial\")."},
    {"JsonProfileGivenAsNumberList",
     [](const QString& dir) {
         return QStringList{"numbers", "set", BusyProfile(dir, "json")};
     },
     "is a settings profile (JSON), not a number list (A1 \"Serial\")."},
    {"NumberListGivenAsProfile",
     [](const QString& dir) {
         return QStringList{"settings", "set", ListFile().Save(QDir(dir).filePath("list.xlsx"))};
     },
     "is a number list (A1 \"Serial\"), not a settings profile (A1 \"Items\")."},
    {"FormulaInList",
     [](const QString& dir) {
         return QStringList{"numbers", "set",
                            ListWithSheet(dir, R"(<row r="5"><c r="B5"><f>1234</f><v>7145</v>)"
                                               "</c></row>")};
     },
     "cell B5 holds a formula"},
    {"DeeplyNestedProfile",
     [](const QString& dir) {
         std::string deep;
         for (int i = 0; i < 20000; ++i)
             deep += "<x>";
         for (int i = 0; i < 20000; ++i)
             deep += "</x>";
         return QStringList{"settings", "set",
                            ListWithSheet(dir, "<row r=\"3\">" + deep + "</row>")};
     },
     "nests its elements more than 32 deep"},
};

class CliRefusesWorkbook : public ::testing::TestWithParam<Refusal> {};

TEST_P(CliRefusesWorkbook, NamesWhatItIsOrWhyAndSendsNothing) {
    QTemporaryDir dir;
    ExpectRefusedBeforeSending(GetParam().args(dir.path()), {GetParam().says});
}

INSTANTIATE_TEST_SUITE_P(Files, CliRefusesWorkbook, ::testing::ValuesIn(kWorkbooks),
                         [](const auto& info) { return std::string(info.param.name); });

// A legacy .xls reader that crashes: the file is unreadable, and nothing is sent.
TEST(CliXlsReader, ThatCrashesRefusesTheFileBeforeSending) {
    QTemporaryDir dir;
    const QString reader = dir.filePath("reader.sh");
    QFile script(reader);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nkill -SEGV $$\n");
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
    struct ReaderVariable {
        explicit ReaderVariable(const QString& path) {
            qputenv("GSMGATE_XLS_READER", QFile::encodeName(path));
        }
        ~ReaderVariable() { qunsetenv("GSMGATE_XLS_READER"); }
    } variable(reader);
    ExpectRefusedBeforeSending(
        {"numbers", "set", QDir(TestDataDir()).filePath("numberlist-calc.xls")},
        {"the file cannot be read (its reader crashed"});
}

} // namespace
} // namespace gsm::test
