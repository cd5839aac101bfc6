#include "SettingsDiff.h"

#include "ChoiceLists.h"

namespace gsm::settings {

namespace {

bool IsSecret(int r) {
    return r == row::kPassword || r == row::kGprsUser || r == row::kGprsPassword;
}

std::string Raw(const DeviceSettings& s, int r) {
    const SettingMember& m = MemberOfRow(r);
    if (m.text)
        return s.*m.text;
    if (m.number) {
        const std::optional<std::uint16_t>& value = s.*m.number;
        return value ? std::to_string(*value) : std::string();
    }
    const int index = s.*m.list;
    if (index == kNoSelection)
        return {};
    const ChoiceList* list = ListAtRow(r);
    return list && HasItem(*list, index) ? list->items[static_cast<std::size_t>(index)]
                                         : std::to_string(index);
}

} // namespace

std::string ShownValue(const DeviceSettings& settings, int r) {
    return IsSecret(r) ? std::string(kHiddenValue) : Raw(settings, r);
}

std::vector<SettingChange> DiffSettings(const DeviceSettings& before, const DeviceSettings& after) {
    std::vector<SettingChange> changes;
    for (int r = kFirstRow; r <= kLastRow; ++r) {
        // Compared in full, shown masked: a changed password is a change.
        if (Raw(before, r) == Raw(after, r))
            continue;
        changes.push_back({r, RowInfo(r).caption, ShownValue(before, r), ShownValue(after, r)});
    }
    return changes;
}

} // namespace gsm::settings
