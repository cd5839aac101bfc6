// Whole read and save transfers: requests go to a fake port, replies come
// back through the real receive path as the device would frame them.

#include "SettingsTransfer.h"
#include "../protocol/ReceiveBench.h"
#include "Receiver.h"
#include "SettingsFixture.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using namespace gsm;
using namespace gsm::settings;
using namespace gsm::settings::test;
using gsm::test::Bytes;
using gsm::test::FakeLink;
using gsm::test::Hex;

namespace {

struct Session : StartGrid, gsm::test::ReceiveBench {
    const CodePage western{"CP1252"};
    SettingsCodec codec{grid, lists, western};
    std::vector<std::string> panel;

    SettingsTransfer transfer{fake.link, basic, codec,
                              TransferUi{[this](std::uint16_t p) { progress.push_back(p); },
                                         [this](const std::string& t) { panel.push_back(t); },
                                         [this](const std::string& m) { messages.push_back(m); }}};

    Session() {
        path.handlers.decodeSettingsPage = [this](const gsm::ReplyPage&) {
            transfer.DecodeSettingsPage();
        };
        path.handlers.settingsSaveStep = [this](const gsm::ReplyPage&) { transfer.SaveStep(); };
    }

    void Reply(std::uint8_t command, std::uint32_t address, const Bytes& payload) {
        fake.timer.Disable();
        for (std::uint8_t b : gsm::test::FrameOf(command, address, payload))
            path.TakeByte(b);
    }
    void ReplyPage(std::uint32_t address, const Page& page) {
        Reply(cmd::kReadPage, address, Bytes(page.begin(), page.end()));
    }
    // The payload of a write request.
    static Page Written(const Bytes& frame) {
        Page page{};
        std::copy_n(frame.begin() + 8, page.size(), page.begin());
        return page;
    }
};

} // namespace

TEST(SettingsRead, TwoPagesThenTheSuccessMessage) {
    Session s;
    s.transfer.StartRead();
    ASSERT_EQ(s.fake.port.writes.size(), 1u);
    EXPECT_EQ(s.fake.port.writes[0], Hex("23 83 00 00 00 00 00 00 83"));
    EXPECT_EQ(s.fake.status.texts.back(), "Read settings");
    EXPECT_TRUE(s.fake.timer.enabled);

    Page one = FilledPage();
    Put(one, 0, "4321");
    s.ReplyPage(0, one);
    ASSERT_EQ(s.fake.port.writes.size(), 2u);
    EXPECT_EQ(s.fake.port.writes[1], Hex("23 83 00 00 01 00 00 00 82"));
    EXPECT_EQ(s.Get(row::kPassword), "4321");
    EXPECT_EQ(s.progress, (std::vector<int>{25, 40, 50}));
    EXPECT_TRUE(s.messages.empty());

    Page two = FilledPage();
    Put(two, 0, "name");
    Put(two, 17, "secret");
    s.ReplyPage(0x100, two);
    EXPECT_EQ(s.Get(row::kGprsUser), "name");
    EXPECT_EQ(s.Get(row::kGprsPassword), "secret");
    EXPECT_EQ(s.progress, (std::vector<int>{25, 40, 50, 90, 100}));
    EXPECT_EQ(s.panel, (std::vector<std::string>{"The first page", "The second page", ""}));
    EXPECT_EQ(s.messages, std::vector<std::string>{"Basic settings read to PC software success."});
    EXPECT_EQ(s.fake.port.writes.size(), 2u);
}

TEST(SettingsRead, ReplyNamingAnotherPageEndsTheReadWithoutSuccess) {
    Session s;
    s.transfer.StartRead();
    Page page = FilledPage();
    Put(page, 0, "0000");
    s.ReplyPage(0x100, page);
    EXPECT_EQ(s.Get(row::kPassword), "7145");
    EXPECT_EQ(s.fake.port.writes.size(), 1u) << "page 2 is never asked for";
    EXPECT_EQ(s.messages, std::vector<std::string>{"Invalid data"});
    // The second page's own reply, should it come now, is not taken either.
    s.ReplyPage(0x100, page);
    EXPECT_EQ(s.Get(row::kPassword), "7145");
    EXPECT_EQ(s.fake.port.writes.size(), 1u);
}

TEST(SettingsSave, WritesPageOneThenPageTwoAfterEachAcceptance) {
    Session s;
    s.Set(row::kGprsPassword, "pw");
    ASSERT_TRUE(s.transfer.StartSave());
    ASSERT_EQ(s.fake.port.writes.size(), 1u);
    const Bytes& first = s.fake.port.writes[0];
    ASSERT_EQ(first.size(), 265u);
    EXPECT_EQ(Bytes(first.begin(), first.begin() + 8), Hex("23 82 00 00 00 00 01 00"));
    Page expectedOne = FilledPage();
    ASSERT_FALSE(s.codec.EncodeSettingsPage1(expectedOne));
    EXPECT_EQ(Session::Written(first), expectedOne);
    EXPECT_EQ(s.fake.status.texts.back(), "Save settings");
    EXPECT_EQ(s.progress, std::vector<int>{50});

    s.Reply(cmd::kWritePage, 0, {1});
    ASSERT_EQ(s.fake.port.writes.size(), 2u);
    const Bytes& second = s.fake.port.writes[1];
    EXPECT_EQ(Bytes(second.begin(), second.begin() + 8), Hex("23 82 00 00 01 00 01 00"));
    EXPECT_EQ(Take(Session::Written(second), 17, 3), "pw\xFF"s);
    EXPECT_EQ(s.progress, (std::vector<int>{50, 100}));

    s.Reply(cmd::kWritePage, 0x100, {1});
    EXPECT_EQ(s.messages, std::vector<std::string>{"Basic setting saved success"});
    EXPECT_EQ(s.fake.port.writes.size(), 2u);
}

TEST(SettingsSave, RefusedPageOneStopsTheSave) {
    Session s;
    ASSERT_TRUE(s.transfer.StartSave());
    s.Reply(cmd::kWritePage, 0, {0});
    EXPECT_EQ(s.messages, std::vector<std::string>{"Basic setting error"});
    EXPECT_EQ(s.fake.port.writes.size(), 1u);
}

TEST(SettingsSave, InvalidSettingStopsItBeforeAnyFrame) {
    Session s;
    s.Set(row::kServerPort, "70000");
    EXPECT_FALSE(s.transfer.StartSave());
    EXPECT_TRUE(s.fake.port.writes.empty());
    EXPECT_FALSE(s.fake.timer.enabled);
    EXPECT_TRUE(s.progress.empty());
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].find("19.Server Port(0-65535)"), std::string::npos);
}

TEST(SettingsSave, PageTwoSpoiledWhilePageOneWasOutstanding) {
    Session s;
    ASSERT_TRUE(s.transfer.StartSave());
    s.Set(row::kGprsUser, std::string(17, 'u'));
    s.Reply(cmd::kWritePage, 0, {1});
    EXPECT_EQ(s.fake.port.writes.size(), 1u);
    EXPECT_EQ(s.basic.NextPage, 2);
    ASSERT_EQ(s.messages.size(), 1u);
    EXPECT_NE(s.messages[0].find("21.GPRS User Name"), std::string::npos);
}
