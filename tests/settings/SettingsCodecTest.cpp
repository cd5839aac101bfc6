#include "SettingsFixture.h"

#include <gtest/gtest.h>

using namespace std::string_literals;
using namespace gsm;
using namespace gsm::settings;
using namespace gsm::settings::test;

namespace {

struct Codec : StartGrid {
    SettingsCodec codec{grid, lists, Western()};

    Page Encode(int page) {
        Page data = FilledPage();
        const auto error = codec.EncodeSettingsPage(page, data);
        EXPECT_FALSE(error) << error->Message();
        return data;
    }
    std::optional<SettingError> Refusal(int r, const std::string& text) {
        Set(r, text);
        return codec.Validate();
    }
};

} // namespace

TEST(SettingsEncode, StartValuesGiveTheFactoryPageOne) {
    Codec c;
    EXPECT_EQ(c.Encode(1), FactoryPageOne());
}

TEST(SettingsEncode, PageTwoHoldsUserAndPasswordPadded) {
    Codec c;
    c.Set(row::kGprsUser, "user");
    c.Set(row::kGprsPassword, "0123456789abcdef");
    Page expected = FilledPage();
    Put(expected, 0, "user");
    Put(expected, 17, "0123456789abcdef");
    EXPECT_EQ(c.Encode(2), expected);
}

TEST(SettingsEncode, FieldsOnTheEdgesOfTheirWidth) {
    Codec c;
    const std::string forty(40, 'x');
    c.Set(row::kDin1Alarm, forty);
    c.Set(row::kSimNumber, "+8613812345678");
    c.Set(row::kServerPort, "");
    c.Set(row::kRelayOnTimer, "65535");
    const Page page = c.Encode(1);
    // A full text field has no terminator: the next field follows at once.
    EXPECT_EQ(Take(page, 28, 41), forty + "DIN2 Alarm"[0]);
    EXPECT_EQ(Take(page, 4, 16), "+8613812345678\0\xFF"s);
    EXPECT_EQ(Take(page, 236, 2), "\xFF\xFF"s);
    EXPECT_EQ(Take(page, 112, 4), "\xFF\xFF\xFF\xFF"s);
}

TEST(SettingsEncode, ListWithoutSelectionIsSentAsFF) {
    Codec c;
    c.lists.SetItemIndex(row::kNotifyRelayOff, 7);
    EXPECT_EQ(c.lists.ItemIndex(row::kNotifyRelayOff), kNoSelection);
    EXPECT_EQ(c.Encode(1)[117], 0xFF);
}

TEST(SettingsTextUnits, BlankStartsATwoByteUnitBothWays) {
    Codec c;
    c.Set(row::kSmsRelayOn, "a b ");
    Page page = c.Encode(1);
    // The trailing blank's unit is completed by the 0 that ends the text.
    EXPECT_EQ(Take(page, 118, 6), "a b \0\xFF"s);

    // A blank and the byte after it are taken together and come out unchanged.
    Put(page, 118, "x \x01y\0"s);
    c.codec.DecodeSettingsPage(1, page);
    EXPECT_EQ(c.Get(row::kSmsRelayOn), "x \x01y");
}

TEST(SettingsTextUnits, UnitOnTheLastByteBorrowsFromTheNextField) {
    Page page = FilledPage();
    Put(page, 28, std::string(39, 'a') + "\xE9");
    Put(page, 68, "Z\0"s);
    EXPECT_EQ(text_units::Read(page, {28, 40}), std::string(39, 'a') + "\xE9Z");
    // The last field of the page has nothing after it.
    Put(page, 254, "b\xE9"s);
    EXPECT_EQ(text_units::Read(page, {254, 2}), "b\xE9");
}

TEST(SettingsDecode, PageOneIntoRowsAndLists) {
    Codec c;
    Page page = FilledPage();
    Put(page, 0, "1234");
    Put(page, 4, "+44791112\0"s);
    page[26] = 0;
    page[27] = 0xFF; // never configured
    Put(page, 28, "Gate\0"s);
    Put(page, 68, std::string(40, 'q'));
    Put(page, 108, "\x2C\x01"s); // 300
    page[110] = 0;
    page[111] = 1;
    Put(page, 112, "\x05\x00\x07\x00"s); // the second copy differs
    page[116] = 2;
    page[117] = 0;
    Put(page, 118, "On\0"s);
    Put(page, 158, "Off\0"s);
    Put(page, 198, "\x01\x00\x02\x00\x03\x00"s);
    Put(page, 204, std::string(32, 's'));
    // 236: empty port, 0xFF 0xFF
    Put(page, 238, "apn\0\0x"s);
    c.codec.DecodeSettingsPage(1, page);

    EXPECT_EQ(c.Get(row::kPassword), "1234");
    EXPECT_EQ(c.Get(row::kSimNumber), "+44791112");
    EXPECT_EQ(c.lists.ItemIndex(row::kDin1Type), 0);
    EXPECT_EQ(c.lists.ItemIndex(row::kDin2Type), kNoSelection);
    EXPECT_EQ(c.Get(row::kDin1Alarm), "Gate");
    EXPECT_EQ(c.Get(row::kDin2Alarm), std::string(40, 'q'));
    EXPECT_EQ(c.Get(row::kAutoArm), "300");
    EXPECT_EQ(c.lists.ItemIndex(row::kRelayAuthorization), 0);
    EXPECT_EQ(c.lists.ItemIndex(row::kArmAfterPowerOn), 1);
    EXPECT_EQ(c.Get(row::kRelayOnTimer), "7");
    EXPECT_EQ(c.lists.ItemIndex(row::kNotifyRelayOn), 2);
    EXPECT_EQ(c.lists.ItemIndex(row::kNotifyRelayOff), 0);
    EXPECT_EQ(c.Get(row::kSmsRelayOn), "On");
    EXPECT_EQ(c.Get(row::kSmsRelayOff), "Off");
    EXPECT_EQ(c.Get(row::kUploadInterval), "1");
    EXPECT_EQ(c.Get(row::kPowerFailureDelay), "2");
    EXPECT_EQ(c.Get(row::kSelfCheckInterval), "3");
    EXPECT_EQ(c.Get(row::kServerAddress), std::string(32, 's'));
    EXPECT_EQ(c.Get(row::kServerPort), "65535");
    // Only 0xFF ends a padded string; 0 bytes are characters there.
    EXPECT_EQ(c.Get(row::kApn), "apn\0\0x"s);
    for (const ChoiceList& list : ChoiceLists())
        EXPECT_TRUE(c.lists.Visible(list.row)) << list.name;
}

TEST(SettingsDecode, DigitStringsStopAtTheFirstOtherByte) {
    Codec c;
    Page page = c.Encode(1);
    Put(page, 0,
        "12\x00"
        "4"s);
    Put(page, 4, "12#45"s);
    c.codec.DecodeSettingsPage(1, page);
    EXPECT_EQ(c.Get(row::kPassword), "12");
    EXPECT_EQ(c.Get(row::kSimNumber), "12");
}

TEST(SettingsRoundTrip, EmptyPortReadsBackAs65535) {
    Codec c;
    c.Set(row::kServerAddress, "example.org");
    c.Set(row::kApn, "internet");
    c.Set(row::kGprsUser, "u");
    c.Set(row::kGprsPassword, "");
    const Page one = c.Encode(1);
    const Page two = c.Encode(2);

    Codec back;
    back.codec.DecodeSettingsPage(1, one);
    back.codec.DecodeSettingsPage(2, two);
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        const std::string expected = r == row::kServerPort ? "65535" : c.Get(r);
        EXPECT_EQ(back.Get(r), expected) << "row " << r;
    }
}

TEST(SettingsRoundTrip, ChineseTextsAsGbkBytes) {
    const CodePage gbk(CodePageForLocale("zh_CN.UTF-8"));
    ASSERT_EQ(gbk.Name(), "CP936");
    StartGrid g;
    SettingsCodec codec(g.grid, g.lists, gbk);
    g.Set(row::kDin1Alarm, "门已打开");
    g.Set(row::kSmsRelayOn, "Door 门 open");
    g.Set(row::kApn, "网络");
    Page page = FilledPage();
    ASSERT_FALSE(codec.EncodeSettingsPage1(page));
    EXPECT_EQ(Take(page, 28, 9), "\xC3\xC5\xD2\xD1\xB4\xF2\xBF\xAA\0"s);
    EXPECT_EQ(Take(page, 118, 13), "Door \xC3\xC5 open\0"s);
    EXPECT_EQ(Take(page, 238, 5), "\xCD\xF8\xC2\xE7\xFF"s);

    StartGrid back;
    SettingsCodec decoder(back.grid, back.lists, gbk);
    decoder.DecodeSettingsPage(1, page);
    EXPECT_EQ(back.Get(row::kDin1Alarm), "门已打开");
    EXPECT_EQ(back.Get(row::kSmsRelayOn), "Door 门 open");
    EXPECT_EQ(back.Get(row::kApn), "网络");
}

TEST(SettingsRefusal, NumbersMustBeIntegersFrom0To65535) {
    Codec c;
    auto error = c.Refusal(row::kAutoArm, "1a2");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->row, row::kAutoArm);
    EXPECT_EQ(error->problem, "'1a2' is not a valid integer value");
    EXPECT_NE(error->Message().find("7.Auto Arm after authorized number call-in(0~999)"),
              std::string::npos);

    c.Set(row::kAutoArm, "10");
    error = c.Refusal(row::kServerPort, "70000");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->row, row::kServerPort);
    EXPECT_NE(error->problem.find("65535"), std::string::npos);
    EXPECT_TRUE(c.Refusal(row::kServerPort, "-1"));
    EXPECT_TRUE(c.Refusal(row::kServerPort, "99999999999999999999"));
    EXPECT_EQ(c.Refusal(row::kServerPort, "abcde")->problem,
              "'abcde' is not a valid integer value");
    EXPECT_TRUE(c.Refusal(row::kServerPort, " 80"));
    EXPECT_FALSE(c.Refusal(row::kServerPort, "65535"));
    EXPECT_FALSE(c.Refusal(row::kServerPort, "0"));
}

TEST(SettingsRefusal, PasswordMustBeFourDigits) {
    Codec c;
    for (const char* bad : {"", "714", "71450", "71a5", "+714"})
        EXPECT_EQ(c.Refusal(row::kPassword, bad).value_or(SettingError{}).row, row::kPassword)
            << bad;
    EXPECT_FALSE(c.Refusal(row::kPassword, "0000"));
}

TEST(SettingsRefusal, TextsLongerThanTheirField) {
    Codec c;
    EXPECT_FALSE(c.Refusal(row::kDin2Alarm, std::string(40, 'a')));
    EXPECT_EQ(c.Refusal(row::kDin2Alarm, std::string(41, 'a'))->row, row::kDin2Alarm);
    // 40 bytes, but the last one starts a unit whose 0 would fall outside.
    EXPECT_TRUE(c.Refusal(row::kDin2Alarm, std::string(39, 'a') + " "));
    c.Set(row::kDin2Alarm, "ok");
    EXPECT_FALSE(c.Refusal(row::kServerAddress, std::string(32, 'a')));
    EXPECT_EQ(c.Refusal(row::kServerAddress, std::string(33, 'a'))->row, row::kServerAddress);
    c.Set(row::kServerAddress, "");
    EXPECT_EQ(c.Refusal(row::kGprsPassword, std::string(17, 'a'))->row, row::kGprsPassword);
    c.Set(row::kGprsPassword, "");
    EXPECT_EQ(c.Refusal(row::kSimNumber, std::string(23, '1'))->row, row::kSimNumber);
}

TEST(SettingsRefusal, CharacterOutsideTheCodePage) {
    Codec c;
    const auto error = c.Refusal(row::kSmsRelayOff, "Relay 关");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->row, row::kSmsRelayOff);
    EXPECT_NE(error->problem.find("CP1252"), std::string::npos);
}

TEST(SettingsRefusal, RefusedPageLeavesTheBufferAlone) {
    Codec c;
    c.Set(row::kGprsUser, std::string(20, 'u'));
    Page data{};
    EXPECT_TRUE(c.codec.EncodeSettingsPage2(data));
    EXPECT_EQ(data, Page{});
    // The first refusal in page order is the one reported.
    c.Set(row::kPassword, "1");
    EXPECT_EQ(c.codec.Validate()->row, row::kPassword);
}
