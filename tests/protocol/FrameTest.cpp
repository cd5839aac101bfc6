#include "protocol/Frame.h"
#include "Fakes.h"
#include "protocol/Area.h"
#include "protocol/DeviceClient.h"

#include <gtest/gtest.h>

using namespace gsm;
using namespace gsm::test;

namespace {

Bytes Request(std::uint8_t command, std::uint32_t address, const Bytes& payload = {}) {
    FrameBuilder p;
    p.SetCommand(command);
    p.SetLength(static_cast<int>(payload.size()));
    p.SetAddress(address);
    if (!payload.empty())
        p.SetPayload(payload);
    p.BuildFrame();
    return FrameOf(p);
}

// Feeds bytes one at a time, as the serial component delivers them, and
// returns what each byte did.
std::vector<ByteResult> Feed(FrameCollector& rec, const Bytes& bytes) {
    std::vector<ByteResult> results;
    for (auto b : bytes)
        results.push_back(rec.TakeByte(b));
    return results;
}

int CountOf(const std::vector<ByteResult>& results, ByteResult r) {
    return static_cast<int>(std::count(results.begin(), results.end(), r));
}

// The receiver, fed the frame one byte per call, completes it exactly at its
// last byte and finds the fields it was built from.
void ExpectParsesBack(const Bytes& frame, std::uint8_t command, std::uint32_t address,
                      const Bytes& payload = {}) {
    FrameCollector rec;
    const auto results = Feed(rec, frame);
    ASSERT_EQ(results.back(), ByteResult::FrameValid);
    EXPECT_EQ(CountOf(results, ByteResult::FrameValid), 1);
    EXPECT_EQ(rec.Command, command);
    EXPECT_EQ(rec.AddressValue(), address);
    ASSERT_EQ(rec.PayloadLength(), payload.size());
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), rec.Payload.begin()));
    EXPECT_EQ(rec.ReceivedChecksum, frame.back());
}

} // namespace

TEST(FrameBuild, ReadRequestsForEveryAreaMatchTheWire) {
    struct Case {
        const char* what;
        std::uint32_t address;
        const char* bytes;
    } cases[] = {
        {"settings page 1", addr::SettingsPage(1), "23 83 00 00 00 00 00 00 83"},
        {"settings page 2", addr::SettingsPage(2), "23 83 00 00 01 00 00 00 82"},
        {"number page 1", addr::NumberPage(1), "23 83 00 00 10 00 00 00 93"},
        {"number page 125", addr::NumberPage(125), "23 83 00 00 8C 00 00 00 0F"},
        {"history page 1", addr::HistoryPage(1), "23 83 00 01 00 00 00 00 82"},
        {"history page 500", addr::HistoryPage(500), "23 83 00 02 F3 00 00 00 72"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(Request(cmd::kReadPage, c.address), Hex(c.bytes));
        ExpectParsesBack(Hex(c.bytes), cmd::kReadPage, c.address);
    }
}

TEST(FrameBuild, SingleCommandsAreNineBytes) {
    EXPECT_EQ(Request(cmd::kDeleteHistory, 0), Hex("23 85 00 00 00 00 00 00 85"));
    EXPECT_EQ(Request(cmd::kCheckMode, 0), Hex("23 04 00 00 00 00 00 00 04"));
    ExpectParsesBack(Hex("23 85 00 00 00 00 00 00 85"), cmd::kDeleteHistory, 0);
    ExpectParsesBack(Hex("23 04 00 00 00 00 00 00 04"), cmd::kCheckMode, 0);
}

TEST(FrameBuild, FullPageWriteIs265Bytes) {
    const Bytes page(256, 0xFF);
    const Bytes frame = Request(cmd::kWritePage, 0, page);
    ASSERT_EQ(frame.size(), 265u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 8), Hex("23 82 00 00 00 00 01 00"));
    EXPECT_TRUE(
        std::all_of(frame.begin() + 8, frame.begin() + 264, [](auto b) { return b == 0xFF; }));
    // 0x82 ^ 0x01, and 256 bytes of FF cancel out pairwise
    EXPECT_EQ(frame[264], 0x83);
    ExpectParsesBack(frame, cmd::kWritePage, 0, page);
}

TEST(FrameBuild, ClockRequestCarriesSixPayloadBytes) {
    const Bytes payload = {26, 12, 8, 9, 30, 15};
    const Bytes frame = Request(cmd::kSetClock, 0, payload);
    ASSERT_EQ(frame.size(), 15u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 8), Hex("23 03 00 00 00 00 00 06"));
    std::uint8_t sum = 0x03 ^ 0x06;
    for (auto b : payload)
        sum ^= b;
    EXPECT_EQ(frame[14], sum);
    ExpectParsesBack(frame, cmd::kSetClock, 0, payload);
}

TEST(FrameBuild, LengthKeepsLow16BitsAndPayloadNeverOverruns) {
    FrameBuilder p;
    p.SetLength(0x10006);
    EXPECT_EQ(p.PayloadLength(), 6);
    // A length field above 256 cannot make the builder read past its payload area.
    p.SetLength(0x0400);
    p.BuildFrame();
    EXPECT_EQ(p.FrameLength, 265);
}

TEST(FrameReceive, DeviceWriteAcknowledgementPassesTheChecksum) {
    FrameCollector rec;
    const auto results = Feed(rec, Hex("23 82 00 00 00 00 00 01 01 82"));
    ASSERT_EQ(results.back(), ByteResult::FrameValid);
    EXPECT_EQ(CountOf(results, ByteResult::FrameValid), 1);
    EXPECT_EQ(rec.Command, 0x82);
    EXPECT_EQ(rec.AddressValue(), 0u);
    EXPECT_EQ(rec.PayloadLength(), 1);
    EXPECT_EQ(rec.Payload[0], 1);
    EXPECT_EQ(rec.InFrame, 0);
    EXPECT_EQ(rec.ByteCount, 0);

    ReceivedFrame valid;
    valid.Fill(rec);
    EXPECT_EQ(valid.Command, 0x82);
    EXPECT_EQ(valid.Length, 1);
    EXPECT_EQ(valid.Data[0], 1);
    EXPECT_EQ(valid.Data[1], 0x82); // the checksum follows the payload
}

TEST(FrameReceive, EveryBuiltRequestParsesBackByteByByte) {
    Bytes page(256);
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = static_cast<std::uint8_t>(i * 7 + 0x23);
    const std::pair<std::uint8_t, std::uint32_t> requests[] = {
        {cmd::kReadPage, addr::HistoryPage(500)},
        {cmd::kWritePage, addr::NumberPage(17)},
        {cmd::kDeleteHistory, 0},
        {cmd::kCheckMode, 0}};
    for (auto [command, address] : requests) {
        const Bytes payload = command == cmd::kWritePage ? page : Bytes{};
        FrameCollector rec;
        const auto results = Feed(rec, Request(command, address, payload));
        ASSERT_EQ(results.back(), ByteResult::FrameValid) << int(command);
        EXPECT_EQ(CountOf(results, ByteResult::FrameValid), 1);
        EXPECT_EQ(rec.Command, command);
        EXPECT_EQ(rec.AddressValue(), address);
        ASSERT_EQ(rec.PayloadLength(), payload.size());
        EXPECT_TRUE(std::equal(payload.begin(), payload.end(), rec.Payload.begin()));
    }
}

TEST(FrameReceive, GarbageBeforeTheStartByteIsDropped) {
    FrameCollector rec;
    const auto results = Feed(rec, Hex("00 FF 41 23 82 00 00 00 00 00 01 01 82"));
    EXPECT_EQ(results[0], ByteResult::Dropped);
    EXPECT_EQ(results[1], ByteResult::Dropped);
    EXPECT_EQ(results[2], ByteResult::Dropped);
    EXPECT_EQ(results[3], ByteResult::Started);
    EXPECT_EQ(results.back(), ByteResult::FrameValid);
}

TEST(FrameReceive, StartByteInsidePayloadIsData) {
    FrameBuilder reply;
    reply.SetCommand(cmd::kReadPage);
    reply.SetLength(256);
    reply.SetAddress(addr::NumberPage(1));
    reply.SetPayload(Bytes(256, 0x23));
    reply.BuildFrame();
    FrameCollector rec;
    const auto results = Feed(rec, FrameOf(reply));
    EXPECT_EQ(CountOf(results, ByteResult::Started), 1);
    EXPECT_EQ(CountOf(results, ByteResult::FrameValid), 1);
    EXPECT_EQ(results.back(), ByteResult::FrameValid);
    EXPECT_EQ(rec.Payload[100], 0x23);
}

TEST(FrameReceive, OneBitOffChecksumIsRejectedAndTheNextFrameAccepted) {
    FrameCollector rec;
    Bytes bad = Hex("23 82 00 00 00 00 00 01 01 82");
    bad.back() ^= 0x01;
    EXPECT_EQ(Feed(rec, bad).back(), ByteResult::FrameInvalid);
    EXPECT_EQ(rec.InFrame, 0);
    EXPECT_EQ(Feed(rec, Hex("23 85 00 00 00 00 00 01 01 85")).back(), ByteResult::FrameValid);
    EXPECT_EQ(rec.Command, 0x85);
}

TEST(FrameReceive, ZeroLengthFrameCompletesAfterNineBytes) {
    FrameCollector rec;
    // A longer frame first, so the receiver holds a stale expected length.
    Feed(rec, Hex("23 82 00 00 00 00 00 01 01 82"));
    const auto results = Feed(rec, Hex("23 04 00 00 00 00 00 00 04"));
    ASSERT_EQ(results.size(), 9u);
    EXPECT_EQ(CountOf(results, ByteResult::FrameValid), 1);
    EXPECT_EQ(results.back(), ByteResult::FrameValid);
    EXPECT_EQ(rec.PayloadLength(), 0);
}

TEST(FrameReceive, OversizedHeaderIsDroppedAtOnce) {
    FrameCollector rec;
    // Announces 0x0101 = 257 payload bytes.
    const auto results = Feed(rec, Hex("23 83 00 00 00 00 01 01"));
    EXPECT_EQ(results.back(), ByteResult::Oversized);
    EXPECT_EQ(rec.InFrame, 0);
    EXPECT_EQ(rec.ByteCount, 0);
    // The bytes that follow are outside any frame until the next start byte.
    EXPECT_EQ(rec.TakeByte(0x00), ByteResult::Dropped);
    EXPECT_EQ(Feed(rec, Hex("23 04 00 00 00 00 00 01 01 04")).back(), ByteResult::FrameValid);
}

TEST(FrameReceive, ResetDropsAPartialFrame) {
    FrameCollector rec;
    Feed(rec, Hex("23 83 00 01 00 00 01 00 AA BB"));
    EXPECT_EQ(rec.InFrame, 1);
    rec.Reset();
    EXPECT_EQ(rec.InFrame, 0);
    EXPECT_EQ(Feed(rec, Hex("23 82 00 00 00 00 00 01 01 82")).back(), ByteResult::FrameValid);
}

TEST(AddressMap, PagesOfEachAreaAndTheAddressesThatNameNone) {
    EXPECT_EQ(PageAddress(Area::History, 500), 0x2F300u);
    EXPECT_EQ(PageAt(Area::History, 0x2F300), 500);
    EXPECT_EQ(PageAt(Area::Numbers, 0x8C00), 125);
    EXPECT_EQ(PageAt(Area::Numbers, 0x8D00), 0);
    EXPECT_EQ(PageAt(Area::Numbers, 0x1080), 0);
    EXPECT_EQ(PageAt(Area::Settings, 0x100), 2);
    EXPECT_EQ(PageAt(Area::Settings, 0x200), 0);
}
