#include "numbers/NumberValidation.h"
#include "numbers/NumberGrid.h"

#include <gtest/gtest.h>

using namespace gsm;
using namespace gsm::numbers;

namespace {

const std::string kLead = "Wrong operation:please select \"Always\" or setting the Start-End date "
                          "and time.Total:";

TableGrid GridWithNumbersWithoutPeriod(std::initializer_list<int> rows) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    for (int r : rows)
        grid.SetCell(col::kNumber, r, "+15555550100");
    return grid;
}

} // namespace

TEST(NumberValidation, MessageNamesTotalAndFirstThreeSerials) {
    TableGrid grid = GridWithNumbersWithoutPeriod({3, 7, 9, 12, 20});
    const auto wrong = RowsWithoutPeriod(grid);
    EXPECT_EQ(MissingPeriodMessage(wrong), kLead + "5\rWrong serial number:3,7,9,....");

    EXPECT_EQ(MissingPeriodMessage({"3"}), kLead + "1\rWrong serial number:3");
    EXPECT_EQ(MissingPeriodMessage({"3", "7"}), kLead + "2\rWrong serial number:3,7");
    EXPECT_EQ(MissingPeriodMessage({"3", "7", "9"}), kLead + "3\rWrong serial number:3,7,9");
}

TEST(NumberValidation, OnlyNumberedUnmarkedRowsNeedTheWholePeriod) {
    TableGrid grid = GridWithNumbersWithoutPeriod({1, 2, 3, 4, 5});
    for (int r = 1; r <= 5; ++r) {
        grid.SetCell(col::kStartDate, r, "2015/03/05");
        grid.SetCell(col::kStartTime, r, "08:30");
        grid.SetCell(col::kEndDate, r, "2016/12/31");
    }
    grid.SetCell(col::kAlways, 2, kYes);
    grid.SetCell(col::kDelete, 3, kYes);
    grid.SetCell(col::kNumber, 4, "");
    // Only "yes" erases, so this row would be saved as a number with no period.
    grid.SetCell(col::kDelete, 5, "maybe");
    EXPECT_EQ(RowsWithoutPeriod(grid), (std::vector<std::string>{"1", "5"}));

    grid.SetCell(col::kEndTime, 1, "23:59");
    grid.SetCell(col::kEndTime, 5, "23:59");
    EXPECT_TRUE(RowsWithoutPeriod(grid).empty());

    // Only emptiness counts here; the form is checked when the list is encoded.
    grid.SetCell(col::kEndTime, 1, "nonsense");
    EXPECT_TRUE(RowsWithoutPeriod(grid).empty());
}

TEST(NumberValidation, WrongCellsMessageListsSerialsTheSameWay) {
    const std::string m = WrongCellsMessage({"900", "901", "902", "903"});
    EXPECT_NE(m.find("Total:4\rWrong serial number:900,901,902,...."), std::string::npos);
}
