#include "SettingsCells.h"

#include "SettingsValidation.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace gsm::settings {
namespace {

constexpr long long kLargestNumber = 0xFFFF;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal integer with an optional sign and nothing else around it.
std::optional<long long> ParseInteger(const std::string& text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    // Anything longer than this is out of range whatever its digits say.
    if (digits.size() > 12)
        return negative ? -1 : kLargestNumber + 1;
    long long value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

// Why the text of a numeric cell gives no 16-bit number; nullopt for an empty cell.
std::optional<std::string> TakeNumber(const std::string& text, std::optional<std::uint16_t>& out) {
    out.reset();
    if (text.empty())
        return std::nullopt;
    const std::optional<long long> value = ParseInteger(text);
    if (!value)
        return NotIntegerMessage(text);
    if (*value < 0 || *value > kLargestNumber)
        return "'" + text + "' is outside the range 0 to 65535.";
    out = static_cast<std::uint16_t>(*value);
    return std::nullopt;
}

} // namespace

CellSettings SettingsFromCells(const IGrid& cells, std::span<const int, kListCount> listIndexes) {
    CellSettings taken;
    DeviceSettings& s = taken.settings;
    // Page order, so that the first cell refused is the one a save would stop at.
    for (int page = 1; page <= kPageCount; ++page)
        for (const PageField& f : PageLayout(page)) {
            const SettingMember& m = MemberOfRow(f.row);
            const std::string text = cells.Cell(col::kContent, f.row);
            if (m.text) {
                s.*m.text = text;
            } else if (m.list) {
                s.*m.list = listIndexes[static_cast<std::size_t>(ListSlot(f.row))];
            } else if (auto problem = TakeNumber(text, s.*m.number); problem && !taken.error) {
                taken.error = SettingError{f.row, std::move(*problem)};
            }
        }
    return taken;
}

CellSettings SettingsFromGrid(const IGrid& grid, const IChoiceLists& lists) {
    std::array<int, kListCount> indexes{};
    for (std::size_t i = 0; i < indexes.size(); ++i)
        indexes[i] = lists.ItemIndex(ChoiceLists()[i].row);
    return SettingsFromCells(grid, indexes);
}

std::optional<SettingError> FirstRefusal(const CellSettings& taken, const CodePage& codePage) {
    // A refused cell leaves its number empty, which the validation takes; so
    // both refusals are found and the earlier one is the save's.
    return FirstInPageOrder(taken.error, ValidateSettings(taken.settings, codePage));
}

void SettingsToCells(const DeviceSettings& settings, int page, IGrid& grid, IChoiceLists& lists,
                     const FieldShown& shown) {
    for (const PageField& f : PageLayout(page)) {
        const SettingMember& m = MemberOfRow(f.row);
        if (m.text) {
            grid.SetCell(col::kContent, f.row, settings.*m.text);
        } else if (m.list) {
            lists.SetItemIndex(f.row, settings.*m.list);
            lists.ShowList(f.row);
        } else {
            const auto value = settings.*m.number;
            grid.SetCell(col::kContent, f.row, value ? std::to_string(*value) : std::string());
        }
        if (shown)
            shown(f);
    }
}

void SettingsToCells(const DeviceSettings& settings, IGrid& grid, IChoiceLists& lists) {
    for (int page = 1; page <= kPageCount; ++page)
        SettingsToCells(settings, page, grid, lists);
}

} // namespace gsm::settings
