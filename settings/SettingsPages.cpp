#include "SettingsPages.h"

#include "ChoiceLists.h"
#include "SettingsValidation.h"

#include <algorithm>

namespace gsm::settings {
namespace {

bool IsDialChar(std::uint8_t b) {
    return b == '+' || (b >= '0' && b <= '9');
}

std::span<std::uint8_t> FieldBytes(Page& data, Field f) {
    return std::span<std::uint8_t>(data).subspan(f.offset, f.width);
}

std::span<const std::uint8_t> FieldBytes(const Page& data, Field f) {
    return std::span<const std::uint8_t>(data).subspan(f.offset, f.width);
}

void PutNumber(Page& data, Field f, std::uint16_t value) {
    data[f.offset] = static_cast<std::uint8_t>(value & 0xFF);
    data[f.offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void DecodeField(const PageField& f, const Page& data, const CodePage& codePage,
                 DeviceSettings& s) {
    const SettingMember& m = MemberOfRow(f.row);
    const auto bytes = FieldBytes(data, f.field);
    switch (f.encoding) {
    case Encoding::Password:
    case Encoding::PhoneNumber: {
        const auto end = std::find_if_not(bytes.begin(), bytes.end(), IsDialChar);
        s.*m.text = std::string(bytes.begin(), end);
        return;
    }
    case Encoding::ListIndex: {
        const int index = bytes[0];
        s.*m.list = HasItem(*ListAtRow(f.row), index) ? index : kNoSelection;
        return;
    }
    case Encoding::Text:
        // The whole text is converted at once, so a double-byte character that
        // follows a blank's unit still comes out whole.
        s.*m.text = codePage.Decode(text_units::Read(data, f.field));
        return;
    case Encoding::Number:
        // The relay timer's second copy comes later in the layout: it is the one kept.
        s.*m.number = NumberAt(data, f.field);
        return;
    case Encoding::Padded: {
        const auto end = std::find(bytes.begin(), bytes.end(), kFiller);
        s.*m.text = codePage.Decode(std::string(bytes.begin(), end));
        return;
    }
    }
}

// `s` has passed the validation of this field's page.
void EncodeField(const PageField& f, const DeviceSettings& s, const CodePage& codePage,
                 Page& data) {
    const SettingMember& m = MemberOfRow(f.row);
    auto out = FieldBytes(data, f.field);
    switch (f.encoding) {
    case Encoding::Password:
        std::copy((s.*m.text).begin(), (s.*m.text).end(), out.begin());
        return;
    case Encoding::PhoneNumber: {
        const std::string& number = s.*m.text;
        if (number.empty())
            return;
        std::copy(number.begin(), number.end(), out.begin());
        if (number.size() < out.size())
            out[number.size()] = 0;
        return;
    }
    case Encoding::ListIndex:
        // No selection (-1) goes out as its low byte, 0xFF.
        out[0] = static_cast<std::uint8_t>(s.*m.list & 0xFF);
        return;
    case Encoding::Text:
        text_units::Write(codePage.Encode(s.*m.text).value_or(""), f.field, data);
        return;
    case Encoding::Number:
        if (const auto value = s.*m.number)
            PutNumber(data, f.field, *value);
        return;
    case Encoding::Padded: {
        // The validation lets the text end in zeros past the field (padding
        // read back from a device): only the field's width goes out.
        const std::string bytes = codePage.Encode(s.*m.text).value_or("");
        std::copy_n(bytes.begin(), std::min(bytes.size(), out.size()), out.begin());
        return;
    }
    }
}

} // namespace

std::uint16_t NumberAt(const Page& data, Field f) {
    return static_cast<std::uint16_t>(data[f.offset] | (data[f.offset + 1] << 8));
}

void DecodeSettingsPage(int page, const Page& data, const CodePage& codePage,
                        DeviceSettings& settings) {
    for (const PageField& f : PageLayout(page))
        DecodeField(f, data, codePage, settings);
}

EncodedPage EncodeSettingsPage(const DeviceSettings& settings, int page, const CodePage& codePage) {
    EncodedPage encoded;
    if ((encoded.error = ValidateSettingsPage(settings, page, codePage)))
        return encoded;
    encoded.page.fill(kFiller);
    for (const PageField& f : PageLayout(page))
        EncodeField(f, settings, codePage, encoded.page);
    return encoded;
}

std::string SimNumberOf(const Page& firstPage, const CodePage& codePage) {
    DeviceSettings read;
    DecodeSettingsPage(1, firstPage, codePage, read);
    return read.simNumber;
}

EncodedSettings EncodeSettings(const DeviceSettings& settings, const CodePage& codePage) {
    EncodedSettings encoded;
    for (int page = 1; page <= kPageCount; ++page) {
        EncodedPage one = EncodeSettingsPage(settings, page, codePage);
        if (one.error)
            return {{}, std::move(one.error)};
        encoded.pages[static_cast<std::size_t>(page - 1)] = one.page;
    }
    return encoded;
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

} // namespace gsm::settings
