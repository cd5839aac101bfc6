#include "Utf8.h"

namespace gsm {
namespace {

constexpr CodePointRead kMalformed{kReplacementCharacter, 1};

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

bool IsCharacter(char32_t c) {
    return c <= 0x10FFFF && !IsSurrogate(c);
}

// Length announced by a lead byte, or 0 when the byte cannot start a sequence.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// The smallest value each sequence length may carry; anything below is an overlong form.
char32_t MinimumForLength(std::size_t length) {
    switch (length) {
    case 2:
        return 0x80;
    case 3:
        return 0x800;
    default:
        return 0x10000;
    }
}

} // namespace

CodePointRead ReadCodePoint(std::string_view utf8) {
    if (utf8.empty())
        return {kReplacementCharacter, 0};
    const auto lead = static_cast<unsigned char>(utf8[0]);
    const std::size_t length = SequenceLength(lead);
    if (length == 1)
        return {lead, 1};
    if (length == 0 || utf8.size() < length)
        return kMalformed;

    // Payload bits of the lead byte: 5, 4 or 3 for two-, three- and four-byte sequences.
    char32_t value = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        if (!IsContinuation(b))
            return kMalformed;
        value = (value << 6) | (b & 0x3F);
    }
    if (value < MinimumForLength(length) || !IsCharacter(value))
        return kMalformed;
    return {value, length};
}

void AppendUtf8(std::string& out, char32_t c) {
    if (!IsCharacter(c))
        c = kReplacementCharacter;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ToUtf8(char32_t c) {
    std::string out;
    AppendUtf8(out, c);
    return out;
}

} // namespace gsm
