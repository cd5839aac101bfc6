#include "numbers/NumberGrid.h"
#include "numbers/PeriodText.h"

#include <gtest/gtest.h>

using namespace gsm;
using namespace gsm::numbers;

TEST(NumberGrid, StartsWithHeadersSerialsAndUnsetMarks) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    EXPECT_EQ(grid.Cell(col::kStartTime, 0), "Start Time ");
    EXPECT_EQ(grid.Cell(col::kDelete, 0), "Delete(V)");
    EXPECT_EQ(grid.Cell(col::kSerial, 1000), "1000");
    EXPECT_EQ(grid.Cell(col::kAlways, 1000), "no");
    EXPECT_EQ(grid.Cell(col::kDelete, 1), "no");
    EXPECT_EQ(grid.Cell(col::kNumber, 1), "");
}

TEST(NumberGrid, SettingAMarkEmptiesThePeriodClearingItKeepsIt) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    grid.SetCell(col::kStartDate, 4, "2015/03/05");
    grid.SetCell(col::kEndTime, 4, "23:59");
    EXPECT_TRUE(ToggleMark(grid, col::kDelete, 4));
    EXPECT_EQ(grid.Cell(col::kDelete, 4), "yes");
    EXPECT_EQ(grid.Cell(col::kStartDate, 4), "");
    EXPECT_EQ(grid.Cell(col::kEndTime, 4), "");

    grid.SetCell(col::kStartDate, 4, "2015/03/05");
    EXPECT_FALSE(ToggleMark(grid, col::kDelete, 4));
    EXPECT_EQ(grid.Cell(col::kDelete, 4), "no");
    EXPECT_EQ(grid.Cell(col::kStartDate, 4), "2015/03/05");

    // Any text but "yes" counts as unset.
    grid.SetCell(col::kAlways, 5, "YES");
    EXPECT_TRUE(ToggleMark(grid, col::kAlways, 5));
    EXPECT_EQ(grid.Cell(col::kAlways, 5), "yes");
}

TEST(NumberGrid, ClearingKeepsSerials) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    grid.SetCell(col::kNumber, 7, "+1");
    grid.SetCell(col::kEndDate, 7, "2015/01/01");
    SetAllMarks(grid, col::kAlways, true);
    ClearNumberList(grid);
    EXPECT_EQ(grid.Cell(col::kSerial, 7), "7");
    EXPECT_EQ(grid.Cell(col::kNumber, 7), "");
    EXPECT_EQ(grid.Cell(col::kEndDate, 7), "");
    EXPECT_EQ(grid.Cell(col::kAlways, 7), "no");
    EXPECT_EQ(grid.Cell(col::kSerial, 0), "Serial");
}

TEST(PeriodText, RangeMarking) {
    const struct {
        int col;
        const char* text;
        bool inRange;
    } cases[] = {
        {col::kStartDate, "2015/13/05", false},
        {col::kStartDate, "2015/12/31", true},
        {col::kStartDate, "2015/00/00", true},
        {col::kEndDate, "2015/12/32", false},
        {col::kEndDate, "20123-05-06", false},
        {col::kEndDate, "abc", false},
        {col::kStartTime, "24:00", false},
        {col::kStartTime, "23:59", true},
        {col::kEndTime, "23:60", false},
        {col::kEndTime, "8:30", false},
        {col::kEndTime, "", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PeriodCellInRange(c.col, c.text), c.inRange) << c.text;
}

TEST(PeriodText, PickerTakesOnlyRealDatesAndTimes) {
    const auto date = PickerDate("2016-02-29");
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 2016);
    EXPECT_EQ(date->month, 2);
    EXPECT_EQ(date->day, 29);
    EXPECT_FALSE(PickerDate("2015/02/29"));
    EXPECT_FALSE(PickerDate("2015/13/01"));
    EXPECT_FALSE(PickerDate(""));
    // Positions count characters, so a wide separator does not shift the parts.
    EXPECT_TRUE(PickerDate("2015年03月05"));

    const auto time = PickerTime("23:59");
    ASSERT_TRUE(time);
    EXPECT_EQ(time->hour, 23);
    EXPECT_EQ(time->minute, 59);
    EXPECT_FALSE(PickerTime("24:00"));
    EXPECT_FALSE(PickerTime("8:30"));
}

TEST(PeriodText, CellTexts) {
    EXPECT_EQ(PickerDateText({2015, 3, 6}), "2015/03/06");
    EXPECT_EQ(PickerTimeText({8, 5}), "08:05");
    EXPECT_EQ(DeviceDateText({123, 5, 6}), "20123-05-06");
    EXPECT_EQ(DeviceTimeText({0, 0}), "00:00");
}
