#include "PeriodText.h"

#include "NumberGrid.h"
#include "text/Utf8.h"

#include <cstdio>

namespace gsm::numbers {

std::u32string CellCharacters(std::string_view utf8) {
    std::u32string out;
    while (!utf8.empty()) {
        const CodePointRead read = ReadCodePoint(utf8);
        out.push_back(read.value);
        utf8.remove_prefix(read.length);
    }
    return out;
}

namespace {

// Characters first to last, 1-based and inclusive; what lies outside the text
// is simply missing, so the part may come out shorter or empty.
std::u32string_view Part(std::u32string_view text, std::size_t first, std::size_t last) {
    if (first > text.size())
        return {};
    return text.substr(first - 1, last - first + 1);
}

std::u32string_view LastTwo(std::u32string_view text) {
    return text.size() < 2 ? text : text.substr(text.size() - 2);
}

// A part counts as a number when it is one or more decimal digits. Large
// values saturate; every caller rejects them anyway.
std::optional<int> Number(std::u32string_view part) {
    if (part.empty())
        return std::nullopt;
    constexpr int kCeiling = 1'000'000;
    int value = 0;
    for (char32_t c : part) {
        if (c < U'0' || c > U'9')
            return std::nullopt;
        value = value >= kCeiling ? kCeiling : value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

struct DateParts {
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
};

DateParts SplitDate(std::u32string_view text) {
    return {Number(Part(text, 1, 4)), Number(Part(text, 6, 7)), Number(LastTwo(text))};
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

bool IsCalendarDate(int year, int month, int day) {
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool FitsByte(int value) {
    return value >= 0 && value <= 0xFF;
}

std::string AtLeastTwoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

} // namespace

bool PeriodCellInRange(int col, std::string_view text) {
    if (text.empty())
        return true;
    const std::u32string chars = CellCharacters(text);
    if (IsDateColumn(col)) {
        const DateParts d = SplitDate(chars);
        return d.month && d.day && *d.month <= 12 && *d.day <= 31;
    }
    const auto hour = Number(Part(chars, 1, 2));
    const auto minute = Number(Part(chars, 4, 5));
    return hour && minute && *hour <= 23 && *minute <= 59;
}

std::optional<CivilDate> PickerDate(std::string_view text) {
    const DateParts d = SplitDate(CellCharacters(text));
    if (!d.year || !d.month || !d.day || *d.month > 12 || *d.day > 31)
        return std::nullopt;
    if (!IsCalendarDate(*d.year, *d.month, *d.day))
        return std::nullopt;
    return CivilDate{*d.year, *d.month, *d.day};
}

std::optional<ClockTime> PickerTime(std::string_view text) {
    const std::u32string chars = CellCharacters(text);
    const auto hour = Number(Part(chars, 1, 2));
    const auto minute = Number(Part(chars, 4, 5));
    if (!hour || !minute || *hour >= 24 || *minute >= 60)
        return std::nullopt;
    return ClockTime{*hour, *minute};
}

std::optional<DeviceDate> DateCellValue(std::string_view text) {
    const std::u32string chars = CellCharacters(text);
    constexpr std::size_t kDateLength = 10;
    if (chars.size() != kDateLength)
        return std::nullopt;
    const DateParts d = SplitDate(chars);
    if (!d.year || !d.month || !d.day)
        return std::nullopt;
    const int yearInCentury = *d.year - range::kYear.shownFrom;
    if (!FitsByte(yearInCentury) || !FitsByte(*d.month) || !FitsByte(*d.day))
        return std::nullopt;
    return DeviceDate{static_cast<std::uint8_t>(yearInCentury), static_cast<std::uint8_t>(*d.month),
                      static_cast<std::uint8_t>(*d.day)};
}

std::optional<DeviceTime> TimeCellValue(std::string_view text) {
    const std::u32string chars = CellCharacters(text);
    const std::size_t colon = chars.find(U':');
    if (colon == std::u32string::npos)
        return std::nullopt;
    const std::u32string_view all(chars);
    const std::u32string_view minutePart = all.substr(colon + 1);
    if (minutePart.size() > 2)
        return std::nullopt;
    const auto hour = Number(all.substr(0, colon));
    const auto minute = Number(minutePart);
    if (!hour || !minute || !FitsByte(*hour))
        return std::nullopt;
    return DeviceTime{static_cast<std::uint8_t>(*hour), static_cast<std::uint8_t>(*minute)};
}

std::string DeviceDateText(DeviceDate date) {
    return "20" + AtLeastTwoDigits(date.yearInCentury) + "-" + AtLeastTwoDigits(date.month) + "-" +
           AtLeastTwoDigits(date.day);
}

std::string DeviceTimeText(DeviceTime time) {
    return AtLeastTwoDigits(time.hour) + ":" + AtLeastTwoDigits(time.minute);
}

std::string PickerDateText(CivilDate date) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d/%02d/%02d", date.year, date.month, date.day);
    return buffer;
}

std::string PickerTimeText(ClockTime time) {
    return AtLeastTwoDigits(time.hour) + ":" + AtLeastTwoDigits(time.minute);
}

} // namespace gsm::numbers
