#pragma once
// Narrowing the history grid to the records strictly inside a period, in
// chronological order. Works on the grid alone; nothing goes to the device.

#include "HistoryGrid.h"
#include "protocol/Link.h"
#include "protocol/Translatable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace gsm::history {

namespace status {
inline constexpr const char* kReadyToOrder = QT_TRANSLATE_NOOP("StatusTexts", "Ready to order");
inline constexpr const char* kRecordsSoFar = QT_TRANSLATE_NOOP("StatusTexts", "Records:");
inline constexpr const char* kSearch = QT_TRANSLATE_NOOP("StatusTexts", "Search");
inline constexpr const char* kLoading = QT_TRANSLATE_NOOP("StatusTexts", "Loading");
inline constexpr const char* kSortDate = QT_TRANSLATE_NOOP("StatusTexts", "Sort date");
inline constexpr const char* kRecords = QT_TRANSLATE_NOOP("StatusTexts", "Records");
} // namespace status

namespace message {
inline constexpr const char* kTimeSelectionError = "Time selection error";
inline constexpr const char* kNoCorrectRecords = "No correct records";
inline constexpr const char* kNoRecords = "No records";
} // namespace message

struct CalendarDate {
    int year = 0; // four digits
    int month = 0;
    int day = 0;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// What the four pickers show.
struct HistoryPeriod {
    CalendarDate startDate;
    ClockTime startTime;
    CalendarDate endDate;
    ClockTime endTime;
};

// A point in time as the filter compares it: yyyymmdd and hhmmss.
struct Stamp {
    std::int32_t date = 0;
    std::int32_t time = 0;
    auto operator<=>(const Stamp&) const = default;
};

Stamp StampOf(const CalendarDate& date, const ClockTime& time);

// The end must lie after the start.
bool IsValidPeriod(const HistoryPeriod& period);

// The stamp of a grid row from its "Date" (2015-03-07) and "Time" (09:05:00)
// texts; "null" reads as 0. Throws KeyError when a key part is not a number.
Stamp StampOfRow(std::string_view dateText, std::string_view timeText);

struct KeyError {
    std::string message; // "'x' is not a valid integer value"
};

enum class FilterResult {
    Filtered,           // the grid now holds the matches, in order
    TimeSelectionError, // the end is not after the start
    NoCorrectRecords,   // no row holds a usable record
    NoRecords,          // no record lies inside the period
    BadKey,             // a date or time text is not made of numbers
};

struct FilterOutcome {
    FilterResult result;
    // What the user is told; empty after a successful filter.
    std::string message;
    int matches = 0;
};

// Keeps only the rows strictly inside the period, ordered by date then time;
// rows with equal stamps keep their grid order. The grid changes only when
// the result is Filtered.
FilterOutcome FilterHistory(IGrid& grid, const HistoryPeriod& period, IStatusSink& status);

} // namespace gsm::history
