#pragma once
// One authorized number as the device keeps it, between its 32 bytes and the
// grid row that shows it, and the one check every path that writes the
// device runs on it first.

#include "PeriodText.h"

#include <optional>
#include <string>
#include <vector>

namespace gsm::numbers {

// A missing part is stored as zero bytes, as an empty cell always was.
struct PeriodEnd {
    std::optional<DeviceDate> date;
    std::optional<DeviceTime> time;

    bool operator==(const PeriodEnd&) const = default;
};

struct NumberEntry {
    std::string number;
    // Erased on the device by the next save; nothing else of it is stored.
    bool erased = false;
    // Valid at all times; the period is not stored.
    bool always = false;
    PeriodEnd start;
    PeriodEnd end;

    bool operator==(const NumberEntry&) const = default;
};

// Slot s (1 to 1000) at index s - 1.
using NumberList = std::vector<NumberEntry>;

// The longest number the record holds; it fills its field with no terminator.
inline constexpr std::size_t kNumberLength = 22;

inline constexpr bool IsNumberCharacter(char c) {
    return c == '+' || (c >= '0' && c <= '9');
}

struct EntryCheck {
    // The first value the record cannot hold: "number "ABC" holds ...",
    // "start month 13 is not 1 to 12".
    std::optional<std::string> wrongValue;
    // A number with neither mark whose period lacks a part: the device would
    // not know when the number may call.
    bool periodIncomplete = false;

    bool Passed() const { return !wrongValue && !periodIncomplete; }
};

// Erased entries always pass. The number may hold only "+" and digits, at
// most 22 of them; a present date needs a year 2000 to 2099, a month 1 to 12
// and a day 1 to 31, a present time an hour up to 23 and a minute up to 59.
EntryCheck ValidateNumberEntry(const NumberEntry& entry);

// How a wrong value is named: `end` is "start" or "end", the value as
// people read it ("start year 2123 is not 2000 to 2099").
std::string RangeProblem(const char* end, const PartRange& range, int value);
// `raw` may hold any bytes; those that are not printable are shown as \xNN.
std::string NumberCharactersProblem(std::string_view raw);

} // namespace gsm::numbers
