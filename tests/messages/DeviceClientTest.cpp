// The device client with the one table of texts both shells show: whole
// operations against a scripted device, their typed results and what the
// user is told of them.

#include "protocol/DeviceClient.h"
#include "messages/OperationTexts.h"
#include "protocol/Fakes.h"
#include "protocol/Login.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace gsm;
using namespace gsm::test;

namespace {

struct Events : ClientObserver {
    std::vector<std::string> statuses; // what the window would show per request
    std::vector<bool> busy;
    void RequestSent(const SentRequest& r) override { statuses.push_back(RequestStatus(r)); }
    void BusyChanged(bool b) override { busy.push_back(b); }
};

// The client over fakes, and a device that answers each request as told.
struct Bench {
    FakePort port;
    FakeTimer timer;
    Events events;
    DeviceClient client{port, timer};
    std::vector<OperationResult> results;
    // The reply to a request, or nothing for a silent device.
    std::function<std::optional<Bytes>(const SentFrame&, const Bytes& frame)> device =
        [](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
        if (f.command == cmd::kReadPage)
            return FrameOf(f.command, f.address,
                           Bytes(256, static_cast<std::uint8_t>(f.address >> 8)));
        return FrameOf(f.command, f.address, {1});
    };

    Bench() { client.SetObserver(&events); }

    DeviceClient::Done Record() {
        return [this](const OperationResult& r) { results.push_back(r); };
    }
    // Answers every request until the device stays silent or nothing is asked.
    void Run() {
        for (std::size_t answered = 0; answered < port.writes.size(); ++answered) {
            const Bytes frame = port.writes[answered];
            const std::optional<Bytes> reply = device(Parse(frame), frame);
            if (!reply)
                return;
            client.TakeBytes(*reply);
        }
    }
    std::vector<std::uint32_t> Addresses() const {
        std::vector<std::uint32_t> a;
        for (const Bytes& w : port.writes)
            a.push_back(Parse(w).address);
        return a;
    }
};

std::vector<int> OneTo(int n) {
    std::vector<int> pages;
    for (int p = 1; p <= n; ++p)
        pages.push_back(p);
    return pages;
}

TEST(ClientRead, EveryPageInOrderOneRequestAtATimeThenOk) {
    Bench b;
    std::vector<int> handled;
    b.client.ReadArea(Area::Numbers,
                      {.read =
                           [&](int page, const Page& bytes) {
                               // One request out per page handled, never two.
                               EXPECT_EQ(b.port.writes.size(), static_cast<std::size_t>(page));
                               EXPECT_EQ(bytes[0], static_cast<std::uint8_t>(
                                                       PageAddress(Area::Numbers, page) >> 8));
                               handled.push_back(page);
                           }},
                      b.Record());
    b.Run();
    EXPECT_EQ(handled, OneTo(125));
    ASSERT_EQ(b.results.size(), 1u);
    EXPECT_EQ(b.results[0].outcome, Outcome::Ok);
    EXPECT_EQ(b.results[0].pagesDone, OneTo(125));
    EXPECT_EQ(b.Addresses().back(), 0x8C00u);
    EXPECT_EQ(b.events.statuses.front(), "Reading telephone number information");
    EXPECT_EQ(b.events.busy, (std::vector<bool>{true, false}));
    EXPECT_EQ(OutcomeMessage(b.results[0]).text,
              "Authorized number list read to PC software success.");
}

TEST(ClientRead, AFailureStopsThePagesAndSaysWhereTheReadStopped) {
    Bench b;
    b.device = [](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
        if (f.address == addr::HistoryPage(212))
            return std::nullopt;
        return FrameOf(f.command, f.address, Bytes(256, 0));
    };
    b.client.ReadArea(Area::History, {}, b.Record());
    b.Run();
    EXPECT_TRUE(b.results.empty());
    b.client.TimeoutExpired();
    ASSERT_EQ(b.results.size(), 1u);
    const OperationResult& r = b.results[0];
    EXPECT_EQ(r.outcome, Outcome::Timeout);
    EXPECT_EQ(r.failedPage, 212);
    EXPECT_EQ(r.pagesDone.size(), 211u);
    EXPECT_EQ(b.port.writes.size(), 212u) << "nothing after the page that failed";
    EXPECT_EQ(StoppedNotice(r), "Read stopped at page 212 of 500");
    EXPECT_EQ(OutcomeMessage(r).text, "Receive timeout");
    // A stop at the first page changed nothing: no notice.
    OperationResult first = r;
    first.failedPage = 1;
    first.pagesDone.clear();
    EXPECT_EQ(StoppedNotice(first), "");
}

TEST(ClientWrite, EachPageAfterTheDeviceAcceptedTheOneBefore) {
    Bench b;
    std::vector<Page> pages(2);
    pages[0].fill(0x11);
    pages[1].fill(0x22);
    std::vector<std::string> seen;
    b.client.WriteArea(
        Area::Settings, NumberedPages(pages),
        {.sending = [&](int page) { seen.push_back("sending " + std::to_string(page)); },
         .written =
             [&](int page, bool ok) {
                 seen.push_back("written " + std::to_string(page) + (ok ? " ok" : " refused"));
             }},
        b.Record());
    b.Run();
    EXPECT_EQ(seen,
              (std::vector<std::string>{"sending 1", "written 1 ok", "sending 2", "written 2 ok"}));
    ASSERT_EQ(b.port.writes.size(), 2u);
    EXPECT_EQ(b.port.writes[1].size(), 265u);
    EXPECT_EQ(b.port.writes[1][8], 0x22);
    EXPECT_EQ(b.results[0].outcome, Outcome::Ok);
    EXPECT_EQ(OutcomeMessage(b.results[0]).text, "Basic setting saved success");
    EXPECT_EQ(b.events.statuses, (std::vector<std::string>{"Save settings", "Save settings"}));
}

TEST(ClientWrite, ARefusedPageEndsTheWriteWithNothingAfterIt) {
    Bench b;
    b.device = [](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
        return FrameOf(f.command, f.address,
                       {static_cast<std::uint8_t>(f.address == addr::NumberPage(37) ? 0 : 1)});
    };
    std::vector<Page> pages(125);
    std::vector<std::pair<int, bool>> answers;
    b.client.WriteArea(Area::Numbers, NumberedPages(pages),
                       {.written = [&](int page, bool ok) { answers.emplace_back(page, ok); }},
                       b.Record());
    b.Run();
    ASSERT_EQ(b.results.size(), 1u);
    const OperationResult& r = b.results[0];
    EXPECT_EQ(r.outcome, Outcome::Refused);
    EXPECT_EQ(r.failedPage, 37);
    EXPECT_EQ(r.pagesDone, OneTo(36));
    EXPECT_EQ(answers.back(), std::make_pair(37, false));
    EXPECT_EQ(b.port.writes.size(), 37u);
    const UserMessage told = OutcomeMessage(r);
    EXPECT_EQ(told.text, "Number list data error");
    EXPECT_TRUE(told.titled);
    EXPECT_EQ(StoppedNotice(r), "Save stopped at page 37 of 125");
}

TEST(ClientWrite, OnlyThePagesGivenAreWrittenInTheirOrder) {
    Bench b;
    b.client.WriteArea(Area::Numbers, {{7, {}}, {3, {}}}, {}, b.Record());
    b.Run();
    EXPECT_EQ(b.Addresses(),
              (std::vector<std::uint32_t>{addr::NumberPage(7), addr::NumberPage(3)}));
    EXPECT_EQ(b.results[0].pagesDone, (std::vector<int>{7, 3}));
}

TEST(ClientLogin, ReadsSettingsPageOneAndHandsItBack) {
    Bench b;
    b.device = [](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
        Bytes page(256, 0xFF);
        page[0] = 'a';
        page[1] = 'B';
        page[2] = '1';
        page[3] = '2';
        return FrameOf(f.command, f.address, page);
    };
    std::optional<std::string> device;
    b.client.LogIn([&](const OperationResult& r, const Page& first) {
        EXPECT_EQ(r.outcome, Outcome::Ok);
        device = DevicePassword(first);
    });
    b.Run();
    EXPECT_EQ(b.port.writes[0], Hex("23 83 00 00 00 00 00 00 83"));
    EXPECT_EQ(b.events.statuses, std::vector<std::string>{"Read settings"});
    ASSERT_TRUE(device);
    EXPECT_EQ(*device, "aB12");
}

TEST(ClientLogin, PasswordsCompareIgnoringCaseAndNeverEmpty) {
    struct Case {
        std::string device, typed;
        bool accepted;
    } cases[] = {
        {"7145", "7145", true}, {"7145", "7145 ", false}, {"7145", "", false},
        {"ab1C", "AB1c", true}, {"7145", "714", false},   {"1234", "7145", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PasswordsMatch(c.typed, c.device), c.accepted) << c.device << "/" << c.typed;
}

TEST(ClientCommand, StatusByteDecidesAndEachCommandSaysItsOwn) {
    struct Case {
        SingleCommand command;
        std::uint8_t status;
        Outcome outcome;
        const char* sending;
        const char* reply;
        const char* told;
    } cases[] = {
        {SingleCommand::DeleteHistory(), 1, Outcome::Ok, "Deleting historical data",
         "Delete command", "Historical data deleted"},
        {SingleCommand::DeleteHistory(), 0, Outcome::Refused, "Deleting historical data",
         "Delete command", "Historical data delet error"},
        {SingleCommand::CheckMode(), 1, Outcome::Ok, "Entering checking mode", "Checking mode",
         "Enter"},
        {SingleCommand::CheckMode(), 0, Outcome::Refused, "Entering checking mode", "Checking mode",
         "Error"},
        {SingleCommand::SetClock({}), 1, Outcome::Ok, "发送同步时间命令",
         "Receives the data synchronization command returns", "1同步时间返回正确"},
        {SingleCommand::SetClock({}), 2, Outcome::Refused, "发送同步时间命令",
         "Receives the data synchronization command returns", "0同步时间返回错误"},
    };
    for (const Case& c : cases) {
        Bench b;
        b.device = [&](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
            return FrameOf(f.command, 0, {c.status});
        };
        b.client.SendCommand(c.command, b.Record());
        b.Run();
        ASSERT_EQ(b.results.size(), 1u);
        EXPECT_EQ(b.results[0].outcome, c.outcome) << c.told;
        EXPECT_EQ(b.events.statuses, std::vector<std::string>{c.sending});
        EXPECT_EQ(CommandReplyStatus(c.command.code), c.reply);
        EXPECT_EQ(OutcomeMessage(b.results[0]).text, c.told);
        EXPECT_TRUE(OutcomeMessage(b.results[0]).titled);
    }
}

TEST(ClientCommand, RequestsAreNineBytesAndTheClockCarriesTheYearAfter2000) {
    Bench b;
    b.client.SendCommand(SingleCommand::DeleteHistory(), b.Record());
    b.Run();
    b.client.SendCommand(SingleCommand::CheckMode(), b.Record());
    b.Run();
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 0;
    t.tm_mday = 31;
    t.tm_hour = 14;
    t.tm_min = 5;
    t.tm_sec = 9;
    b.client.SendCommand(SingleCommand::SetClock(t), b.Record());
    b.Run();
    ASSERT_EQ(b.port.writes.size(), 3u);
    EXPECT_EQ(b.port.writes[0], Hex("23 85 00 00 00 00 00 00 85"));
    EXPECT_EQ(b.port.writes[1], Hex("23 04 00 00 00 00 00 00 04"));
    EXPECT_EQ(b.port.writes[2], FrameOf(cmd::kSetClock, 0, {26, 1, 31, 14, 5, 9}));
}

TEST(ClientBusy, ASecondOperationIsRefusedAndTheFirstGoesOnUntouched) {
    Bench b;
    b.client.ReadArea(Area::Settings, {}, b.Record());
    b.client.SendCommand(SingleCommand::DeleteHistory(), b.Record());
    ASSERT_EQ(b.results.size(), 1u);
    EXPECT_EQ(b.results[0].outcome, Outcome::Busy);
    EXPECT_EQ(b.results[0].kind, OperationKind::Command);
    EXPECT_EQ(b.port.writes.size(), 1u) << "nothing sent over the waiting request";
    b.Run();
    ASSERT_EQ(b.results.size(), 2u);
    EXPECT_EQ(b.results[1].outcome, Outcome::Ok);
    EXPECT_EQ(b.results[1].pagesDone, OneTo(2));
}

TEST(ClientPort, ClosedPortSendsNothingAndStartsNoCountdown) {
    Bench b;
    b.port.open = false;
    b.client.ReadArea(Area::Numbers, {}, b.Record());
    ASSERT_EQ(b.results.size(), 1u);
    EXPECT_EQ(b.results[0].outcome, Outcome::NotSent);
    EXPECT_EQ(b.results[0].failedPage, 1);
    EXPECT_FALSE(b.timer.enabled);
    EXPECT_TRUE(b.events.statuses.empty());
    EXPECT_EQ(OutcomeMessage(b.results[0]).text,
              "The COM port is not open. Open it first, then try again.");
    // The client is free for the next operation.
    b.port.open = true;
    b.client.SendCommand(SingleCommand::CheckMode(), b.Record());
    b.Run();
    EXPECT_EQ(b.results.back().outcome, Outcome::Ok);
}

TEST(ClientPort, LostOrCancelledMidWriteEndsWithTheAcknowledgedPages) {
    for (const bool lost : {true, false}) {
        Bench b;
        b.device = [](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
            if (f.address == addr::NumberPage(5))
                return std::nullopt;
            return FrameOf(f.command, f.address, {1});
        };
        b.client.WriteArea(Area::Numbers, NumberedPages(std::vector<Page>(125)), {}, b.Record());
        b.Run();
        if (lost)
            b.client.LinkLost();
        else
            b.client.Cancel();
        ASSERT_EQ(b.results.size(), 1u);
        EXPECT_EQ(b.results[0].outcome, lost ? Outcome::LinkLost : Outcome::Cancelled);
        EXPECT_EQ(b.results[0].pagesDone, OneTo(4));
        EXPECT_EQ(b.results[0].failedPage, 5);
        EXPECT_FALSE(b.client.Busy());
    }
}

// A stop lets the page in flight be answered, or time out, and sends
// nothing after it: the device is left with whole pages it acknowledged.
TEST(ClientStop, ThePageInFlightIsAnsweredOrTimesOutAndNothingFollowsIt) {
    for (const bool answered : {true, false}) {
        SCOPED_TRACE(answered ? "answered" : "timed out");
        Bench b;
        b.device = [&b, answered](const SentFrame& f, const Bytes&) -> std::optional<Bytes> {
            if (f.address == addr::NumberPage(5)) {
                b.client.StopAfterRequestInFlight();
                if (!answered)
                    return std::nullopt;
            }
            return FrameOf(f.command, f.address, {1});
        };
        b.client.WriteArea(Area::Numbers, NumberedPages(std::vector<Page>(125)), {}, b.Record());
        b.Run();
        if (!answered)
            b.client.TimeoutExpired();
        ASSERT_EQ(b.results.size(), 1u);
        EXPECT_EQ(b.port.writes.size(), 5u);
        EXPECT_EQ(b.results[0].outcome, answered ? Outcome::Cancelled : Outcome::Timeout);
        EXPECT_EQ(b.results[0].pagesDone, OneTo(answered ? 5 : 4));
        EXPECT_EQ(b.results[0].failedPage, answered ? 6 : 5);
        EXPECT_FALSE(b.client.Busy());
    }
}

TEST(ClientTexts, EveryFailureHasItsText) {
    struct Case {
        OperationKind kind;
        Area area;
        Outcome outcome;
        const char* text;
        bool titled;
    } cases[] = {
        {OperationKind::Read, Area::Settings, Outcome::Ok,
         "Basic settings read to PC software success.", false},
        {OperationKind::Read, Area::History, Outcome::Ok, "", false},
        {OperationKind::Write, Area::Numbers, Outcome::Ok, "Authorized number list saved success",
         false},
        {OperationKind::Write, Area::Settings, Outcome::Refused, "Basic setting error", true},
        {OperationKind::Read, Area::Numbers, Outcome::InvalidData, "Invalid data", false},
        {OperationKind::LogIn, Area::Settings, Outcome::WrongPage, "Invalid data", false},
        {OperationKind::Read, Area::History, Outcome::LinkLost,
         "The device was disconnected. Check the cable, open the port again and log in.", false},
        {OperationKind::Write, Area::Numbers, Outcome::Cancelled, "", false},
    };
    for (const Case& c : cases) {
        OperationResult r;
        r.kind = c.kind;
        r.area = c.area;
        r.outcome = c.outcome;
        EXPECT_EQ(OutcomeMessage(r).text, c.text);
        EXPECT_EQ(OutcomeMessage(r).titled, c.titled) << c.text;
    }
    EXPECT_EQ(PageReplyStatus(OperationKind::Read, Area::Numbers, 7), "Reading number list:7/125");
    EXPECT_EQ(PageReplyStatus(OperationKind::Read, Area::History, 1),
              "Reading historical data:1/500");
    EXPECT_EQ(PageReplyStatus(OperationKind::Write, Area::Numbers, 125),
              "Save number list:125/125");
    EXPECT_EQ(PageReplyStatus(OperationKind::Write, Area::Settings, 2), "Save basic settings");
    EXPECT_EQ(PageReplyStatus(OperationKind::Read, Area::Settings, 1), "Reading basic setting");
}

} // namespace
