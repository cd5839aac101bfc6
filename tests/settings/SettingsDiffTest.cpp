// What a write of settings changes, as the user reads it.

#include "settings/SettingsDiff.h"
#include "settings/SettingsCells.h"
#include "SettingsFixture.h"

#include <gtest/gtest.h>

namespace gsm::settings::test {
namespace {

DeviceSettings FromStartGrid(const std::function<void(StartGrid&)>& edit = {}) {
    StartGrid start;
    if (edit)
        edit(start);
    const CellSettings taken = SettingsFromGrid(start.grid, start.lists);
    EXPECT_FALSE(taken.error);
    return taken.settings;
}

TEST(SettingsDiff, ListsExactlyTheSettingsThatDifferInRowOrderWithTheirCaptions) {
    const DeviceSettings before = FromStartGrid();
    const DeviceSettings after = FromStartGrid([](StartGrid& g) {
        g.Set(row::kSmsRelayOn, "Gate open");
        g.Set(row::kAutoArm, "30");
        g.lists.SetItemIndex(row::kDin1Type, 0);
    });
    EXPECT_EQ(DiffSettings(before, after),
              (std::vector<SettingChange>{
                  {row::kDin1Type, "3.DIN1 Type", "1:NO", "0:NC "},
                  {row::kAutoArm, "7.Auto Arm after authorized number call-in(0~999)", "10", "30"},
                  {row::kSmsRelayOn, "13.SMS content when relay ON", "Relay ON", "Gate open"},
              }));
    EXPECT_TRUE(DiffSettings(after, after).empty());
}

TEST(SettingsDiff, SecretsAreChangesButNeverShown) {
    const DeviceSettings before = FromStartGrid();
    const DeviceSettings after = FromStartGrid([](StartGrid& g) {
        g.Set(row::kPassword, "1234");
        g.Set(row::kGprsPassword, "s3cret");
    });
    const std::vector<SettingChange> changes = DiffSettings(before, after);
    ASSERT_EQ(changes.size(), 2u);
    for (const SettingChange& c : changes) {
        EXPECT_EQ(c.from, kHiddenValue) << c.item;
        EXPECT_EQ(c.to, kHiddenValue) << c.item;
    }
}

TEST(SettingsDiff, ValuesAreShownAsTheUserReadsThem) {
    DeviceSettings s = FromStartGrid();
    s.serverPort.reset();
    s.din2Type = kNoSelection;
    s.notifyRelayOn = 9;
    EXPECT_EQ(ShownValue(s, row::kServerPort), "");
    EXPECT_EQ(ShownValue(s, row::kDin2Type), "");
    EXPECT_EQ(ShownValue(s, row::kNotifyRelayOn), "9");
    EXPECT_EQ(ShownValue(s, row::kNotifyRelayOff), "3:Admin & Caller Number");
}

} // namespace
} // namespace gsm::settings::test
