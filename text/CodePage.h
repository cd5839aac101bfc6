#pragma once
// Device texts are stored as bytes of the PC's 8-bit (ANSI) code page, which may be a
// double-byte one such as GBK. The program works in UTF-8; this layer converts between the two
// with iconv and never substitutes or transliterates a character the code page cannot hold.

#include <cstddef>
#include <iconv.h>
#include <optional>
#include <string>
#include <string_view>

#include "Utf8.h"

namespace gsm {

// The Windows ANSI code page that a machine set to this POSIX locale ("zh_CN.UTF-8", "ru_RU",
// "sr_RS@latin", "C", ...) would use for non-Unicode texts, as a name iconv accepts ("CP936",
// "CP1251", ...). Unknown languages, "C", "POSIX" and the empty name give "CP1252".
std::string CodePageForLocale(std::string_view locale);

// The code page for the character type locale of this process's environment: the first
// non-empty one of LC_ALL, LC_CTYPE and LANG, as setlocale resolves it.
std::string SystemCodePage();

// Owns one iconv descriptor: opened on construction, closed on destruction, movable only.
class IconvHandle {
public:
    // Throws std::invalid_argument when iconv knows no such conversion.
    IconvHandle(const std::string& to, const std::string& from);
    ~IconvHandle();
    IconvHandle(IconvHandle&& other) noexcept;
    IconvHandle& operator=(IconvHandle&& other) noexcept;
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    iconv_t get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Converts texts between UTF-8 and one code page. The descriptors keep conversion state between
// calls, so an instance must not be used from two threads at once.
class CodePage {
public:
    // `name` is an iconv code page name such as "CP936"; throws std::invalid_argument when iconv
    // does not know it.
    explicit CodePage(std::string name);

    const std::string& Name() const { return m_name; }

    // The code page bytes of `utf8`, or nullopt when any character cannot be held (or the text is
    // not valid UTF-8).
    std::optional<std::string> Encode(std::string_view utf8) const;

    // The first character of `utf8` the code page cannot hold; U+FFFD stands for malformed UTF-8.
    // nullopt when the whole text can be encoded.
    std::optional<char32_t> FirstUnencodable(std::string_view utf8) const;

    // The text of code page bytes as UTF-8. Whatever the device returns is shown: a byte sequence
    // that is not valid in the code page becomes U+FFFD for its first byte and decoding goes on
    // with the next byte.
    std::string Decode(std::string_view bytes) const;

    // The length of `utf8` in code page bytes (a double-byte character counts as two). A
    // character the code page cannot hold counts as one byte, so an editor can still apply its
    // limits while it refuses that character separately.
    std::size_t ByteLength(std::string_view utf8) const;

    // The longest leading run of whole characters of `utf8` that fits in `maxBytes` code page
    // bytes, counted as ByteLength does; a double-byte character is never split.
    std::string TruncateToBytes(std::string_view utf8, std::size_t maxBytes) const;

private:
    struct Converted {
        std::string bytes;
        std::size_t consumed; // input bytes converted; where conversion stopped if incomplete
        bool complete;
    };

    // Converts from the start of `input` up to the first unit that cannot be converted. Each call
    // ends by flushing the descriptor back to its initial state, so no state leaks into the next.
    static Converted ConvertPrefix(iconv_t cd, std::string_view input);

    std::string m_name;
    IconvHandle m_toCodePage;
    IconvHandle m_fromCodePage;
};

// "The character '中' (U+4E2D) cannot be stored in the device's code page (CP1252)."
std::string UnencodableMessage(char32_t character, std::string_view codePageName);

// The code page of this process's environment, created on first use. Not thread-safe: the
// program converts device texts on its user-interface thread only.
const CodePage& SystemCodePageInstance();

} // namespace gsm
