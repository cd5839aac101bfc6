#pragma once
// A validity period is kept as four cell texts: two dates and two times.
// Dates are read by character position: year characters 1 to 4 (3 and 4 are
// the year within the century), month characters 6 and 7, day the last two;
// whatever stands between the parts is ignored. So "2015/03/05" (typed or set
// by the picker) and "2015-03-05" (read from the device) mean the same.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gsm::numbers {

struct CivilDate {
    int year;
    int month;
    int day;
};

struct ClockTime {
    int hour;
    int minute;
};

// The bytes of one end of a period as the device stores them.
struct DeviceDate {
    std::uint8_t yearInCentury;
    std::uint8_t month;
    std::uint8_t day;

    bool operator==(const DeviceDate&) const = default;
};
struct DeviceTime {
    std::uint8_t hour;
    std::uint8_t minute;

    bool operator==(const DeviceTime&) const = default;
};

// The values the device can hold in one part of a period end. The year is
// kept within the century; `shownFrom` turns it into the year people read.
struct PartRange {
    const char* name;
    int low;
    int high;
    int shownFrom = 0;
};
namespace range {
inline constexpr PartRange kYear{"year", 0, 99, 2000};
inline constexpr PartRange kMonth{"month", 1, 12};
inline constexpr PartRange kDay{"day", 1, 31};
inline constexpr PartRange kHour{"hour", 0, 23};
inline constexpr PartRange kMinute{"minute", 0, 59};
} // namespace range

inline constexpr bool InRange(const PartRange& range, int value) {
    return value >= range.low && value <= range.high;
}

// The characters of a cell text. Positions count characters, not UTF-8
// bytes, so a typed wide character does not shift the parts.
std::u32string CellCharacters(std::string_view utf8);

// Whether a period cell would be painted as sensible: a date's month at most
// 12 and its day at most 31, a time's hour (characters 1 and 2) at most 23 and
// its minute (characters 4 and 5) at most 59. Parts that are not numbers are
// out of range. An empty cell is in range.
bool PeriodCellInRange(int col, std::string_view text);

// The date a date picker should show for a cell, when the cell holds a real
// calendar date.
std::optional<CivilDate> PickerDate(std::string_view text);
// The time a time picker should show for a cell (hour < 24, minute < 60).
std::optional<ClockTime> PickerTime(std::string_view text);

// The bytes a date cell stands for, whatever their ranges (ValidateNumberEntry
// checks those), or nullopt when the text is not a date at all: it must be
// ten characters whose year (2000 or later), month and day fit a byte once
// the century is taken off.
std::optional<DeviceDate> DateCellValue(std::string_view text);
// The bytes a time cell stands for: the hour is what stands before the first
// ":", the minute the one or two digits after it; each must fit a byte.
std::optional<DeviceTime> TimeCellValue(std::string_view text);

// How a device date and time read back into cells: "20yy-mm-dd" and "hh:mm",
// each part at least two digits, so a year byte of 123 shows as 20123.
std::string DeviceDateText(DeviceDate date);
std::string DeviceTimeText(DeviceTime time);

// Cell texts as the pickers write them: "yyyy/MM/dd" and "hh:mm".
std::string PickerDateText(CivilDate date);
std::string PickerTimeText(ClockTime time);

} // namespace gsm::numbers
