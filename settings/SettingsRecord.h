#pragma once
// The 22 basic settings as typed values. Every path that writes the device
// (the window's save, profile imports, restores) turns what it holds into
// this record and validates it; decoders fill it from the pages and the grid
// shows it.

#include "SettingsCatalogue.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace gsm::settings {

inline constexpr const char* kNotIntegerFormat = "'%s' is not a valid integer value";

// Why a setting cannot be sent.
struct SettingError {
    int row = 0;
    std::string problem;

    // The problem followed by the caption of the setting it concerns.
    std::string Message() const;
    bool operator==(const SettingError&) const = default;
};

// "'12a' is not a valid integer value"
std::string NotIntegerMessage(const std::string& text);

// Texts are UTF-8. A list holds the selected index, kNoSelection for none; it
// may hold an index its list does not have, which the validation refuses. A
// number without a value is an empty cell, sent as 0xFF 0xFF.
struct DeviceSettings {
    std::string password;
    std::string simNumber;
    int din1Type = kNoSelection;
    int din2Type = kNoSelection;
    std::string din1Alarm;
    std::string din2Alarm;
    std::optional<std::uint16_t> autoArmMinutes;
    int armAfterPowerOn = kNoSelection;
    int relayAuthorization = kNoSelection;
    std::optional<std::uint16_t> relayOnTimerSeconds;
    int notifyRelayOn = kNoSelection;
    int notifyRelayOff = kNoSelection;
    std::string smsRelayOn;
    std::string smsRelayOff;
    std::optional<std::uint16_t> powerFailureDelayMinutes;
    std::optional<std::uint16_t> selfCheckHours;
    std::optional<std::uint16_t> uploadIntervalMinutes;
    std::string serverAddress;
    std::optional<std::uint16_t> serverPort;
    std::string apn;
    std::string gprsUser;
    std::string gprsPassword;

    bool operator==(const DeviceSettings&) const = default;
};

using TextMember = std::string DeviceSettings::*;
using ListMember = int DeviceSettings::*;
using NumberMember = std::optional<std::uint16_t> DeviceSettings::*;

// Where a grid row's value lives in the record. Exactly one member is set;
// which one is the setting's kind. How a text is checked and carried is the
// page layout's encoding of the row.
struct SettingMember {
    int row;
    TextMember text = nullptr;
    ListMember list = nullptr;
    NumberMember number = nullptr;
    // Numbers: the largest value the caption states. 65535 is taken whatever
    // the range, since it is what an empty cell is sent as and reads back as.
    std::uint16_t largest = 0;
};

// Rows 1 to 22 in order.
std::span<const SettingMember> SettingMembers();
// The member of row `r` (1 to 22).
const SettingMember& MemberOfRow(int r);

// The value a number takes for an empty cell and shows after a read of an unset field.
inline constexpr std::uint16_t kUnsetNumber = 0xFFFF;

} // namespace gsm::settings
