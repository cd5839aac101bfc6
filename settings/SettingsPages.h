#pragma once
// The settings record in the device's two pages, both directions walking the
// page layout. Decoding takes whatever the device returns and shows it as the
// window's read does; encoding takes only a record that passes the
// validation, so no refused value ever reaches a page.

#include "SettingsLayout.h"
#include "SettingsRecord.h"
#include "text/CodePage.h"

#include <array>
#include <optional>

namespace gsm::settings {

// Fills the settings of page `page` (1 or 2) from `data` into `settings`;
// the other page's settings are left as they were. A list byte that names no
// item of its list reads as kNoSelection, an unset number as 65535, a digit
// field up to its first byte that is neither '+' nor a digit.
void DecodeSettingsPage(int page, const Page& data, const CodePage& codePage,
                        DeviceSettings& settings);

// The SIM number settings page 1 holds, as a read shows it: who the device
// is, for the backups both programs take. Empty when none is set.
std::string SimNumberOf(const Page& firstPage, const CodePage& codePage);

struct EncodedPage {
    Page page{};
    std::optional<SettingError> error; // the page is not filled when set
};

// Page `page` of `settings`, its bytes that carry no setting 0xFF; refused
// when any setting of that page fails the validation.
EncodedPage EncodeSettingsPage(const DeviceSettings& settings, int page, const CodePage& codePage);

struct EncodedSettings {
    std::array<Page, kPageCount> pages{};
    std::optional<SettingError> error; // the first refusal in page order; no page is filled
};

EncodedSettings EncodeSettings(const DeviceSettings& settings, const CodePage& codePage);

// Unsigned 16-bit, low byte first, as every number in the settings pages.
std::uint16_t NumberAt(const Page& data, Field f);

// Byte-level rules of the text fields, shared by the codec and its checks.
namespace text_units {
// A byte from 0x21 to 0x7F is a character of its own; any other non-zero
// byte starts a unit of two bytes, so a double-byte character is never split.
constexpr bool StartsUnit(std::uint8_t b) {
    return b < 0x21 || b > 0x7F;
}
// Field bytes the text needs: its own bytes, plus the 0 that completes a unit
// begun by its last byte.
std::size_t FieldBytesNeeded(const std::string& bytes);
// Writes `bytes` into `field` of `data`, ended by a 0 when shorter than the
// field. The caller has checked FieldBytesNeeded against the width.
void Write(const std::string& bytes, Field field, Page& data);
// The text bytes of `field`: up to a 0 that begins or completes a unit. A
// unit begun by the field's last byte takes its second byte from the byte
// after the field.
std::string Read(const Page& data, Field field);
} // namespace text_units

} // namespace gsm::settings
