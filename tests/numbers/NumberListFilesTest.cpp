// Number list files: the form checks of an import, its message, the import
// itself, and the CSV lines.

#include "numbers/NumberListFiles.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberValidation.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

using namespace gsm;
using namespace gsm::numbers;

namespace {

class RecordingStatus : public IStatusSink {
public:
    void ShowStatus(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// A sheet as an import reads it; cells hold the same value and shown text
// unless set apart.
struct SheetCells {
    TableGrid values{kColumnCount, kRowCount};
    TableGrid shown{kColumnCount, kRowCount};

    SheetCells() {
        for (int c = 0; c < kColumnCount; ++c)
            Set(c, 0, kHeaders[static_cast<std::size_t>(c)]);
    }
    void Set(int c, int row, const std::string& text) {
        values.SetCell(c, row, text);
        shown.SetCell(c, row, text);
    }
    void Entry(int row, const std::string& number, const std::string& startDate,
               const std::string& startTime, const std::string& endDate, const std::string& endTime,
               const std::string& always = kNo, const std::string& del = kNo) {
        const std::string texts[] = {
            std::to_string(row), number, startDate, startTime, endDate, endTime, always, del};
        for (int c = 0; c < kColumnCount; ++c)
            Set(c, row, texts[c]);
    }
    void GoodEntry(int row) {
        Entry(row, "+15555550100", "2015/03/06", "08:30", "2016/12/31", "23:59");
    }
    ListSheet View() const { return {values, shown}; }
};

TEST(NumberListImportCheck, PeriodsAreCheckedForFormOnly) {
    SheetCells sheet;
    sheet.GoodEntry(1);
    sheet.Entry(2, "1", "2015-13-45", "99:99", "2015x03y06", "00:00"); // ranges are not checked
    sheet.Entry(3, "1", "2015/3/6", "08:30", "2016/12/31", "23:59");   // 8 characters
    sheet.Entry(4, "1", "2015/03/06", "08:30", "2016/12/31", "");      // empty end time
    sheet.Entry(5, "1", "2015/03/06", "8:30", "2016/12/31", "23:59");  // 4 characters
    sheet.Entry(6, "1", "2015/ab/06", "08:30", "2016/12/31", "23:59"); // month not a number
    sheet.Entry(7, "1", "2015/03/06", "08:30", "20a6/12/31", "23:59"); // year within century
    sheet.Entry(8, "1", "2015/03/06", "0830 ", "2016/12/31", "23:59"); // minutes not a number
    sheet.Entry(9, "1", "2015/-3/+6", "08:30", "2016/12/31", "23:59"); // signed numbers pass
    sheet.Entry(10, "1", "2015/03/06", "08:30", "2016/12/31", "23:5x");
    // Lengths and positions count characters, not UTF-8 bytes.
    sheet.Entry(11, "1", "2015年03月06", "08时30", "2016/12/31", "23:59");
    sheet.Entry(12, "1", "2015/03/06", "08:30", "2016年3月31", "23:59"); // 9 characters
    EXPECT_EQ(WrongImportRows(sheet.View()), (std::vector<int>{3, 4, 5, 6, 7, 8, 10, 12}));
}

TEST(NumberListImportCheck, RowsWithoutNumberOrWithAMarkAreNotChecked) {
    SheetCells sheet;
    sheet.Entry(1, "", "abc", "", "", "");
    sheet.Entry(2, "+1", "abc", "", "", "", "yes");
    sheet.Entry(3, "+1", "abc", "", "", "", "no", "yes");
    sheet.Entry(4, "+1", "abc", "", "", "", "YES");
    // Only the shown text decides the skip.
    sheet.Entry(5, "+1", "abc", "", "", "", "no");
    sheet.shown.SetCell(col::kAlways, 5, "yes");
    sheet.Entry(6, "", "abc", "", "", "");
    sheet.values.SetCell(col::kNumber, 6, "hidden");
    EXPECT_EQ(WrongImportRows(sheet.View()), (std::vector<int>{4}));
}

TEST(NumberListImportCheck, MessageCountsRowsAndNamesTheFirstThree) {
    const std::string head =
        "Wrong information on the profile,please correct it and then import again,error:";
    EXPECT_EQ(WrongRowsMessage({4, 9, 15, 16, 40}), head + "5\rSerial: 4,9,15,....");
    EXPECT_EQ(WrongRowsMessage({4, 9, 15, 16}), head + "4\rSerial: 4,9,15,....");
    EXPECT_EQ(WrongRowsMessage({4, 9, 15}), head + "3\rSerial: 4,9,15");
    EXPECT_EQ(WrongRowsMessage({4, 9}), head + "2\rSerial: 4,9");
    EXPECT_EQ(WrongRowsMessage({1000}), head + "1\rSerial: 1000");

    SheetCells sheet;
    for (const int row : {4, 9, 15, 16, 40})
        sheet.Entry(row, "+1", "", "", "", "");
    EXPECT_EQ(WrongRowsMessage(WrongImportRows(sheet.View())), head + "5\rSerial: 4,9,15,....");
}

TEST(NumberListImport, HeaderMustShowSerial) {
    SheetCells sheet;
    EXPECT_TRUE(IsNumberListSheet(sheet.View()));
    sheet.shown.SetCell(col::kSerial, 0, "Serial ");
    EXPECT_FALSE(IsNumberListSheet(sheet.View()));
    sheet.shown.SetCell(col::kSerial, 0, "Items");
    EXPECT_FALSE(IsNumberListSheet(sheet.View()));
}

TEST(NumberListImport, ReplacesNumbersPeriodsAndAlwaysButNotSerialOrDelete) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    grid.SetCell(col::kNumber, 500, "stale");
    grid.SetCell(col::kStartDate, 500, "2000/01/01");
    grid.SetCell(col::kAlways, 500, kYes);
    grid.SetCell(col::kDelete, 7, kYes);

    SheetCells sheet;
    sheet.GoodEntry(1);
    sheet.Entry(2, "0123", "abc", "", "", "", "yes", "yes");
    sheet.Entry(7, "+1", "", "", "", "", "maybe");
    sheet.Set(col::kSerial, 3, "999");
    RecordingStatus status;
    std::vector<std::uint16_t> percents;
    ImportNumberList(sheet.View(), grid, status, [&](std::uint16_t p) { percents.push_back(p); });

    EXPECT_EQ(grid.Cell(col::kNumber, 1), "+15555550100");
    EXPECT_EQ(grid.Cell(col::kEndTime, 1), "23:59");
    EXPECT_EQ(grid.Cell(col::kStartDate, 2), "abc");
    EXPECT_EQ(grid.Cell(col::kAlways, 2), "yes");
    EXPECT_EQ(grid.Cell(col::kDelete, 2), "no");  // never copied
    EXPECT_EQ(grid.Cell(col::kAlways, 7), "no");  // anything but "yes"
    EXPECT_EQ(grid.Cell(col::kDelete, 7), "yes"); // stays
    EXPECT_EQ(grid.Cell(col::kSerial, 3), "3");   // stays
    EXPECT_EQ(grid.Cell(col::kNumber, 500), "");  // empty in the sheet, empty in the grid
    EXPECT_EQ(grid.Cell(col::kStartDate, 500), "");
    EXPECT_EQ(grid.Cell(col::kAlways, 500), "no");
    ASSERT_EQ(percents.size(), 1000u);
    EXPECT_EQ(percents[0], 0);
    EXPECT_EQ(percents[9], 1);
    EXPECT_EQ(percents.back(), 100);
    ASSERT_EQ(status.texts.size(), 1000u);
    EXPECT_EQ(status.texts.back(), "Import.xls");
}

std::vector<std::string> AllCells(const IGrid& grid) {
    std::vector<std::string> cells;
    for (int row = 0; row < kRowCount; ++row)
        for (int c = 0; c < kColumnCount; ++c)
            cells.push_back(grid.Cell(c, row));
    return cells;
}

TEST(NumberListCheckedImport, RefusesWhatASaveWouldRefuseBeforeTheGridChanges) {
    const struct {
        const char* name;
        std::function<void(SheetCells&)> sheet;
        int gridDeleteRow; // 0: none
        std::optional<std::string> refusal;
    } cases[] = {
        {"letters",
         [](SheetCells& s) { s.Entry(9, "ABC", "2015/03/06", "08:30", "2016/12/31", "23:59"); }, 0,
         WrongCellsMessage({"9"})},
        {"month 13",
         [](SheetCells& s) { s.Entry(9, "+1", "2015/13/05", "08:30", "2016/12/31", "23:59"); }, 0,
         WrongCellsMessage({"9"})},
        {"form before values",
         [](SheetCells& s) {
             s.Entry(9, "ABC", "2015/03/06", "08:30", "2016/12/31", "23:59");
             s.Entry(12, "+1", "2015/3/6", "08:30", "2016/12/31", "23:59");
         },
         0, WrongRowsMessage({12})},
        {"header", [](SheetCells& s) { s.Set(col::kSerial, 0, "Items"); }, 0,
         std::string(kWrongListFormat)},
        // The sheet's Delete mark skips the form check but never reaches the grid...
        {"deleted in the sheet",
         [](SheetCells& s) { s.Entry(9, "+1", "", "", "", "", "no", "yes"); }, 0,
         MissingPeriodMessage({"9"})},
        // ...the grid's own does.
        {"deleted in the grid",
         [](SheetCells& s) { s.Entry(9, "ABC", "", "", "", "", "no", "yes"); }, 9, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TableGrid grid(kColumnCount, kRowCount);
        InitNumberGrid(grid);
        grid.SetCell(col::kNumber, 1, "current");
        grid.SetCell(col::kAlways, 1, kYes);
        if (c.gridDeleteRow)
            grid.SetCell(col::kDelete, c.gridDeleteRow, kYes);
        SheetCells sheet;
        sheet.GoodEntry(2);
        c.sheet(sheet);
        const std::vector<std::string> before = AllCells(grid);
        RecordingStatus status;
        int percents = 0;
        const ImportResult result =
            CheckedImport(sheet.View(), grid, status, [&](std::uint16_t) { ++percents; });
        EXPECT_EQ(result.refusal, c.refusal);
        if (c.refusal) {
            EXPECT_EQ(AllCells(grid), before);
            EXPECT_TRUE(status.texts.empty());
            EXPECT_EQ(percents, 0);
            continue;
        }
        EXPECT_EQ(grid.Cell(col::kNumber, 1), "");
        EXPECT_EQ(grid.Cell(col::kNumber, 2), "+15555550100");
        EXPECT_EQ(grid.Cell(col::kNumber, 9), "ABC");
        ASSERT_EQ(result.entries.size(), static_cast<std::size_t>(kEntryCount));
        EXPECT_TRUE(result.entries[8].erased);
        EXPECT_EQ(result.entries[1].number, "+15555550100");
        EXPECT_EQ(percents, kEntryCount);
    }
}

TEST(NumberListCsv, OneLinePerEntryEndingInTwoCommas) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    const std::string entry12[] = {"+15555550100", "2015/03/06", "08:30", "2016/12/31", "23:59"};
    for (int c = col::kNumber; c <= col::kEndTime; ++c)
        grid.SetCell(c, 12, entry12[c - 1]);
    grid.SetCell(col::kNumber, 13, "+1,555");
    grid.SetCell(col::kNumber, 14, "say \"hi\"");
    grid.SetCell(col::kNumber, 15, "two\nlines");
    RecordingStatus status;
    std::vector<std::uint16_t> percents;
    const std::vector<std::string> lines =
        NumberListCsvLines(grid, status, [&](std::uint16_t p) { percents.push_back(p); });

    ASSERT_EQ(lines.size(), 1000u);
    EXPECT_EQ(lines[0], "1,,,,,,no,no,,");
    EXPECT_EQ(lines[4], "5,,,,,,no,no,,");
    EXPECT_EQ(lines[11], "12,+15555550100,2015/03/06,08:30,2016/12/31,23:59,no,no,,");
    EXPECT_EQ(lines[12], "13,\"+1,555\",,,,,no,no,,");
    EXPECT_EQ(lines[13], "14,\"say \"\"hi\"\"\",,,,,no,no,,");
    EXPECT_EQ(lines[14], "15,\"two\nlines\",,,,,no,no,,");
    EXPECT_EQ(lines[999], "1000,,,,,,no,no,,");
    EXPECT_EQ(percents.back(), 99); // 1000 × 100 / 1001: the bar never completes
    EXPECT_EQ(status.texts.front(), "Export.csv:0/1000");
    EXPECT_EQ(status.texts.back(), "Export.csv:999/1000");
    EXPECT_EQ(gsm::JoinCsvLines({"a", "b"}), "a\r\nb\r\n");
}

} // namespace
