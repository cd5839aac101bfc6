#include "HistoryFilter.h"

#include <algorithm>
#include <vector>

namespace gsm::history {

namespace {

constexpr std::string_view kNullText = "null";
constexpr std::string_view kInvalidText = "Invalid";

// Characters `from` (1-based) to from + count - 1, clipped to the text.
std::string_view Part(std::string_view text, std::size_t from, std::size_t count) {
    if (from > text.size())
        return {};
    return text.substr(from - 1, count);
}

std::string_view LastTwo(std::string_view text) {
    return text.size() <= 2 ? text : text.substr(text.size() - 2);
}

// An optional sign followed by decimal digits, nothing else.
std::int32_t ToInteger(std::string_view text) {
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        i = 1;
    if (i == text.size())
        throw KeyError{"'" + std::string(text) + "' is not a valid integer value"};
    std::int32_t value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            throw KeyError{"'" + std::string(text) + "' is not a valid integer value"};
        value = value * 10 + (text[i] - '0');
    }
    return negative ? -value : value;
}

// yyyymmdd from "2015-03-07", with the full year so that centuries compare.
std::int32_t DateKey(std::string_view text) {
    if (text == kNullText)
        return 0;
    return ToInteger(Part(text, 1, 4)) * 10000 + ToInteger(Part(text, 6, 2)) * 100 +
           ToInteger(LastTwo(text));
}

// hhmmss from "09:05:00".
std::int32_t TimeKey(std::string_view text) {
    if (text == kNullText)
        return 0;
    return ToInteger(Part(text, 1, 2)) * 10000 + ToInteger(Part(text, 4, 2)) * 100 +
           ToInteger(LastTwo(text));
}

struct Candidate {
    RowTexts texts;
    Stamp stamp;
};

bool IsUsable(const std::string& text) {
    return !text.empty() && text != kInvalidText;
}

bool HoldsUsableRecord(const RowTexts& row) {
    return IsUsable(Text(row, col::kNo)) && IsUsable(Text(row, col::kDate)) &&
           IsUsable(Text(row, col::kTime));
}

// Throws KeyError from the first row whose date or time is not numeric.
std::vector<Candidate> CollectCandidates(const IGrid& grid, IStatusSink& status) {
    std::vector<Candidate> candidates;
    for (int r = 1; r <= kRecordRows; ++r) {
        RowTexts row = ReadRow(grid, r);
        if (HoldsUsableRecord(row)) {
            const Stamp stamp = StampOfRow(Text(row, col::kDate), Text(row, col::kTime));
            candidates.push_back({std::move(row), stamp});
        }
        status.ShowStatus(status::kRecordsSoFar + std::to_string(candidates.size()));
    }
    return candidates;
}

bool LiesInside(const Candidate& c, Stamp start, Stamp end) {
    return start < c.stamp && c.stamp < end;
}

int CountInside(const std::vector<Candidate>& candidates, Stamp start, Stamp end,
                IStatusSink& status) {
    int count = 0;
    for (const Candidate& c : candidates) {
        if (LiesInside(c, start, end))
            ++count;
        status.ShowStatus(status::kSearch);
    }
    return count;
}

std::vector<Candidate> CopyInside(const std::vector<Candidate>& candidates, Stamp start, Stamp end,
                                  int count, IStatusSink& status) {
    std::vector<Candidate> matches;
    matches.reserve(static_cast<std::size_t>(count));
    for (const Candidate& c : candidates) {
        if (LiesInside(c, start, end))
            matches.push_back(c);
        status.ShowStatus(status::kLoading);
    }
    return matches;
}

void WriteMatches(IGrid& grid, const std::vector<Candidate>& matches, IStatusSink& status) {
    ClearHistoryGrid(grid);
    int row = 1;
    for (const Candidate& c : matches) {
        WriteRow(grid, row++, c.texts);
        status.ShowStatus(status::kRecords);
    }
}

} // namespace

Stamp StampOf(const CalendarDate& date, const ClockTime& time) {
    return {date.year * 10000 + date.month * 100 + date.day,
            time.hour * 10000 + time.minute * 100 + time.second};
}

bool IsValidPeriod(const HistoryPeriod& period) {
    return StampOf(period.startDate, period.startTime) < StampOf(period.endDate, period.endTime);
}

Stamp StampOfRow(std::string_view dateText, std::string_view timeText) {
    return {DateKey(dateText), TimeKey(timeText)};
}

FilterOutcome FilterHistory(IGrid& grid, const HistoryPeriod& period, IStatusSink& status) {
    if (!IsValidPeriod(period))
        return {FilterResult::TimeSelectionError, message::kTimeSelectionError};
    status.ShowStatus(status::kReadyToOrder);

    std::vector<Candidate> candidates;
    try {
        candidates = CollectCandidates(grid, status);
    } catch (const KeyError& error) {
        return {FilterResult::BadKey, error.message};
    }
    if (candidates.empty())
        return {FilterResult::NoCorrectRecords, message::kNoCorrectRecords};

    const Stamp start = StampOf(period.startDate, period.startTime);
    const Stamp end = StampOf(period.endDate, period.endTime);
    const int count = CountInside(candidates, start, end, status);
    if (count == 0)
        return {FilterResult::NoRecords, message::kNoRecords};
    std::vector<Candidate> matches = CopyInside(candidates, start, end, count, status);
    // One stable sort by (date, time) gives the order of a date pass and a
    // time pass, so the date phase is announced once.
    status.ShowStatus(status::kSortDate);
    std::stable_sort(matches.begin(), matches.end(),
                     [](const Candidate& a, const Candidate& b) { return a.stamp < b.stamp; });
    WriteMatches(grid, matches, status);
    return {FilterResult::Filtered, {}, static_cast<int>(matches.size())};
}

} // namespace gsm::history
