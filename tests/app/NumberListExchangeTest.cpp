// Number list files through the window: "Export .XLS" read by openpyxl,
// "Import .XLS" of the program's own files and of other programs', its
// all-or-nothing checks, and "Export .CSV".

#include "ExchangeFixture.h"

#include "app/files/ConfigurationFolder.h"
#include "app/files/NumberFiles.h"
#include "app/widgets/StatusBar.h"
#include "spreadsheet/Workbook.h"
#include "support/TestPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

using namespace gsm::test;

namespace {

constexpr int kRows = 1001, kCols = 8;
constexpr int kNumber = 1, kStartDate = 2, kStartTime = 3, kEndDate = 4, kEndTime = 5, kAlways = 6,
              kDelete = 7;

class NumberFiles : public ExchangeFixture {
protected:
    StringGrid& Grid() { return *form->Controls().numbersGrid; }

    void Entry(int row, const QStringList& texts) { FillRow(Grid(), row, texts); }
    void FillList() {
        Entry(1, {"+15555550100", "2015/03/05", "08:30", "2015-03-07", "23:59", "no", "no"});
        Entry(2, {"0123", "", "", "", "", "yes", "no"});
        Entry(3, {"13800138000", "", "", "", "", "yes", "yes"});
        Entry(999, {"+8613800001111", "2016/01/01", "00:00", "2016/12/31", "12:00", "no", "no"});
        Entry(1000, {"1000", "", "", "", "", "yes", "yes"});
    }
    std::vector<QString> Take() { return AllCells(Grid()); }
    QString Exported(const QString& name) {
        const QString path = PathOf(name);
        Pick(path);
        Click(form->Controls().exportNumbersXlsButton);
        return path;
    }
    void Import(const QString& path, int boxes = 0) {
        Pick(path);
        Click(form->Controls().importNumbersButton, boxes);
    }
    QString StatusText() const {
        return form->Controls().statusPanels->PanelText(kStatusPanelText);
    }
};

TEST_F(NumberFiles, ExportWritesEveryCellAsTextThatOpenpyxlReadsBack) {
    FillList();
    const QString path = Exported(QStringLiteral("list.xlsx"));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].mode, FileRequest::Mode::Save);
    EXPECT_EQ(requests[0].folder, ConfigurationFolder());
    EXPECT_EQ(requests[0].filter, QStringLiteral("EXCEL file|*.xlsx;*.xls|(*.*)|*.*"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^telinf_R\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.xlsx$)"))
            .match(requests[0].proposedName)
            .hasMatch());
    EXPECT_EQ(StatusText(), QString()); // emptied when the export ends

    const QJsonObject dump = DumpWithOpenpyxl(path);
    const QJsonObject cells = CellsOf(dump);
    int checked = 0;
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const QString name = CellName(c + 1, r + 1);
            const QJsonObject cell = cells.value(name).toObject();
            const QString text = Grid().Cells(c, r);
            ASSERT_EQ(cell.value(QStringLiteral("format")).toString(), QStringLiteral("@"))
                << name.toStdString();
            if (text.isEmpty()) {
                ASSERT_TRUE(cell.value(QStringLiteral("value")).isNull()) << name.toStdString();
                continue;
            }
            ASSERT_EQ(cell.value(QStringLiteral("type")).toString(), QStringLiteral("s"))
                << name.toStdString();
            ASSERT_EQ(cell.value(QStringLiteral("value")).toString(), text) << name.toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 3000);
    EXPECT_EQ(cells.value(QStringLiteral("B2")).toObject().value(QStringLiteral("value")),
              QStringLiteral("+15555550100"));
    EXPECT_EQ(cells.value(QStringLiteral("B3")).toObject().value(QStringLiteral("value")),
              QStringLiteral("0123"));
    EXPECT_EQ(cells.value(QStringLiteral("E2")).toObject().value(QStringLiteral("value")),
              QStringLiteral("2015-03-07"));

    const QJsonObject widths = dump.value(QStringLiteral("widths")).toObject();
    const std::array<double, 6> expected = {4, 20, 16, 16, 16, 16};
    for (std::size_t c = 0; c < expected.size(); ++c)
        EXPECT_EQ(std::floor(widths.value(QString::number(c + 1)).toDouble()), expected[c]);
    EXPECT_FALSE(widths.contains(QStringLiteral("7")));
    EXPECT_FALSE(widths.contains(QStringLiteral("8")));
}

TEST_F(NumberFiles, ExportThenImportRestoresNumbersPeriodsAndAlwaysButNotDelete) {
    FillList();
    const std::vector<QString> exported = Take();
    const QString path = Exported(QStringLiteral("telinf_R2015-03-06_15-01-01"));
    form->Controls().clearNumbersButton->click(); // clears the list
    Entry(500, {"stale", "2000/01/01", "00:00", "2000/01/02", "00:00", "no", "yes"});

    Import(path);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].mode, FileRequest::Mode::Open);
    EXPECT_EQ(requests[1].filter, QStringLiteral("EXCEL file|*.xls;*.xlsx;*.ods|(*.*)|*.*"));
    EXPECT_EQ(StatusText(), QStringLiteral("Import.xls"));
    for (int r = 1; r < kRows; ++r) {
        for (int c = 0; c <= kAlways; ++c)
            ASSERT_EQ(Grid().Cells(c, r), exported[std::size_t(r * kCols + c)]) << c << "," << r;
    }
    EXPECT_EQ(Grid().Cells(kDelete, 3), QStringLiteral("no"));    // exported "yes", not read
    EXPECT_EQ(Grid().Cells(kDelete, 500), QStringLiteral("yes")); // left as it was
}

TEST_F(NumberFiles, WrongRowsAreListedAndNothingChanges) {
    for (const int row : {4, 9, 15, 16, 40})
        Entry(row, {"+1555", "2015/3/6", "08:30", "2016/12/31", "23:59", "no", "no"});
    const QString path = Exported(QStringLiteral("wrong.xlsx"));
    FillList();
    const std::vector<QString> before = Take();

    Import(path, 1);
    EXPECT_EQ(LastMessage(),
              QStringLiteral("Wrong information on the profile,please correct it and then import "
                             "again,error:5\rSerial: 4,9,15,...."));
    EXPECT_TRUE(Take() == before);

    // Right in form, but a number the device cannot hold: refused as Save refuses it.
    form->Controls().clearNumbersButton->click();
    Entry(9, {"ABC", "2015/03/06", "08:30", "2016/12/31", "23:59", "no", "no"});
    const QString letters = Exported(QStringLiteral("letters.xlsx"));
    form->Controls().clearNumbersButton->click();
    FillList();
    const std::vector<QString> beforeLetters = Take();
    Import(letters, 1);
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Wrong number, date or time:")))
        << LastMessage().toStdString();
    EXPECT_TRUE(LastMessage().endsWith(QStringLiteral("Total:1\rWrong serial number:9")));
    EXPECT_TRUE(Take() == beforeLetters);
}

TEST_F(NumberFiles, RefusedFilesChangeNothing) {
    FillList();
    const QString good = Exported(QStringLiteral("good.xlsx"));
    gsm::Workbook book;
    ASSERT_TRUE(book.Open(good));
    book.SetCell(1, 1, QStringLiteral("Serial "));
    const QString wrongHeader = PathOf(QStringLiteral("header.xlsx"));
    ASSERT_TRUE(book.SaveAs(wrongHeader));
    book.SetCell(1, 1, QStringLiteral("Items"));
    const QString profile = PathOf(QStringLiteral("profile.xlsx"));
    ASSERT_TRUE(book.SaveAs(profile));
    // A list with a note far below its last row.
    const QString outside = PathOf(QStringLiteral("outside.xlsx"));
    book.SetCell(1, 1, QStringLiteral("Serial"));
    book.SetCell(2003, 1, QStringLiteral("x"));
    ASSERT_TRUE(book.SaveAs(outside));
    const QString damaged = PathOf(QStringLiteral("damaged.xlsx"));
    QFile cut(damaged);
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(ReadFile(good).left(700));
    cut.close();
    Entry(7, {"current", "", "", "", "", "yes", "no"});
    const std::vector<QString> before = Take();

    // Calc's own file, cut short, and with a repeat count that would fill
    // millions of cells.
    const QString cutOds = PathOf(QStringLiteral("cut.ods"));
    QFile cutCalc(cutOds);
    ASSERT_TRUE(cutCalc.open(QIODevice::WriteOnly));
    cutCalc.write(
        ReadFile(QDir(TestDataDir()).filePath(QStringLiteral("numberlist-calc.ods"))).left(4000));
    cutCalc.close();
    const QString hugeOds = PathOf(QStringLiteral("huge.ods"));
    RunWorkbookTool({QStringLiteral("damaged-ods"), QStringLiteral("ods-huge-repeat"), hugeOds});

    Import(wrongHeader, 1);
    EXPECT_EQ(LastMessage(), QStringLiteral("Wrong format of the setting profile"));
    Import(profile, 1);
    EXPECT_EQ(LastMessage(), QStringLiteral("\"%1\" is a settings profile (A1 \"Items\"), not a "
                                            "number list (A1 \"Serial\").")
                                 .arg(QDir::toNativeSeparators(profile)));
    for (const QString& path : {damaged, cutOds, hugeOds, outside}) {
        Import(path, 1);
        EXPECT_TRUE(LastMessage().startsWith(
            QStringLiteral("Cannot open \"%1\": ").arg(QDir::toNativeSeparators(path))))
            << LastMessage().toStdString();
    }
    EXPECT_TRUE(form->NumberListFiles().ExportNumberListXls().isEmpty()); // cancelled
    EXPECT_FALSE(form->NumberListFiles().ImportNumberListXls());          // cancelled
    EXPECT_TRUE(Take() == before);
}

// Files written by openpyxl and by LibreOffice Calc (.xlsx, .ods and legacy .xls):
// numbers, dates and times stored as values come back in the grid's forms.
TEST_F(NumberFiles, ImportsListsWrittenByOtherPrograms) {
    const QString openpyxl = PathOf(QStringLiteral("openpyxl.xlsx"));
    RunWorkbookTool({QStringLiteral("numberlist"), openpyxl});
    Import(openpyxl);
    EXPECT_EQ(Grid().Cells(kNumber, 2), QStringLiteral("13800138000"));
    EXPECT_EQ(Grid().Cells(kStartDate, 2), QStringLiteral("2015/03/07"));
    EXPECT_EQ(Grid().Cells(kStartTime, 2), QStringLiteral("08:30"));
    EXPECT_EQ(Grid().Cells(kEndTime, 2), QStringLiteral("23:59"));
    EXPECT_EQ(Grid().Cells(kNumber, 3), QStringLiteral("0123"));
    EXPECT_EQ(Grid().Cells(kAlways, 3), QStringLiteral("yes"));
    EXPECT_EQ(Grid().Cells(kAlways, 1000), QStringLiteral("yes"));
    EXPECT_EQ(Grid().Cells(kDelete, 1000), QStringLiteral("no"));

    for (const char* name :
         {"numberlist-calc.xlsx", "numberlist-calc.ods", "numberlist-calc.xls"}) {
        SCOPED_TRACE(name);
        form->Controls().clearNumbersButton->click();
        Import(QDir(TestDataDir()).filePath(QString::fromLatin1(name)));
        EXPECT_EQ(Grid().Cells(kNumber, 1), QStringLiteral("+15555550100"));
        EXPECT_EQ(Grid().Cells(kStartDate, 1), QStringLiteral("2015/03/06"));
        EXPECT_EQ(Grid().Cells(kNumber, 2), QStringLiteral("0123"));
        EXPECT_EQ(Grid().Cells(kAlways, 2), QStringLiteral("yes"));
        EXPECT_EQ(Grid().Cells(kStartDate, 3), QStringLiteral("2015/03/07"));
        EXPECT_EQ(Grid().Cells(kStartTime, 3), QStringLiteral("08:30"));
        EXPECT_EQ(Grid().Cells(kEndDate, 3), QStringLiteral("2015/12/31"));
        EXPECT_EQ(Grid().Cells(kEndTime, 3), QStringLiteral("23:59"));
        EXPECT_EQ(Grid().Cells(kAlways, 4), QStringLiteral("no"));
    }
}

TEST_F(NumberFiles, CsvExportWritesEveryEntryIntoTheConfigurationFolder) {
    FillList();
    Grid().SetCells(kNumber, 4, QStringLiteral("+1,555"));
    const QString path = form->NumberListFiles().ExportNumberListCsv();
    ASSERT_FALSE(path.isEmpty());
    const QFileInfo info(path);
    EXPECT_EQ(info.absolutePath(), ConfigurationFolder());
    EXPECT_TRUE(QRegularExpression(QStringLiteral(R"(^telinf_CSV\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d$)"))
                    .match(info.fileName())
                    .hasMatch())
        << info.fileName().toStdString();
    const QByteArray text = ReadFile(path);
    QFile::remove(path);
    const QList<QByteArray> lines = text.split('\n');
    ASSERT_EQ(lines.size(), 1001); // the last line ends too
    EXPECT_TRUE(lines.back().isEmpty());
    EXPECT_EQ(lines[0], "1,+15555550100,2015/03/05,08:30,2015-03-07,23:59,no,no,,\r");
    EXPECT_EQ(lines[3], "4,\"+1,555\",,,,,no,no,,\r");
    EXPECT_EQ(lines[4], "5,,,,,,no,no,,\r");
    EXPECT_EQ(lines[999], "1000,1000,,,,,yes,yes,,\r");
    EXPECT_EQ(StatusText(), QStringLiteral("Export.csv:999/1000"));
    EXPECT_TRUE(answers.SeenBoxes().empty());
}

} // namespace
