#include "NumberCodec.h"

#include "FieldCodec.h"

#include <algorithm>

namespace gsm::sim {

namespace {

constexpr Field kNumber{0, 22};
// The eight month/day/hour/minute bytes; 0x63 in all of them marks Always.
constexpr Field kPeriod{22, 8};
constexpr Field kAlwaysStartYear{30, 1};
constexpr Field kAlwaysEndYear{31, 1};
constexpr std::uint8_t kAlwaysMark = 0x63;
constexpr std::uint8_t kAlwaysStartYearByte = 0x00;

struct StampLayout {
    std::size_t year, month, day, hour, minute;
};
constexpr StampLayout kStart{30, 22, 23, 24, 25};
constexpr StampLayout kEnd{31, 26, 27, 28, 29};

void PutStamp(NumberRecordBytes out, const StampLayout& at, const NumberStamp& s) {
    out[at.year] = static_cast<std::uint8_t>(s.year);
    out[at.month] = static_cast<std::uint8_t>(s.month);
    out[at.day] = static_cast<std::uint8_t>(s.day);
    out[at.hour] = static_cast<std::uint8_t>(s.hour);
    out[at.minute] = static_cast<std::uint8_t>(s.minute);
}

NumberStamp GetStamp(ConstNumberRecordBytes in, const StampLayout& at) {
    return {in[at.year], in[at.month], in[at.day], in[at.hour], in[at.minute]};
}

bool IsExactAlways(ConstNumberRecordBytes record) {
    return AllBytesAre(record, kPeriod, kAlwaysMark) &&
           record[kAlwaysStartYear.offset] == kAlwaysStartYearByte &&
           record[kAlwaysEndYear.offset] == kAlwaysMark;
}

} // namespace

void EncodeNumber(const NumberEntry& entry, NumberRecordBytes out) {
    switch (entry.form) {
    case NumberEntry::Form::Empty:
        std::ranges::fill(out, 0x00);
        return;
    case NumberEntry::Form::Erased:
        std::ranges::fill(out, 0xFF);
        return;
    case NumberEntry::Form::Always:
        std::ranges::fill(out, 0x00);
        PutText(out, kNumber, entry.number, TextForm::ZeroPadded);
        std::fill_n(out.begin() + kPeriod.offset, kPeriod.width, kAlwaysMark);
        out[kAlwaysStartYear.offset] = kAlwaysStartYearByte;
        out[kAlwaysEndYear.offset] = kAlwaysMark;
        return;
    case NumberEntry::Form::Period:
        std::ranges::fill(out, 0x00);
        PutText(out, kNumber, entry.number, TextForm::ZeroPadded);
        PutStamp(out, kStart, entry.start);
        PutStamp(out, kEnd, entry.end);
        return;
    }
}

NumberEntry DecodeNumber(ConstNumberRecordBytes record) {
    NumberEntry entry;
    if (AllBytesAre(record, 0x00))
        return entry;
    if (AllBytesAre(record, 0xFF)) {
        entry.form = NumberEntry::Form::Erased;
        return entry;
    }
    entry.number = GetText(record, kNumber, TextForm::ZeroPadded);
    if (AllBytesAre(record, kPeriod, kAlwaysMark)) {
        entry.form = NumberEntry::Form::Always;
        return entry;
    }
    entry.form = NumberEntry::Form::Period;
    entry.start = GetStamp(record, kStart);
    entry.end = GetStamp(record, kEnd);
    return entry;
}

bool NumberIsCanonical(ConstNumberRecordBytes record) {
    const NumberEntry entry = DecodeNumber(record);
    if (!IsPlainText(entry.number))
        return false;
    if (AllBytesAre(record, kPeriod, kAlwaysMark) && !IsExactAlways(record))
        return false;
    std::array<std::uint8_t, kNumberRecordSize> again{};
    EncodeNumber(entry, again);
    return std::ranges::equal(again, record);
}

std::vector<NumberSlot> NumberEntries(const DeviceMemory& memory) {
    std::vector<NumberSlot> entries;
    for (int slot = 1; slot <= kNumberSlots; ++slot) {
        NumberEntry entry = DecodeNumber(memory.NumberRecord(slot));
        if (entry.form != NumberEntry::Form::Empty)
            entries.push_back({slot, std::move(entry)});
    }
    return entries;
}

} // namespace gsm::sim
