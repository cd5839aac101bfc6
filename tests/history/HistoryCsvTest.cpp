#include "history/HistoryCsv.h"
#include "HistoryFakes.h"

#include <gtest/gtest.h>

namespace gsm::history {
namespace {

using namespace test;

struct CsvRun {
    FakeStatus status;
    std::vector<std::uint16_t> progress;
    std::vector<std::string> lines;

    explicit CsvRun(const IGrid& grid) {
        lines = HistoryCsvLines(grid, status, [this](std::uint16_t p) { progress.push_back(p); });
    }
};

TEST(HistoryCsvTest, RecordRowsBecomeLinesEndingInTwoCommas) {
    TableGrid grid = EmptyHistoryGrid();
    WriteRow(grid, 1,
             RowTexts{"7", "2015-03-07", "09:05:00", "Telephone", "Relay ON", "+8613800001111",
                      "Gate opened"});
    WriteRow(grid, 2, RowTexts{"", "2015-03-08", "x", "", "", "", "no number: left out"});
    WriteRow(grid, 1000, RowTexts{"8", "", "", "", "", "", ""});
    const CsvRun run(grid);
    EXPECT_EQ(run.lines,
              (std::vector<std::string>{"1,7,2015-03-07,09:05:00,Telephone,Relay ON,+8613800001111,"
                                        "Gate opened,,",
                                        "1000,8,,,,,,,,"}));
    EXPECT_EQ(gsm::JoinCsvLines(run.lines),
              "1,7,2015-03-07,09:05:00,Telephone,Relay ON,+8613800001111,Gate opened,,\r\n"
              "1000,8,,,,,,,,\r\n");
    EXPECT_EQ(run.progress, (std::vector<std::uint16_t>{0, 99}));
    EXPECT_EQ(run.status.texts,
              (std::vector<std::string>{"Export.csv:0/1000", "Export.csv:999/1000"}));
}

TEST(HistoryCsvTest, EmptyGridGivesEmptyFile) {
    const TableGrid grid = EmptyHistoryGrid();
    const CsvRun run(grid);
    EXPECT_TRUE(run.lines.empty());
    EXPECT_EQ(gsm::JoinCsvLines(run.lines), "");
}

TEST(HistoryCsvTest, FieldsWithCommasQuotesOrLineBreaksAreQuoted) {
    EXPECT_EQ(CsvField("plain text; ok"), "plain text; ok");
    EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
    EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvField("cr\r"), "\"cr\r\"");
    TableGrid grid = EmptyHistoryGrid();
    WriteRow(grid, 3,
             RowTexts{"9", "2015-03-07", "09:05:00", "SMS", "Arm", "", "open, then close"});
    EXPECT_EQ(CsvRun(grid).lines.at(0), "3,9,2015-03-07,09:05:00,SMS,Arm,,\"open, then close\",,");
}

TEST(HistoryCsvTest, FileNameCarriesTheLocalTime) {
    std::tm t{};
    t.tm_year = 2016 - 1900;
    t.tm_mon = 4;
    t.tm_mday = 4;
    t.tm_hour = 13;
    t.tm_min = 7;
    t.tm_sec = 22;
    EXPECT_EQ(gsm::TimestampedName(kCsvFilePrefix, t), "hisinf_CSV2016-05-04_13-07-22");
    EXPECT_EQ(gsm::TimestampedName(kXlsFilePrefix, t), "hisinf_R2016-05-04_13-07-22");
}

} // namespace
} // namespace gsm::history
