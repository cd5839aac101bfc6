#pragma once
// Small UTF-8 helpers for the texts the program shows and edits (Qt hands them over as UTF-8).

#include <cstddef>
#include <string>
#include <string_view>

namespace gsm {

inline constexpr char32_t kReplacementCharacter = U'\uFFFD';

// One character read from the front of a UTF-8 text.
struct CodePointRead {
    char32_t value;
    std::size_t length; // bytes taken from the text
};

// Reads the first character of `utf8`. A malformed sequence (stray continuation byte, overlong
// form, surrogate, value above U+10FFFF, cut-off sequence) reads as U+FFFD spanning one byte, so a
// caller walking the text always makes progress. An empty text reads as U+FFFD of length 0.
CodePointRead ReadCodePoint(std::string_view utf8);

// Appends the UTF-8 form of `c`; a value that is no character (surrogate, above U+10FFFF)
// appends U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

std::string ToUtf8(char32_t c);

} // namespace gsm
