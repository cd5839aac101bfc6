#include "SettingsProfile.h"

#include "SettingsCells.h"

#include <array>

namespace gsm::settings {

namespace {

int PercentOfRows(int row) {
    return row * 100 / kLastRow;
}

const char* SelectedItemText(const IChoiceLists& lists, const ChoiceList& list) {
    const int index = lists.ItemIndex(list.row);
    return HasItem(list, index) ? list.items[static_cast<std::size_t>(index)] : "";
}

// The first character of a UTF-8 text, whole.
std::string_view FirstCharacter(std::string_view text) {
    if (text.empty())
        return text;
    std::size_t length = 1;
    while (length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        ++length;
    return text.substr(0, length);
}

} // namespace

void WriteProfile(const IGrid& grid, const IChoiceLists& lists, IGrid& sheet,
                  const ProfileProgress& progress) {
    for (int r = 0; r < kRowCount; ++r) {
        for (int k = 0; k < kColCount; ++k)
            sheet.SetCell(k, r, grid.Cell(k, r));
        progress(r, PercentOfRows(r));
    }
    for (const ChoiceList& list : ChoiceLists())
        sheet.SetCell(col::kContent, list.row, SelectedItemText(lists, list));
}

std::optional<int> ProfileListIndex(std::string_view cell) {
    if (cell.empty() || cell.front() < '0' || cell.front() > '9')
        return std::nullopt;
    return cell.front() - '0';
}

ProfileLoad LoadProfile(std::string_view a1Shown, const IGrid& sheet, IGrid& grid,
                        IChoiceLists& lists, const CodePage& codePage,
                        const ProfileProgress& progress) {
    if (a1Shown != kHeaders[col::kItems])
        return {false, kWrongProfileFormat};
    std::array<int, kListCount> indexes{};
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        const std::string cell = sheet.Cell(col::kContent, ChoiceLists()[i].row);
        const std::optional<int> index = ProfileListIndex(cell);
        if (!index)
            return {false, NotIntegerMessage(std::string(FirstCharacter(cell)))};
        indexes[i] = *index;
    }
    // The digit as the file gives it: a list would turn one it has no item
    // for into no selection, and the save would send that as 0xFF.
    if (const auto refused = FirstRefusal(SettingsFromCells(sheet, indexes), codePage))
        return {false, refused->Message()};
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        for (int k = col::kContent; k <= col::kDescription; ++k)
            grid.SetCell(k, r, sheet.Cell(k, r));
        progress(r, PercentOfRows(r));
    }
    for (std::size_t i = 0; i < indexes.size(); ++i)
        lists.SetItemIndex(ChoiceLists()[i].row, indexes[i]);
    return {true, {}};
}

} // namespace gsm::settings
