#pragma once
// Moves the settings between the grid (with its lists) and the two device
// pages. Texts are converted through the device code page; a value that the
// device cannot hold as it stands is refused before any byte is sent, never
// cut or wrapped.

#include "ChoiceLists.h"
#include "CodePage.h"
#include "Grid.h"
#include "SettingsLayout.h"

#include <functional>
#include <optional>
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

class SettingsCodec {
public:
    SettingsCodec(IGrid& grid, IChoiceLists& lists, const CodePage& codePage)
        : m_grid(grid), m_lists(lists), m_codePage(codePage) {}

    // Fill `data` from the grid and the lists. On a refusal `data` is left as it was.
    std::optional<SettingError> EncodeSettingsPage1(Page& data) const;
    std::optional<SettingError> EncodeSettingsPage2(Page& data) const;
    std::optional<SettingError> EncodeSettingsPage(int page, Page& data) const;

    // The first setting, in page order, that neither page can carry.
    std::optional<SettingError> Validate() const;

    // Called after each field has been written into the grid or its list.
    using FieldDecoded = std::function<void(const PageField&)>;
    // Writes the fields of settings page `page` (1 or 2) into the grid and
    // the lists, and shows each list it sets.
    void DecodeSettingsPage(int page, const Page& data, const FieldDecoded& decoded = {});

private:
    std::optional<SettingError> EncodeField(const PageField& f, Page& data) const;
    std::optional<SettingError> EncodePassword(const PageField& f, Page& data) const;
    std::optional<SettingError> EncodePhoneNumber(const PageField& f, Page& data) const;
    std::optional<SettingError> EncodeText(const PageField& f, Page& data) const;
    std::optional<SettingError> EncodeNumber(const PageField& f, Page& data) const;
    std::optional<SettingError> EncodePadded(const PageField& f, Page& data) const;
    void EncodeListIndex(const PageField& f, Page& data) const;

    // The cell's code-page bytes, or why it cannot be held in `width` bytes.
    struct Bytes {
        std::string bytes;
        std::optional<SettingError> error;
    };
    Bytes CodePageBytes(const PageField& f) const;

    void DecodeField(const PageField& f, const Page& data);
    std::string Content(int r) const;
    void SetContent(int r, const std::string& text);

    IGrid& m_grid;
    IChoiceLists& m_lists;
    const CodePage& m_codePage;
};

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
