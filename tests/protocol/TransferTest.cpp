#include "Commands.h"
#include "Fakes.h"

#include <gtest/gtest.h>

#include <ctime>

using namespace gsm;
using namespace gsm::test;

namespace {

// A page transfer wired the way the window wires it: each request goes out
// through the send step, and the reply handler runs the paging step again.
struct NumberRead {
    FakeLink fake;
    TtelephoneSend numbers;
    int completions = 0;

    PageRequest Request() {
        return [this](std::uint16_t page) {
            fake.link.timer.SetInterval(kReceiveTimeoutMs);
            SendRequest(fake.link, cmd::kReadPage, addr::NumberPage(page), {},
                        status::kReadNumbers);
        };
    }
    TransferDone Done() {
        return [this] { ++completions; };
    }
    void Start() { StartTransfer(numbers, addr::kNumberPages, Request(), Done()); }
    // The device answered the outstanding request.
    void Reply() {
        fake.timer.Disable();
        SendNextPage(numbers, Request(), Done());
    }
};

} // namespace

TEST(Transfer, ReadsAllPagesInOrderWithOneRequestOutstanding) {
    NumberRead read;
    read.Start();
    for (int page = 1; page <= addr::kNumberPages; ++page) {
        ASSERT_EQ(read.fake.port.writes.size(), static_cast<std::size_t>(page));
        const Bytes& frame = read.fake.port.writes.back();
        TRecData rec;
        for (auto b : frame)
            rec.TakeByte(b);
        EXPECT_EQ(rec.AddressValue(), addr::NumberPage(page));
        EXPECT_EQ(read.numbers.CurrentPage(), page);
        EXPECT_TRUE(read.fake.timer.enabled);
        EXPECT_EQ(read.completions, 0);
        read.Reply();
    }
    EXPECT_EQ(read.fake.port.writes.size(), 125u);
    EXPECT_EQ(read.completions, 1);
    EXPECT_EQ(read.fake.status.texts.front(), "Reading telephone number information");
}

TEST(Transfer, MissingReplyEndsItWithoutMorePages) {
    NumberRead read;
    read.Start();
    read.Reply();
    read.Reply();
    // No reply to page 3: nothing else is sent and nothing completes.
    EXPECT_EQ(read.fake.port.writes.size(), 3u);
    EXPECT_EQ(read.completions, 0);
    // A new start begins again at page 1.
    read.Start();
    EXPECT_EQ(read.fake.port.writes.back(), Hex("23 83 00 00 10 00 00 00 93"));
}

TEST(Transfer, PercentAndPageOfTheReplyBeingHandled) {
    THistoryInf history;
    history.PageCount = 500;
    history.NextPage = 2; // page 1 was requested
    EXPECT_EQ(history.CurrentPage(), 1);
    EXPECT_EQ(history.Percent(), 0);
    history.NextPage = 501;
    EXPECT_EQ(history.CurrentPage(), 500);
    EXPECT_EQ(history.Percent(), 100);
}

TEST(Transfer, PagingStepPastTheEndDoesNothing) {
    NumberRead read;
    read.Start();
    for (int i = 0; i < 125; ++i)
        read.Reply();
    EXPECT_EQ(read.completions, 1);
    // Beyond PageCount + 1 the paging step neither sends nor completes.
    read.numbers.NextPage = 200;
    read.Reply();
    EXPECT_EQ(read.completions, 1);
    EXPECT_EQ(read.fake.port.writes.size(), 125u);
}

TEST(Transfer, ReplyForATransferNeverStartedAsksForNothing) {
    // A late reply reaching the handler of an object that never ran a transfer
    // would otherwise request page 0, whose address lies below the area.
    NumberRead read;
    read.Reply();
    EXPECT_TRUE(read.fake.port.writes.empty());
    EXPECT_EQ(read.completions, 0);
    EXPECT_FALSE(read.fake.timer.enabled);
}

TEST(SendStep, ClosedPortSendsNothingAndStartsNoTimeout) {
    FakeLink fake;
    fake.port.open = false;
    std::vector<Verdict> notSent;
    fake.link.onNotSent = [&](const LinkRequest&, Verdict v) { notSent.push_back(v); };
    EXPECT_FALSE(SendRequest(fake.link, cmd::kReadPage, 0, {}, status::kReadSettings));
    EXPECT_TRUE(fake.port.writes.empty());
    EXPECT_FALSE(fake.timer.enabled);
    EXPECT_FALSE(fake.link.requests.Waiting());
    EXPECT_TRUE(fake.status.texts.empty());
    EXPECT_EQ(notSent, std::vector<Verdict>{Verdict::NotSentPortClosed});
}

TEST(SendStep, EachRequestWaitsItsOwnFullTime) {
    FakeLink fake;
    fake.link.timeoutMs = 700;
    SendRequest(fake.link, cmd::kReadPage, 0, {}, status::kReadSettings);
    fake.link.requests.Answered();
    SendRequest(fake.link, cmd::kReadPage, 0x100, {}, status::kReadSettings);
    EXPECT_EQ(fake.timer.starts, 2);
    EXPECT_EQ(fake.timer.interval, 700);
}

TEST(SingleCommands, DeleteAndCheckModeSendNineBytes) {
    FakeLink fake;
    Tsingalcmd deleteHistory(cmd::kDeleteHistory);
    Tsingalcmd checkMode(cmd::kCheckMode);
    deleteHistory.Send(fake.link);
    checkMode.Send(fake.link);
    ASSERT_EQ(fake.port.writes.size(), 2u);
    EXPECT_EQ(fake.port.writes[0], Hex("23 85 00 00 00 00 00 00 85"));
    EXPECT_EQ(fake.port.writes[1], Hex("23 04 00 00 00 00 00 00 04"));
    EXPECT_TRUE(fake.timer.enabled);
}

TEST(SingleCommands, ClockSendsYearAfter2000) {
    FakeLink fake;
    Tsynchronizationtime_sc clock;
    clock.SetClock([] {
        std::tm t{};
        t.tm_year = 2026 - 1900;
        t.tm_mon = 11; // December
        t.tm_mday = 8;
        t.tm_hour = 23;
        t.tm_min = 59;
        t.tm_sec = 7;
        return t;
    });
    clock.Send(fake.link);
    ASSERT_EQ(fake.port.writes.size(), 1u);
    const Bytes expected = Hex("23 03 00 00 00 00 00 06 1A 0C 08 17 3B 07");
    const Bytes& frame = fake.port.writes[0];
    ASSERT_EQ(frame.size(), 15u);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 14), expected);
    EXPECT_EQ(frame[14], 0x03 ^ 0x06 ^ 0x1A ^ 0x0C ^ 0x08 ^ 0x17 ^ 0x3B ^ 0x07);
    EXPECT_EQ(fake.status.texts.back(), "发送同步时间命令");
}
