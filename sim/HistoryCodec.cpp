#include "HistoryCodec.h"

#include "FieldCodec.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace gsm::sim {

namespace {

constexpr Field kRecordNumber{0, 4};
constexpr Field kYear{4, 1};
constexpr Field kMonth{5, 1};
constexpr Field kDay{6, 1};
constexpr Field kHour{7, 1};
constexpr Field kMinute{8, 1};
constexpr Field kSecond{9, 1};
constexpr Field kSource{10, 1};
constexpr Field kAction{11, 1};
constexpr Field kExecutant{12, 22};
constexpr Field kContent{34, 41};
constexpr std::uint32_t kNoRecordNumber = 0xFFFFFFFFu;

struct ByteMember {
    Field field;
    int HistoryEntry::*member;
};

constexpr std::array<ByteMember, 8> kByteFields{{
    {kYear, &HistoryEntry::year},
    {kMonth, &HistoryEntry::month},
    {kDay, &HistoryEntry::day},
    {kHour, &HistoryEntry::hour},
    {kMinute, &HistoryEntry::minute},
    {kSecond, &HistoryEntry::second},
    {kSource, &HistoryEntry::source},
    {kAction, &HistoryEntry::action},
}};

constexpr std::array<std::string_view, kSourceCodes> kSources{"COM Port", "SMS", "GPRS",
                                                              "Telephone"};
constexpr std::array<std::string_view, kActionCodes> kActions{
    "Add number", "Delete Number", "Relay ON", "Relay OFF", "DIN1 Alarm",
    "DIN2 Alarm", "Power failure", "Arm",      "Disarm",    "Power recovery"};

template <std::size_t N>
std::string_view NameOf(const std::array<std::string_view, N>& names, int code) {
    return code >= 0 && code < static_cast<int>(N) ? names[static_cast<std::size_t>(code)]
                                                   : std::string_view{};
}

template <std::size_t N>
std::optional<int> CodeOf(const std::array<std::string_view, N>& names, std::string_view name) {
    const auto it = std::ranges::find(names, name);
    if (it == names.end())
        return std::nullopt;
    return static_cast<int>(it - names.begin());
}

std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%.2d", value);
    return text;
}

} // namespace

void EncodeHistory(const HistoryEntry& entry, HistoryRecordBytes out) {
    std::ranges::fill(out, kClearedByte);
    if (entry.IsEmpty())
        return;
    const std::uint32_t number =
        entry.recordNumber ? static_cast<std::uint32_t>(*entry.recordNumber) : kNoRecordNumber;
    PutLittleEndian(out, kRecordNumber, number);
    for (const auto& f : kByteFields)
        out[f.field.offset] = static_cast<std::uint8_t>(entry.*f.member);
    PutText(out, kExecutant, entry.executant, TextForm::ZeroPadded);
    PutText(out, kContent, entry.content, TextForm::ZeroPadded);
}

HistoryEntry DecodeHistory(ConstHistoryRecordBytes record) {
    HistoryEntry entry;
    const std::uint32_t number = GetLittleEndian(record, kRecordNumber);
    if (number != kNoRecordNumber)
        entry.recordNumber = static_cast<std::int32_t>(number);
    for (const auto& f : kByteFields)
        entry.*f.member = record[f.field.offset];
    entry.executant = GetText(record, kExecutant, TextForm::ZeroPadded);
    entry.content = GetText(record, kContent, TextForm::ZeroPadded);
    return entry;
}

bool HistoryIsCanonical(ConstHistoryRecordBytes record) {
    const HistoryEntry entry = DecodeHistory(record);
    if (!IsPlainText(entry.executant) || !IsPlainText(entry.content))
        return false;
    std::array<std::uint8_t, kHistoryRecordSize> again{};
    EncodeHistory(entry, again);
    return std::ranges::equal(again, record);
}

std::string_view SourceName(int code) {
    return NameOf(kSources, code);
}
std::string_view ActionName(int code) {
    return NameOf(kActions, code);
}
std::optional<int> SourceCode(std::string_view name) {
    return CodeOf(kSources, name);
}
std::optional<int> ActionCode(std::string_view name) {
    return CodeOf(kActions, name);
}

std::string DateText(const HistoryEntry& e) {
    if (e.year == 0xFF || e.month == 0xFF || e.day == 0xFF)
        return {};
    return "20" + TwoDigits(e.year) + "-" + TwoDigits(e.month) + "-" + TwoDigits(e.day);
}

std::string TimeText(const HistoryEntry& e) {
    if (e.hour == 0xFF || e.minute == 0xFF || e.second == 0xFF)
        return {};
    return TwoDigits(e.hour) + ":" + TwoDigits(e.minute) + ":" + TwoDigits(e.second);
}

std::vector<HistorySlot> HistoryEntries(const DeviceMemory& memory) {
    std::vector<HistorySlot> entries;
    for (int slot = 1; slot <= kHistorySlots; ++slot) {
        HistoryEntry entry = DecodeHistory(memory.HistoryRecord(slot));
        if (!entry.IsEmpty())
            entries.push_back({slot, std::move(entry)});
    }
    return entries;
}

bool KeptByHistoryRead(const HistoryEntry& entry) {
    if (entry.IsEmpty() || !entry.recordNumber)
        return false;
    const std::string date = DateText(entry);
    if (date.size() < 4 ||
        !std::all_of(date.begin(), date.begin() + 4, [](char c) { return c >= '0' && c <= '9'; }))
        return false;
    return std::stoi(date.substr(0, 4)) < 2080;
}

std::vector<HistorySlot> KeptHistoryEntries(const DeviceMemory& memory) {
    std::vector<HistorySlot> kept;
    for (auto& slot : HistoryEntries(memory))
        if (KeptByHistoryRead(slot.entry))
            kept.push_back(std::move(slot));
    return kept;
}

} // namespace gsm::sim
