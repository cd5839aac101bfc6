#include "CodePage.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <stdexcept>
#include <utility>

namespace gsm {
namespace {

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);
constexpr std::size_t kIconvFailed = static_cast<std::size_t>(-1);
constexpr std::string_view kUtf8 = "UTF-8";

// Output room for one round of iconv; device texts are a few dozen bytes, so one round is usual.
constexpr std::size_t kOutputChunk = 256;

// Runs iconv over the whole of `in` (or, with a null `in`, writes out what a stateful conversion
// still holds and returns to the initial state), growing `out` as needed. Returns 0 on success or
// the errno of the unit iconv stopped at; `in` and `inLeft` then point at that unit.
int RunIconv(iconv_t cd, char** in, std::size_t* inLeft, std::string& out) {
    for (;;) {
        const std::size_t used = out.size();
        out.resize(used + kOutputChunk);
        char* outPtr = out.data() + used;
        std::size_t outLeft = kOutputChunk;
        const std::size_t result = iconv(cd, in, inLeft, &outPtr, &outLeft);
        const int error = result == kIconvFailed ? errno : 0;
        out.resize(out.size() - outLeft);
        if (error != E2BIG)
            return error;
    }
}

// Bytes to step over for a character that could not be converted: at least one, so a walk over
// the text always ends.
std::size_t SkipLength(std::string_view utf8) {
    return std::max<std::size_t>(1, ReadCodePoint(utf8).length);
}

} // namespace

IconvHandle::IconvHandle(const std::string& to, const std::string& from)
    : m_cd(iconv_open(to.c_str(), from.c_str())) {
    if (m_cd == kNoDescriptor)
        throw std::invalid_argument("No conversion from " + from + " to " + to);
}

IconvHandle::~IconvHandle() {
    if (m_cd != kNoDescriptor)
        iconv_close(m_cd);
}

IconvHandle::IconvHandle(IconvHandle&& other) noexcept
    : m_cd(std::exchange(other.m_cd, kNoDescriptor)) {}

IconvHandle& IconvHandle::operator=(IconvHandle&& other) noexcept {
    if (this != &other) {
        if (m_cd != kNoDescriptor)
            iconv_close(m_cd);
        m_cd = std::exchange(other.m_cd, kNoDescriptor);
    }
    return *this;
}

CodePage::CodePage(std::string name)
    : m_name(std::move(name)), m_toCodePage(m_name, std::string(kUtf8)),
      m_fromCodePage(std::string(kUtf8), m_name) {}

CodePage::Converted CodePage::ConvertPrefix(iconv_t cd, std::string_view input) {
    Converted result{{}, 0, false};
    // iconv's prototype takes a non-const input pointer but never writes through it.
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    const int error = RunIconv(cd, &in, &inLeft, result.bytes);
    result.consumed = input.size() - inLeft;
    result.complete = error == 0;
    // A stateful code page (CP1255, CP1258) may still hold a base character waiting for a
    // combining mark; it belongs before whatever the caller appends for the failed unit.
    RunIconv(cd, nullptr, nullptr, result.bytes);
    return result;
}

std::optional<std::string> CodePage::Encode(std::string_view utf8) const {
    Converted converted = ConvertPrefix(m_toCodePage.get(), utf8);
    if (!converted.complete)
        return std::nullopt;
    return std::move(converted.bytes);
}

std::optional<char32_t> CodePage::FirstUnencodable(std::string_view utf8) const {
    const Converted converted = ConvertPrefix(m_toCodePage.get(), utf8);
    if (converted.complete)
        return std::nullopt;
    return ReadCodePoint(utf8.substr(converted.consumed)).value;
}

std::string CodePage::Decode(std::string_view bytes) const {
    std::string text;
    for (;;) {
        const Converted converted = ConvertPrefix(m_fromCodePage.get(), bytes);
        text += converted.bytes;
        if (converted.complete)
            return text;
        AppendUtf8(text, kReplacementCharacter);
        bytes.remove_prefix(std::min(bytes.size(), converted.consumed + 1));
    }
}

std::size_t CodePage::ByteLength(std::string_view utf8) const {
    std::size_t length = 0;
    for (;;) {
        const Converted converted = ConvertPrefix(m_toCodePage.get(), utf8);
        length += converted.bytes.size();
        if (converted.complete)
            return length;
        length += 1;
        utf8.remove_prefix(std::min(utf8.size(), converted.consumed));
        utf8.remove_prefix(std::min(utf8.size(), SkipLength(utf8)));
    }
}

std::string CodePage::TruncateToBytes(std::string_view utf8, std::size_t maxBytes) const {
    std::size_t kept = 0;
    std::size_t bytes = 0;
    while (kept < utf8.size()) {
        const std::size_t next = ReadCodePoint(utf8.substr(kept)).length;
        const std::size_t width = ByteLength(utf8.substr(kept, next));
        if (bytes + width > maxBytes)
            break;
        bytes += width;
        kept += next;
    }
    return std::string(utf8.substr(0, kept));
}

std::string UnencodableMessage(char32_t character, std::string_view codePageName) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(character));
    return "The character '" + ToUtf8(character) + "' (" + codePoint +
           ") cannot be stored in the device's code page (" + std::string(codePageName) + ").";
}

const CodePage& SystemCodePageInstance() {
    static const CodePage instance(SystemCodePage());
    return instance;
}

} // namespace gsm
