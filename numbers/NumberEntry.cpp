#include "NumberEntry.h"

#include <algorithm>
#include <cstdio>
#include <initializer_list>
#include <utility>

namespace gsm::numbers {

namespace {

std::optional<std::string> NumberProblem(const std::string& number) {
    if (!std::all_of(number.begin(), number.end(), IsNumberCharacter))
        return NumberCharactersProblem(number);
    if (number.size() > kNumberLength)
        return "number \"" + number + "\" is longer than " + std::to_string(kNumberLength) +
               " characters";
    return std::nullopt;
}

using Part = std::pair<PartRange, int>;

std::optional<std::string> FirstOutside(const char* end, std::initializer_list<Part> parts) {
    for (const auto& [range, value] : parts)
        if (!InRange(range, value))
            return RangeProblem(end, range, value);
    return std::nullopt;
}

std::optional<std::string> PeriodEndProblem(const char* name, const PeriodEnd& end) {
    if (end.date)
        if (auto problem = FirstOutside(name, {{range::kYear, end.date->yearInCentury},
                                               {range::kMonth, end.date->month},
                                               {range::kDay, end.date->day}}))
            return problem;
    if (end.time)
        return FirstOutside(name,
                            {{range::kHour, end.time->hour}, {range::kMinute, end.time->minute}});
    return std::nullopt;
}

bool Whole(const PeriodEnd& end) {
    return end.date && end.time;
}

} // namespace

EntryCheck ValidateNumberEntry(const NumberEntry& entry) {
    EntryCheck check;
    if (entry.erased)
        return check;
    check.wrongValue = NumberProblem(entry.number);
    if (entry.always)
        return check;
    if (!check.wrongValue)
        check.wrongValue = PeriodEndProblem("start", entry.start);
    if (!check.wrongValue)
        check.wrongValue = PeriodEndProblem("end", entry.end);
    check.periodIncomplete = !entry.number.empty() && !(Whole(entry.start) && Whole(entry.end));
    return check;
}

std::string RangeProblem(const char* end, const PartRange& range, int value) {
    return std::string(end) + " " + range.name + " " + std::to_string(value + range.shownFrom) +
           " is not " + std::to_string(range.low + range.shownFrom) + " to " +
           std::to_string(range.high + range.shownFrom);
}

std::string NumberCharactersProblem(std::string_view raw) {
    std::string shown;
    for (const char c : raw) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown.push_back(c);
            continue;
        }
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
        shown += escaped;
    }
    return "number \"" + shown + "\" holds characters other than \"+\" and digits";
}

} // namespace gsm::numbers
