#pragma once
// The 32-byte record of one authorized number.

#include "DeviceMemory.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gsm::sim {

// A point of a validity period; year is the year within the century.
struct NumberStamp {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;

    bool operator==(const NumberStamp&) const = default;
};

struct NumberEntry {
    enum class Form {
        Empty,  // 32 bytes 0x00
        Erased, // 32 bytes 0xFF
        Always, // valid at all times
        Period, // valid from start to end
    };
    Form form = Form::Empty;
    std::string number;
    NumberStamp start;
    NumberStamp end;

    bool operator==(const NumberEntry&) const = default;
};

using NumberRecordBytes = std::span<std::uint8_t, kNumberRecordSize>;
using ConstNumberRecordBytes = std::span<const std::uint8_t, kNumberRecordSize>;

void EncodeNumber(const NumberEntry& entry, NumberRecordBytes out);
// Reads the form the bytes have; a record is Always when its eight period
// bytes are all 0x63, whatever its two year bytes hold.
NumberEntry DecodeNumber(ConstNumberRecordBytes record);
// True when EncodeNumber writes exactly these bytes for what they decode to.
bool NumberIsCanonical(ConstNumberRecordBytes record);

struct NumberSlot {
    int slot; // 1 to 1000
    NumberEntry entry;
};

// Every record that is not empty, in slot order.
std::vector<NumberSlot> NumberEntries(const DeviceMemory& memory);

} // namespace gsm::sim
