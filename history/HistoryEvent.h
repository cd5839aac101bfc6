#pragma once
// One event of the device's log as a typed record, between its 128 bytes and
// the row texts that show it. The log is only ever read, so nothing here is
// checked for writing.

#include "HistoryGrid.h"
#include "HistoryRecord.h"

#include <cstdint>
#include <optional>
#include <string>

namespace gsm {
class CodePage;
}

namespace gsm::history {

struct EventDate {
    int year; // 2000 + the year byte
    int month;
    int day;

    bool operator==(const EventDate&) const = default;
};

struct EventTime {
    int hour;
    int minute;
    int second;

    bool operator==(const EventTime&) const = default;
};

struct HistoryEvent {
    // A year byte of 0 marks a slot the device never wrote; nothing else is read then.
    bool empty = true;
    std::optional<std::int32_t> recordNumber;
    // Absent when the device left any of its bytes 0xFF.
    std::optional<EventDate> date;
    std::optional<EventTime> time;
    std::uint8_t source = 0;
    std::uint8_t action = 0;
    // "+" and digits only.
    std::string executant;
    // UTF-8.
    std::string content;

    bool operator==(const HistoryEvent&) const = default;
};

// The content bytes are read in `codePage`.
HistoryEvent DecodeHistoryEvent(RecordBytes bytes, const CodePage& codePage);

// Columns 1 to 7 as the history grid shows them; seven empty texts for an
// empty event. An alarm or power action names its own origin under "From".
RowTexts EventRowTexts(const HistoryEvent& event);

} // namespace gsm::history
