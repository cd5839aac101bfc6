#pragma once
// One site's configuration as the file holds it: the settings it names and,
// when it names the number list, the whole list. What it leaves out the
// device keeps.

#include "numbers/NumberEntry.h"
#include "settings/SettingsCatalogue.h"
#include "settings/SettingsRecord.h"

#include <algorithm>
#include <array>
#include <optional>

namespace gsm::config {

inline constexpr const char* kFormat = "gsmgate configuration";
inline constexpr int kVersion = 1;
inline constexpr int kSlots = 1000;

struct Configuration {
    // The values of the settings named; the other members are not looked at.
    settings::DeviceSettings settings;
    // Whether row r (1 to 22) is named, at index r.
    std::array<bool, settings::kLastRow + 1> named{};
    // Slot s at index s - 1, all 1000 of them; a slot the file does not name
    // is an empty entry (its record 32 bytes 0x00).
    std::optional<numbers::NumberList> numbers;

    bool NamesAnySetting() const {
        return std::find(named.begin(), named.end(), true) != named.end();
    }
};

} // namespace gsm::config
