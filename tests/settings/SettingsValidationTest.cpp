// What every write of the settings refuses, whether it comes from the cells
// (the window's save, a profile import) or from a backup page, and the edge
// values that must still go through.

#include "settings/SettingsValidation.h"
#include "SettingsFixture.h"
#include "settings/SettingsCells.h"
#include "settings/SettingsPages.h"

#include <gtest/gtest.h>

#include <limits>

using namespace std::string_literals;
using namespace gsm;
using namespace gsm::settings;
using namespace gsm::settings::test;

namespace {

// The case sets a cell, not a list index.
constexpr int kNoCell = std::numeric_limits<int>::min();

struct CellCase {
    int row;
    std::string cell;    // Content text, unless the row is a list
    int listIndex;       // the raw index of a list row
    std::string problem; // empty: accepted
};

void PrintTo(const CellCase& c, std::ostream* out) {
    *out << "row " << c.row << " '" << c.cell << "' " << c.listIndex;
}

class SettingsFromCellsValidation : public ::testing::TestWithParam<CellCase> {};

TEST_P(SettingsFromCellsValidation, RefusesWithTheSettingNamedOrAccepts) {
    const CellCase& c = GetParam();
    StartGrid start;
    std::array<int, kListCount> indexes{};
    for (std::size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = ChoiceLists()[i].startIndex;
    if (c.listIndex != kNoCell)
        indexes[static_cast<std::size_t>(ListSlot(c.row))] = c.listIndex;
    else
        start.Set(c.row, c.cell);

    const auto refused = FirstRefusal(SettingsFromCells(start.grid, indexes), Western());
    if (c.problem.empty()) {
        EXPECT_FALSE(refused) << refused->Message();
        return;
    }
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->row, c.row);
    EXPECT_EQ(refused->problem, c.problem);
}

const CellCase kCellCases[] = {
    {row::kSimNumber, "call me maybe", kNoCell,
     "'call me maybe' holds characters other than \"+\" and digits."},
    {row::kSimNumber, "+" + std::string(21, '1'), kNoCell, ""},
    {row::kDin1Type, "", 9, "9 is not an item of the list (0 to 1)."},
    {row::kNotifyRelayOff, "", 4, "4 is not an item of the list (0 to 3)."},
    {row::kArmAfterPowerOn, "", -2, "-2 is not an item of the list (0 to 1)."},
    {row::kNotifyRelayOn, "", kNoSelection, ""},
    {row::kDin1Alarm, "Gate\x1B[2J", kNoCell, "The text holds a control character (U+001B)."},
    {row::kSmsRelayOn, "Relay\0ON"s, kNoCell, "The text holds a control character (U+0000)."},
    {row::kSmsRelayOff, "Relay OFF\0"s, kNoCell, "The text holds a control character (U+0000)."},
    {row::kServerAddress, "host\x7F", kNoCell, "The text holds a control character (U+007F)."},
    {row::kApn, "apn\0\0x"s, kNoCell, "The text holds a control character (U+0000)."},
    {row::kGprsUser, "user\u0085", kNoCell, "The text holds a control character (U+0085)."},
    {row::kGprsPassword, "pw\n", kNoCell, "The text holds a control character (U+000A)."},
    // A device that pads with 0x00 reads back this way; it must save again.
    {row::kApn, "internet\0\0\0\0\0\0\0\0"s, kNoCell, ""},
    {row::kGprsPassword, std::string(16, '\0'), kNoCell, ""},
    {row::kAutoArm, "1000", kNoCell, "'1000' is outside the range 0 to 999."},
    {row::kAutoArm, "999", kNoCell, ""},
    {row::kRelayOnTimer, "65534", kNoCell, "'65534' is outside the range 0 to 999."},
    {row::kPowerFailureDelay, "+1000", kNoCell, "'1000' is outside the range 0 to 999."},
    {row::kSelfCheckInterval, "1000", kNoCell, "'1000' is outside the range 0 to 999."},
    {row::kUploadInterval, "10000", kNoCell, "'10000' is outside the range 0 to 9999."},
    {row::kUploadInterval, "9999", kNoCell, ""},
    // What an empty cell is sent as, and what a read of an unset field shows.
    {row::kSelfCheckInterval, "65535", kNoCell, ""},
    {row::kRelayOnTimer, "", kNoCell, ""},
};

INSTANTIATE_TEST_SUITE_P(Cells, SettingsFromCellsValidation, ::testing::ValuesIn(kCellCases));

TEST(SettingsValidation, FirstRefusalInPageOrderWhateverFindsIt) {
    StartGrid start;
    // Row 17 comes before row 15 on the wire, and row 2 before both.
    start.Set(row::kPowerFailureDelay, "abc");
    start.Set(row::kUploadInterval, "10000");
    const auto taken = SettingsFromGrid(start.grid, start.lists);
    EXPECT_EQ(FirstRefusal(taken, Western())->row, row::kUploadInterval);
    start.Set(row::kSimNumber, "x");
    EXPECT_EQ(FirstRefusal(SettingsFromGrid(start.grid, start.lists), Western())->row,
              row::kSimNumber);
}

// A device that was never configured shows its unset fields (0xFF) as no
// selection, 65535 and texts of 0xFF characters; saved again, it gets the
// same bytes back.
TEST(SettingsValidation, NeverConfiguredDeviceReadsAndSavesBackUnchanged) {
    Page one = FilledPage();
    Put(one, 0, "1234");
    const Page two = FilledPage();
    StartGrid read;
    SettingsCodec codec(read.grid, read.lists, Western());
    codec.DecodeSettingsPage(1, one);
    codec.DecodeSettingsPage(2, two);
    ASSERT_EQ(read.Get(row::kAutoArm), "65535");
    ASSERT_EQ(read.lists.ItemIndex(row::kDin1Type), kNoSelection);

    const auto refused = codec.Validate();
    ASSERT_FALSE(refused) << refused->Message();
    const EncodedSettings again =
        EncodeSettings(SettingsFromGrid(read.grid, read.lists).settings, Western());
    ASSERT_FALSE(again.error);
    EXPECT_EQ(again.pages[0], one);
    EXPECT_EQ(again.pages[1], two);
}

struct PageCase {
    const char* name;
    int page;
    std::size_t offset;
    std::string bytes;
    int row;
    std::string problem;
};

TEST(SettingsRestoreCheck, RefusesWhatAReadWouldHide) {
    const PageCase cases[] = {
        {"unset password", 1, 0, "\xFF\xFF\xFF\xFF", row::kPassword,
         "The password must be exactly four digits."},
        {"short password", 1, 0, "12\0\0"s, row::kPassword,
         "The password must be exactly four digits."},
        {"letters in the SIM number", 1, 4, "ABC\0"s, row::kSimNumber,
         "'ABC' holds characters other than \"+\" and digits."},
        {"no item 7", 1, 26, "\x07", row::kDin1Type, "7 is not an item of the list (0 to 1)."},
        {"auto arm 1000", 1, 108, "\xE8\x03", row::kAutoArm,
         "'1000' is outside the range 0 to 999."},
        // Only the copy at 114 shows after a read.
        {"first relay timer copy", 1, 112, "\xE8\x03", row::kRelayOnTimer,
         "'1000' is outside the range 0 to 999."},
        {"escape in an alarm text", 1, 68, "Door\x1B\x41\0"s, row::kDin2Alarm,
         "The text holds a control character (U+001B)."},
        {"control in the GPRS user", 2, 0, "\x01user", row::kGprsUser,
         "The text holds a control character (U+0001)."},
    };
    for (const PageCase& c : cases) {
        Page page = c.page == 1 ? FactoryPageOne() : FilledPage();
        Put(page, c.offset, c.bytes);
        const auto refused = CheckSettingsPage(c.page, page, Western());
        ASSERT_TRUE(refused) << c.name;
        EXPECT_EQ(refused->row, c.row) << c.name;
        EXPECT_EQ(refused->problem, c.problem) << c.name;
    }
}

TEST(SettingsRestoreCheck, PassesFactoryPagesAndEveryPageTheEncoderWrites) {
    EXPECT_FALSE(CheckSettingsPage(1, FactoryPageOne(), Western()));
    EXPECT_FALSE(CheckSettingsPage(2, FilledPage(), Western()));

    StartGrid start;
    start.Set(row::kSimNumber, "+8613800138000");
    start.Set(row::kServerAddress, std::string(32, 's'));
    start.Set(row::kServerPort, "");
    start.Set(row::kGprsPassword, "secret");
    start.lists.SetItemIndex(row::kNotifyRelayOn, kNoSelection);
    const EncodedSettings encoded =
        EncodeSettings(SettingsFromGrid(start.grid, start.lists).settings, Western());
    ASSERT_FALSE(encoded.error) << encoded.error->Message();
    for (int page = 1; page <= kPageCount; ++page) {
        const auto refused =
            CheckSettingsPage(page, encoded.pages[static_cast<std::size_t>(page - 1)], Western());
        EXPECT_FALSE(refused) << refused->Message();
    }
}

// Bytes no setting uses go back as the backup holds them; the APN of a
// device that pads with 0x00 keeps its zeros through a read and a save.
TEST(SettingsRestoreCheck, ZeroPaddedApnPassesAndSurvivesAReadAndASave) {
    Page page = FactoryPageOne();
    Put(page, 238, "internet\0\0\0\0\0\0\0\0"s);
    page[254] = 0x00;
    EXPECT_FALSE(CheckSettingsPage(1, page, Western()));

    DeviceSettings read;
    DecodeSettingsPage(1, page, Western(), read);
    const EncodedPage again = EncodeSettingsPage(read, 1, Western());
    ASSERT_FALSE(again.error);
    EXPECT_EQ(Take(again.page, 238, 16), Take(page, 238, 16));

    // Zeros past the field are padding too: they pass, and only the field's
    // width goes out (they once ran over the page).
    read.apn = "internet" + std::string(300, '\0');
    const EncodedPage longer = EncodeSettingsPage(read, 1, Western());
    ASSERT_FALSE(longer.error);
    EXPECT_EQ(Take(longer.page, 238, 18), "internet\0\0\0\0\0\0\0\0\xFF\xFF"s);
}

} // namespace
