#include "history/HistoryFilter.h"
#include "HistoryFakes.h"

#include <gtest/gtest.h>

namespace gsm::history {
namespace {

using namespace test;

HistoryPeriod Period(CalendarDate startDate, ClockTime startTime, CalendarDate endDate,
                     ClockTime endTime) {
    return {startDate, startTime, endDate, endTime};
}

class HistoryFilterTest : public ::testing::Test {
protected:
    TableGrid grid = EmptyHistoryGrid();
    FakeStatus status;
    int rows = 0;

    // Appends a record row; `tag` goes to "Content" to tell rows apart.
    void Add(const std::string& date, const std::string& time, const std::string& tag,
             const std::string& number = "1") {
        WriteRow(grid, ++rows, RowTexts{number, date, time, "SMS", "Arm", "", tag});
    }
    std::vector<std::string> Tags() const {
        std::vector<std::string> tags;
        for (int r = 1; r <= kRecordRows && !grid.Cell(col::kNo, r).empty(); ++r)
            tags.push_back(grid.Cell(col::kContent, r));
        return tags;
    }
    FilterOutcome Run(const HistoryPeriod& period) { return FilterHistory(grid, period, status); }
    void ExpectUnchanged(const TableGrid& before) const {
        for (int r = 0; r <= kRecordRows; ++r)
            for (int c = 0; c < kColumns; ++c)
                ASSERT_EQ(grid.Cell(c, r), before.Cell(c, r)) << c << "," << r;
    }
};

TEST_F(HistoryFilterTest, PeriodMustEndAfterItStarts) {
    Add("2015-03-05", "10:00:00", "a");
    const TableGrid before = grid;
    const FilterOutcome same = Run(Period({2015, 3, 3}, {12, 0, 0}, {2015, 3, 3}, {12, 0, 0}));
    EXPECT_EQ(same.result, FilterResult::TimeSelectionError);
    EXPECT_EQ(same.message, "Time selection error");
    EXPECT_TRUE(status.texts.empty());
    EXPECT_EQ(Run(Period({2015, 3, 4}, {0, 0, 0}, {2015, 3, 3}, {23, 0, 0})).result,
              FilterResult::TimeSelectionError);
    // A later date wins whatever the times say.
    EXPECT_TRUE(IsValidPeriod(Period({2015, 3, 3}, {23, 0, 0}, {2015, 3, 4}, {1, 0, 0})));
    EXPECT_FALSE(IsValidPeriod(Period({2015, 3, 3}, {1, 0, 0}, {2015, 3, 3}, {0, 59, 59})));
    ExpectUnchanged(before);
}

TEST_F(HistoryFilterTest, OneDayPeriodExcludesBothBounds) {
    Add("2015-03-03", "00:00:00", "at start");
    Add("2015-03-03", "00:00:01", "just after");
    Add("2015-03-03", "11:59:59", "just before end");
    Add("2015-03-03", "12:00:00", "at end");
    Add("2015-03-02", "06:00:00", "day before");
    Add("2015-03-04", "06:00:00", "day after");
    const FilterOutcome out = Run(Period({2015, 3, 3}, {0, 0, 0}, {2015, 3, 3}, {12, 0, 0}));
    EXPECT_EQ(out.result, FilterResult::Filtered);
    EXPECT_EQ(out.matches, 2);
    EXPECT_EQ(Tags(), (std::vector<std::string>{"just after", "just before end"}));
}

TEST_F(HistoryFilterTest, EndDateCountsUpToTheEndTimeAndStartDateFromTheStartTime) {
    Add("2015-03-10", "08:59:59", "end day before end time");
    Add("2015-03-10", "09:00:00", "end day at end time");
    Add("2015-03-01", "18:00:00", "start day at start time");
    Add("2015-03-01", "18:00:01", "start day after start time");
    Add("2015-03-05", "23:59:59", "between");
    Run(Period({2015, 3, 1}, {18, 0, 0}, {2015, 3, 10}, {9, 0, 0}));
    EXPECT_EQ(Tags(), (std::vector<std::string>{"start day after start time", "between",
                                                "end day before end time"}));
}

TEST_F(HistoryFilterTest, SortsByDateThenTimeKeepingGridOrderForEqualStamps) {
    Add("2015-03-07", "10:00:00", "07 10h");
    Add("2015-03-05", "23:00:00", "05 23h");
    Add("2015-03-07", "09:00:00", "07 09h first");
    Add("2015-03-07", "09:00:00", "07 09h second");
    Add("2015-03-07", "09:00:00", "07 09h third");
    Run(Period({2015, 3, 3}, {0, 0, 0}, {2015, 3, 8}, {0, 0, 0}));
    EXPECT_EQ(Tags(), (std::vector<std::string>{"05 23h", "07 09h first", "07 09h second",
                                                "07 09h third", "07 10h"}));
    EXPECT_EQ(grid.Cell(col::kSerial, 1), "1");
    EXPECT_EQ(grid.Cell(col::kNo, 6), "");
}

TEST_F(HistoryFilterTest, RowsWithoutNumberDateOrTimeOrMarkedInvalidAreNoCandidates) {
    Add("2015-03-05", "10:00:00", "no number", "");
    Add("2015-03-05", "10:00:01", "invalid number", "Invalid");
    Add("", "10:00:02", "no date");
    Add("2015-03-05", "Invalid", "invalid time");
    Add("2015-03-05", "10:00:04", "good");
    const FilterOutcome out = Run(Period({2015, 3, 3}, {0, 0, 0}, {2015, 3, 8}, {0, 0, 0}));
    EXPECT_EQ(out.result, FilterResult::Filtered);
    EXPECT_EQ(Tags(), (std::vector<std::string>{"good"}));
}

TEST_F(HistoryFilterTest, NullDateOrTimeReadsAsZero) {
    Add("null", "10:00:00", "null date");
    Add("2015-03-05", "null", "midnight");
    // Year 0 lies before any period; midnight is the start time itself.
    EXPECT_EQ(Run(Period({2015, 3, 5}, {0, 0, 0}, {2015, 3, 6}, {0, 0, 0})).result,
              FilterResult::NoRecords);
    EXPECT_EQ(StampOfRow("null", "null"), (Stamp{0, 0}));
    EXPECT_EQ(StampOfRow("2015-03-07", "09:05:00"), (Stamp{20150307, 90500}));
}

TEST_F(HistoryFilterTest, EmptyGridHasNoCorrectRecords) {
    const FilterOutcome out = Run(Period({2015, 3, 3}, {0, 0, 0}, {2016, 1, 1}, {0, 0, 0}));
    EXPECT_EQ(out.result, FilterResult::NoCorrectRecords);
    EXPECT_EQ(out.message, "No correct records");
    EXPECT_EQ(status.Last(), "Records:0");
}

TEST_F(HistoryFilterTest, NothingInsideLeavesTheGridAsItWas) {
    Add("2014-01-01", "10:00:00", "b");
    Add("2013-01-01", "10:00:00", "a");
    const TableGrid before = grid;
    const FilterOutcome out = Run(Period({2015, 3, 3}, {0, 0, 0}, {2016, 1, 1}, {0, 0, 0}));
    EXPECT_EQ(out.result, FilterResult::NoRecords);
    EXPECT_EQ(out.message, "No records");
    ExpectUnchanged(before);
}

TEST_F(HistoryFilterTest, PeriodAcrossTheCenturyUsesFourDigitYears) {
    Add("2100-01-01", "00:00:01", "new century, too late");
    Add("2099-12-31", "23:59:59", "last second");
    Add("2099-12-31", "12:00:00", "noon");
    Add("2000-12-31", "12:00:00", "a century early");
    const FilterOutcome out = Run(Period({2099, 12, 31}, {0, 0, 0}, {2100, 1, 1}, {0, 0, 0}));
    EXPECT_EQ(out.result, FilterResult::Filtered);
    EXPECT_EQ(Tags(), (std::vector<std::string>{"noon", "last second"}));
}

TEST_F(HistoryFilterTest, SecondFilterWorksOnTheFirstOnesResult) {
    Add("2015-03-05", "10:00:00", "inside both");
    Add("2015-06-05", "10:00:00", "only in the wide period");
    Run(Period({2015, 3, 1}, {0, 0, 0}, {2015, 4, 1}, {0, 0, 0}));
    Run(Period({2015, 1, 1}, {0, 0, 0}, {2015, 12, 1}, {0, 0, 0}));
    EXPECT_EQ(Tags(), (std::vector<std::string>{"inside both"}));
}

TEST_F(HistoryFilterTest, TextThatIsNotANumberStopsTheFilterAndChangesNothing) {
    Add("2015-03-05", "10:00:00", "fine");
    Add("2015-0x-05", "10:00:00", "hand edited");
    const TableGrid before = grid;
    const FilterOutcome out = Run(Period({2015, 3, 1}, {0, 0, 0}, {2015, 4, 1}, {0, 0, 0}));
    EXPECT_EQ(out.result, FilterResult::BadKey);
    EXPECT_EQ(out.message, "'0x' is not a valid integer value");
    ExpectUnchanged(before);
    EXPECT_THROW(StampOfRow("2015-03-05", "9"), KeyError);
}

TEST_F(HistoryFilterTest, StatusTextsFollowThePhases) {
    Add("2015-03-05", "10:00:00", "a");
    Add("2015-03-06", "10:00:00", "b");
    Add("2016-03-06", "10:00:00", "outside");
    Run(Period({2015, 3, 1}, {0, 0, 0}, {2015, 4, 1}, {0, 0, 0}));
    ASSERT_EQ(status.texts.size(), 1u + 1000u + 3u + 3u + 1u + 2u);
    EXPECT_EQ(status.texts.front(), "Ready to order");
    EXPECT_EQ(status.texts[1], "Records:1");
    EXPECT_EQ(status.texts[1000], "Records:3");
    // Each candidate is searched, then each is examined again while the
    // matches are loaded; each match written reports "Records".
    const std::vector<std::string> tail(status.texts.begin() + 1001, status.texts.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"Search", "Search", "Search", "Loading", "Loading",
                                              "Loading", "Sort date", "Records", "Records"}));
}

} // namespace
} // namespace gsm::history
