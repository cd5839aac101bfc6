#pragma once
// Strings and numbers inside fixed-width fields of a page or record. Every
// codec of the simulator goes through these, so a field is written and read
// back by the same rule.

#include "protocol/Frame.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace gsm::sim {

// How a string sits in its field. A string longer than the field is cut.
enum class TextForm {
    // The characters, then one 0 byte when shorter than the field; the bytes
    // after that 0 are left as they were. An empty string is a single 0.
    ZeroEnded,
    // As ZeroEnded, but an empty string leaves the field as it was.
    ZeroEndedUnlessEmpty,
    // The characters, the rest of the field 0.
    ZeroPadded,
    // The characters, the rest of the field 0xFF.
    FfPadded,
};

void PutText(std::span<std::uint8_t> bytes, Field field, std::string_view text, TextForm form);
// Reads up to the end the form gives (a 0 byte, or 0xFF for FfPadded). A
// ZeroEndedUnlessEmpty field that holds only 0xFF reads as empty.
std::string GetText(std::span<const std::uint8_t> bytes, Field field, TextForm form);

// Little-endian unsigned number of the field's width (the byte order of the
// settings and history pages, unlike the frame header).
void PutLittleEndian(std::span<std::uint8_t> bytes, Field field, std::uint32_t value);
std::uint32_t GetLittleEndian(std::span<const std::uint8_t> bytes, Field field);

bool AllBytesAre(std::span<const std::uint8_t> bytes, std::uint8_t value);
bool AllBytesAre(std::span<const std::uint8_t> bytes, Field field, std::uint8_t value);

// Characters a scenario file may hold in a device text: printable ASCII.
bool IsPlainText(std::string_view text);

} // namespace gsm::sim
