#include "numbers/NumberRecord.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gsm;
using namespace gsm::numbers;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Row {
    std::string number, startDate, startTime, endDate, endTime;
    std::string always = kNo;
    std::string erase = kNo;
};

TableGrid FreshGrid() {
    TableGrid grid(kColumnCount, kRowCount);
    InitNumberGrid(grid);
    return grid;
}

void Put(IGrid& grid, int row, const Row& r) {
    grid.SetCell(col::kNumber, row, r.number);
    grid.SetCell(col::kStartDate, row, r.startDate);
    grid.SetCell(col::kStartTime, row, r.startTime);
    grid.SetCell(col::kEndDate, row, r.endDate);
    grid.SetCell(col::kEndTime, row, r.endTime);
    grid.SetCell(col::kAlways, row, r.always);
    grid.SetCell(col::kDelete, row, r.erase);
}

Row Get(const IGrid& grid, int row) {
    return {grid.Cell(col::kNumber, row),    grid.Cell(col::kStartDate, row),
            grid.Cell(col::kStartTime, row), grid.Cell(col::kEndDate, row),
            grid.Cell(col::kEndTime, row),   grid.Cell(col::kAlways, row),
            grid.Cell(col::kDelete, row)};
}

struct Encoded {
    bool ok;
    Bytes bytes;
};

Encoded Encode(const Row& r) {
    TableGrid grid = FreshGrid();
    Put(grid, 1, r);
    std::array<std::uint8_t, record::kSize> out{};
    const bool ok = EncodeNumberRecord(grid, 1, out);
    return {ok, Bytes(out.begin(), out.end())};
}

Bytes NumberField(const std::string& number) {
    Bytes b(number.begin(), number.end());
    b.resize(22, 0x00);
    return b;
}

Bytes Concat(Bytes a, const Bytes& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Decodes `bytes` into row 1 of a grid whose row already holds `before`.
Row Decode(const Bytes& bytes, const Row& before = {}) {
    TableGrid grid = FreshGrid();
    Put(grid, 1, before);
    std::array<std::uint8_t, record::kSize> in{};
    std::copy(bytes.begin(), bytes.end(), in.begin());
    DecodeNumberRecord(in, grid, 1);
    return Get(grid, 1);
}

void ExpectRow(const Row& got, const Row& want) {
    EXPECT_EQ(got.number, want.number);
    EXPECT_EQ(got.startDate, want.startDate);
    EXPECT_EQ(got.startTime, want.startTime);
    EXPECT_EQ(got.endDate, want.endDate);
    EXPECT_EQ(got.endTime, want.endTime);
    EXPECT_EQ(got.always, want.always);
    EXPECT_EQ(got.erase, want.erase);
}

const Row kPeriodEntry{"+15555550100", "2015/03/05", "08:30", "2016/12/31", "23:59"};

} // namespace

TEST(NumberRecord, PeriodEntryEncodesAndReadsBack) {
    const Encoded e = Encode(kPeriodEntry);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.bytes, Concat(NumberField("+15555550100"),
                              {0x03, 0x05, 0x08, 0x1E, 0x0C, 0x1F, 0x17, 0x3B, 0x0F, 0x10}));
    ExpectRow(Decode(e.bytes),
              {"+15555550100", "2015-03-05", "08:30", "2016-12-31", "23:59", kNo, kNo});
}

TEST(NumberRecord, AlwaysEntryIgnoresItsPeriodBothWays) {
    Row always = kPeriodEntry;
    always.always = kYes;
    always.startTime = "garbage"; // not looked at when the entry is valid at all times
    const Encoded e = Encode(always);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.bytes, Concat(NumberField("+15555550100"),
                              {0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x63, 0x00, 0x63}));
    ExpectRow(Decode(e.bytes, kPeriodEntry), {"+15555550100", "", "", "", "", kYes, kNo});

    // The year bytes play no part in recognising the form.
    Bytes years = e.bytes;
    years[30] = 0x15;
    years[31] = 0x00;
    EXPECT_EQ(Decode(years).always, kYes);
}

TEST(NumberRecord, ErasedEntryIsAllFfWhateverTheRowHolds) {
    Row erased{"not a number", "abc", "x", "2015/13/45", "99:99", kYes, kYes};
    const Encoded e = Encode(erased);
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.bytes, Bytes(32, 0xFF));

    // Reading it back keeps the row's own Delete mark.
    Row before = kPeriodEntry;
    before.erase = kYes;
    before.always = kYes;
    ExpectRow(Decode(Bytes(32, 0xFF), before), {"", "", "", "", "", kNo, kYes});
}

TEST(NumberRecord, EmptyRowIsAllZero) {
    const Encoded e = Encode({});
    EXPECT_TRUE(e.ok);
    EXPECT_EQ(e.bytes, Bytes(32, 0x00));
    ExpectRow(Decode(Bytes(32, 0x00), kPeriodEntry), {"", "", "", "", "", kNo, kNo});
}

TEST(NumberRecord, NumberFieldLimits) {
    const std::string full = "+123456789012345678901"; // 22 characters, no terminator
    const Encoded e = Encode({full, "", "", "", "", kYes});
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(Bytes(e.bytes.begin(), e.bytes.begin() + 22), Bytes(full.begin(), full.end()));
    EXPECT_EQ(Decode(e.bytes).number, full);

    EXPECT_FALSE(Encode({full + "3", "", "", "", "", kYes}).ok);
    EXPECT_FALSE(Encode({"0123 456", "", "", "", "", kYes}).ok);
    EXPECT_FALSE(Encode({"０１２３", "", "", "", "", kYes}).ok);

    // Reading stops at the first byte that is no digit and no "+".
    Bytes blank = NumberField("0123 456");
    blank.resize(32, 0);
    EXPECT_EQ(Decode(blank).number, "0123");
}

TEST(NumberRecord, DeviceValuesReadBackAsDigitsOfAtLeastTwo) {
    Bytes b =
        Concat(NumberField("5"), {0x0C, 0x1F, 0x00, 0x05, 0x01, 0x02, 0x03, 0x04, 0x7B, 0x00});
    const Row got = Decode(b);
    EXPECT_EQ(got.startDate, "20123-12-31");
    EXPECT_EQ(got.startTime, "00:05");
    EXPECT_EQ(got.endDate, "2000-01-02");
    EXPECT_EQ(got.endTime, "03:04");
}

TEST(NumberRecord, ZeroMonthOrDayEmptiesTheDateInsteadOfKeepingOldText) {
    Row before = kPeriodEntry;
    Bytes startMonthZero =
        Concat(NumberField("123"), {0x00, 0x05, 0x00, 0x00, 0x0C, 0x00, 0x17, 0x3B, 0x0F, 0x10});
    const Row got = Decode(startMonthZero, before);
    EXPECT_EQ(got.startDate, "");
    EXPECT_EQ(got.startTime, "00:00");
    EXPECT_EQ(got.endDate, ""); // day 0
    EXPECT_EQ(got.endTime, "23:59");
}

TEST(NumberRecord, MalformedPeriodCellsAreRefused) {
    const struct {
        int col;
        const char* text;
        bool ok;
    } cases[] = {
        {col::kStartDate, "2015/03/05", true},   {col::kStartDate, "2015-03-05", true},
        {col::kStartDate, "2099.12.31", true},   {col::kStartDate, "2015/13/05", false},
        {col::kStartDate, "2015/00/05", false},  {col::kStartDate, "2015/03/00", false},
        {col::kStartDate, "2015/03/32", false},  {col::kStartDate, "1999/03/05", false},
        {col::kStartDate, "2115/03/05", false},  {col::kStartDate, "2015/3/5", false},
        {col::kStartDate, "20123-05-06", false}, {col::kStartDate, "abc", false},
        {col::kEndDate, "2015/3/05 ", false},    {col::kStartTime, "08:30", true},
        {col::kStartTime, "8:5", true},          {col::kStartTime, "0830", false},
        {col::kStartTime, "24:00", false},       {col::kStartTime, "23:60", false},
        {col::kStartTime, "08:", false},         {col::kStartTime, ":30", false},
        {col::kEndTime, "08:30:00", false},      {col::kEndTime, "-1:30", false},
    };
    for (const auto& c : cases) {
        Row r = kPeriodEntry;
        TableGrid grid = FreshGrid();
        Put(grid, 1, r);
        grid.SetCell(c.col, 1, c.text);
        std::array<std::uint8_t, record::kSize> out{};
        EXPECT_EQ(EncodeNumberRecord(grid, 1, out), c.ok) << c.text;
    }
}

TEST(NumberRecord, OneMinuteDigitAndShortHourEncode) {
    Row r = kPeriodEntry;
    r.startTime = "8:5";
    const Encoded e = Encode(r);
    ASSERT_TRUE(e.ok);
    EXPECT_EQ(e.bytes[24], 8);
    EXPECT_EQ(e.bytes[25], 5);
}

TEST(NumberPages, PageHoldsEightRecordsOfItsRows) {
    TableGrid grid = FreshGrid();
    Put(grid, 993, kPeriodEntry);
    Row erased;
    erased.erase = kYes;
    Put(grid, 1000, erased);
    const EncodedPage page = EncodeNumberPage(grid, 125);
    EXPECT_TRUE(page.wrongRows.empty());
    EXPECT_EQ(page.bytes[0], '+');
    EXPECT_EQ(page.bytes[22], 0x03);
    EXPECT_EQ(page.bytes[7 * 32], 0xFF);
    EXPECT_EQ(page.bytes[7 * 32 + 31], 0xFF);
    EXPECT_EQ(page.bytes[6 * 32 + 31], 0x00);

    TableGrid back = FreshGrid();
    DecodeNumberPage(back, static_cast<std::int32_t>(addr::NumberPage(125)), page.bytes);
    EXPECT_EQ(back.Cell(col::kNumber, 993), "+15555550100");
    EXPECT_EQ(back.Cell(col::kEndDate, 993), "2016-12-31");
    EXPECT_EQ(back.Cell(col::kNumber, 992), "");
}

TEST(NumberPages, PagesBeyondTheListChangeNothing) {
    TableGrid grid = FreshGrid();
    PageBytes page{};
    page.fill('1');
    DecodeNumberPage(grid, static_cast<std::int32_t>(addr::NumberPage(126)), page);
    DecodeNumberPage(grid, 0xFFFF, page);
    for (int r = 1; r <= kEntryCount; ++r)
        ASSERT_EQ(grid.Cell(col::kNumber, r), "") << r;
}

TEST(NumberPages, WholeListNamesEveryWrongSerial) {
    TableGrid grid = FreshGrid();
    for (int r = 1; r <= kEntryCount; ++r)
        Put(grid, r, kPeriodEntry);
    grid.SetCell(col::kStartTime, 9, "0830");
    grid.SetCell(col::kNumber, 400, "0123 456");
    grid.SetCell(col::kEndDate, 1000, "2016/12/32");
    const EncodedList list = EncodeNumberList(grid);
    EXPECT_EQ(list.pages.size(), 125u);
    EXPECT_EQ(list.wrongSerials, (std::vector<std::string>{"9", "400", "1000"}));
}
