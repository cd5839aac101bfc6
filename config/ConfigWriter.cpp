#include "ConfigWriter.h"

#include "ConfigKeys.h"
#include "Configuration.h"
#include "numbers/NumberRecord.h"
#include "settings/ChoiceLists.h"
#include "text/Utf8.h"

#include <algorithm>
#include <cstdio>

namespace gsm::config {
namespace {

constexpr const char* kHeader =
    "# GSM gate opener configuration. A setting left out keeps what the device\n"
    "# holds; \"numbers\", when present, is the whole list: a slot it does not\n"
    "# name is empty.\n";

// Characters YAML wants escaped in a double-quoted scalar: C0, DEL, C1, the
// line and paragraph separators and the byte order mark.
bool NeedsEscape(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 || c == 0xFEFF;
}

std::string Escaped(char32_t c) {
    char code[12];
    if (c <= 0xFF)
        std::snprintf(code, sizeof code, "\\x%02X", static_cast<unsigned>(c));
    else
        std::snprintf(code, sizeof code, "\\u%04X", static_cast<unsigned>(c));
    return code;
}

std::string SettingValue(const settings::DeviceSettings& s, int r) {
    const settings::SettingMember& m = settings::MemberOfRow(r);
    if (m.text)
        return Quoted(s.*m.text);
    if (m.number) {
        const auto value = s.*m.number;
        return value ? std::to_string(*value) : std::string("null");
    }
    const int index = s.*m.list;
    if (index == settings::kNoSelection)
        return "null";
    // An index the list does not have is written as it stands; reading the
    // file back refuses it, as a save would.
    if (!settings::HasItem(*settings::ListAtRow(r), index))
        return std::to_string(index);
    return Quoted(ItemLabel(r, index));
}

std::string PeriodEndText(const numbers::PeriodEnd& end) {
    std::string text;
    if (end.date)
        text = numbers::DeviceDateText(*end.date);
    if (end.time)
        text += (text.empty() ? "" : " ") + numbers::DeviceTimeText(*end.time);
    return text;
}

bool AllBytes(numbers::ConstRecordBytes record, std::uint8_t value) {
    return std::all_of(record.begin(), record.end(),
                       [value](std::uint8_t b) { return b == value; });
}

// One flow mapping, or nothing for an empty slot.
std::string EntryLine(int slot, numbers::ConstRecordBytes record) {
    const std::string head = "  - {slot: " + std::to_string(slot);
    if (AllBytes(record, numbers::record::kErasedByte))
        return head + ", erased: true}\n";
    if (AllBytes(record, 0))
        return {};
    const numbers::NumberEntry entry = numbers::DecodeNumberEntry(record);
    std::string line = head + ", number: " + Quoted(entry.number);
    if (entry.always)
        line += ", always: true";
    if (const std::string from = PeriodEndText(entry.start); !from.empty())
        line += ", from: " + Quoted(from);
    if (const std::string until = PeriodEndText(entry.end); !until.empty())
        line += ", until: " + Quoted(until);
    return line + "}\n";
}

} // namespace

std::string Quoted(std::string_view text) {
    std::string out = "\"";
    while (!text.empty()) {
        const CodePointRead read = ReadCodePoint(text);
        if (read.value == '"' || read.value == '\\')
            out += '\\';
        if (NeedsEscape(read.value))
            out += Escaped(read.value);
        else
            out.append(text.substr(0, read.length));
        text.remove_prefix(read.length);
    }
    return out + "\"";
}

std::string ConfigurationText(const settings::DeviceSettings& settings,
                              std::span<const Page> numberPages) {
    std::string text = kHeader;
    text += "format: " + std::string(kFormat) + "\nversion: " + std::to_string(kVersion) +
            "\nsettings:\n";
    for (int r = settings::kFirstRow; r <= settings::kLastRow; ++r)
        text += "  " + std::string(KeyOfRow(r)) + ": " + SettingValue(settings, r) + "\n";
    std::string entries;
    for (std::size_t page = 0; page < numberPages.size(); ++page)
        for (std::size_t i = 0; i < numbers::record::kPerPage; ++i) {
            const auto record = std::span(numberPages[page])
                                    .subspan(i * numbers::record::kSize)
                                    .first<numbers::record::kSize>();
            entries +=
                EntryLine(static_cast<int>(page * numbers::record::kPerPage + i) + 1, record);
        }
    text += entries.empty() ? "numbers: []\n" : "numbers:\n" + entries;
    return text;
}

} // namespace gsm::config
