#include "settings/EditRules.h"
#include "settings/SettingsCatalogue.h"

#include <gtest/gtest.h>

using namespace gsm;
using namespace gsm::settings;

namespace {

const CodePage& Western() {
    static const CodePage page("CP1252");
    return page;
}

EditOutcome Typed(int r, const std::string& text, const CodePage& cp = Western()) {
    return ApplyEditRules(r, text, cp);
}

} // namespace

TEST(SettingsEditRules, DigitRowsDropATypedNonDigit) {
    EXPECT_EQ(Typed(row::kAutoArm, "1").text, "1");
    EXPECT_EQ(Typed(row::kAutoArm, "1").selectRow, 0);
    const EditOutcome letter = Typed(row::kAutoArm, "1a");
    EXPECT_EQ(letter.text, "1");
    EXPECT_TRUE(letter.changed);
    EXPECT_EQ(Typed(row::kSimNumber, "0044+").text, "0044");
    EXPECT_EQ(Typed(row::kPassword, "7ü").text, "7");
    // Only the last character is looked at.
    EXPECT_EQ(Typed(row::kPassword, "1a2").text, "1a2");
}

TEST(SettingsEditRules, ReachingTheLimitMovesOn) {
    const EditOutcome fourth = Typed(row::kPassword, "1234");
    EXPECT_EQ(fourth.text, "1234");
    EXPECT_EQ(fourth.selectRow, row::kSimNumber);
    // The removed letter still counts toward the limit.
    const EditOutcome letter = Typed(row::kAutoArm, "12a");
    EXPECT_EQ(letter.text, "12");
    EXPECT_EQ(letter.selectRow, row::kArmAfterPowerOn);
    EXPECT_EQ(Typed(row::kAutoArm, "12").selectRow, 0);
    const EditOutcome pasted = Typed(row::kAutoArm, "1a2");
    EXPECT_EQ(pasted.text, "1a2");
    EXPECT_EQ(pasted.selectRow, row::kArmAfterPowerOn);
    EXPECT_EQ(Typed(row::kUploadInterval, "9999").selectRow, row::kServerAddress);
    EXPECT_EQ(Typed(row::kServerPort, "abcde").text, "abcde");
}

TEST(SettingsEditRules, LastRowHandsBackToTheRowAbove) {
    const EditOutcome full = Typed(row::kGprsPassword, std::string(16, 'p'));
    EXPECT_EQ(full.selectRow, row::kGprsUser);
    EXPECT_EQ(Typed(row::kGprsUser, std::string(16, 'p')).selectRow, row::kGprsPassword);
}

TEST(SettingsEditRules, PastedTextIsCutToTheLimit) {
    const EditOutcome forty = Typed(row::kDin1Alarm, std::string(40, 'x'));
    EXPECT_FALSE(forty.changed);
    EXPECT_EQ(forty.selectRow, row::kDin2Alarm);
    const EditOutcome fifty = Typed(row::kDin1Alarm, std::string(50, 'x'));
    EXPECT_EQ(fifty.text, std::string(40, 'x'));
    EXPECT_TRUE(fifty.changed);
}

TEST(SettingsEditRules, LimitsCountCodePageBytes) {
    const CodePage gbk("CP936");
    // Seven double-byte characters are 14 bytes: below the APN's 16.
    EXPECT_EQ(Typed(row::kApn, "网络网络网络网", gbk).selectRow, 0);
    const EditOutcome eight = Typed(row::kApn, "网络网络网络网络", gbk);
    EXPECT_EQ(eight.selectRow, row::kGprsUser);
    // A double-byte character that would pass the limit is not kept half.
    const EditOutcome over = Typed(row::kApn, "a网络网络网络网络", gbk);
    EXPECT_EQ(over.text, "a网络网络网络网");
}

// The save needs room for the 0 that completes a unit begun by the last byte,
// so the editor never keeps a text that ends in such a unit at the field's end.
TEST(SettingsEditRules, TextEndingInAnOpenUnitIsCutWhereTheFieldEnds) {
    const CodePage cyrillic("CP1251");
    const CodePage gbk("CP936");
    struct Case {
        const CodePage& codePage;
        std::string typed;
        std::string kept;
    } const cases[] = {
        // 39 bytes and a single byte above 0x7F: 40 bytes, 41 in the field.
        {cyrillic, std::string(39, 'a') + "Ж", std::string(39, 'a')},
        // A blank also begins a unit.
        {Western(), std::string(39, 'a') + " ", std::string(39, 'a')},
        // 39 bytes and a double-byte character: 41 bytes.
        {gbk, std::string(39, 'a') + "网", std::string(39, 'a')},
        // A whole double-byte character in the last unit fits.
        {gbk, std::string(38, 'a') + "网", std::string(38, 'a') + "网"},
    };
    for (const Case& c : cases) {
        const EditOutcome out = Typed(row::kDin1Alarm, c.typed, c.codePage);
        EXPECT_EQ(out.text, c.kept) << c.typed;
        EXPECT_EQ(out.selectRow, row::kDin2Alarm) << c.typed;
    }
    // Fields stored byte for byte keep a last byte above 0x7F.
    EXPECT_EQ(Typed(row::kApn, std::string(15, 'a') + "Ж", cyrillic).text,
              std::string(15, 'a') + "Ж");
}

TEST(SettingsEditRules, ListRowsKeepNothingTyped) {
    for (const ChoiceList& list : ChoiceLists()) {
        const EditOutcome out = Typed(list.row, "x");
        EXPECT_EQ(out.text, "") << list.name;
        EXPECT_EQ(out.selectRow, list.row + 1) << list.name;
    }
}

TEST(SettingsEditRules, CharacterOutsideTheCodePageIsRefused) {
    const EditOutcome out = Typed(row::kSmsRelayOn, "Relay 开");
    EXPECT_EQ(out.text, "Relay ");
    EXPECT_TRUE(out.changed);
    ASSERT_TRUE(out.refusal);
    EXPECT_NE(out.refusal->find("开"), std::string::npos);
    EXPECT_NE(out.refusal->find("CP1252"), std::string::npos);
    // The same character is fine where the code page holds it.
    EXPECT_FALSE(Typed(row::kSmsRelayOn, "Relay 开", CodePage("CP936")).refusal);
}

TEST(SettingsCatalogue, StartGridAndLists) {
    TableGrid grid(kColCount, kRowCount);
    WriteStartGrid(grid);
    EXPECT_EQ(grid.Cell(col::kContent, row::kPassword), "7145");
    EXPECT_EQ(grid.Cell(col::kContent, row::kSimNumber), "");
    EXPECT_EQ(grid.Cell(col::kContent, row::kServerPort), "");
    EXPECT_EQ(grid.Cell(col::kItems, 0), "Items");
    EXPECT_EQ(grid.Cell(col::kDescription, 19), "Default:65535");
    for (const ChoiceList& list : ChoiceLists())
        EXPECT_EQ(grid.Cell(col::kContent, list.row), "") << list.name;
    ASSERT_NE(ListAtRow(8), nullptr);
    EXPECT_STREQ(ListAtRow(8)->name, "cbb4");
    EXPECT_STREQ(ListAtRow(9)->name, "cbb3");
    EXPECT_STREQ(ListAtRow(3)->items[0], "0:NC ");
    EXPECT_STREQ(ListAtRow(3)->items[1], "1:NO");
    EXPECT_EQ(ListAtRow(5), nullptr);
    // Every item begins with its own index digit and a colon.
    for (const ChoiceList& list : ChoiceLists())
        for (std::size_t i = 0; i < list.items.size(); ++i)
            EXPECT_EQ(std::string(list.items[i]).substr(0, 2), std::to_string(i) + ":");
}
