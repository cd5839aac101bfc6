// The simulator's pages pinned against bytes written out by hand from the
// page layouts, so a layout slip cannot hide behind a round trip.

#include "SimTestSupport.h"
#include "sim/HistoryCodec.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"
#include "sim/SettingsCodec.h"

#include <gtest/gtest.h>

#include <set>

using namespace gsm;
using namespace gsm::sim;
using namespace gsm::sim::test;

namespace {

Bytes PageBytes(const Page& page) {
    return Bytes(page.begin(), page.end());
}

template <std::size_t N> Bytes RecordBytes(std::span<const std::uint8_t, N> record) {
    return Bytes(record.begin(), record.end());
}

} // namespace

TEST(FactorySettingsPages, Page1HoldsTheStartValuesAtTheirOffsets) {
    const DeviceState factory = Scenario::Factory();
    const Bytes expected = Join({
        Text("7145"),     // 0..3 password
        Repeat(0xFF, 22), // 4..25 no SIM number
        Hex("01 01"),     // 26, 27 DIN types NO
        Join({Text("Unauthorized door opened"), Hex("00"), Repeat(0xFF, 15)}), // 28..67
        Join({Text("DIN2 Alarm"), Hex("00"), Repeat(0xFF, 29)}),               // 68..107
        Hex("0A 00"),                                                          // 108 auto arm 10
        Hex("01"),                                              // 110 only authorized
        Hex("00"),                                              // 111 disarm
        Hex("00 00 00 00"),                                     // 112, 114 relay timer 0
        Hex("03 03"),                                           // 116, 117 notify
        Join({Text("Relay ON"), Hex("00"), Repeat(0xFF, 31)}),  // 118..157
        Join({Text("Relay OFF"), Hex("00"), Repeat(0xFF, 30)}), // 158..197
        Hex("0F 27"),                                           // 198 upload 9999
        Hex("E7 03"),                                           // 200 power delay 999
        Hex("00 00"),                                           // 202 self check 0
        Repeat(0xFF, 52),                                       // 204..255 IP, port, APN, unused
    });
    ASSERT_EQ(expected.size(), 256u);
    EXPECT_EQ(PageBytes(factory.memory.SettingsPage(1)), expected);
    EXPECT_EQ(PageBytes(factory.memory.SettingsPage(2)), Repeat(0xFF, 256));
}

TEST(FactorySettingsPages, DecodeToTheFactoryValuesAndHoldNoListsOrClock) {
    const DeviceState factory = Scenario::Factory();
    EXPECT_EQ(DecodeSettings(factory.memory), FactorySettings());
    EXPECT_EQ(DecodeSettings(factory.memory).serverPort, 65535);
    EXPECT_TRUE(NumberEntries(factory.memory).empty());
    EXPECT_TRUE(HistoryEntries(factory.memory).empty());
    EXPECT_FALSE(factory.clock);
}

TEST(SettingsCodec, FieldsOfBothPagesLandWhereTheLayoutPutsThem) {
    DeviceSettings s = FactorySettings();
    s.simNumber = "+123";
    s.relayOnTimerSeconds = 0x0102;
    s.serverIp = "10.0.0.1";
    s.serverPort = 5000;
    s.gprsApn = "apn";
    s.gprsUser = "user";
    s.gprsPassword = "pw";
    s.din1Type = 0xFF; // no selection
    Page p1;
    Page p2;
    EncodeSettings(s, p1, p2);
    const Bytes page1 = PageBytes(p1);
    EXPECT_EQ(Bytes(page1.begin() + 4, page1.begin() + 10), Join({Text("+123"), Hex("00 FF")}));
    EXPECT_EQ(page1[26], 0xFF);
    EXPECT_EQ(Bytes(page1.begin() + 112, page1.begin() + 116), Hex("02 01 02 01"));
    EXPECT_EQ(Bytes(page1.begin() + 204, page1.begin() + 213), Join({Text("10.0.0.1"), Hex("FF")}));
    EXPECT_EQ(Bytes(page1.begin() + 236, page1.begin() + 242),
              Join({Hex("88 13"), Text("apn"), Hex("FF")}));
    const Bytes page2 = PageBytes(p2);
    EXPECT_EQ(Bytes(page2.begin(), page2.begin() + 21),
              Join({Text("user"), Repeat(0xFF, 13), Text("pw"), Hex("FF FF")}));
    EXPECT_EQ(DecodeSettings(p1, p2), s);
}

TEST(SettingsCodec, TheSecondRelayTimerIsTheOneReadAndMismatchesAreNotCanonical) {
    Page p1 = Scenario::Factory().memory.SettingsPage(1);
    const Page p2 = Scenario::Factory().memory.SettingsPage(2);
    p1[112] = 5;
    p1[114] = 7;
    EXPECT_EQ(DecodeSettings(p1, p2).relayOnTimerSeconds, 7);
    EXPECT_FALSE(SettingsAreCanonical(p1, p2));
    p1[112] = 7;
    EXPECT_TRUE(SettingsAreCanonical(p1, p2));
}

TEST(SettingsCodec, FortyByteTextsHaveNoTerminatorAndPaddedStringsKeepZeroBytes) {
    DeviceSettings s = FactorySettings();
    s.din1AlarmContent = std::string(40, 'x');
    Page p1;
    Page p2;
    EncodeSettings(s, p1, p2);
    EXPECT_EQ(p1[67], 'x');
    EXPECT_EQ(p1[68], 'D'); // the next field starts right after
    p2[0] = 'a';
    p2[1] = 0x00;
    p2[2] = 'b';
    EXPECT_EQ(DecodeSettings(p1, p2).gprsUser, std::string("a\0b", 3));
}

TEST(BusyNumbers, APeriodEntryIsPinnedByteForByte) {
    const DeviceState busy = Scenario::Busy();
    // slot 8: 0153303786, 2015-06-24 00:34 to 2018-11-24 14:55
    const Bytes expected = Join({Text("0153303786"), Repeat(0x00, 12), Hex("06 18 00 22"),
                                 Hex("0B 18 0E 37"), Hex("0F 12")});
    EXPECT_EQ(RecordBytes(busy.memory.NumberRecord(8)), expected);
}

TEST(BusyNumbers, AnAlwaysEntryAnErasedOneAndAFullLengthNumber) {
    const DeviceState busy = Scenario::Busy();
    EXPECT_EQ(RecordBytes(busy.memory.NumberRecord(4)),
              Join({Text("+8646724124675"), Repeat(0x00, 8), Repeat(0x63, 8), Hex("00 63")}));
    EXPECT_EQ(RecordBytes(busy.memory.NumberRecord(11)), Repeat(0xFF, 32));
    EXPECT_EQ(RecordBytes(busy.memory.NumberRecord(1)), Repeat(0x00, 32));
    const Bytes full = RecordBytes(busy.memory.NumberRecord(18));
    EXPECT_EQ(Bytes(full.begin(), full.begin() + 23),
              Join({Text("+581974706157557083669"), Hex("03")}));
}

TEST(BusyNumbers, CountsAndFormsMatchTheScenarioDescription) {
    const auto entries = NumberEntries(Scenario::Busy().memory);
    int always = 0, period = 0, erased = 0;
    for (const auto& e : entries) {
        always += e.entry.form == NumberEntry::Form::Always;
        period += e.entry.form == NumberEntry::Form::Period;
        erased += e.entry.form == NumberEntry::Form::Erased;
    }
    EXPECT_EQ(always + period, busy::kNumbers);
    EXPECT_GT(always, 50);
    EXPECT_GT(period, 50);
    EXPECT_EQ(erased, busy::kErasedNumbers);
    EXPECT_EQ(Scenario::Busy(), Scenario::Busy()) << "the busy scenario must not vary";
}

TEST(BusyHistory, ARecordIsPinnedByteForByte) {
    const DeviceState busy = Scenario::Busy();
    // slot 9: No. 9, 2023-01-06 22:00:38, COM Port, Disarm
    const Bytes expected = Join(
        {Hex("09 00 00 00"), Hex("17 01 06 16 00 26"), Hex("00 08"), Text("+8617144288146"),
         Repeat(0x00, 8), Text("Disarmed, by +8617144288146"), Repeat(0x00, 14), Repeat(0x00, 53)});
    ASSERT_EQ(expected.size(), 128u);
    EXPECT_EQ(RecordBytes(busy.memory.HistoryRecord(9)), expected);
}

TEST(BusyHistory, TheOddRecordsAreWhereTheScenarioSaysTheyAre) {
    const DeviceState busy = Scenario::Busy();
    const Bytes noNumber = RecordBytes(busy.memory.HistoryRecord(busy::kSlotWithoutRecordNumber));
    EXPECT_EQ(Bytes(noNumber.begin(), noNumber.begin() + 5), Hex("FF FF FF FF 17"));
    const Bytes in2080 = RecordBytes(busy.memory.HistoryRecord(busy::kSlotInYear2080));
    EXPECT_EQ(in2080[4], 80);
    EXPECT_NE(in2080[0], 0xFF);
}

TEST(BusyHistory, RecordsCodesAndTheKeptSubset) {
    const DeviceMemory memory = Scenario::Busy().memory;
    const auto entries = HistoryEntries(memory);
    ASSERT_EQ(entries.size(), static_cast<std::size_t>(busy::kHistoryRecords));
    std::set<int> sources, actions;
    int withComma = 0;
    for (const auto& e : entries) {
        sources.insert(e.entry.source);
        actions.insert(e.entry.action);
        withComma += e.entry.content.find(',') != std::string::npos;
    }
    for (int code = 0; code < kSourceCodes; ++code)
        EXPECT_TRUE(sources.contains(code)) << "source " << code;
    for (int code = 0; code < kActionCodes; ++code)
        EXPECT_TRUE(actions.contains(code)) << "action " << code;
    EXPECT_GT(sources.size(), static_cast<std::size_t>(kSourceCodes)) << "an unknown source";
    EXPECT_GT(actions.size(), static_cast<std::size_t>(kActionCodes)) << "an unknown action";
    EXPECT_GE(withComma, 3);

    const auto kept = KeptHistoryEntries(memory);
    EXPECT_EQ(kept.size(), entries.size() - 2);
    for (const auto& k : kept)
        EXPECT_TRUE(k.slot != busy::kSlotWithoutRecordNumber && k.slot != busy::kSlotInYear2080);
    EXPECT_TRUE(std::is_sorted(kept.begin(), kept.end(),
                               [](const auto& a, const auto& b) { return a.slot < b.slot; }));
}

TEST(HistoryCodec, TheReaderKeepsYearsBelow2080ByTheFirstFourCharactersOfTheDate) {
    HistoryEntry e;
    e.recordNumber = 1;
    e.month = 1;
    e.day = 1;
    e.year = 79;
    EXPECT_TRUE(KeptByHistoryRead(e));
    e.year = 80;
    EXPECT_FALSE(KeptByHistoryRead(e));
    e.year = 123; // shown as 20123-..., whose first four characters are 2012
    EXPECT_EQ(DateText(e), "20123-01-01");
    EXPECT_TRUE(KeptByHistoryRead(e));
    e.month = 0xFF; // no date at all
    EXPECT_FALSE(KeptByHistoryRead(e));
}
