#pragma once
// The settings record and the grid's cells: the one conversion the window's
// save and every profile import take the cells through, and the way a read
// shows a record in the grid and its lists.

#include "ChoiceLists.h"
#include "SettingsLayout.h"
#include "SettingsRecord.h"
#include "protocol/Grid.h"
#include "text/CodePage.h"

#include <array>
#include <functional>
#include <optional>
#include <span>

namespace gsm::settings {

inline constexpr std::size_t kListCount = 6;

struct CellSettings {
    // Every value the cells give; a number whose cell gives none stays empty.
    DeviceSettings settings;
    // The first cell in page order that is no number of 0 to 65535.
    std::optional<SettingError> error;
};

// The Content cells of rows 1 to 22 (grid coordinates; list rows' cells are
// not read) and the lists' indexes in ChoiceLists() order, kept as they are
// so that the validation can refuse one the list does not have. An empty
// numeric cell is a number without value.
CellSettings SettingsFromCells(const IGrid& cells, std::span<const int, kListCount> listIndexes);
// The same, with the indexes the lists have selected.
CellSettings SettingsFromGrid(const IGrid& grid, const IChoiceLists& lists);

// The first refusal of `taken`, in page order: a cell that gave no number or
// a value the validation refuses.
std::optional<SettingError> FirstRefusal(const CellSettings& taken, const CodePage& codePage);

// Called after each field of the page layout has been written into the grid or its list.
using FieldShown = std::function<void(const PageField&)>;

// Writes the settings of page `page` (1 or 2) into the Content cells and
// the lists as a read shows them, in page layout order, and shows each list
// it sets. A number without value leaves its cell empty.
void SettingsToCells(const DeviceSettings& settings, int page, IGrid& grid, IChoiceLists& lists,
                     const FieldShown& shown = {});
// Both pages.
void SettingsToCells(const DeviceSettings& settings, IGrid& grid, IChoiceLists& lists);

} // namespace gsm::settings
