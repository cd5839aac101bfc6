// Workbooks the program writes, checked by an independent reader (openpyxl)
// and read back by the program itself.

#include "CoreApp.h"
#include "WorkbookTool.h"
#include "spreadsheet/Workbook.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using gsm::Workbook;

// Texts that a spreadsheet would turn into numbers or dates if it could.
const QStringList kTexts = {
    QStringLiteral("0123"),       QStringLiteral("+15555550100"),
    QStringLiteral("2015/03/05"), QStringLiteral("2015-03-07"),
    QStringLiteral("08:30"),      QStringLiteral("12"),
    QStringLiteral("1.5"),        QStringLiteral(" Items"),
    QStringLiteral("中文 text"),  QStringLiteral("a,b \"q\"\nnext line"),
    QStringLiteral("yes"),
};

class WorkbookWriteTest : public ::testing::Test {
protected:
    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // Column A: every text with the "@" format; column B: the same texts
    // without; C20: an empty cell with the "@" format.
    static void FillSample(Workbook& book) {
        book.Add();
        book.SetColumnWidth(1, 85);
        book.SetColumnWidth(2, 45);
        book.SetColumnWidth(3, 130);
        book.SetColumnWidth(5, 4);
        for (int i = 0; i < kTexts.size(); ++i) {
            book.SetTextFormat(i + 1, 1);
            book.SetCell(i + 1, 1, kTexts.at(i));
            book.SetCell(i + 1, 2, kTexts.at(i));
        }
        book.SetTextFormat(20, 3);
    }

    QTemporaryDir m_dir;
};

TEST_F(WorkbookWriteTest, OpenpyxlReadsTextCellsTextFormatAndColumnWidths) {
    Workbook book;
    FillSample(book);
    const QString path = PathOf(QStringLiteral("sample.xlsx"));
    ASSERT_TRUE(book.SaveAs(path)) << book.LastError().toStdString();

    const QJsonObject dump = gsm::test::DumpWithOpenpyxl(path);
    const QJsonObject cells = dump.value(QStringLiteral("cells")).toObject();
    for (int i = 0; i < kTexts.size(); ++i) {
        const QString row = QString::number(i + 1);
        const QJsonObject formatted = cells.value(QStringLiteral("A") + row).toObject();
        const QJsonObject plain = cells.value(QStringLiteral("B") + row).toObject();
        SCOPED_TRACE(kTexts.at(i).toStdString());
        EXPECT_EQ(formatted.value(QStringLiteral("value")).toString(), kTexts.at(i));
        EXPECT_EQ(formatted.value(QStringLiteral("type")).toString(), QStringLiteral("s"));
        EXPECT_EQ(formatted.value(QStringLiteral("format")).toString(), QStringLiteral("@"));
        EXPECT_EQ(plain.value(QStringLiteral("value")).toString(), kTexts.at(i));
        EXPECT_EQ(plain.value(QStringLiteral("type")).toString(), QStringLiteral("s"));
        EXPECT_EQ(plain.value(QStringLiteral("format")).toString(), QStringLiteral("General"));
    }
    const QJsonObject blank = cells.value(QStringLiteral("C20")).toObject();
    EXPECT_TRUE(blank.value(QStringLiteral("value")).isNull());
    EXPECT_EQ(blank.value(QStringLiteral("format")).toString(), QStringLiteral("@"));
    EXPECT_EQ(cells.size(), 2 * kTexts.size() + 1);

    // The file stores a width in characters plus the cell padding.
    const QJsonObject widths = dump.value(QStringLiteral("widths")).toObject();
    const std::map<QString, double> expected = {{QStringLiteral("1"), 85},
                                                {QStringLiteral("2"), 45},
                                                {QStringLiteral("3"), 130},
                                                {QStringLiteral("5"), 4}};
    EXPECT_EQ(widths.size(), qsizetype(expected.size()));
    for (const auto& [column, width] : expected)
        EXPECT_EQ(std::floor(widths.value(column).toDouble()), width) << column.toStdString();
    EXPECT_EQ(dump.value(QStringLiteral("sheets")).toArray().size(), 1);
}

TEST_F(WorkbookWriteTest, OwnFileReadsBackWithTextsAndFormats) {
    Workbook written;
    FillSample(written);
    const QString path = PathOf(QStringLiteral("sample.xlsx"));
    ASSERT_TRUE(written.SaveAs(path));

    Workbook read;
    ASSERT_TRUE(read.Open(path)) << read.LastError().toStdString();
    for (int i = 0; i < kTexts.size(); ++i) {
        EXPECT_EQ(read.Value(i + 1, 1), kTexts.at(i));
        EXPECT_EQ(read.Text(i + 1, 1), kTexts.at(i));
        EXPECT_EQ(read.Text(i + 1, 2), kTexts.at(i));
        EXPECT_TRUE(read.HasTextFormat(i + 1, 1));
        EXPECT_FALSE(read.HasTextFormat(i + 1, 2));
    }
    EXPECT_TRUE(read.HasTextFormat(20, 3));
    EXPECT_EQ(read.Text(20, 3), QString());
    EXPECT_EQ(read.Text(1000, 50), QString());
}

TEST_F(WorkbookWriteTest, SaveAsUsesTheNameAsGivenAndReplacesAnOlderFile) {
    const QString path = PathOf(QStringLiteral("telinf_R2015-03-06_15-01-01"));
    Workbook book;
    book.Add();
    book.SetCell(1, 1, QStringLiteral("old"));
    ASSERT_TRUE(book.SaveAs(path));
    book.SetCell(1, 1, QStringLiteral("new"));
    ASSERT_TRUE(book.SaveAs(path));

    // No extension added, no temporary file left behind.
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("telinf_R2015-03-06_15-01-01")});
    Workbook read;
    ASSERT_TRUE(read.Open(path));
    EXPECT_EQ(read.Text(1, 1), QStringLiteral("new"));
}

TEST_F(WorkbookWriteTest, SaveThatCannotWriteSaysWhyAndLeavesNothing) {
    Workbook book;
    const QString missingFolder = PathOf(QStringLiteral("missing/book.xlsx"));
    EXPECT_FALSE(book.SaveAs(missingFolder)); // nothing open yet
    EXPECT_TRUE(book.LastError().contains(QStringLiteral("no workbook is open")));

    book.Add();
    book.SetCell(1, 1, QStringLiteral("x"));
    EXPECT_FALSE(book.SaveAs(missingFolder));
    EXPECT_TRUE(book.LastError().startsWith(
        QStringLiteral("Cannot save \"%1\"").arg(QDir::toNativeSeparators(missingFolder))))
        << book.LastError().toStdString();
    EXPECT_FALSE(book.SaveAs(m_dir.path())); // a folder
    EXPECT_TRUE(QDir(m_dir.path())
                    .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                    .isEmpty());
}

TEST_F(WorkbookWriteTest, CellsNeedAnOpenWorkbookAndCloseForgetsThem) {
    Workbook book;
    book.SetCell(1, 1, QStringLiteral("lost"));
    EXPECT_FALSE(book.IsOpen());
    EXPECT_EQ(book.Text(1, 1), QString());

    book.Add();
    book.SetCell(1, 1, QStringLiteral("kept"));
    book.SetCell(0, 1, QStringLiteral("outside"));
    book.SetCell(1, 16385, QStringLiteral("outside"));
    EXPECT_EQ(book.Text(1, 1), QStringLiteral("kept"));
    book.Close();
    EXPECT_FALSE(book.IsOpen());
    EXPECT_EQ(book.Text(1, 1), QString());
    book.Add();
    EXPECT_EQ(book.Text(1, 1), QString());
}

} // namespace
