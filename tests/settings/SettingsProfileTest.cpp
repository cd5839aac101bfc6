// Settings profiles as sheet cells: the layout written, and a load that is all
// or nothing.

#include "settings/SettingsProfile.h"
#include "SettingsFixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace gsm;
using namespace gsm::settings;
using gsm::settings::test::StartGrid;
using gsm::settings::test::Western;

namespace {

const auto kNoProgress = [](int, int) {};

TableGrid Sheet() {
    return TableGrid(kColCount, kRowCount);
}

TableGrid ExportOf(const StartGrid& start) {
    TableGrid sheet = Sheet();
    WriteProfile(start.grid, start.lists, sheet, kNoProgress);
    return sheet;
}

// Values a user might have set, different from the start grid's.
void EditEverything(StartGrid& start) {
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        start.grid.SetCell(col::kContent, r, "value " + std::to_string(r));
        start.grid.SetCell(col::kDescription, r, "note " + std::to_string(r));
    }
    for (const SettingMember& m : SettingMembers())
        if (m.number)
            start.grid.SetCell(col::kContent, m.row, std::to_string(m.row));
    start.grid.SetCell(col::kContent, row::kPassword, "0123");
    start.grid.SetCell(col::kContent, row::kSimNumber, "+15555550100");
    start.lists.SetItemIndex(row::kDin1Type, 0);
    start.lists.SetItemIndex(row::kDin2Type, 1);
    start.lists.SetItemIndex(row::kArmAfterPowerOn, 0);
    start.lists.SetItemIndex(row::kRelayAuthorization, 1);
    start.lists.SetItemIndex(row::kNotifyRelayOn, 3);
    start.lists.SetItemIndex(row::kNotifyRelayOff, 2);
}

TEST(SettingsProfile, ExportCopiesTheGridAndPutsListTextsOverTheirCells) {
    StartGrid start;
    EditEverything(start);
    std::vector<int> percents;
    TableGrid sheet = Sheet();
    WriteProfile(start.grid, start.lists, sheet,
                 [&](int, int percent) { percents.push_back(percent); });

    EXPECT_EQ(sheet.Cell(0, 0), "Items");
    EXPECT_EQ(sheet.Cell(1, 0), "Content");
    EXPECT_EQ(sheet.Cell(2, 0), "Description");
    EXPECT_EQ(sheet.Cell(col::kItems, row::kPassword),
              start.grid.Cell(col::kItems, row::kPassword));
    EXPECT_EQ(sheet.Cell(col::kContent, row::kPassword), "0123");
    EXPECT_EQ(sheet.Cell(col::kDescription, row::kGprsPassword), "note 22");
    // B4, B5, B9, B10, B12, B13
    EXPECT_EQ(sheet.Cell(col::kContent, 3), "0:NC ");
    EXPECT_EQ(sheet.Cell(col::kContent, 4), "1:NO");
    EXPECT_EQ(sheet.Cell(col::kContent, 8), "0:Disarm");
    EXPECT_EQ(sheet.Cell(col::kContent, 9), "1:Only authorized numbers can control the relay");
    EXPECT_EQ(sheet.Cell(col::kContent, 11), "3:Admin & Caller Number");
    EXPECT_EQ(sheet.Cell(col::kContent, 12), "2:Caller Number");

    ASSERT_EQ(percents.size(), 23u);
    EXPECT_EQ(percents[0], 0);
    EXPECT_EQ(percents[11], 50);
    EXPECT_EQ(percents[21], 95);
    EXPECT_EQ(percents[22], 100);
}

TEST(SettingsProfile, ListWithoutSelectionExportsAnEmptyCell) {
    StartGrid start;
    start.lists.SetItemIndex(row::kNotifyRelayOn, 9);
    EXPECT_EQ(ExportOf(start).Cell(col::kContent, row::kNotifyRelayOn), "");
}

TEST(SettingsProfile, ExportThenLoadRestoresContentDescriptionsAndLists) {
    StartGrid edited;
    EditEverything(edited);
    const TableGrid sheet = ExportOf(edited);

    StartGrid fresh;
    std::vector<int> rows;
    const ProfileLoad load = LoadProfile("Items", sheet, fresh.grid, fresh.lists, Western(),
                                         [&](int row, int) { rows.push_back(row); });
    ASSERT_TRUE(load.loaded) << load.message;
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        if (ListAtRow(r) == nullptr) {
            EXPECT_EQ(fresh.grid.Cell(col::kContent, r), edited.grid.Cell(col::kContent, r)) << r;
        }
        EXPECT_EQ(fresh.grid.Cell(col::kDescription, r), edited.grid.Cell(col::kDescription, r));
    }
    for (const ChoiceList& list : ChoiceLists())
        EXPECT_EQ(fresh.lists.ItemIndex(list.row), edited.lists.ItemIndex(list.row)) << list.name;
    // The cell under a list takes the item text the file holds.
    EXPECT_EQ(fresh.grid.Cell(col::kContent, row::kNotifyRelayOn), "3:Admin & Caller Number");
    EXPECT_EQ(rows.front(), 1);
    EXPECT_EQ(rows.back(), 22);
}

TEST(SettingsProfile, CaptionsAndHeadersAreNotRead) {
    StartGrid start;
    TableGrid sheet = ExportOf(start);
    sheet.SetCell(col::kItems, row::kApn, "changed caption");
    sheet.SetCell(col::kContent, 0, "changed header");
    StartGrid target;
    ASSERT_TRUE(
        LoadProfile("Items", sheet, target.grid, target.lists, Western(), kNoProgress).loaded);
    EXPECT_EQ(target.grid.Cell(col::kItems, row::kApn), start.grid.Cell(col::kItems, row::kApn));
    EXPECT_EQ(target.grid.Cell(col::kContent, 0), "Content");
}

// Whatever refuses the file, the grid and all six lists stay as they were.
TEST(SettingsProfile, RefusedProfileChangesNothing) {
    struct Case {
        std::string a1;
        int row; // of the cell put into the exported sheet, 0 for none
        std::string cell;
        std::string message;
    };
    const std::vector<Case> cases = {
        {" Items", 0, "", "Wrong format of the setting profile"},
        {"", 0, "", "Wrong format of the setting profile"},
        {"items", 0, "", "Wrong format of the setting profile"},
        {"Items", row::kNotifyRelayOff, "x", "'x' is not a valid integer value"},
        {"Items", row::kDin1Type, "", "'' is not a valid integer value"},
        {"Items", row::kArmAfterPowerOn, " 1:Arm", "' ' is not a valid integer value"},
        {"Items", row::kRelayAuthorization, "中文", "'中' is not a valid integer value"},
        // A digit the list has no item for would be sent as "no selection".
        {"Items", row::kDin1Type, "9:bogus",
         "9 is not an item of the list (0 to 1).\nSetting: 3.DIN1 Type"},
        // Loaded, it could not be saved.
        {"Items", row::kServerPort, "70000",
         "'70000' is outside the range 0 to 65535.\nSetting: 19.Server Port(0-65535)"},
    };
    for (const Case& c : cases) {
        StartGrid edited;
        EditEverything(edited);
        TableGrid sheet = ExportOf(edited);
        if (c.row != 0)
            sheet.SetCell(col::kContent, c.row, c.cell);

        StartGrid target;
        const TableGrid before = target.grid;
        int progressCalls = 0;
        const ProfileLoad load = LoadProfile(c.a1, sheet, target.grid, target.lists, Western(),
                                             [&](int, int) { ++progressCalls; });
        EXPECT_FALSE(load.loaded) << c.a1 << c.cell;
        EXPECT_EQ(load.message, c.message);
        EXPECT_EQ(progressCalls, 0);
        for (int r = 0; r < kRowCount; ++r)
            for (int k = 0; k < kColCount; ++k)
                EXPECT_EQ(target.grid.Cell(k, r), before.Cell(k, r));
        for (const ChoiceList& list : ChoiceLists())
            EXPECT_EQ(target.lists.ItemIndex(list.row), list.startIndex) << list.name;
    }
}

} // namespace
