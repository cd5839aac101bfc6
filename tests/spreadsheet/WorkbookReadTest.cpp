// Workbooks the program did not write: openpyxl's (inline strings), one put
// together part by part (shared strings, rich text, unusual part names), an
// OpenDocument spreadsheet put together by hand, and LibreOffice Calc's .xlsx,
// .ods and legacy .xls; and files that are no workbook or are damaged.

#include "CoreApp.h"
#include "WorkbookTool.h"
#include "spreadsheet/Workbook.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using gsm::Workbook;

struct Expected {
    int row;
    int column;
    QString text;
};

void ExpectCells(const Workbook& book, const std::vector<Expected>& cells) {
    for (const Expected& cell : cells) {
        EXPECT_EQ(book.Text(cell.row, cell.column), cell.text)
            << "row " << cell.row << " column " << cell.column;
        EXPECT_EQ(book.Value(cell.row, cell.column), cell.text)
            << "row " << cell.row << " column " << cell.column;
    }
}

class WorkbookReadTest : public ::testing::Test {
protected:
    QString Made(const QStringList& toolArguments, const QString& name) {
        const QString path = m_dir.filePath(name);
        gsm::test::RunWorkbookTool(toolArguments + QStringList{path});
        return path;
    }
    QString DataFile(const QString& name) const {
        return QDir(gsm::test::TestDataDir()).filePath(name);
    }
    QString CopyAs(const QString& source, const QString& name) {
        const QString path = m_dir.filePath(name);
        EXPECT_TRUE(QFile::copy(source, path));
        return path;
    }

    QTemporaryDir m_dir;
};

TEST_F(WorkbookReadTest, OpenpyxlWorkbookWithInlineStringsAndNumbers) {
    Workbook book;
    ASSERT_TRUE(book.Open(Made({QStringLiteral("openpyxl")}, QStringLiteral("openpyxl.xlsx"))))
        << book.LastError().toStdString();
    // The first sheet is read, although the workbook was saved with the second active.
    ExpectCells(book, {{1, 1, QStringLiteral("Serial")},
                       {1, 2, QStringLiteral("Authorized number")},
                       {2, 1, QStringLiteral("12")},
                       {2, 2, QStringLiteral("1.5")},
                       {2, 3, QStringLiteral("0.1")},
                       {2, 4, QStringLiteral("1E+20")},
                       {2, 5, QStringLiteral("TRUE")},
                       {2, 6, QStringLiteral("2015/03/06")},
                       {2, 7, QStringLiteral("08:30")},
                       {2, 8, QStringLiteral("0123")},
                       {2, 9, QStringLiteral(" Items")},
                       {3, 1, QStringLiteral("line 1\nline 2")},
                       {3, 2, QString()},
                       {3, 3, QStringLiteral("中文")},
                       {4, 2, QStringLiteral("-3")},
                       {4, 3, QStringLiteral("1234567.125")},
                       {99, 26, QString()}});
}

TEST_F(WorkbookReadTest, SharedStringsRichTextStylesAndPartsFoundThroughRelationships) {
    Workbook book;
    ASSERT_TRUE(book.Open(Made({QStringLiteral("shared")}, QStringLiteral("shared.xlsx"))))
        << book.LastError().toStdString();
    ExpectCells(book,
                {{1, 1, QStringLiteral("Serial")},
                 {1, 2, QStringLiteral("Authorized number")}, // runs joined, no phonetic guide
                 {1, 3, QStringLiteral("a\rb")},              // _x000D_
                 {1, 4, QStringLiteral("  padded  ")},
                 {1, 5, QStringLiteral("+15555550100")},
                 // The row and its cells carry no numbers: each follows the one before.
                 {2, 1, QStringLiteral("1904/01/01")}, // the 1904 date system
                 {2, 2, QStringLiteral("08:30")},
                 {2, 3, QStringLiteral("2.5")}, // "[Red]" is a colour, not a day
                 {2, 4, QStringLiteral("3")},   // "days" in quotes is a label
                 {2, 5, QStringLiteral("Serial")},
                 {2, 6, QStringLiteral("#DIV/0!")},
                 {2, 7, QStringLiteral("FALSE")},
                 {2, 8, QString()},
                 {2, 9, QStringLiteral("1915/03/01 12:00:00")},
                 {5, 3, QStringLiteral("42")},
                 {5, 5, QStringLiteral("inline")}});
    EXPECT_TRUE(book.HasTextFormat(2, 8));
    EXPECT_FALSE(book.HasTextFormat(1, 1));
}

TEST_F(WorkbookReadTest, OdsRepeatedAndCoveredCellsAndEveryValueType) {
    Workbook book;
    ASSERT_TRUE(book.Open(Made({QStringLiteral("ods")}, QStringLiteral("hand.ods"))))
        << book.LastError().toStdString();
    ExpectCells(book, {{1, 1, QStringLiteral("Serial")},
                       {1, 2, QStringLiteral("Authorized  number")},
                       {1, 3, QString()}, // an empty cell repeated
                       {1, 5, QStringLiteral("x")},
                       {1, 7, QStringLiteral("x")}, // a filled cell repeated
                       {1, 8, QString()},
                       {2, 1, QStringLiteral("1")},
                       {2, 2, QStringLiteral("0.125")}, // a percentage, as a number
                       {2, 3, QStringLiteral("TRUE")},
                       {2, 4, QStringLiteral("2015/03/07")}, // whatever picture shows it
                       {2, 5, QStringLiteral("08:30:15")},   // shown with seconds
                       {2, 6, QStringLiteral("08:30")},      // shown without
                       {2, 7, QStringLiteral("1234.5")},
                       {3, 1, QStringLiteral("same")}, // a row repeated
                       {3, 5, QStringLiteral("again")},
                       {4, 1, QStringLiteral("same")},
                       {4, 5, QStringLiteral("again")},
                       {5, 1, QStringLiteral("line one  end\nline two\ttab")}, // no note
                       {5, 2, QStringLiteral("stored")},
                       {5, 3, QStringLiteral("13800138000")}, // a value without its text
                       {6, 2, QStringLiteral("merged")},
                       {6, 3, QString()}, // covered: its hidden content is not shown
                       {6, 4, QStringLiteral("after")},
                       {1048576, 1, QString()}});
}

// The same content in all of Calc's formats; see tests/data/README.md.
class CalcWorkbookTest : public WorkbookReadTest,
                         public ::testing::WithParamInterface<const char*> {};

TEST_P(CalcWorkbookTest, ReadsTextsNumbersDatesAndTimesOfTheFirstSheet) {
    Workbook book;
    ASSERT_TRUE(book.Open(DataFile(QString::fromLatin1(GetParam()))))
        << book.LastError().toStdString();
    ExpectCells(book, {{1, 1, QStringLiteral("Serial")},
                       {1, 4, QStringLiteral("Start Time ")},
                       {1, 8, QStringLiteral("Delete(V)")},
                       {1, 10, QStringLiteral("12")},
                       {1, 11, QStringLiteral("1.5")},
                       {1, 12, QStringLiteral("中文")},
                       {1, 13, QStringLiteral("-0.25")},
                       {2, 1, QStringLiteral("1")},
                       {2, 2, QStringLiteral("+15555550100")},
                       {2, 3, QStringLiteral("2015/03/06")},
                       {2, 4, QStringLiteral("08:30")},
                       {3, 2, QStringLiteral("0123")},
                       {3, 3, QString()},
                       {3, 7, QStringLiteral("yes")},
                       {4, 2, QStringLiteral("13800138000")},
                       {4, 3, QStringLiteral("2015/03/07")},
                       {4, 4, QStringLiteral("08:30")},
                       {4, 6, QStringLiteral("23:59")},
                       {4, 5, QStringLiteral("2015/12/31")},
                       {5, 1, QStringLiteral("4")},
                       {5, 2, QString()}});
}

INSTANTIATE_TEST_SUITE_P(Formats, CalcWorkbookTest,
                         ::testing::Values("numberlist-calc.xlsx", "numberlist-calc.ods",
                                           "numberlist-calc.xls"));

TEST_F(WorkbookReadTest, FormatIsChosenByTheFirstBytesNotTheName) {
    Workbook book;
    ASSERT_TRUE(book.Open(
        CopyAs(DataFile(QStringLiteral("numberlist-calc.xls")), QStringLiteral("legacy.xlsx"))))
        << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Serial"));
    ASSERT_TRUE(book.Open(
        CopyAs(DataFile(QStringLiteral("numberlist-calc.xlsx")), QStringLiteral("modern.xls"))))
        << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Serial"));
    ASSERT_TRUE(book.Open(
        CopyAs(DataFile(QStringLiteral("numberlist-calc.ods")), QStringLiteral("calc.xlsx"))))
        << book.LastError().toStdString();
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Serial"));
}

class UnreadableFileTest : public WorkbookReadTest,
                           public ::testing::WithParamInterface<const char*> {
protected:
    // A file that must be refused, made according to its kind.
    QString MakeUnreadable(const QString& kind) {
        const QString path = m_dir.filePath(kind + QStringLiteral(".xlsx"));
        if (kind == QStringLiteral("text"))
            WriteBytes(path, "Serial,Authorized number\r\n1,+15555550100\r\n");
        else if (kind == QStringLiteral("empty"))
            WriteBytes(path, "");
        else if (kind == QStringLiteral("missing"))
            return m_dir.filePath(QStringLiteral("no such file.xlsx"));
        else if (kind == QStringLiteral("cut-zip"))
            WriteBytes(path,
                       ReadBytes(Made({QStringLiteral("shared")}, QStringLiteral("whole.xlsx")))
                           .left(600));
        else if (kind == QStringLiteral("fake-zip"))
            WriteBytes(path, QByteArray("PK\x03\x04", 4) + QByteArray(200, 'x'));
        else if (kind == QStringLiteral("fake-xls"))
            WriteBytes(path, QByteArray::fromHex("d0cf11e0a1b11ae1") + QByteArray(600, '\0'));
        else if (kind == QStringLiteral("cut-xls"))
            WriteBytes(path, ReadBytes(DataFile(QStringLiteral("numberlist-calc.xls"))).left(1500));
        else if (kind == QStringLiteral("cut-ods"))
            WriteBytes(path, ReadBytes(DataFile(QStringLiteral("numberlist-calc.ods"))).left(3000));
        else if (kind.startsWith(QStringLiteral("ods-")))
            return Made({QStringLiteral("damaged-ods"), kind}, kind + QStringLiteral(".ods"));
        else if (kind == QStringLiteral("long-name-xls"))
            WriteBytes(path, WithLongWorkbookEntryName(
                                 ReadBytes(DataFile(QStringLiteral("numberlist-calc.xls")))));
        else
            return Made({QStringLiteral("damaged"), kind}, kind + QStringLiteral(".xlsx"));
        return path;
    }
    // The directory entry named "Workbook" (UTF-16) claims a name far longer
    // than its 64-byte field.
    static QByteArray WithLongWorkbookEntryName(QByteArray xls) {
        const QByteArray name("W\0o\0r\0k\0b\0o\0o\0k\0", 16);
        const qsizetype at = xls.indexOf(name);
        EXPECT_GE(at, 0);
        if (at >= 0) {
            xls[at + 64] = '\xFF';
            xls[at + 65] = '\xFF';
        }
        return xls;
    }
    static void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_P(UnreadableFileTest, IsRefusedWithAReasonAndTheOpenWorkbookStays) {
    Workbook book;
    book.Add();
    book.SetCell(1, 1, QStringLiteral("Items"));
    const QString path = MakeUnreadable(QString::fromLatin1(GetParam()));

    EXPECT_FALSE(book.Open(path));
    const QString prefix =
        QStringLiteral("Cannot open \"%1\": ").arg(QDir::toNativeSeparators(path));
    EXPECT_TRUE(book.LastError().startsWith(prefix)) << book.LastError().toStdString();
    EXPECT_GT(book.LastError().size(), prefix.size() + 5);
    EXPECT_TRUE(book.IsOpen());
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("Items"));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, UnreadableFileTest,
    ::testing::Values("text", "empty", "missing", "cut-zip", "fake-zip", "fake-xls", "cut-xls",
                      "long-name-xls", "missing-string", "bad-xml", "bad-number", "bad-reference",
                      "long-reference", "no-sheet-part", "no-workbook", "cut-ods", "ods-no-content",
                      "ods-bad-xml", "ods-no-table", "ods-huge-repeat", "ods-bad-repeat",
                      "ods-endless-repeat", "ods-outside", "ods-rows-outside", "ods-long-spaces",
                      "ods-bad-date", "ods-bad-time", "ods-bad-number", "ods-deep-spans",
                      "ods-deep-groups", "ods-text-document"),
    [](const auto& info) {
        std::string name = info.param;
        std::replace(name.begin(), name.end(), '-', '_');
        return name;
    });

} // namespace
