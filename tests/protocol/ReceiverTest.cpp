#include "Receiver.h"
#include "Fakes.h"

#include <gtest/gtest.h>

using namespace gsm;
using namespace gsm::test;

namespace {

// The receive path with every collaborator recorded.
struct Harness {
    FakeLink fake;
    TRecData rec;
    TRecValidCom valid;
    TBasicInf basic;
    TtelephoneSend numbers;
    THistoryInf history;
    std::string typedPassword = "7145";
    std::vector<std::string> messages;
    std::vector<std::uint16_t> progress;
    std::vector<std::string> notices;
    std::vector<bool> operations; // every switch of the device-operation buttons
    int statusCleared = 0;
    int linksLost = 0;
    std::vector<std::string> handled;

    Tpasswordverify login{{[this] { return typedPassword; },
                           [this](const std::string& m) { messages.push_back(m); },
                           [this](bool on) { gate.SetLoggedIn(on); }}};
    OperationGate gate{[this](bool on) { operations.push_back(on); }};
    ReceivePath path{
        fake.link,
        {rec, valid, basic, numbers, history, login},
        {[this](const std::string& m) { messages.push_back(m); },
         [this](const std::string& m) { messages.push_back("titled: " + m); },
         [this](std::uint16_t p) { progress.push_back(p); }, [this] { ++statusCleared; },
         [this](const std::string& n) { notices.push_back(n); }, [this] { ++linksLost; }},
        gate};

    Harness() {
        fake.link.requests.SetOnWaiting([this] { gate.RequestSent(); });
        path.handlers.decodeSettingsPage = [this](const ReplyPage&) {
            handled.push_back("settings");
        };
        path.handlers.decodeNumberPage = [this](const ReplyPage&) { handled.push_back("numbers"); };
        path.handlers.decodeHistoryPage = [this](const ReplyPage&) {
            handled.push_back("history");
        };
        path.handlers.settingsSaveStep = [this](const ReplyPage&) {
            handled.push_back("settings save");
        };
        path.handlers.numbersSaveStep = [this](const ReplyPage&) {
            handled.push_back("numbers save");
        };
    }

    // A reply to a request: the send step recorded the request and armed
    // the timeout first (unless that request is the one already waiting).
    void Receive(const Bytes& bytes) {
        TRecData parsed;
        for (auto b : bytes)
            parsed.TakeByte(b);
        Asked(parsed.Command, parsed.AddressValue());
        Arrive(bytes);
    }
    void Asked(std::uint8_t command, std::uint32_t address) {
        const LinkRequest request{command, address};
        if (fake.link.requests.Pending() != request) {
            fake.link.requests.Sent(request);
            fake.timer.Enable();
        }
    }
    // Bytes nobody asked for, or that come after their request timed out.
    void Arrive(const Bytes& bytes) {
        for (auto b : bytes)
            path.TakeByte(b);
    }
    void Receive(std::uint8_t command, std::uint32_t address, const Bytes& payload) {
        Receive(FrameOf(command, address, payload));
    }
    bool StatusSeen(const std::string& text) const {
        const auto& t = fake.status.texts;
        return std::find(t.begin(), t.end(), text) != t.end();
    }
};

Bytes Page(std::uint8_t fill) {
    return Bytes(256, fill);
}

Bytes PasswordPage(const std::string& password) {
    Bytes page(256, 0xFF);
    std::copy(password.begin(), password.end(), page.begin());
    return page;
}

} // namespace

TEST(Dispatch, ReadRepliesGoToTheDecoderOfTheirArea) {
    struct Case {
        std::uint32_t address;
        const char* handler;
    } cases[] = {
        {0x2F300, "history"}, {0xFFFF, "numbers"}, {0xFFF, "settings"}, {0x1000, "numbers"}};
    for (const auto& c : cases) {
        Harness h;
        h.Receive(cmd::kReadPage, c.address, Page(0x11));
        ASSERT_EQ(h.handled, std::vector<std::string>{c.handler}) << std::hex << c.address;
    }
}

TEST(Dispatch, ReadReplyIsCopiedIntoItsCommandObject) {
    Harness h;
    Bytes page(256);
    for (int i = 0; i < 256; ++i)
        page[i] = static_cast<std::uint8_t>(i);
    h.Receive(cmd::kReadPage, addr::HistoryPage(3), page);
    EXPECT_EQ(h.history.Address, static_cast<std::int32_t>(addr::HistoryPage(3)));
    EXPECT_TRUE(std::equal(page.begin(), page.end(), h.history.Data.begin()));
    EXPECT_EQ(h.valid.Data[256], h.rec.ReceivedChecksum);
}

TEST(Dispatch, PageReplyWithoutItsWholePageFailsTheRead) {
    for (std::size_t length : {0u, 1u, 255u}) {
        Harness h;
        h.numbers.PageCount = 125;
        h.numbers.NextPage = 3;
        h.Receive(cmd::kReadPage, addr::NumberPage(2), Bytes(length, 0x5A));
        EXPECT_TRUE(h.handled.empty()) << length;
        EXPECT_EQ(h.messages, std::vector<std::string>{"Invalid data"});
        EXPECT_EQ(h.numbers.NextPage, 0) << "the read goes no further";
        EXPECT_EQ(h.notices, std::vector<std::string>{"Read stopped at page 2 of 125"});
    }
}

TEST(Dispatch, PageStatusAndProgressCountTheTransfer) {
    Harness h;
    h.numbers.PageCount = 125;
    h.numbers.NextPage = 2;
    h.Receive(cmd::kReadPage, addr::NumberPage(1), Page(0));
    EXPECT_TRUE(h.StatusSeen("Reading number list:1/125"));
    EXPECT_EQ(h.progress.back(), 1); // 2 * 100 / 125

    h.numbers.NextPage = 126;
    h.Receive(cmd::kReadPage, addr::NumberPage(125), Page(0));
    EXPECT_TRUE(h.StatusSeen("Reading number list:125/125"));
    EXPECT_EQ(h.progress.back(), 100);

    h.history.PageCount = 500;
    h.history.NextPage = 2;
    h.Receive(cmd::kReadPage, addr::HistoryPage(1), Page(0));
    EXPECT_TRUE(h.StatusSeen("Reading historical data:1/500"));
}

TEST(Dispatch, HistoryReplyWithoutATransferShowsNoProgress) {
    Harness h;
    h.Receive(cmd::kReadPage, addr::HistoryPage(1), Page(0));
    EXPECT_TRUE(h.progress.empty());
    EXPECT_EQ(h.handled, std::vector<std::string>{"history"});
}

TEST(Dispatch, AcceptedWritesRunTheSaveStepRefusedOnesStop) {
    Harness h;
    h.Receive(Hex("23 82 00 00 00 00 00 01 01 82"));
    EXPECT_TRUE(h.StatusSeen("Save basic settings"));
    EXPECT_EQ(h.handled, std::vector<std::string>{"settings save"});
    EXPECT_TRUE(h.messages.empty());

    h.handled.clear();
    h.Receive(cmd::kWritePage, 0x100, {0});
    EXPECT_TRUE(h.handled.empty());
    EXPECT_EQ(h.messages, std::vector<std::string>{"titled: Basic setting error"});

    h.messages.clear();
    h.numbers.PageCount = 125;
    h.numbers.NextPage = 8;
    h.Receive(cmd::kWritePage, addr::NumberPage(7), {1});
    EXPECT_TRUE(h.StatusSeen("Save number list:7/125"));
    EXPECT_EQ(h.handled, std::vector<std::string>{"numbers save"});
    h.Receive(cmd::kWritePage, addr::NumberPage(8), {2});
    EXPECT_EQ(h.messages, std::vector<std::string>{"titled: Number list data error"});
    EXPECT_EQ(h.handled.size(), 1u);
}

TEST(Dispatch, WriteAcknowledgementForHistoryIsAnUndefinedAddress) {
    Harness h;
    h.Receive(cmd::kWritePage, addr::HistoryPage(1), {1});
    EXPECT_TRUE(h.StatusSeen("Undefined address"));
    EXPECT_TRUE(h.handled.empty());
}

TEST(Dispatch, SingleCommandRepliesShowTheirMessages) {
    struct Case {
        std::uint8_t command, status;
        const char* statusText;
        const char* message;
    } cases[] = {
        {cmd::kDeleteHistory, 1, "Delete command", "Historical data deleted"},
        {cmd::kDeleteHistory, 0, "Delete command", "Historical data delet error"},
        {cmd::kSetClock, 1, "Receives the data synchronization command returns",
         "1同步时间返回正确"},
        {cmd::kSetClock, 2, "Receives the data synchronization command returns",
         "0同步时间返回错误"},
        {cmd::kCheckMode, 1, "Checking mode", "Enter"},
        {cmd::kCheckMode, 0, "Checking mode", "Error"},
    };
    for (const auto& c : cases) {
        Harness h;
        h.Receive(c.command, 0, {c.status});
        EXPECT_TRUE(h.StatusSeen(c.statusText)) << c.message;
        EXPECT_EQ(h.messages, std::vector<std::string>{std::string("titled: ") + c.message});
    }
}

TEST(Dispatch, UnknownCommandIsUndefinedData) {
    Harness h;
    h.Receive(0x42, 0, {1});
    EXPECT_EQ(h.fake.status.texts.back(), "Undefined data");
    EXPECT_TRUE(h.messages.empty());
}

TEST(ReceiveStatus, CorruptReplyFailsTheExchangeAndStaysInFrontOfTheUser) {
    Harness h;
    Bytes frame = Hex("23 85 00 00 00 00 00 01 01 85");
    frame.back() ^= 0x80;
    h.Receive(frame);
    EXPECT_EQ(h.fake.status.texts,
              (std::vector<std::string>{"Data communication", "Invalid data"}));
    EXPECT_EQ(h.messages, std::vector<std::string>{"Invalid data"});
    EXPECT_FALSE(h.fake.link.requests.Waiting());
    EXPECT_FALSE(h.fake.timer.enabled);
}

TEST(ReceiveStatus, OversizedHeaderEndsTheOperationAndTheRestOfTheBurstIsSilent) {
    Harness h;
    h.gate.SetLoggedIn(true);
    h.history.PageCount = 500;
    h.history.NextPage = 5;
    // A header announcing 0x0101 bytes, followed by the rest of the burst.
    Bytes burst = Hex("23 83 00 01 03 00 01 01");
    burst.insert(burst.end(), 300, 0x41);
    h.Asked(cmd::kReadPage, addr::HistoryPage(4));
    h.Arrive(burst);
    EXPECT_EQ(h.messages, std::vector<std::string>{"Invalid data"});
    EXPECT_EQ(h.fake.status.texts.back(), "Invalid data");
    EXPECT_EQ(h.history.NextPage, 0);
    EXPECT_TRUE(h.operations.back());
    EXPECT_FALSE(h.fake.timer.enabled);
}

TEST(ReceiveTimeout, PartialReplyRunsIntoTheTimeoutAndIsDropped) {
    Harness h;
    h.fake.timer.Enable();
    h.Receive(Hex("23 83 00 00 00 00 01 00 37 31"));
    // Each byte restarted the countdown; a silent device mid-frame still times out.
    EXPECT_TRUE(h.fake.timer.enabled);
    h.path.Timeout();
    EXPECT_EQ(h.messages, std::vector<std::string>{"Receive timeout"});
    EXPECT_EQ(h.statusCleared, 1);
    EXPECT_EQ(h.progress.back(), 100);
    EXPECT_FALSE(h.fake.timer.enabled);
    EXPECT_EQ(h.rec.InFrame, 0);
    // The next reply is read as a frame of its own.
    h.Receive(Hex("23 85 00 00 00 00 00 01 01 85"));
    EXPECT_EQ(h.messages.back(), "titled: Historical data deleted");
}

TEST(ReceiveTimeout, NoiseOutsideAFrameDoesNotSilenceIt) {
    Harness h;
    h.fake.timer.Enable();
    h.Receive(Hex("00 FF 41"));
    EXPECT_TRUE(h.fake.timer.enabled);
}

TEST(ReceiveTimeout, CompleteReplyStopsIt) {
    Harness h;
    h.fake.timer.Enable();
    h.Receive(Hex("23 85 00 00 00 00 00 01 01 85"));
    EXPECT_FALSE(h.fake.timer.enabled);
}

TEST(Login, SendsTheSettingsReadAndShowsVerifying) {
    Harness h;
    h.login.StartVerify(h.fake.link);
    EXPECT_EQ(h.login.Verifying, 1);
    ASSERT_EQ(h.fake.port.writes.size(), 1u);
    EXPECT_EQ(h.fake.port.writes[0], Hex("23 83 00 00 00 00 00 00 83"));
    EXPECT_EQ(h.fake.status.texts,
              (std::vector<std::string>{"Read settings", "Password verifing"}));
}

TEST(Login, ComparesTheFirstFourBytesIgnoringCase) {
    struct Case {
        std::string device, typed;
        bool accepted;
    } cases[] = {
        {"7145", "7145", true}, {"7145", "7145 ", false}, {"7145", "", false},
        {"ab1C", "AB1c", true}, {"7145", "714", false},   {"1234", "7145", false},
    };
    for (const auto& c : cases) {
        Harness h;
        h.typedPassword = c.typed;
        h.login.StartVerify(h.fake.link);
        h.Receive(cmd::kReadPage, 0, PasswordPage(c.device));
        EXPECT_EQ(h.messages,
                  std::vector<std::string>{c.accepted ? "Password confirmed!" : "Password Error!"})
            << c.device << " / '" << c.typed << "'";
        EXPECT_EQ(h.gate.LoggedIn(), c.accepted);
        EXPECT_EQ(h.operations.back(), c.accepted);
        EXPECT_EQ(h.login.Verifying, 0);
        EXPECT_TRUE(h.handled.empty()); // never shown in the settings grid
    }
}

TEST(Login, FailedLoginAfterASuccessfulOneLocksAgain) {
    Harness h;
    h.login.StartVerify(h.fake.link);
    h.Receive(cmd::kReadPage, 0, PasswordPage("7145"));
    EXPECT_TRUE(h.gate.LoggedIn());
    h.typedPassword = "0000";
    h.login.StartVerify(h.fake.link);
    h.Receive(cmd::kReadPage, 0, PasswordPage("7145"));
    EXPECT_FALSE(h.gate.LoggedIn());
    EXPECT_FALSE(h.operations.back());
}

TEST(Login, TimedOutOrCorruptLoginDoesNotCaptureTheNextSettingsRead) {
    Harness h;
    h.login.StartVerify(h.fake.link);
    h.path.Timeout();
    EXPECT_EQ(h.login.Verifying, 0);
    h.Receive(cmd::kReadPage, 0, PasswordPage("7145"));
    EXPECT_EQ(h.handled, std::vector<std::string>{"settings"});

    h.login.StartVerify(h.fake.link);
    h.Arrive(Hex("23 83 00 00 00 00 00 01 01 84"));
    EXPECT_EQ(h.login.Verifying, 0);
}

TEST(LateReply, ReplyAfterItsTimeoutIsIgnored) {
    Harness h;
    h.login.StartVerify(h.fake.link);
    h.path.Timeout();
    h.Arrive(FrameOf(cmd::kReadPage, 0, PasswordPage("7145")));
    EXPECT_TRUE(h.handled.empty()); // not decoded into the settings grid
    EXPECT_EQ(h.messages, std::vector<std::string>{"Receive timeout"});
    EXPECT_FALSE(h.gate.LoggedIn());
    EXPECT_FALSE(h.gate.Outstanding());
    EXPECT_FALSE(h.fake.timer.enabled);

    // The next request's reply is handled as usual.
    h.Receive(cmd::kReadPage, 0, Page(0));
    EXPECT_EQ(h.handled, std::vector<std::string>{"settings"});
}

TEST(LateReply, FrameNobodyAskedForChangesNothing) {
    Harness h;
    h.gate.SetLoggedIn(true);
    h.Arrive(Hex("23 85 00 00 00 00 00 01 01 85"));
    h.Arrive(FrameOf(cmd::kWritePage, addr::NumberPage(1), {1}));
    EXPECT_TRUE(h.messages.empty());
    EXPECT_TRUE(h.handled.empty());
    EXPECT_FALSE(h.gate.Outstanding());
    EXPECT_TRUE(h.operations.back());
}

TEST(OperationGate, LockedWhileARequestIsOutstandingThenFollowsLogin) {
    std::vector<bool> applied;
    OperationGate gate([&](bool on) { applied.push_back(on); });
    gate.SetLoggedIn(true);
    EXPECT_TRUE(applied.back());
    gate.RequestSent();
    EXPECT_FALSE(applied.back());
    gate.Settled();
    EXPECT_TRUE(applied.back());
    gate.SetLoggedIn(false);
    gate.Settled();
    EXPECT_FALSE(applied.back());
}

TEST(OperationGate, StaysLockedWhileAHandlerSendsTheNextPage) {
    Harness h;
    h.gate.SetLoggedIn(true);
    h.path.handlers.decodeNumberPage = [&h](const ReplyPage&) {
        // The paging step sends the next request.
        SendRequest(h.fake.link, cmd::kReadPage, addr::NumberPage(2), {}, "");
    };
    h.Receive(cmd::kReadPage, addr::NumberPage(1), Page(0));
    EXPECT_FALSE(h.operations.back());
    h.path.handlers.decodeNumberPage = [](const ReplyPage&) {};
    h.Receive(cmd::kReadPage, addr::NumberPage(2), Page(0));
    EXPECT_TRUE(h.operations.back());
}

TEST(Pairing, LateReplyIsRecognisedDuringALaterExchangeWithTheSameCommand) {
    Harness h;
    h.gate.SetLoggedIn(true);
    h.numbers.PageCount = 125;
    h.numbers.NextPage = 61;
    h.Asked(cmd::kReadPage, addr::NumberPage(60));
    h.path.Timeout();
    EXPECT_EQ(h.numbers.NextPage, 0);
    h.history.PageCount = 500;
    h.history.NextPage = 6;
    h.Asked(cmd::kReadPage, addr::HistoryPage(5));
    // The number page answers late: dropped, the history read still waits.
    h.Arrive(FrameOf(cmd::kReadPage, addr::NumberPage(60), Page(0x11)));
    EXPECT_TRUE(h.handled.empty());
    EXPECT_TRUE(h.fake.link.requests.Waiting());
    EXPECT_EQ(h.messages, std::vector<std::string>{"Receive timeout"});
    // A second copy is no longer expected: it names another page than the one waited for.
    h.Arrive(FrameOf(cmd::kReadPage, addr::NumberPage(60), Page(0x11)));
    EXPECT_EQ(h.messages.back(), "Invalid data");
    EXPECT_EQ(h.history.NextPage, 0);
    EXPECT_EQ(h.notices.back(), "Read stopped at page 5 of 500");
}

TEST(Pairing, RetriedPageTakesWhicheverReplyComesFirstAndDropsTheOther) {
    RequestBook book;
    book.Sent({cmd::kReadPage, 0});
    book.GiveUp();
    book.Sent({cmd::kReadPage, 0});
    EXPECT_EQ(book.Classify(cmd::kReadPage, 0), RequestBook::Match::Answers);
    book.Answered();
    book.Sent({cmd::kReadPage, 0x100});
    EXPECT_EQ(book.Classify(cmd::kReadPage, 0), RequestBook::Match::Late);
    EXPECT_EQ(book.Classify(cmd::kReadPage, 0), RequestBook::Match::WrongAddress);
    EXPECT_EQ(book.Classify(cmd::kDeleteHistory, 0), RequestBook::Match::Unasked);
}

TEST(Pairing, OnlyTheLatestAbandonedRequestsAreRemembered) {
    RequestBook book;
    for (std::uint32_t p = 1; p <= RequestBook::kRemembered + 1; ++p) {
        book.Sent({cmd::kReadPage, addr::HistoryPage(static_cast<int>(p))});
        book.GiveUp();
    }
    EXPECT_EQ(book.Classify(cmd::kReadPage, addr::HistoryPage(1)), RequestBook::Match::Unasked);
    EXPECT_EQ(book.Classify(cmd::kReadPage, addr::HistoryPage(2)), RequestBook::Match::Late);
}

TEST(Pairing, RefusedWriteEndsTheSaveBeforeTheMessage) {
    Harness h;
    h.numbers.PageCount = 125;
    h.numbers.NextPage = 9;
    h.path.handlers.numbersSaveStep = [](const ReplyPage&) { FAIL() << "no page after a refusal"; };
    h.Receive(cmd::kWritePage, addr::NumberPage(8), {0});
    EXPECT_EQ(h.numbers.NextPage, 0);
    EXPECT_EQ(h.messages, std::vector<std::string>{"titled: Number list data error"});
    EXPECT_EQ(h.notices, std::vector<std::string>{"Save stopped at page 8 of 125"});
}

TEST(FrameTraceText, PasswordBytesAndTheirChecksumAreMasked) {
    Bytes page = PasswordPage("7145");
    const std::string reply = TraceHex(FrameOf(cmd::kReadPage, 0, page));
    EXPECT_EQ(reply.substr(0, 3 * 12), "23 83 00 00 00 00 01 00 ** ** ** ** ");
    EXPECT_EQ(reply.substr(reply.size() - 2), "**");
    EXPECT_EQ(reply.find("37 31 34 35"), std::string::npos);
    // The write of page 1 too; page 2 and the bare read request stay in clear.
    EXPECT_NE(TraceHex(FrameOf(cmd::kWritePage, 0, page)).find("** ** ** **"), std::string::npos);
    EXPECT_EQ(TraceHex(FrameOf(cmd::kReadPage, 0x100, page)).find('*'), std::string::npos);
    EXPECT_EQ(TraceHex(Hex("23 83 00 00 00 00 00 00 83")), "23 83 00 00 00 00 00 00 83");
}
