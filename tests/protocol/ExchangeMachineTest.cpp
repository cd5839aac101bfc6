// The exchange state machine: its table, every state meeting every input the
// line can bring, and the receive path's handling of spoilt, late and stray
// frames.

#include "protocol/ExchangeMachine.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <optional>
#include <set>

using namespace gsm;
using namespace gsm::test;

namespace {

struct Recorder : ExchangeObserver {
    std::vector<bool> busy;
    int replyStarts = 0;
    void BusyChanged(bool b) override { busy.push_back(b); }
    void ReplyStarted() override { ++replyStarts; }
};

struct TraceLog : ILinkTrace {
    std::vector<TraceEvent> events;
    void Record(const TraceEvent& e) override { events.push_back(e); }
    std::vector<std::string> Verdicts() const {
        std::vector<std::string> v;
        for (const auto& e : events)
            v.push_back(VerdictText(e.verdict));
        return v;
    }
};

struct Machine {
    FakePort port;
    FakeTimer timer;
    Recorder observer;
    TraceLog trace;
    ExchangeMachine machine{port, timer};
    std::vector<Outcome> ends;
    std::vector<Bytes> payloads;

    Machine() {
        machine.SetObserver(&observer);
        machine.SetTrace(&trace);
    }
    Continuation Record() {
        return [this](const ExchangeEnd& end) {
            ends.push_back(end.outcome);
            if (end.reply)
                payloads.emplace_back(end.reply->payload.begin(), end.reply->payload.end());
        };
    }
    bool Send(std::uint8_t command, std::uint32_t address, Bytes payload = {}) {
        return machine.Send({command, address, std::move(payload)}, Record());
    }
    void Feed(const Bytes& bytes) { machine.TakeBytes(bytes); }
};

const Bytes kDeleteAnswer = Hex("23 85 00 00 00 00 00 01 01 85");

Bytes Spoilt(Bytes frame) {
    frame.back() ^= 0x80;
    return frame;
}

// ------------------------------------------------------------------ the table

TEST(ExchangeTable, EveryStateMeetsEveryEventExactlyOnce) {
    std::set<std::pair<int, int>> seen;
    for (const ExchangeTransition& t : ExchangeTransitions())
        EXPECT_TRUE(seen.insert({static_cast<int>(t.from), static_cast<int>(t.event)}).second);
    EXPECT_EQ(seen.size(), 3u * 9u);
}

enum class Input { Send, SendToClosedPort, Byte, Answer, Spoilt, Stray, Timeout, LinkLost, Cancel };

struct Row {
    ExchangeState from;
    Input input;
    ExchangeState to;
    std::optional<Outcome> waiting; // what the waiting request hears
    std::optional<Outcome> fresh;   // what a newly handed request hears
    int frames;                     // frames written by the input
    bool timerRuns;
};

using S = ExchangeState;
using I = Input;
const std::optional<Outcome> kSilent;

// clang-format off
const Row kRows[] = {
    {S::Idle,      I::Send,             S::Waiting,   kSilent,              kSilent,          1, true},
    {S::Idle,      I::SendToClosedPort, S::Idle,      kSilent,              Outcome::NotSent, 0, false},
    {S::Idle,      I::Byte,             S::Idle,      kSilent,              kSilent,          0, false},
    {S::Idle,      I::Answer,           S::Idle,      kSilent,              kSilent,          0, false},
    {S::Idle,      I::Spoilt,           S::Idle,      kSilent,              kSilent,          0, false},
    {S::Idle,      I::Stray,            S::Idle,      kSilent,              kSilent,          0, false},
    {S::Idle,      I::Timeout,          S::Idle,      kSilent,              kSilent,          0, false},
    {S::Idle,      I::LinkLost,         S::Idle,      kSilent,              kSilent,          0, false},
    {S::Idle,      I::Cancel,           S::Idle,      kSilent,              kSilent,          0, false},
    {S::Waiting,   I::Send,             S::Waiting,   kSilent,              Outcome::Busy,    0, true},
    {S::Waiting,   I::SendToClosedPort, S::Waiting,   kSilent,              Outcome::Busy,    0, true},
    {S::Waiting,   I::Byte,             S::Receiving, kSilent,              kSilent,          0, true},
    {S::Waiting,   I::Answer,           S::Idle,      Outcome::Ok,          kSilent,          0, false},
    {S::Waiting,   I::Spoilt,           S::Idle,      Outcome::InvalidData, kSilent,          0, false},
    {S::Waiting,   I::Stray,            S::Waiting,   kSilent,              kSilent,          0, true},
    {S::Waiting,   I::Timeout,          S::Idle,      Outcome::Timeout,     kSilent,          0, false},
    {S::Waiting,   I::LinkLost,         S::Idle,      Outcome::LinkLost,    kSilent,          0, false},
    {S::Waiting,   I::Cancel,           S::Idle,      Outcome::Cancelled,   kSilent,          0, false},
    {S::Receiving, I::Send,             S::Receiving, kSilent,              Outcome::Busy,    0, true},
    {S::Receiving, I::SendToClosedPort, S::Receiving, kSilent,              Outcome::Busy,    0, true},
    {S::Receiving, I::Byte,             S::Receiving, kSilent,              kSilent,          0, true},
    {S::Receiving, I::Answer,           S::Idle,      Outcome::Ok,          kSilent,          0, false},
    {S::Receiving, I::Spoilt,           S::Idle,      Outcome::InvalidData, kSilent,          0, false},
    {S::Receiving, I::Stray,            S::Waiting,   kSilent,              kSilent,          0, true},
    {S::Receiving, I::Timeout,          S::Idle,      Outcome::Timeout,     kSilent,          0, false},
    {S::Receiving, I::LinkLost,         S::Idle,      Outcome::LinkLost,    kSilent,          0, false},
    {S::Receiving, I::Cancel,           S::Idle,      Outcome::Cancelled,   kSilent,          0, false},
};
// clang-format on

// A frame's bytes as they still have to come: in Receiving its start byte is in already.
Bytes Rest(const Bytes& frame, ExchangeState from) {
    return from == S::Receiving ? Bytes(frame.begin() + 1, frame.end()) : frame;
}

class ExchangeRows : public ::testing::TestWithParam<Row> {};

TEST_P(ExchangeRows, EachStateMeetsEachInputAsTheTableSays) {
    const Row& row = GetParam();
    Machine m;
    // The waiting request is a history deletion.
    if (row.from != S::Idle) {
        ASSERT_TRUE(m.Send(cmd::kDeleteHistory, 0));
        if (row.from == S::Receiving)
            m.Feed(Hex("23"));
    }
    ASSERT_EQ(m.machine.State(), row.from);
    const std::size_t framesBefore = m.port.writes.size();
    std::vector<Outcome> fresh;
    const auto sendFresh = [&] {
        m.machine.Send({cmd::kCheckMode, 0, {}},
                       [&](const ExchangeEnd& end) { fresh.push_back(end.outcome); });
    };
    switch (row.input) {
    case I::Send:
        sendFresh();
        break;
    case I::SendToClosedPort:
        m.port.open = false;
        sendFresh();
        break;
    case I::Byte:
        m.Feed(row.from == S::Receiving ? Hex("85") : Hex("23"));
        break;
    case I::Answer:
        m.Feed(Rest(kDeleteAnswer, row.from));
        break;
    case I::Spoilt:
        m.Feed(Rest(Spoilt(kDeleteAnswer), row.from));
        break;
    case I::Stray:
        m.Feed(Rest(FrameOf(cmd::kSetClock, 0, {1}), row.from));
        break;
    case I::Timeout:
        m.machine.Timeout();
        break;
    case I::LinkLost:
        m.machine.LinkLost();
        break;
    case I::Cancel:
        m.machine.Cancel();
        break;
    }
    EXPECT_EQ(m.machine.State(), row.to);
    EXPECT_EQ(m.ends, row.waiting ? std::vector<Outcome>{*row.waiting} : std::vector<Outcome>{});
    EXPECT_EQ(fresh, row.fresh ? std::vector<Outcome>{*row.fresh} : std::vector<Outcome>{});
    EXPECT_EQ(m.port.writes.size() - framesBefore, static_cast<std::size_t>(row.frames));
    EXPECT_EQ(m.timer.enabled, row.timerRuns);
}

std::string RowName(const ::testing::TestParamInfo<Row>& info) {
    static const char* states[] = {"Idle", "Waiting", "Receiving"};
    static const char* inputs[] = {"Send",  "SendToClosedPort", "Byte",     "Answer", "Spoilt",
                                   "Stray", "Timeout",          "LinkLost", "Cancel"};
    return std::string(states[static_cast<int>(info.param.from)]) + "_" +
           inputs[static_cast<int>(info.param.input)];
}

INSTANTIATE_TEST_SUITE_P(Transitions, ExchangeRows, ::testing::ValuesIn(kRows), RowName);

// ------------------------------------------------------------------ the receive path

TEST(ExchangeReceive, GarbageBeforeTheReplyAndAStartByteInsideItAreHandled) {
    Machine m;
    m.Send(cmd::kReadPage, addr::NumberPage(1));
    Bytes page(256, 0x23);
    Bytes bytes = Hex("00 FF 41");
    const Bytes frame = FrameOf(cmd::kReadPage, addr::NumberPage(1), page);
    bytes.insert(bytes.end(), frame.begin(), frame.end());
    m.Feed(bytes);
    ASSERT_EQ(m.ends, std::vector<Outcome>{Outcome::Ok});
    EXPECT_EQ(m.payloads[0], page);
    EXPECT_EQ(m.observer.replyStarts, 1);
}

TEST(ExchangeReceive, EachByteOfAReplyRestartsTheCountdownButNoiseDoesNot) {
    Machine m;
    m.Feed(Hex("23 83 00"));
    EXPECT_EQ(m.timer.restarts, 0) << "bytes on an idle line arm nothing";
    m.Send(cmd::kReadPage, 0);
    m.Feed(Hex("00 FF 41"));
    EXPECT_EQ(m.timer.restarts, 0);
    m.Feed(Hex("23 83 00 00 00 00 01 00 37 31"));
    EXPECT_EQ(m.timer.restarts, 10);
    m.machine.Timeout();
    EXPECT_EQ(m.ends, std::vector<Outcome>{Outcome::Timeout});
    // The next reply is read as a frame of its own, not as the rest of the cut one.
    m.Send(cmd::kDeleteHistory, 0);
    m.Feed(kDeleteAnswer);
    EXPECT_EQ(m.ends.back(), Outcome::Ok);
}

TEST(ExchangeReceive, SpoiltRepliesEndTheExchangeAndTheRestOfTheBurstIsSilent) {
    struct Case {
        const char* name;
        Bytes bytes;
        Outcome outcome;
        const char* verdict;
    } cases[] = {
        {"checksum", Spoilt(FrameOf(cmd::kReadPage, addr::HistoryPage(4), Bytes(256, 1))),
         Outcome::InvalidData, "failed: checksum mismatch"},
        {"oversized", Hex("23 83 00 01 03 00 01 01"), Outcome::InvalidData,
         "failed: header announces more than 256 bytes"},
        {"short page", FrameOf(cmd::kReadPage, addr::HistoryPage(4), Bytes(255, 1)),
         Outcome::InvalidData, "failed: page reply without 256 bytes"},
        {"other page", FrameOf(cmd::kReadPage, addr::HistoryPage(5), Bytes(256, 1)),
         Outcome::WrongPage, "failed: reply names another address"},
    };
    for (const Case& c : cases) {
        Machine m;
        m.Send(cmd::kReadPage, addr::HistoryPage(4));
        Bytes burst = c.bytes;
        burst.insert(burst.end(), 300, 0x41);
        m.Feed(burst);
        EXPECT_EQ(m.ends, std::vector<Outcome>{c.outcome}) << c.name;
        EXPECT_EQ(m.trace.Verdicts().back(), c.verdict) << c.name;
        EXPECT_FALSE(m.timer.enabled) << c.name;
        EXPECT_EQ(m.observer.busy, (std::vector<bool>{true, false})) << c.name;
    }
}

TEST(ExchangeReceive, LateReplyIsRecognisedDuringALaterExchangeWithTheSameCommand) {
    Machine m;
    m.Send(cmd::kReadPage, addr::NumberPage(60));
    m.machine.Timeout();
    m.Send(cmd::kReadPage, addr::HistoryPage(5));
    // The number page answers late: dropped, the history read still waits.
    m.Feed(FrameOf(cmd::kReadPage, addr::NumberPage(60), Bytes(256, 0x11)));
    EXPECT_EQ(m.ends, std::vector<Outcome>{Outcome::Timeout});
    EXPECT_EQ(m.machine.State(), S::Waiting);
    EXPECT_TRUE(m.timer.enabled);
    // A second copy is no longer expected: it names another page than the one waited for.
    m.Feed(FrameOf(cmd::kReadPage, addr::NumberPage(60), Bytes(256, 0x11)));
    EXPECT_EQ(m.ends.back(), Outcome::WrongPage);
    EXPECT_EQ(m.trace.Verdicts()[3], "dropped: late reply to an abandoned request");
}

TEST(ExchangeReceive, RetriedRequestTakesWhicheverReplyComesFirstAndDropsTheOther) {
    Machine m;
    m.Send(cmd::kReadPage, 0);
    m.machine.Timeout();
    m.Send(cmd::kReadPage, 0);
    m.Feed(FrameOf(cmd::kReadPage, 0, Bytes(256, 1)));
    m.Feed(FrameOf(cmd::kReadPage, 0, Bytes(256, 2)));
    EXPECT_EQ(m.ends, (std::vector<Outcome>{Outcome::Timeout, Outcome::Ok}));
    EXPECT_EQ(m.payloads[0], Bytes(256, 1));
    EXPECT_EQ(m.trace.Verdicts().back(), "dropped: late reply to an abandoned request");
}

TEST(ExchangeReceive, OnlyTheLatestAbandonedRequestsAreRemembered) {
    Machine m;
    for (int p = 1; p <= static_cast<int>(ExchangeMachine::kRemembered) + 1; ++p) {
        m.Send(cmd::kReadPage, addr::HistoryPage(p));
        m.machine.Timeout();
    }
    m.Feed(FrameOf(cmd::kReadPage, addr::HistoryPage(1), Bytes(256, 0)));
    m.Feed(FrameOf(cmd::kReadPage, addr::HistoryPage(2), Bytes(256, 0)));
    const auto verdicts = m.trace.Verdicts();
    EXPECT_EQ(verdicts[verdicts.size() - 2], "dropped: no request waits for it");
    EXPECT_EQ(verdicts.back(), "dropped: late reply to an abandoned request");
}

TEST(ExchangeReceive, AContinuationThatSendsTheNextRequestKeepsTheLinkBusy) {
    Machine m;
    bool second = false;
    m.machine.Send({cmd::kReadPage, addr::NumberPage(1), {}}, [&](const ExchangeEnd&) {
        m.machine.Send({cmd::kReadPage, addr::NumberPage(2), {}}, m.Record());
        second = true;
    });
    m.Feed(FrameOf(cmd::kReadPage, addr::NumberPage(1), Bytes(256, 0)));
    ASSERT_TRUE(second);
    EXPECT_EQ(m.observer.busy, std::vector<bool>{true});
    m.Feed(FrameOf(cmd::kReadPage, addr::NumberPage(2), Bytes(256, 0)));
    EXPECT_EQ(m.observer.busy, (std::vector<bool>{true, false}));
}

TEST(ExchangeReceive, AFailedExchangeHasEndedBeforeItsContinuationHears) {
    Machine m;
    ExchangeState seen = S::Waiting;
    bool timerSeen = true;
    m.machine.Send({cmd::kReadPage, 0, {}}, [&](const ExchangeEnd&) {
        seen = m.machine.State();
        timerSeen = m.timer.enabled;
        // A reply arriving while the user reads the message continues nothing.
        m.Feed(FrameOf(cmd::kReadPage, 0, Bytes(256, 0)));
    });
    m.machine.Timeout();
    EXPECT_EQ(seen, S::Idle);
    EXPECT_FALSE(timerSeen);
    EXPECT_EQ(m.trace.Verdicts().back(), "dropped: late reply to an abandoned request");
}

TEST(ExchangeReceive, APortThatTakesNothingEndsTheRequestAtOnceWithoutACountdown) {
    struct Case {
        bool open;
        Outcome outcome;
        const char* verdict;
    } cases[] = {{false, Outcome::NotSent, "not sent: port closed"},
                 {true, Outcome::LinkLost, "not sent: write failed"}};
    for (const Case& c : cases) {
        Machine m;
        m.port.open = c.open;
        m.port.broken = true;
        EXPECT_FALSE(m.Send(cmd::kReadPage, 0));
        EXPECT_EQ(m.ends, std::vector<Outcome>{c.outcome});
        EXPECT_EQ(m.trace.Verdicts(), std::vector<std::string>{c.verdict});
        EXPECT_EQ(m.timer.starts, 0);
        EXPECT_TRUE(m.observer.busy.empty());
        // Nothing went out, so a frame with its address is no late reply.
        m.Feed(FrameOf(cmd::kReadPage, 0, Bytes(256, 0)));
        EXPECT_EQ(m.trace.Verdicts().back(), "dropped: no request waits for it");
    }
}

TEST(ExchangeReceive, EachRequestWaitsItsOwnFullTime) {
    Machine m;
    m.machine.SetTimeoutMs(1234);
    m.Send(cmd::kDeleteHistory, 0);
    EXPECT_EQ(m.timer.interval, 1234);
    m.Feed(kDeleteAnswer);
    m.Send(cmd::kDeleteHistory, 0);
    EXPECT_EQ(m.timer.starts, 2);
}

// Every byte of a settings page that holds a credential, and the checksum
// that would give away their XOR, is masked in both directions; page bytes
// that hold none, the status of a write's reply and other pages stay in clear.
TEST(FrameTraceText, CredentialsAndTheirChecksumAreMaskedInBothDirections) {
    Bytes page(256);
    for (std::size_t i = 0; i < page.size(); ++i)
        page[i] = static_cast<std::uint8_t>('0' + i % 10);
    using Range = std::pair<std::size_t, std::size_t>; // payload bytes [first, second)
    struct Case {
        const char* name;
        Bytes frame;
        std::vector<Range> masked;
    } cases[] = {
        {"page 1 read reply", FrameOf(cmd::kReadPage, 0, page), {{0, 4}}},
        {"page 1 write", FrameOf(cmd::kWritePage, 0, page), {{0, 4}}},
        {"page 2 read reply", FrameOf(cmd::kReadPage, 0x100, page), {{0, 16}, {17, 33}}},
        {"page 2 write", FrameOf(cmd::kWritePage, 0x100, page), {{0, 16}, {17, 33}}},
        {"page 2 reply cut short",
         FrameOf(cmd::kReadPage, 0x100, Bytes(page.begin(), page.begin() + 20)),
         {{0, 16}, {17, 20}}},
        {"page 2 write reply", FrameOf(cmd::kWritePage, 0x100, Bytes{1}), {}},
        {"page 1 write reply", FrameOf(cmd::kWritePage, 0, Bytes{1}), {}},
        {"page 2 read request", FrameOf(cmd::kReadPage, 0x100, {}), {}},
        {"number page 1 read reply", FrameOf(cmd::kReadPage, 0x1000, page), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::size_t payloadEnd = c.frame.size() - 1;
        std::string expected;
        for (std::size_t i = 0; i < c.frame.size(); ++i) {
            bool secret = !c.masked.empty() && i == payloadEnd;
            for (const Range& r : c.masked)
                secret = secret || (i >= 8 + r.first && i < 8 + r.second);
            char pair[3];
            std::snprintf(pair, sizeof pair, "%02X", c.frame[i]);
            expected += (i > 0 ? " " : "") + (secret ? std::string("**") : std::string(pair));
        }
        EXPECT_EQ(TraceHex(c.frame), expected);
    }
}

} // namespace
