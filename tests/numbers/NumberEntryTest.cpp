// The typed entry between the record bytes and the grid: its codec, its one
// check, the grid read every save and import goes through, and the check of
// records that a restore writes back byte for byte.

#include "numbers/NumberEntry.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberPages.h"
#include "numbers/NumberRecord.h"
#include "numbers/NumberRecordCheck.h"
#include "numbers/NumberRows.h"
#include "numbers/NumberValidation.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace gsm;
using namespace gsm::numbers;

namespace {

using Bytes = std::vector<std::uint8_t>;
using Record = std::array<std::uint8_t, record::kSize>;

Bytes NumberField(const std::string& number) {
    Bytes b(number.begin(), number.end());
    b.resize(record::kNumber.width, 0x00);
    return b;
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

Record RecordOf(const Bytes& bytes) {
    Record r{};
    std::copy(bytes.begin(), bytes.end(), r.begin());
    return r;
}

Bytes Encoded(const NumberEntry& entry) {
    Record out;
    out.fill(0xAA); // every byte is written
    EncodeNumberEntry(entry, out);
    return Bytes(out.begin(), out.end());
}

const PeriodEnd kStart{DeviceDate{15, 3, 5}, DeviceTime{8, 30}};
const PeriodEnd kEnd{DeviceDate{16, 12, 31}, DeviceTime{23, 59}};
const NumberEntry kPeriodEntry{"+15555550100", false, false, kStart, kEnd};
const Bytes kPeriodBytes = Concat(NumberField("+15555550100"),
                                  {0x03, 0x05, 0x08, 0x1E, 0x0C, 0x1F, 0x17, 0x3B, 0x0F, 0x10});

NumberEntry WithNumber(std::string number, NumberEntry entry = kPeriodEntry) {
    entry.number = std::move(number);
    return entry;
}

NumberEntry Always(std::string number) {
    NumberEntry entry;
    entry.number = std::move(number);
    entry.always = true;
    return entry;
}

} // namespace

TEST(NumberEntry, EncodesAndReadsBackAsTheGridShowsIt) {
    NumberEntry erased = kPeriodEntry;
    erased.erased = true;
    NumberEntry noStartDate = kPeriodEntry;
    noStartDate.start.date.reset();
    NumberEntry noEndTime = kPeriodEntry;
    noEndTime.end.time.reset();
    NumberEntry endTimeZero = kPeriodEntry;
    endTimeZero.end.time = DeviceTime{0, 0};
    const std::string full = "+123456789012345678901";

    const struct {
        const char* name;
        NumberEntry entry;
        Bytes bytes;
        NumberEntry readBack;
    } cases[] = {
        {"period", kPeriodEntry, kPeriodBytes, kPeriodEntry},
        {"always", Always("+15555550100"),
         Concat(NumberField("+15555550100"),
                {0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x00, 0x63}),
         Always("+15555550100")},
        // The Delete mark is the PC's own: a read never sets it.
        {"erased", erased, Bytes(32, 0xFF), NumberEntry{}},
        {"empty", NumberEntry{}, Bytes(32, 0x00), NumberEntry{}},
        {"22 characters, no terminator", Always(full),
         Concat(Bytes(full.begin(), full.end()),
                {0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x00, 0x63}),
         Always(full)},
        {"missing date", noStartDate,
         Concat(NumberField("+15555550100"),
                {0x00, 0x00, 0x08, 0x1E, 0x0C, 0x1F, 0x17, 0x3B, 0x00, 0x10}),
         noStartDate},
        // A time is always read: zero bytes come back as 00:00.
        {"missing time", noEndTime,
         Concat(NumberField("+15555550100"),
                {0x03, 0x05, 0x08, 0x1E, 0x0C, 0x1F, 0x00, 0x00, 0x0F, 0x10}),
         endTimeZero},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Encoded(c.entry), c.bytes);
        EXPECT_EQ(DecodeNumberEntry(RecordOf(c.bytes)), c.readBack);
    }
}

TEST(NumberEntry, ReadShowsNoPeriodWhereTheDeviceStoresNone) {
    // A device may keep a number with 0xFF where its period would be.
    Bytes ffPeriod = NumberField("+4412");
    ffPeriod.resize(32, 0xFF);
    NumberEntry numberOnly;
    numberOnly.number = "+4412";
    EXPECT_EQ(DecodeNumberEntry(RecordOf(ffPeriod)), numberOnly);

    // Letters end the number at once, and without a number there is no period.
    EXPECT_EQ(DecodeNumberEntry(RecordOf(Concat(
                  NumberField("ABC"), Bytes(kPeriodBytes.begin() + 22, kPeriodBytes.end())))),
              NumberEntry{});

    // Offsets 22 to 29 alone make the always form.
    Bytes years = Encoded(Always("+1"));
    years[30] = 0x15;
    years[31] = 0xFF;
    EXPECT_EQ(DecodeNumberEntry(RecordOf(years)), Always("+1"));
}

TEST(NumberEntry, ValidationNamesTheFirstValueTheRecordCannotHold) {
    NumberEntry month13 = kPeriodEntry;
    month13.start.date->month = 13;
    NumberEntry hour24 = kPeriodEntry;
    hour24.end.time->hour = 24;
    NumberEntry year2100 = kPeriodEntry;
    year2100.end.date->yearInCentury = 100;
    NumberEntry day0 = kPeriodEntry;
    day0.start.date->day = 0;
    NumberEntry noEndTime = kPeriodEntry;
    noEndTime.end.time.reset();
    NumberEntry erasedJunk = WithNumber("ABC", month13);
    erasedJunk.erased = true;
    NumberEntry alwaysOldPeriod = month13;
    alwaysOldPeriod.always = true;
    NumberEntry unnumbered = month13;
    unnumbered.number.clear();

    const struct {
        const char* name;
        NumberEntry entry;
        const char* wrongValue; // nullptr: none
        bool periodIncomplete;
    } cases[] = {
        {"whole", kPeriodEntry, nullptr, false},
        {"letters", WithNumber("ABC"),
         "number \"ABC\" holds characters other than \"+\" and digits", false},
        {"blank", WithNumber("0123 456"),
         "number \"0123 456\" holds characters other than \"+\" and digits", false},
        {"23 characters", WithNumber("+8613800138000123456789"),
         "number \"+8613800138000123456789\" is longer than 22 characters", false},
        {"month 13", month13, "start month 13 is not 1 to 12", false},
        {"hour 24", hour24, "end hour 24 is not 0 to 23", false},
        {"year 2100", year2100, "end year 2100 is not 2000 to 2099", false},
        {"day 0", day0, "start day 0 is not 1 to 31", false},
        {"no end time", noEndTime, nullptr, true},
        {"erased", erasedJunk, nullptr, false},
        {"always number checked", Always("ABC"),
         "number \"ABC\" holds characters other than \"+\" and digits", false},
        {"always period ignored", alwaysOldPeriod, nullptr, false},
        // Its period bytes would still be written.
        {"no number", unnumbered, "start month 13 is not 1 to 12", false},
        {"nothing", NumberEntry{}, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const EntryCheck check = ValidateNumberEntry(c.entry);
        if (c.wrongValue)
            EXPECT_EQ(check.wrongValue, std::string(c.wrongValue));
        else
            EXPECT_EQ(check.wrongValue, std::nullopt);
        EXPECT_EQ(check.periodIncomplete, c.periodIncomplete);
        EXPECT_EQ(check.Passed(), !c.wrongValue && !c.periodIncomplete);
    }
}

TEST(NumberListFromGrid, ListsRowsWithoutPeriodFirstThenRowsThatCannotBeStored) {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    const auto put = [&grid](int row, const std::string& number) {
        const std::string cells[] = {number, "2015/03/05", "08:30", "2016/12/31", "23:59"};
        for (int c = col::kNumber; c <= col::kEndTime; ++c)
            grid.SetCell(c, row, cells[c - col::kNumber]);
    };
    put(1, "+15555550100");
    put(3, "ABC");
    put(5, "+8613800138000123456789");
    put(8, "+1");
    grid.SetCell(col::kStartDate, 8, "2015/13/05");
    put(12, "+1");
    grid.SetCell(col::kEndTime, 12, "24:00");
    put(20, "ABC");
    grid.SetCell(col::kDelete, 20, kYes);
    put(30, "+1");
    grid.SetCell(col::kEndTime, 30, "");
    // Malformed, not missing: this row is a wrong cell only.
    put(40, "+1");
    grid.SetCell(col::kStartTime, 40, "0830");

    GridList list = NumberListFromGrid(grid);
    ASSERT_EQ(list.entries.size(), static_cast<std::size_t>(kEntryCount));
    EXPECT_EQ(list.entries[0], kPeriodEntry);
    EXPECT_TRUE(list.entries[19].erased);
    EXPECT_EQ(list.missingPeriod, std::vector<std::string>{"30"});
    EXPECT_EQ(list.wrongCells, (std::vector<std::string>{"3", "5", "8", "12", "40"}));
    EXPECT_EQ(list.Refusal(), MissingPeriodMessage({"30"}));

    grid.SetCell(col::kEndTime, 30, "23:59");
    list = NumberListFromGrid(grid);
    EXPECT_EQ(list.Refusal(), WrongCellsMessage({"3", "5", "8", "12", "40"}));

    for (const int row : {3, 5, 8, 12, 40})
        grid.SetCell(col::kAlways, row, kYes);
    grid.SetCell(col::kNumber, 3, "+3");
    grid.SetCell(col::kNumber, 5, "+5");
    list = NumberListFromGrid(grid);
    EXPECT_EQ(list.Refusal(), std::nullopt);
    const std::vector<PageBytes> pages = NumberListPages(list.entries);
    ASSERT_EQ(pages.size(), static_cast<std::size_t>(addr::kNumberPages));
    EXPECT_EQ(Bytes(pages[0].begin(), pages[0].begin() + 32), kPeriodBytes);
}

TEST(NumberRecordCheck, AcceptsWhatADeviceStoresAndRefusesWhatItCannotHold) {
    Bytes alwaysOddYears = Encoded(Always("+1"));
    alwaysOddYears[30] = 0xFF;
    alwaysOddYears[31] = 0x00;
    Bytes ffPeriod = NumberField("+4412");
    ffPeriod.resize(32, 0xFF);
    Bytes unsetDates = kPeriodBytes;
    unsetDates[22] = 0; // month 0: no start date
    unsetDates[27] = 0; // day 0: no end date
    const auto withByte = [](std::size_t offset, std::uint8_t value) {
        Bytes b = kPeriodBytes;
        b[offset] = value;
        return b;
    };
    Bytes lettersAfterEnd = NumberField("+1");
    lettersAfterEnd[5] = 'A'; // after the terminator: never read
    lettersAfterEnd.resize(32, 0);

    const struct {
        const char* name;
        Bytes bytes;
        const char* problem; // nullptr: accepted
    } cases[] = {
        {"empty", Bytes(32, 0x00), nullptr},
        {"erased", Bytes(32, 0xFF), nullptr},
        {"period", kPeriodBytes, nullptr},
        {"always, any years", alwaysOddYears, nullptr},
        {"0xFF period", ffPeriod, nullptr},
        {"unset dates", unsetDates, nullptr},
        {"bytes after the terminator", lettersAfterEnd, nullptr},
        {"letters",
         Concat(NumberField("ABC"), Bytes(kPeriodBytes.begin() + 22, kPeriodBytes.end())),
         "number \"ABC\" holds characters other than \"+\" and digits"},
        {"letters in an always record", Encoded(Always("12A")),
         "number \"12A\" holds characters other than \"+\" and digits"},
        {"control byte", withByte(2, 0x01),
         "number \"+1\\x01555550100\" holds characters other than \"+\" and digits"},
        {"month 13", withByte(22, 13), "start month 13 is not 1 to 12"},
        {"day 32", withByte(27, 32), "end day 32 is not 1 to 31"},
        {"hour 24", withByte(24, 24), "start hour 24 is not 0 to 23"},
        {"minute 60", withByte(29, 60), "end minute 60 is not 0 to 59"},
        {"year 2100", withByte(31, 100), "end year 2100 is not 2000 to 2099"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto problem = CheckNumberRecord(RecordOf(c.bytes));
        if (c.problem)
            EXPECT_EQ(problem, std::string(c.problem));
        else
            EXPECT_EQ(problem, std::nullopt);
    }
}

TEST(NumberRecordCheck, PageNamesTheSlotAndPassesEveryPageASaveWrites) {
    NumberList list(kEntryCount);
    for (std::size_t i = 0; i < list.size(); ++i) {
        switch (i % 4) {
        case 0:
            list[i] = kPeriodEntry;
            break;
        case 1:
            list[i] = Always("+" + std::string(21, '9'));
            break;
        case 2:
            list[i].erased = true;
            break;
        default:
            list[i] = WithNumber("0123");
            list[i].start.date.reset(); // unnumbered rows may leave parts out
            list[i].number.clear();
        }
    }
    std::vector<PageBytes> pages = NumberListPages(list);
    for (int page = 1; page <= addr::kNumberPages; ++page)
        ASSERT_EQ(CheckNumberPage(page, pages[static_cast<std::size_t>(page - 1)]), std::nullopt)
            << page;

    pages[2][7 * 32 + 22] = 13; // page 3, last record
    EXPECT_EQ(CheckNumberPage(3, pages[2]), "slot 24: start month 13 is not 1 to 12");
    pages[2][0] = 'A';
    EXPECT_EQ(CheckNumberPage(3, pages[2]),
              "slot 17: number \"A15555550100\" holds characters other than \"+\" and digits");
}
