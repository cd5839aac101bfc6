#include "SettingsCodec.h"

#include <algorithm>
#include <charconv>

namespace gsm::settings {
namespace {

constexpr std::uint32_t kLargestNumber = 0xFFFF;
constexpr std::size_t kPasswordLength = 4;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsDialChar(std::uint8_t b) {
    return b == '+' || IsDigit(static_cast<char>(b));
}

std::span<std::uint8_t> FieldBytes(Page& data, Field f) {
    return std::span<std::uint8_t>(data).subspan(f.offset, f.width);
}

std::span<const std::uint8_t> FieldBytes(const Page& data, Field f) {
    return std::span<const std::uint8_t>(data).subspan(f.offset, f.width);
}

void PutLittleEndian16(Page& data, Field f, std::uint32_t value) {
    data[f.offset] = static_cast<std::uint8_t>(value & 0xFF);
    data[f.offset + 1] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
}

std::uint32_t GetLittleEndian16(const Page& data, Field f) {
    return data[f.offset] | (static_cast<std::uint32_t>(data[f.offset + 1]) << 8);
}

// A decimal integer with an optional sign and nothing else around it.
std::optional<long long> ParseInteger(const std::string& text) {
    std::string_view digits = text;
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    // Anything longer than this is out of range whatever its digits say.
    if (digits.size() > 12)
        return negative ? -1 : static_cast<long long>(kLargestNumber) + 1;
    long long value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return negative ? -value : value;
}

std::string TooLong(std::size_t needed, std::size_t width) {
    return "The value needs " + std::to_string(needed) + " bytes; the device holds at most " +
           std::to_string(width) + ".";
}

} // namespace

std::string NotIntegerMessage(const std::string& text) {
    std::string message = kNotIntegerFormat;
    message.replace(message.find("%s"), 2, text);
    return message;
}

std::string SettingError::Message() const {
    return problem + "\nSetting: " + RowInfo(row).caption;
}

namespace text_units {

std::size_t FieldBytesNeeded(const std::string& bytes) {
    std::size_t i = 0;
    while (i < bytes.size())
        i += StartsUnit(static_cast<std::uint8_t>(bytes[i])) ? 2 : 1;
    return i;
}

void Write(const std::string& bytes, Field field, Page& data) {
    auto out = FieldBytes(data, field);
    std::size_t i = 0;
    while (i < out.size()) {
        if (i == bytes.size()) {
            out[i] = 0;
            return;
        }
        const auto x = static_cast<std::uint8_t>(bytes[i]);
        out[i] = x;
        if (!StartsUnit(x)) {
            ++i;
            continue;
        }
        // The unit's second byte; past the end of the text it is the 0 that ends the field.
        if (i + 1 < out.size())
            out[i + 1] = i + 1 < bytes.size() ? static_cast<std::uint8_t>(bytes[i + 1]) : 0;
        if (i + 1 >= bytes.size())
            return;
        i += 2;
    }
}

std::string Read(const Page& data, Field field) {
    std::string bytes;
    std::size_t i = 0;
    while (i < field.width) {
        const std::uint8_t b = data[field.offset + i];
        if (b == 0)
            break;
        bytes.push_back(static_cast<char>(b));
        if (!StartsUnit(b)) {
            ++i;
            continue;
        }
        const std::size_t next = field.offset + i + 1;
        const std::uint8_t second = next < data.size() ? data[next] : 0;
        // A 0 completing a unit is what the encoder writes after a text's last byte.
        if (second == 0)
            break;
        bytes.push_back(static_cast<char>(second));
        i += 2;
    }
    return bytes;
}

} // namespace text_units

std::string SettingsCodec::Content(int r) const {
    return m_grid.Cell(col::kContent, r);
}

void SettingsCodec::SetContent(int r, const std::string& text) {
    m_grid.SetCell(col::kContent, r, text);
}

std::optional<SettingError> SettingsCodec::EncodeSettingsPage1(Page& data) const {
    return EncodeSettingsPage(1, data);
}

std::optional<SettingError> SettingsCodec::EncodeSettingsPage2(Page& data) const {
    return EncodeSettingsPage(2, data);
}

std::optional<SettingError> SettingsCodec::EncodeSettingsPage(int page, Page& data) const {
    Page encoded;
    encoded.fill(kFiller);
    for (const PageField& f : PageLayout(page))
        if (auto error = EncodeField(f, encoded))
            return error;
    data = encoded;
    return std::nullopt;
}

std::optional<SettingError> SettingsCodec::Validate() const {
    for (int page = 1; page <= kPageCount; ++page) {
        Page scratch;
        if (auto error = EncodeSettingsPage(page, scratch))
            return error;
    }
    return std::nullopt;
}

std::optional<SettingError> SettingsCodec::EncodeField(const PageField& f, Page& data) const {
    switch (f.encoding) {
    case Encoding::Password:
        return EncodePassword(f, data);
    case Encoding::PhoneNumber:
        return EncodePhoneNumber(f, data);
    case Encoding::ListIndex:
        EncodeListIndex(f, data);
        return std::nullopt;
    case Encoding::Text:
        return EncodeText(f, data);
    case Encoding::Number:
        return EncodeNumber(f, data);
    case Encoding::Padded:
        return EncodePadded(f, data);
    }
    return std::nullopt;
}

std::optional<SettingError> SettingsCodec::EncodePassword(const PageField& f, Page& data) const {
    // The device compares all four characters: a shorter password could never be entered again.
    const std::string text = Content(f.row);
    if (text.size() != kPasswordLength || !std::all_of(text.begin(), text.end(), IsDigit))
        return SettingError{f.row, "The password must be exactly four digits."};
    std::copy(text.begin(), text.end(), FieldBytes(data, f.field).begin());
    return std::nullopt;
}

SettingsCodec::Bytes SettingsCodec::CodePageBytes(const PageField& f) const {
    const std::string text = Content(f.row);
    std::optional<std::string> bytes = m_codePage.Encode(text);
    if (!bytes) {
        const char32_t refused = m_codePage.FirstUnencodable(text).value_or(kReplacementCharacter);
        return {{}, SettingError{f.row, UnencodableMessage(refused, m_codePage.Name())}};
    }
    if (bytes->size() > f.field.width)
        return {{}, SettingError{f.row, TooLong(bytes->size(), f.field.width)}};
    return {std::move(*bytes), std::nullopt};
}

std::optional<SettingError> SettingsCodec::EncodePhoneNumber(const PageField& f, Page& data) const {
    if (Content(f.row).empty())
        return std::nullopt;
    Bytes number = CodePageBytes(f);
    if (number.error)
        return number.error;
    auto out = FieldBytes(data, f.field);
    std::copy(number.bytes.begin(), number.bytes.end(), out.begin());
    if (number.bytes.size() < out.size())
        out[number.bytes.size()] = 0;
    return std::nullopt;
}

void SettingsCodec::EncodeListIndex(const PageField& f, Page& data) const {
    // No selection (-1) goes out as its low byte, 0xFF.
    data[f.field.offset] = static_cast<std::uint8_t>(m_lists.ItemIndex(f.row) & 0xFF);
}

std::optional<SettingError> SettingsCodec::EncodeText(const PageField& f, Page& data) const {
    Bytes text = CodePageBytes(f);
    if (text.error)
        return text.error;
    const std::size_t needed = text_units::FieldBytesNeeded(text.bytes);
    if (needed > f.field.width)
        return SettingError{f.row, TooLong(needed, f.field.width)};
    text_units::Write(text.bytes, f.field, data);
    return std::nullopt;
}

std::optional<SettingError> SettingsCodec::EncodeNumber(const PageField& f, Page& data) const {
    const std::string text = Content(f.row);
    if (text.empty())
        return std::nullopt;
    const std::optional<long long> value = ParseInteger(text);
    if (!value)
        return SettingError{f.row, NotIntegerMessage(text)};
    if (*value < 0 || *value > static_cast<long long>(kLargestNumber))
        return SettingError{f.row, "'" + text + "' is outside the range 0 to 65535."};
    PutLittleEndian16(data, f.field, static_cast<std::uint32_t>(*value));
    return std::nullopt;
}

std::optional<SettingError> SettingsCodec::EncodePadded(const PageField& f, Page& data) const {
    Bytes text = CodePageBytes(f);
    if (text.error)
        return text.error;
    std::copy(text.bytes.begin(), text.bytes.end(), FieldBytes(data, f.field).begin());
    return std::nullopt;
}

void SettingsCodec::DecodeSettingsPage(int page, const Page& data, const FieldDecoded& decoded) {
    for (const PageField& f : PageLayout(page)) {
        DecodeField(f, data);
        if (decoded)
            decoded(f);
    }
}

void SettingsCodec::DecodeField(const PageField& f, const Page& data) {
    const auto bytes = FieldBytes(data, f.field);
    switch (f.encoding) {
    case Encoding::Password:
    case Encoding::PhoneNumber: {
        std::string digits;
        for (std::uint8_t b : bytes) {
            if (!IsDialChar(b))
                break;
            digits.push_back(static_cast<char>(b));
        }
        SetContent(f.row, digits);
        return;
    }
    case Encoding::ListIndex:
        m_lists.SetItemIndex(f.row, bytes[0]);
        m_lists.ShowList(f.row);
        return;
    case Encoding::Text:
        // The whole text is converted at once, so a double-byte character that
        // follows a blank's unit still comes out whole.
        SetContent(f.row, m_codePage.Decode(text_units::Read(data, f.field)));
        return;
    case Encoding::Number:
        SetContent(f.row, std::to_string(GetLittleEndian16(data, f.field)));
        return;
    case Encoding::Padded: {
        const auto end = std::find(bytes.begin(), bytes.end(), kFiller);
        SetContent(f.row, m_codePage.Decode(std::string(bytes.begin(), end)));
        return;
    }
    }
}

} // namespace gsm::settings
