// The device's replies, byte for byte, its receiver's resynchronisation and
// every fault it can be told to inject.

#include "SimTestSupport.h"
#include "sim/DeviceEngine.h"
#include "sim/HistoryCodec.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"

#include <gtest/gtest.h>

#include <memory>

using namespace gsm;
using namespace gsm::sim;
using namespace gsm::sim::test;

namespace {

class Engine : public ::testing::Test {
protected:
    // Replies to the bytes, joined as they would go on the wire.
    Bytes Send(const Bytes& bytes) {
        Bytes out;
        for (const auto& reply : m_engine->Feed(bytes))
            out.insert(out.end(), reply.bytes.begin(), reply.bytes.end());
        return out;
    }
    Bytes Send(std::initializer_list<Bytes> requests) { return Send(Join(requests)); }

    void UseFaults(const std::string& faultList) {
        FaultPlan plan;
        std::string error;
        ASSERT_TRUE(plan.Add(faultList, &error)) << error;
        m_engine = std::make_unique<DeviceEngine>(m_state, plan);
    }

    static Bytes Page(const DeviceMemory& m, std::uint32_t address) {
        const auto page = m.ReadPage(address);
        return Bytes(page->begin(), page->end());
    }

    DeviceState m_state = Scenario::Busy();
    std::unique_ptr<DeviceEngine> m_engine = std::make_unique<DeviceEngine>(m_state);
};

const Bytes kReadSettings1 = Hex("23 83 00 00 00 00 00 00 83");
const Bytes kDeleteHistory = Hex("23 85 00 00 00 00 00 00 85");
const Bytes kCheckMode = Hex("23 04 00 00 00 00 00 00 04");

Bytes AFullPage() {
    Bytes page(256);
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = static_cast<std::uint8_t>(i * 7);
    return page;
}

} // namespace

TEST_F(Engine, ReadOfSettingsPage1CarriesThePageWithAValidChecksum) {
    const Bytes reply = Send(kReadSettings1);
    ASSERT_EQ(reply.size(), 265u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 12), Hex("23 83 00 00 00 00 01 00 37 31 34 35"));
    const auto frames = ValidFrames(reply);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].payload, Page(m_state.memory, 0));
}

TEST_F(Engine, ReadsOfTheLastPagesOfEachAreaAnswerWithTheirAddress) {
    for (std::uint32_t address :
         {addr::SettingsPage(2), addr::NumberPage(125), addr::HistoryPage(500)}) {
        const auto frames = ValidFrames(Send(Request(cmd::kReadPage, address)));
        ASSERT_EQ(frames.size(), 1u) << std::hex << address;
        EXPECT_EQ(frames[0].address, address);
        EXPECT_EQ(frames[0].payload, Page(m_state.memory, address));
    }
}

TEST_F(Engine, WriteIsStoredAndAcknowledgedWithOneStatusByte) {
    const Bytes page = AFullPage();
    EXPECT_EQ(Send(Request(cmd::kWritePage, addr::SettingsPage(1), page)),
              Hex("23 82 00 00 00 00 00 01 01 82"));
    EXPECT_EQ(Page(m_state.memory, 0), page);
    EXPECT_EQ(Send(Request(cmd::kWritePage, addr::NumberPage(3), page)),
              Hex("23 82 00 00 12 00 00 01 01 90"));
    EXPECT_EQ(Page(m_state.memory, addr::NumberPage(3)), page);
}

TEST_F(Engine, SingleCommandsAnswerWithStatus1) {
    EXPECT_EQ(Send(kCheckMode), Hex("23 04 00 00 00 00 00 01 01 04"));
    EXPECT_TRUE(m_engine->InCheckMode());
    // clock 2026-05-01 12:30:45 as year - 2000
    const Bytes clock = Request(cmd::kSetClock, 0, Hex("1A 05 01 0C 1E 2D"));
    EXPECT_EQ(Send(clock), Hex("23 03 00 00 00 00 00 01 01 03"));
    ASSERT_TRUE(m_state.clock);
    EXPECT_EQ(*m_state.clock, (ClockBytes{26, 5, 1, 12, 30, 45}));
}

TEST_F(Engine, DeleteHistoryClearsEveryRecordToTheEmptyForm) {
    // 85 ^ 01 ^ 01 = 85
    EXPECT_EQ(Send(kDeleteHistory), Hex("23 85 00 00 00 00 00 01 01 85"));
    EXPECT_TRUE(HistoryEntries(m_state.memory).empty());
    EXPECT_EQ(Page(m_state.memory, addr::HistoryPage(250)), Repeat(0x00, 256));
    EXPECT_FALSE(NumberEntries(m_state.memory).empty()) << "only the history goes";
}

TEST_F(Engine, AddressesOutsideTheMapAreRefused) {
    const DeviceMemory before = m_state.memory;
    // between the settings and the number area, past the history, not page-aligned
    for (std::uint32_t address : {0x200u, 0x2F400u, 0x1080u}) {
        EXPECT_EQ(ValidFrames(Send(Request(cmd::kReadPage, address))).at(0).payload, Bytes{})
            << std::hex << address;
        const auto write = ValidFrames(Send(Request(cmd::kWritePage, address, AFullPage())));
        EXPECT_EQ(write.at(0).payload, Hex("00")) << std::hex << address;
        EXPECT_EQ(write.at(0).address, address);
    }
    EXPECT_EQ(m_state.memory, before);
}

TEST_F(Engine, MalformedWritesClocksAndUnknownCommandsGetStatus0) {
    const DeviceMemory before = m_state.memory;
    EXPECT_EQ(ValidFrames(Send(Request(cmd::kWritePage, 0, Hex("01 02")))).at(0).payload,
              Hex("00"));
    EXPECT_EQ(m_state.memory, before);
    EXPECT_EQ(ValidFrames(Send(Request(cmd::kSetClock, 0, Hex("1A 05")))).at(0).payload, Hex("00"));
    EXPECT_FALSE(m_state.clock);
    const auto unknown = ValidFrames(Send(Request(0x42, 0)));
    EXPECT_EQ(unknown.at(0).command, 0x42);
    EXPECT_EQ(unknown.at(0).payload, Hex("00"));
}

TEST_F(Engine, RequestsMayArriveInAnyChunking) {
    const Bytes two = Join({kCheckMode, kReadSettings1});
    Bytes out;
    for (std::size_t i = 0; i < two.size(); i += 4) {
        const Bytes chunk(two.begin() + i, two.begin() + std::min(two.size(), i + 4));
        out = Join({out, Send(chunk)});
    }
    EXPECT_EQ(ValidFrames(out).size(), 2u);
    EXPECT_EQ(m_engine->RequestCount(), 2u);
}

TEST_F(Engine, GarbageBeforeARequestIsSkipped) {
    const auto frames = ValidFrames(Send({Hex("00 FF 41 7E"), kCheckMode}));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].command, cmd::kCheckMode);
}

TEST_F(Engine, ABadChecksumGetsNoReplyAndDoesNotCount) {
    const DeviceMemory before = m_state.memory;
    Bytes bad = kDeleteHistory;
    bad.back() ^= 0x01;
    EXPECT_EQ(Send(bad), Bytes{});
    EXPECT_EQ(m_state.memory, before);
    EXPECT_EQ(m_engine->RequestCount(), 0u);
    EXPECT_EQ(Send(kCheckMode), Hex("23 04 00 00 00 00 00 01 01 04"));
    EXPECT_EQ(m_engine->RequestCount(), 1u);
}

TEST_F(Engine, AnOversizedHeaderIsDroppedAndTheNextRequestAnswered) {
    EXPECT_EQ(Send({Hex("23 82 00 00 00 00 01 01"), kCheckMode}),
              Hex("23 04 00 00 00 00 00 01 01 04"));
}

TEST_F(Engine, APartialFrameCanBeDropped) {
    Send(Hex("23 83 00 00"));
    EXPECT_TRUE(m_engine->Collecting());
    m_engine->DropPartialFrame();
    EXPECT_EQ(Send(kCheckMode), Hex("23 04 00 00 00 00 00 01 01 04"));
}

TEST_F(Engine, EveryFrameIsReportedWithItsRequestNumber) {
    std::vector<IncomingFrame> seen;
    m_engine->OnFrame = [&](const IncomingFrame& f) { seen.push_back(f); };
    Bytes bad = kCheckMode;
    bad.back() ^= 0x01;
    Send({kCheckMode, bad, kReadSettings1});
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].bytes, kCheckMode);
    EXPECT_EQ(seen[0].request, 1u);
    EXPECT_FALSE(seen[1].valid);
    EXPECT_EQ(seen[1].request, 0u);
    EXPECT_EQ(seen[2].request, 2u);
}

// ---- faults -----------------------------------------------------------------

TEST_F(Engine, NoReplyFaultSilencesOnlyItsRequestButStillActs) {
    UseFaults("no-reply@2");
    EXPECT_FALSE(Send(kCheckMode).empty());
    EXPECT_EQ(Send(kDeleteHistory), Bytes{});
    EXPECT_TRUE(HistoryEntries(m_state.memory).empty());
    EXPECT_FALSE(Send(kCheckMode).empty());
}

TEST_F(Engine, CorruptFaultInvertsTheChecksumByte) {
    UseFaults("corrupt@1");
    const Bytes reply = Send(kCheckMode);
    EXPECT_EQ(reply, Hex("23 04 00 00 00 00 00 01 01 FB"));
    int invalid = 0;
    EXPECT_TRUE(ValidFrames(reply, &invalid).empty());
    EXPECT_EQ(invalid, 1);
}

TEST_F(Engine, RefuseFaultAnswersStatus0AndStoresNothing) {
    UseFaults("refuse@1,refuse@2,refuse@3,refuse@4");
    const DeviceMemory before = m_state.memory;
    EXPECT_EQ(Send(Request(cmd::kWritePage, 0, AFullPage())), Hex("23 82 00 00 00 00 00 01 00 83"));
    EXPECT_EQ(Send(kDeleteHistory), Hex("23 85 00 00 00 00 00 01 00 84"));
    EXPECT_EQ(Send(Request(cmd::kSetClock, 0, Hex("1A 05 01 0C 1E 2D"))),
              Hex("23 03 00 00 00 00 00 01 00 02"));
    EXPECT_EQ(m_state.memory, before);
    EXPECT_FALSE(m_state.clock);
    // a refused read: the address, no payload
    EXPECT_EQ(Send(kReadSettings1), Hex("23 83 00 00 00 00 00 00 83"));
    EXPECT_EQ(Send(Request(cmd::kWritePage, 0, AFullPage())), Hex("23 82 00 00 00 00 00 01 01 82"));
}

TEST_F(Engine, CutFaultSendsOnlyTheFirstBytes) {
    UseFaults("cut@1:100,cut@2:0");
    const Bytes whole = Hex("23 83 00 00 00 00 01 00");
    const Bytes reply = Send(kReadSettings1);
    ASSERT_EQ(reply.size(), 100u);
    EXPECT_EQ(Bytes(reply.begin(), reply.begin() + 8), whole);
    EXPECT_EQ(Send(kCheckMode), Bytes{});
}

TEST_F(Engine, GarbageFaultPutsNonStartBytesBeforeTheReply) {
    UseFaults("garbage@1");
    const Bytes reply = Send(kCheckMode);
    EXPECT_EQ(reply, Hex("00 FF 41 23 04 00 00 00 00 00 01 01 04"));
    EXPECT_EQ(ValidFrames(reply).size(), 1u);
}

TEST_F(Engine, WrongAddressFaultLabelsTheRequestedPageWithTheNextAddress) {
    UseFaults("wrong-address@1");
    const auto frames = ValidFrames(Send(Request(cmd::kReadPage, addr::HistoryPage(2))));
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].address, addr::HistoryPage(3));
    EXPECT_EQ(frames[0].payload, Page(m_state.memory, addr::HistoryPage(2)));
}

TEST_F(Engine, FaultsCountOnlyValidRequestsAndCombine) {
    UseFaults("garbage@2,corrupt@2");
    Bytes bad = kCheckMode;
    bad.back() ^= 0x01;
    Send({kCheckMode, bad}); // request 1 and a frame that does not count
    const Bytes reply = Send(kCheckMode);
    EXPECT_EQ(reply, Hex("00 FF 41 23 04 00 00 00 00 00 01 01 FB"));
}

TEST(FaultTexts, ParseTheDocumentedForms) {
    FaultPlan plan;
    std::string error;
    ASSERT_TRUE(plan.Add("no-reply@3,cut@12:5", &error)) << error;
    ASSERT_TRUE(plan.Add("wrong-address@7", &error)) << error;
    EXPECT_TRUE(plan.Has(FaultKind::NoReply, 3));
    EXPECT_FALSE(plan.Has(FaultKind::NoReply, 4));
    EXPECT_EQ(plan.CutAt(12), 5u);
    EXPECT_TRUE(plan.Has(FaultKind::WrongAddress, 7));
    EXPECT_EQ(ToString(plan.For(12).at(0)), "cut@12:5");
}

TEST(FaultTexts, RejectMalformedFaultsWholly) {
    for (const char* faultText : {"nope@1", "corrupt", "corrupt@0", "corrupt@x", "cut@3",
                                  "cut@3:", "garbage@1,bogus@2", "refuse@1 "}) {
        FaultPlan plan;
        std::string error;
        EXPECT_FALSE(plan.Add(faultText, &error)) << faultText;
        EXPECT_FALSE(error.empty()) << faultText;
        EXPECT_TRUE(plan.Empty()) << faultText;
    }
}
