#include "NumberRecord.h"

#include "NumberRows.h"

#include <algorithm>
#include <string>

namespace gsm::numbers {

namespace {

std::uint8_t& At(RecordBytes bytes, Field field) {
    return bytes[field.offset];
}
std::uint8_t At(ConstRecordBytes bytes, Field field) {
    return bytes[field.offset];
}

void FillAlways(RecordBytes out) {
    std::fill_n(out.begin() + record::kPeriodBody.offset, record::kPeriodBody.width,
                record::kAlwaysByte);
    At(out, record::kStart.yearInCentury) = 0x00;
    At(out, record::kEnd.yearInCentury) = record::kAlwaysByte;
}

void EncodeEnd(const PeriodEnd& end, const record::EndFields& fields, RecordBytes out) {
    if (end.date) {
        At(out, fields.month) = end.date->month;
        At(out, fields.day) = end.date->day;
        At(out, fields.yearInCentury) = end.date->yearInCentury;
    }
    if (end.time) {
        At(out, fields.hour) = end.time->hour;
        At(out, fields.minute) = end.time->minute;
    }
}

std::string DecodeNumber(ConstRecordBytes in) {
    std::string number;
    for (std::size_t i = 0; i < record::kNumber.width; ++i) {
        const char c = static_cast<char>(in[record::kNumber.offset + i]);
        if (!IsNumberCharacter(c))
            break;
        number.push_back(c);
    }
    return number;
}

// A date whose month or day byte is 0 is no date: a read empties the cell
// rather than leaving what an earlier read put there.
PeriodEnd DecodeEnd(ConstRecordBytes in, const record::EndFields& fields) {
    PeriodEnd end;
    const DeviceDate date{At(in, fields.yearInCentury), At(in, fields.month), At(in, fields.day)};
    if (date.month != 0 && date.day != 0)
        end.date = date;
    end.time = DeviceTime{At(in, fields.hour), At(in, fields.minute)};
    return end;
}

} // namespace

bool IsAlwaysRecord(ConstRecordBytes in) {
    const auto body = in.subspan(record::kPeriodBody.offset, record::kPeriodBody.width);
    return std::all_of(body.begin(), body.end(),
                       [](std::uint8_t b) { return b == record::kAlwaysByte; });
}

void EncodeNumberEntry(const NumberEntry& entry, RecordBytes out) {
    if (entry.erased) {
        std::fill(out.begin(), out.end(), record::kErasedByte);
        return;
    }
    std::fill(out.begin(), out.end(), std::uint8_t{0});
    const std::size_t length = std::min(entry.number.size(), record::kNumber.width);
    std::copy_n(entry.number.begin(), length, out.begin() + record::kNumber.offset);
    if (entry.always) {
        FillAlways(out);
        return;
    }
    EncodeEnd(entry.start, record::kStart, out);
    EncodeEnd(entry.end, record::kEnd, out);
}

NumberEntry DecodeNumberEntry(ConstRecordBytes in) {
    NumberEntry entry;
    entry.number = DecodeNumber(in);
    entry.always = IsAlwaysRecord(in);
    // A device may store a number with 0xFF where its period would be.
    const bool noPeriod =
        entry.always || entry.number.empty() || At(in, record::kStart.month) == record::kErasedByte;
    if (!noPeriod) {
        entry.start = DecodeEnd(in, record::kStart);
        entry.end = DecodeEnd(in, record::kEnd);
    }
    return entry;
}

bool EncodeNumberRecord(const IGrid& grid, int row, RecordBytes out) {
    const RowEntry read = ReadRowEntry(grid, row);
    if (!read.cellsInForm || ValidateNumberEntry(read.entry).wrongValue)
        return false;
    EncodeNumberEntry(read.entry, out);
    return true;
}

void DecodeNumberRecord(ConstRecordBytes in, IGrid& grid, int row) {
    ShowEntryInRow(DecodeNumberEntry(in), grid, row);
}

} // namespace gsm::numbers
