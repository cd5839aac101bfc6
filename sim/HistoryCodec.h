#pragma once
// The 128-byte history record and the names of its source and action codes.

#include "DeviceMemory.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace gsm::sim {

struct HistoryEntry {
    // Absent when the record carries FF FF FF FF.
    std::optional<std::int32_t> recordNumber;
    int year = 0; // year within the century; 0 marks an empty record
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int source = 0;
    int action = 0;
    std::string executant;
    std::string content;

    bool IsEmpty() const { return year == 0; }
    bool operator==(const HistoryEntry&) const = default;
};

using HistoryRecordBytes = std::span<std::uint8_t, kHistoryRecordSize>;
using ConstHistoryRecordBytes = std::span<const std::uint8_t, kHistoryRecordSize>;

// Unused bytes are written 0, like the area after a history deletion.
void EncodeHistory(const HistoryEntry& entry, HistoryRecordBytes out);
HistoryEntry DecodeHistory(ConstHistoryRecordBytes record);
// True when EncodeHistory writes exactly these bytes for what they decode to.
bool HistoryIsCanonical(ConstHistoryRecordBytes record);

// The texts the program shows for the codes; empty for an unknown code.
std::string_view SourceName(int code);
std::string_view ActionName(int code);
// The code of a name above, or nothing.
std::optional<int> SourceCode(std::string_view name);
std::optional<int> ActionCode(std::string_view name);
inline constexpr int kSourceCodes = 4;
inline constexpr int kActionCodes = 10;

// The date and time as the program shows them: "2015-03-07" and "09:05:00";
// empty when one of their bytes is 0xFF.
std::string DateText(const HistoryEntry& entry);
std::string TimeText(const HistoryEntry& entry);

struct HistorySlot {
    int slot; // 1 to 1000, device order
    HistoryEntry entry;
};

// Every record that is not empty, in device order.
std::vector<HistorySlot> HistoryEntries(const DeviceMemory& memory);
// The records a complete history read keeps once it closes the gaps: not
// empty, with a record number, and a date whose first four characters read
// as a year below 2080.
bool KeptByHistoryRead(const HistoryEntry& entry);
std::vector<HistorySlot> KeptHistoryEntries(const DeviceMemory& memory);

} // namespace gsm::sim
