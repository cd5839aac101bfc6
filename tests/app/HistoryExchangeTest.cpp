// The history workbook through the window: "Export.XLS" read by openpyxl, and
// the hidden load button that reads such a workbook back into the grid.

#include "ExchangeFixture.h"

#include "app/files/ConfigurationFolder.h"
#include "app/files/HistoryFiles.h"
#include "app/widgets/StatusBar.h"

#include <QDir>
#include <QRegularExpression>

#include <cmath>

using namespace gsm::test;

namespace {

constexpr int kRows = 1001, kCols = 8;

class HistoryExchange : public ExchangeFixture {
protected:
    StringGrid& Grid() { return *form->Controls().historyGrid; }

    void PutRow(int row, const QStringList& texts) { FillRow(Grid(), row, texts); }
    void FillHistory() {
        PutRow(1, {"7", "2015-03-07", "09:05:00", "Telephone", "Relay ON", "+15555550100", "Open"});
        PutRow(2, {"", "2015-03-08", "", "", "", "", "no number"});
        PutRow(3, {"0012", "2015-03-09", "23:59:59", "SMS", "Arm", "", "a, \"b\""});
        PutRow(1000, {"999", "2099-12-31", "00:00:00", "DIN1", "Alarm", "", "中文"});
    }
    std::vector<QString> Take() { return AllCells(Grid()); }
    QString Exported(const QString& name) {
        const QString path = PathOf(name);
        Pick(path);
        Click(form->Controls().exportHistoryXlsButton);
        return path;
    }
};

TEST_F(HistoryExchange, ExportWritesEveryCellAsTextWithTheColumnWidths) {
    FillHistory();
    const QString path = Exported(QStringLiteral("history.xlsx"));
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].folder, ConfigurationFolder());
    EXPECT_EQ(requests[0].filter, QStringLiteral("EXCEL file|*.xlsx;*.xls|(*.*)|*.*"));
    EXPECT_TRUE(
        QRegularExpression(QStringLiteral(R"(^hisinf_R\d{4}-\d\d-\d\d_\d\d-\d\d-\d\d\.xlsx$)"))
            .match(requests[0].proposedName)
            .hasMatch());
    EXPECT_EQ(form->Controls().statusPanels->PanelText(kStatusPanelText),
              QStringLiteral("historical information records:1000/1000"));

    const QJsonObject dump = DumpWithOpenpyxl(path);
    const QJsonObject cells = CellsOf(dump);
    for (int r = 0; r < kRows; ++r) {
        for (int c = 0; c < kCols; ++c) {
            const QString name = CellName(c + 1, r + 1);
            const QJsonObject cell = cells.value(name).toObject();
            const QString text = Grid().Cells(c, r);
            ASSERT_EQ(cell.value(QStringLiteral("format")).toString(), QStringLiteral("@"))
                << name.toStdString();
            if (text.isEmpty())
                ASSERT_TRUE(cell.value(QStringLiteral("value")).isNull()) << name.toStdString();
            else
                ASSERT_EQ(cell.value(QStringLiteral("value")).toString(), text)
                    << name.toStdString();
        }
    }
    // A date stays the text it was, not a date value.
    EXPECT_EQ(cells.value(QStringLiteral("C2")).toObject().value(QStringLiteral("type")),
              QStringLiteral("s"));
    EXPECT_EQ(cells.value(QStringLiteral("H1")).toObject().value(QStringLiteral("value")),
              QStringLiteral("Content"));
    const QJsonObject widths = dump.value(QStringLiteral("widths")).toObject();
    const std::array<double, kCols> expected = {5, 16, 13, 13, 16, 16, 22, 22};
    for (std::size_t c = 0; c < expected.size(); ++c)
        EXPECT_EQ(std::floor(widths.value(QString::number(c + 1)).toDouble()), expected[c]);
}

TEST_F(HistoryExchange, HiddenLoadRestoresAnExportedGrid) {
    FillHistory();
    const std::vector<QString> exported = Take();
    const QString path = Exported(QStringLiteral("hisinf_R2016-05-04_13-07-22"));
    form->Controls().clearHistoryButton->click(); // clears the grid
    Grid().SetCells(0, 5, QStringLiteral("row number kept"));

    Pick(path);
    Click(form->Controls().loadHistoryButton);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].mode, FileRequest::Mode::Open);
    EXPECT_TRUE(requests[1].folder.isEmpty());
    EXPECT_TRUE(requests[1].filter.isEmpty());
    for (int r = 1; r < kRows; ++r)
        for (int c = 1; c < kCols; ++c)
            ASSERT_EQ(Grid().Cells(c, r), exported[std::size_t(r * kCols + c)]) << c << "," << r;
    EXPECT_EQ(Grid().Cells(0, 5), QStringLiteral("row number kept")); // column 0 is not read
}

TEST_F(HistoryExchange, CancelledOrUnreadableFilesChangeNothing) {
    FillHistory();
    const std::vector<QString> before = Take();
    EXPECT_TRUE(form->HistoryExports().ExportHistoryXls().isEmpty());
    EXPECT_FALSE(form->HistoryExports().LoadHistoryXls());

    const QString notWorkbook = PathOf(QStringLiteral("history.csv"));
    QFile file(notWorkbook);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1,7,2015-03-07\r\n");
    file.close();
    Pick(notWorkbook);
    Click(form->Controls().loadHistoryButton, 1);
    EXPECT_TRUE(LastMessage().startsWith(QStringLiteral("Cannot open")));
    EXPECT_TRUE(Take() == before);
    EXPECT_EQ(QDir(PathOf(QString())).entryList(QDir::Files), QStringList{"history.csv"});
}

} // namespace
