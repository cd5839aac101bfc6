#pragma once
// A settings profile: a copy of the settings grid kept as a spreadsheet. Sheet
// cell (row r, column k), both counted from 1, holds grid cell (k - 1, r - 1),
// so the sheet's A1:C23 is the grid with its header row. The Content cells of
// the six list rows hold the selected item's text ("1:NO"), whose first
// character gives the list's index back.
//
// Here the sheet is a 3 × 23 grid in grid coordinates; the window moves it to
// and from the workbook.

#include "ChoiceLists.h"
#include "protocol/Grid.h"
#include "protocol/Translatable.h"
#include "text/CodePage.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace gsm::settings {

inline constexpr const char* kProfilePrefix = "basicinf_R";
inline constexpr const char* kSaveProfileStatus = QT_TRANSLATE_NOOP("StatusTexts", "Save profile");
inline constexpr const char* kLoadProfileStatus = QT_TRANSLATE_NOOP("StatusTexts", "Load profile");
inline constexpr const char* kWrongProfileFormat = "Wrong format of the setting profile";
// Sheet columns A to C, in characters.
inline constexpr std::array<double, kColCount> kProfileColumnWidths = {85, 45, 130};

// Called after each grid row with r × 100 / 22.
using ProfileProgress = std::function<void(int row, int percent)>;

// The grid with its header row and the six list texts, as the profile sheet holds them.
void WriteProfile(const IGrid& grid, const IChoiceLists& lists, IGrid& sheet,
                  const ProfileProgress& progress);

// The index a profile's list cell gives: its first character as a digit;
// nullopt when that is not a digit or the cell is empty.
std::optional<int> ProfileListIndex(std::string_view cell);

struct ProfileLoad {
    bool loaded = false;
    std::string message; // why not, when not
};

// A1 must show "Items" exactly. Every list cell must begin with a digit, and
// the settings the sheet gives (its Content cells and those digits) must pass
// the validation a save applies: a profile that cannot be loaded whole, or
// could not be saved as loaded, changes nothing. Then the Content and
// Description cells of rows 1 to 22 and the six lists are set; captions and
// headers are not read. `a1Shown` is A1's displayed text.
ProfileLoad LoadProfile(std::string_view a1Shown, const IGrid& sheet, IGrid& grid,
                        IChoiceLists& lists, const CodePage& codePage,
                        const ProfileProgress& progress);

} // namespace gsm::settings
