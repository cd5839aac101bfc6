#pragma once
// What writing one set of settings over another changes, setting by setting,
// in the user's terms: the item caption, the value before and after. The
// secrets (the device password, the GPRS user name and password) are never
// shown, only that they change.

#include "SettingsRecord.h"

#include <string>
#include <vector>

namespace gsm::settings {

inline constexpr const char* kHiddenValue = "***";

struct SettingChange {
    int row = 0;
    std::string item; // the caption, "7.Auto Arm after authorized number call-in(0~999)"
    std::string from;
    std::string to;

    bool operator==(const SettingChange&) const = default;
};

// The value of row `r` as the user reads it: a text as it is, a number in
// decimal (empty without a value), a list by its item ("1:NO"; empty without
// a selection, the bare index for one the list does not have), a secret as
// kHiddenValue.
std::string ShownValue(const DeviceSettings& settings, int r);

// The settings that differ, in row order.
std::vector<SettingChange> DiffSettings(const DeviceSettings& before, const DeviceSettings& after);

} // namespace gsm::settings
