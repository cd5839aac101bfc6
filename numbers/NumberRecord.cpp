#include "NumberRecord.h"

#include "NumberGrid.h"
#include "PeriodText.h"

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

bool IsNumberCharacter(char c) {
    return c == '+' || (c >= '0' && c <= '9');
}

bool EncodeNumber(const std::string& number, RecordBytes out) {
    if (number.size() > record::kNumber.width)
        return false;
    if (!std::all_of(number.begin(), number.end(), IsNumberCharacter))
        return false;
    std::copy(number.begin(), number.end(), out.begin() + record::kNumber.offset);
    return true;
}

void FillAlways(RecordBytes out) {
    std::fill_n(out.begin() + record::kPeriodBody.offset, record::kPeriodBody.width,
                record::kAlwaysByte);
    At(out, record::kStart.yearInCentury) = 0x00;
    At(out, record::kEnd.yearInCentury) = record::kAlwaysByte;
}

// An empty cell leaves its bytes 0.
bool EncodeDate(const std::string& text, const record::PeriodEnd& end, RecordBytes out) {
    if (text.empty())
        return true;
    const auto date = EncodableDate(text);
    if (!date)
        return false;
    At(out, end.month) = date->month;
    At(out, end.day) = date->day;
    At(out, end.yearInCentury) = date->yearInCentury;
    return true;
}

bool EncodeTime(const std::string& text, const record::PeriodEnd& end, RecordBytes out) {
    if (text.empty())
        return true;
    const auto time = EncodableTime(text);
    if (!time)
        return false;
    At(out, end.hour) = time->hour;
    At(out, end.minute) = time->minute;
    return true;
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

// A date whose month or day byte is 0 is no date: the cell is emptied rather
// than left showing what an earlier read put there.
std::string DecodeDate(ConstRecordBytes in, const record::PeriodEnd& end) {
    const DeviceDate date{At(in, end.yearInCentury), At(in, end.month), At(in, end.day)};
    if (date.month == 0 || date.day == 0)
        return std::string();
    return DeviceDateText(date);
}

std::string DecodeTime(ConstRecordBytes in, const record::PeriodEnd& end) {
    return DeviceTimeText({At(in, end.hour), At(in, end.minute)});
}

bool IsAlwaysRecord(ConstRecordBytes in) {
    const auto body = in.subspan(record::kPeriodBody.offset, record::kPeriodBody.width);
    return std::all_of(body.begin(), body.end(),
                       [](std::uint8_t b) { return b == record::kAlwaysByte; });
}

} // namespace

bool EncodeNumberRecord(const IGrid& grid, int row, RecordBytes out) {
    if (grid.Cell(col::kDelete, row) == kYes) {
        std::fill(out.begin(), out.end(), record::kErasedByte);
        return true;
    }
    bool ok = EncodeNumber(grid.Cell(col::kNumber, row), out);
    if (grid.Cell(col::kAlways, row) == kYes) {
        FillAlways(out);
        return ok;
    }
    // Every cell is tried, so one bad cell does not hide the state of the others.
    ok = EncodeDate(grid.Cell(col::kStartDate, row), record::kStart, out) && ok;
    ok = EncodeTime(grid.Cell(col::kStartTime, row), record::kStart, out) && ok;
    ok = EncodeDate(grid.Cell(col::kEndDate, row), record::kEnd, out) && ok;
    ok = EncodeTime(grid.Cell(col::kEndTime, row), record::kEnd, out) && ok;
    return ok;
}

void DecodeNumberRecord(ConstRecordBytes in, IGrid& grid, int row) {
    const std::string number = DecodeNumber(in);
    grid.SetCell(col::kNumber, row, number);
    grid.SetCell(col::kStartDate, row, DecodeDate(in, record::kStart));
    grid.SetCell(col::kStartTime, row, DecodeTime(in, record::kStart));
    grid.SetCell(col::kEndDate, row, DecodeDate(in, record::kEnd));
    grid.SetCell(col::kEndTime, row, DecodeTime(in, record::kEnd));
    if (At(in, record::kStart.month) == record::kErasedByte || number.empty())
        EmptyPeriod(grid, row);
    const bool always = IsAlwaysRecord(in);
    if (always)
        EmptyPeriod(grid, row);
    grid.SetCell(col::kAlways, row, always ? kYes : kNo);
}

} // namespace gsm::numbers
