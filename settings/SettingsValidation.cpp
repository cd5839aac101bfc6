#include "SettingsValidation.h"

#include "ChoiceLists.h"
#include "SettingsPages.h"

#include <algorithm>
#include <cstdio>

namespace gsm::settings {
namespace {

constexpr std::size_t kPasswordLength = 4;
constexpr const char* kPasswordProblem = "The password must be exactly four digits.";

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsDialChar(char c) {
    return c == '+' || IsDigit(c);
}

// C0 controls, DEL and the C1 controls: an escape or a NUL in a text changes
// how the device's modem or server takes everything after it.
bool IsControl(char32_t c) {
    return c <= 0x1F || (c >= 0x7F && c <= 0x9F);
}

std::string TooLong(std::size_t needed, std::size_t width) {
    return "The value needs " + std::to_string(needed) + " bytes; the device holds at most " +
           std::to_string(width) + ".";
}

std::string OutsideRange(unsigned value, unsigned largest) {
    return "'" + std::to_string(value) + "' is outside the range 0 to " + std::to_string(largest) +
           ".";
}

std::string NotDialString(const std::string& text) {
    return "'" + text + "' holds characters other than \"+\" and digits.";
}

std::string NotAnItem(int index, const ChoiceList& list) {
    return std::to_string(index) + " is not an item of the list (0 to " +
           std::to_string(list.items.size() - 1) + ").";
}

std::optional<std::string> ControlCharacter(std::string_view text) {
    while (!text.empty()) {
        const CodePointRead read = ReadCodePoint(text);
        if (IsControl(read.value)) {
            char code[16];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(read.value));
            return std::string("The text holds a control character (") + code + ").";
        }
        text.remove_prefix(read.length);
    }
    return std::nullopt;
}

bool IsPassword(const std::string& text) {
    return text.size() == kPasswordLength && std::all_of(text.begin(), text.end(), IsDigit);
}

bool InRange(std::uint16_t value, const SettingMember& m) {
    return value <= m.largest || value == kUnsetNumber;
}

// Why `text` cannot go into `f`, or nullopt.
std::optional<std::string> TextProblem(const PageField& f, std::string_view text,
                                       const CodePage& codePage) {
    if (f.encoding == Encoding::Padded) {
        // A device that pads with 0x00 instead of 0xFF reads back with a tail
        // of NULs; written back as they came, they are still padding.
        text = text.substr(0, text.find_last_not_of('\0') + 1);
    }
    if (auto control = ControlCharacter(text))
        return control;
    const std::string utf8(text);
    const std::optional<std::string> bytes = codePage.Encode(utf8);
    if (!bytes)
        return UnencodableMessage(codePage.FirstUnencodable(utf8).value_or(kReplacementCharacter),
                                  codePage.Name());
    if (bytes->size() > f.field.width)
        return TooLong(bytes->size(), f.field.width);
    if (f.encoding == Encoding::Text) {
        const std::size_t needed = text_units::FieldBytesNeeded(*bytes);
        if (needed > f.field.width)
            return TooLong(needed, f.field.width);
    }
    return std::nullopt;
}

std::optional<std::string> Problem(const PageField& f, const DeviceSettings& s,
                                   const CodePage& codePage) {
    const SettingMember& m = MemberOfRow(f.row);
    switch (f.encoding) {
    case Encoding::Password:
        // The device compares all four characters: a shorter password could never be entered again.
        if (!IsPassword(s.*m.text))
            return kPasswordProblem;
        return std::nullopt;
    case Encoding::PhoneNumber: {
        const std::string& number = s.*m.text;
        if (!std::all_of(number.begin(), number.end(), IsDialChar))
            return NotDialString(number);
        if (number.size() > f.field.width)
            return TooLong(number.size(), f.field.width);
        return std::nullopt;
    }
    case Encoding::ListIndex: {
        const int index = s.*m.list;
        const ChoiceList& list = *ListAtRow(f.row);
        if (index != kNoSelection && !HasItem(list, index))
            return NotAnItem(index, list);
        return std::nullopt;
    }
    case Encoding::Number:
        if (const auto value = s.*m.number; value && !InRange(*value, m))
            return OutsideRange(*value, m.largest);
        return std::nullopt;
    case Encoding::Text:
    case Encoding::Padded:
        return TextProblem(f, s.*m.text, codePage);
    }
    return std::nullopt;
}

// What a lenient read of the field would hide from the validation.
std::optional<std::string> HiddenProblem(const PageField& f, const Page& data,
                                         const CodePage& codePage) {
    const auto begin = data.begin() + static_cast<std::ptrdiff_t>(f.field.offset);
    const auto end = begin + static_cast<std::ptrdiff_t>(f.field.width);
    switch (f.encoding) {
    case Encoding::Password:
        if (!IsPassword(std::string(begin, end)))
            return kPasswordProblem;
        return std::nullopt;
    case Encoding::PhoneNumber: {
        const auto stop =
            std::find_if(begin, end, [](std::uint8_t b) { return b == 0 || b == kFiller; });
        const std::string number(begin, stop);
        if (!std::all_of(number.begin(), number.end(), IsDialChar))
            return NotDialString(codePage.Decode(number));
        return std::nullopt;
    }
    case Encoding::ListIndex: {
        const ChoiceList& list = *ListAtRow(f.row);
        if (*begin != kFiller && !HasItem(list, *begin))
            return NotAnItem(*begin, list);
        return std::nullopt;
    }
    case Encoding::Number: {
        // Each copy of the relay timer is checked, not only the one a read keeps.
        const std::uint16_t value = NumberAt(data, f.field);
        if (const SettingMember& m = MemberOfRow(f.row); !InRange(value, m))
            return OutsideRange(value, m.largest);
        return std::nullopt;
    }
    case Encoding::Text:
    case Encoding::Padded:
        return std::nullopt;
    }
    return std::nullopt;
}

// Where `row` first comes in the two pages.
std::size_t PageOrder(int row) {
    std::size_t position = 0;
    for (int page = 1; page <= kPageCount; ++page)
        for (const PageField& f : PageLayout(page)) {
            if (f.row == row)
                return position;
            ++position;
        }
    return position;
}

} // namespace

std::optional<SettingError> ValidateSettingsPage(const DeviceSettings& settings, int page,
                                                 const CodePage& codePage) {
    for (const PageField& f : PageLayout(page))
        if (auto problem = Problem(f, settings, codePage))
            return SettingError{f.row, std::move(*problem)};
    return std::nullopt;
}

std::optional<std::string> SettingProblem(int r, const DeviceSettings& settings,
                                          const CodePage& codePage) {
    for (int page = 1; page <= kPageCount; ++page)
        for (const PageField& f : PageLayout(page))
            if (f.row == r)
                if (auto problem = Problem(f, settings, codePage))
                    return problem;
    return std::nullopt;
}

std::optional<SettingError> ValidateSettings(const DeviceSettings& settings,
                                             const CodePage& codePage) {
    for (int page = 1; page <= kPageCount; ++page)
        if (auto error = ValidateSettingsPage(settings, page, codePage))
            return error;
    return std::nullopt;
}

std::optional<SettingError> CheckSettingsPage(int page, const Page& data,
                                              const CodePage& codePage) {
    std::optional<SettingError> hidden;
    for (const PageField& f : PageLayout(page))
        if (auto problem = HiddenProblem(f, data, codePage)) {
            hidden = SettingError{f.row, std::move(*problem)};
            break;
        }
    DeviceSettings shown;
    DecodeSettingsPage(page, data, codePage, shown);
    return FirstInPageOrder(std::move(hidden), ValidateSettingsPage(shown, page, codePage));
}

std::optional<SettingError> FirstInPageOrder(std::optional<SettingError> a,
                                             std::optional<SettingError> b) {
    if (!a)
        return b;
    if (!b)
        return a;
    return PageOrder(b->row) < PageOrder(a->row) ? b : a;
}

} // namespace gsm::settings
