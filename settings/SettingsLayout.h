#pragma once
// Where each setting sits in the device's two 256-byte settings pages. The
// encoder and the decoder both walk these tables, so a field is written and
// read back at the same place by the same rule. Bytes that carry no setting
// are 0xFF when sent.

#include "SettingsCatalogue.h"
#include "protocol/Credentials.h"
#include "protocol/Frame.h"

#include <array>
#include <cstdint>
#include <span>

namespace gsm::settings {

using Page = std::array<std::uint8_t, addr::kPageSize>;
inline constexpr std::uint8_t kFiller = 0xFF;

enum class Encoding {
    // Exactly four ASCII digits, no terminator.
    Password,
    // ASCII '+' and digits, then a 0 byte when shorter than the field.
    PhoneNumber,
    // One byte: the list's selected index, 0xFF without a selection.
    ListIndex,
    // Code-page bytes in one- and two-byte units, ended by a 0 byte unless
    // the text fills the field.
    Text,
    // Unsigned 16-bit, low byte first; an empty cell leaves 0xFF 0xFF.
    Number,
    // Code-page bytes, the rest of the field 0xFF; no terminator.
    Padded,
};

struct PageField {
    int row;
    Field field;
    Encoding encoding;
};

// Page 1 in the order of its offsets, which is also the order of decoding.
// Rows 9/8 and 17/15/16 are not in row order on the wire, and the relay timer
// is kept twice: the copy at 114 is the one that counts when read.
inline constexpr PageField kPage1Layout[] = {
    {row::kPassword, credentials::kDevicePassword, Encoding::Password},
    {row::kSimNumber, {4, 22}, Encoding::PhoneNumber},
    {row::kDin1Type, {26, 1}, Encoding::ListIndex},
    {row::kDin2Type, {27, 1}, Encoding::ListIndex},
    {row::kDin1Alarm, {28, 40}, Encoding::Text},
    {row::kDin2Alarm, {68, 40}, Encoding::Text},
    {row::kAutoArm, {108, 2}, Encoding::Number},
    {row::kRelayAuthorization, {110, 1}, Encoding::ListIndex},
    {row::kArmAfterPowerOn, {111, 1}, Encoding::ListIndex},
    {row::kRelayOnTimer, {112, 2}, Encoding::Number},
    {row::kRelayOnTimer, {114, 2}, Encoding::Number},
    {row::kNotifyRelayOn, {116, 1}, Encoding::ListIndex},
    {row::kNotifyRelayOff, {117, 1}, Encoding::ListIndex},
    {row::kSmsRelayOn, {118, 40}, Encoding::Text},
    {row::kSmsRelayOff, {158, 40}, Encoding::Text},
    {row::kUploadInterval, {198, 2}, Encoding::Number},
    {row::kPowerFailureDelay, {200, 2}, Encoding::Number},
    {row::kSelfCheckInterval, {202, 2}, Encoding::Number},
    {row::kServerAddress, {204, 32}, Encoding::Padded},
    {row::kServerPort, {236, 2}, Encoding::Number},
    {row::kApn, {238, 16}, Encoding::Padded},
    // 254 and 255 carry nothing.
};

inline constexpr PageField kPage2Layout[] = {
    {row::kGprsUser, credentials::kGprsUser, Encoding::Padded},
    // 16 carries nothing.
    {row::kGprsPassword, credentials::kGprsPassword, Encoding::Padded},
    // 33 to 255 carry nothing.
};

inline constexpr int kPageCount = addr::kSettingsPages;

// The fields of settings page 1 or 2.
std::span<const PageField> PageLayout(int page);

// The page (1 or 2) that carries the setting of grid row `row`.
int PageOfRow(int row);

// The settings page (1 or 2) at device address `address`, or 0 for none.
int PageAtAddress(std::int32_t address);

} // namespace gsm::settings
