#include "history/HistoryRead.h"
#include "HistoryFakes.h"
#include "history/HistoryEvent.h"

#include "text/CodePage.h"

#include <gtest/gtest.h>

namespace gsm::history {
namespace {

using namespace test;

const CodePage& Latin() {
    static const CodePage cp("CP1252");
    return cp;
}

RowTexts Decode(const RecordBuilder& r) {
    return DecodeHistoryRecord(r.View(), Latin());
}

TEST(HistoryRecordTest, TypicalRecordReadsAsItsRowTexts) {
    const RowTexts row = Decode(Typical(42));
    EXPECT_EQ(row, (RowTexts{"42", "2015-03-07", "09:05:00", "Telephone", "Relay ON",
                             "+8613800001111", "Gate opened"}));
}

TEST(HistoryRecordTest, EmptyRecordGivesEmptyTexts) {
    RecordBuilder r = Typical(42);
    r.Set(record::kYear, 0);
    EXPECT_EQ(Decode(r), RowTexts{});
}

TEST(HistoryRecordTest, RecordNumberIsSignedLittleEndianAndAllOnesMeansNone) {
    EXPECT_EQ(Text(Decode(Typical(0x01020304)), col::kNo), "16909060");
    EXPECT_EQ(Text(Decode(Typical(0x80000000u)), col::kNo), "-2147483648");
    const RowTexts none = Decode(Typical(0xFFFFFFFFu));
    EXPECT_EQ(Text(none, col::kNo), "");
    EXPECT_EQ(Text(none, col::kDate), "2015-03-07");
}

TEST(HistoryRecordTest, UnsetDateOrTimeByteEmptiesThatColumnOnly) {
    RecordBuilder r = Typical(1);
    r.Set(record::kDay, 0xFF).Set(record::kSecond, 0xFF);
    const RowTexts row = Decode(r);
    EXPECT_EQ(Text(row, col::kDate), "");
    EXPECT_EQ(Text(row, col::kTime), "");
    EXPECT_EQ(Text(row, col::kAction), "Relay ON");
    // Values of 100 and more print in full.
    RecordBuilder big = Typical(1);
    big.Date(79, 100, 3).Time(0, 0, 0);
    EXPECT_EQ(Text(Decode(big), col::kDate), "2079-100-03");
    EXPECT_EQ(Text(Decode(big), col::kTime), "00:00:00");
}

TEST(HistoryRecordTest, YearByteGivesTwentyPrefixedYear) {
    EXPECT_EQ(Text(Decode(Typical(1, 80)), col::kDate), "2080-03-07");
    EXPECT_EQ(Text(Decode(Typical(1, 79)), col::kDate), "2079-03-07");
}

TEST(HistoryRecordTest, ExecutantStopsAtFirstByteThatIsNotPlusOrDigit) {
    RecordBuilder r = Typical(1);
    r.Executant(std::string("+861380000111") + '\0' + "99");
    EXPECT_EQ(Text(Decode(r), col::kExecutant), "+861380000111");
    r.Executant("12A34");
    EXPECT_EQ(Text(Decode(r), col::kExecutant), "12");
    r.Executant(std::string(30, '7')); // runs into the content field
    EXPECT_EQ(Text(Decode(r), col::kExecutant), std::string(22, '7'));
}

TEST(HistoryRecordTest, SourceAndActionTables) {
    const char* sources[] = {"COM Port", "SMS", "GPRS", "Telephone", ""};
    for (int code = 0; code < 5; ++code)
        EXPECT_EQ(Text(Decode(Typical(1).Source(code).Action(0)), col::kFrom), sources[code]);
    EXPECT_EQ(Text(Decode(Typical(1).Action(10)), col::kAction), "");
    EXPECT_EQ(Text(Decode(Typical(1).Action(10)), col::kFrom), "Telephone");
}

TEST(HistoryRecordTest, AlarmAndPowerActionsReplaceTheSource) {
    struct Case {
        int action;
        const char* actionText;
        const char* from;
    };
    const Case cases[] = {{4, "DIN1 Alarm", "DIN1"},
                          {5, "DIN2 Alarm", "DIN2"},
                          {6, "Power failure", "Power supply"},
                          {9, "Power recovery", "Power supply"},
                          {7, "Arm", "SMS"},
                          {1, "Delete Number", "SMS"}};
    for (const Case& c : cases) {
        const RowTexts row = Decode(Typical(1).Source(1).Action(c.action));
        EXPECT_EQ(Text(row, col::kAction), c.actionText) << c.action;
        EXPECT_EQ(Text(row, col::kFrom), c.from) << c.action;
    }
}

// The typed event keeps what its row texts fold away: the channel an alarm
// or power action hides, the year as a number, the sign of the record number.
TEST(HistoryEventTest, KeepsTheCodesAndValuesTheRowFoldsAway) {
    RecordBuilder r = Typical(0xFFFFFFFEu, 123, 12, 31);
    r.Source(1).Action(6).Time(23, 59, 0xFF);
    const HistoryEvent event = DecodeHistoryEvent(r.View(), Latin());
    EXPECT_FALSE(event.empty);
    EXPECT_EQ(event.recordNumber, -2);
    EXPECT_EQ(event.date, (EventDate{2123, 12, 31}));
    EXPECT_EQ(event.time, std::nullopt);
    EXPECT_EQ(event.source, 1);
    EXPECT_EQ(event.action, 6);
    EXPECT_EQ(EventRowTexts(event), (RowTexts{"-2", "20123-12-31", "", "Power supply",
                                              "Power failure", "+8613800001111", "Gate opened"}));

    // An empty slot holds nothing else, whatever its other bytes say.
    r.Set(record::kYear, 0);
    EXPECT_EQ(DecodeHistoryEvent(r.View(), Latin()), HistoryEvent{});
}

TEST(HistoryRecordTest, ContentIsCutTo41BytesAndReadInTheCodePage) {
    RecordBuilder r = Typical(1);
    r.Content(std::string(45, 'x'));
    EXPECT_EQ(Text(Decode(r), col::kContent), std::string(41, 'x'));
    r.Content(std::string("Door") + '\0' + "junk");
    EXPECT_EQ(Text(Decode(r), col::kContent), "Door");
    r.Content(std::string("Caf\xE9") + '\0');
    EXPECT_EQ(Text(Decode(r), col::kContent), "Caf\xC3\xA9");
    const CodePage gbk("CP936");
    r.Content(std::string("\xC3\xC5\xD2\xD1\xB4\xF2\xBF\xAA") + '\0');
    EXPECT_EQ(Text(DecodeHistoryRecord(r.View(), gbk), col::kContent), "门已打开");
}

TEST(HistoryPagePlacementTest, PageAddressNamesTheRows) {
    EXPECT_EQ(FirstRowOfPage(addr::HistoryPage(1)), 1);
    EXPECT_EQ(FirstRowOfPage(addr::HistoryPage(3)), 5);
    EXPECT_EQ(FirstRowOfPage(addr::HistoryPage(500)), 999);
    EXPECT_EQ(FirstRowOfPage(addr::HistoryPage(3) + 0xFF), 5);
    EXPECT_EQ(FirstRowOfPage(addr::HistoryPage(501)), std::nullopt);
    EXPECT_EQ(FirstRowOfPage(0x7FFFFFFF), std::nullopt);
    EXPECT_EQ(FirstRowOfPage(-0x7FFFFFFF - 1), std::nullopt);
}

TEST(HistoryPagePlacementTest, EmptyFirstRecordClearsItsRow) {
    TableGrid grid = EmptyHistoryGrid();
    WriteRow(grid, 3, RowTexts{"9", "a", "b", "c", "d", "e", "f"});
    RecordBuilder empty = Typical(5);
    empty.Set(record::kYear, 0);
    const Page page = PageOf(empty, Typical(6));
    ASSERT_TRUE(DecodePageIntoGrid(grid, addr::HistoryPage(2), page, 256, Latin()));
    EXPECT_EQ(ReadRow(grid, 3), RowTexts{});
    EXPECT_EQ(grid.Cell(col::kNo, 4), "6");
    EXPECT_EQ(grid.Cell(col::kSerial, 3), "3");
}

TEST(HistoryPagePlacementTest, RepliesOutsideTheGridOrOversizeAreIgnored) {
    TableGrid grid = EmptyHistoryGrid();
    const Page page = PageOf(Typical(1), Typical(2));
    EXPECT_FALSE(DecodePageIntoGrid(grid, addr::HistoryPage(501), page, 256, Latin()));
    EXPECT_FALSE(DecodePageIntoGrid(grid, addr::HistoryPage(1), page, 257, Latin()));
    for (int r = 1; r <= kRecordRows; ++r)
        ASSERT_EQ(ReadRow(grid, r), RowTexts{}) << r;
}

TEST(HistoryCompactionTest, KeepsNumberedRowsBelow2080InOrder) {
    TableGrid grid = EmptyHistoryGrid();
    auto put = [&](int row, const RecordBuilder& r) { WriteRow(grid, row, Decode(r)); };
    put(2, Typical(10, 79));
    put(5, Typical(11, 80));          // 2080: garbage date
    put(6, Typical(0xFFFFFFFFu, 15)); // no record number
    put(9, Typical(12, 15));
    WriteRow(grid, 11, RowTexts{"13", "", "09:00:00", "", "", "", ""});
    WriteRow(grid, 12, RowTexts{"14", "20x5-01-01", "09:00:00", "", "", "", ""});
    WriteRow(grid, 1000, Decode(Typical(15, 1)));

    CompactHistoryGrid(grid);

    EXPECT_EQ(grid.Cell(col::kNo, 1), "10");
    EXPECT_EQ(grid.Cell(col::kDate, 1), "2079-03-07");
    EXPECT_EQ(grid.Cell(col::kNo, 2), "12");
    EXPECT_EQ(grid.Cell(col::kNo, 3), "15");
    EXPECT_EQ(grid.Cell(col::kContent, 3), "Gate opened");
    for (int r = 4; r <= kRecordRows; ++r)
        ASSERT_EQ(ReadRow(grid, r), RowTexts{}) << r;
    EXPECT_EQ(grid.Cell(col::kSerial, 1000), "1000");
}

} // namespace
} // namespace gsm::history
