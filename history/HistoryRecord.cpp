#include "HistoryRecord.h"

#include "HistoryEvent.h"

#include <array>

namespace gsm::history {

namespace {

constexpr std::array<const char*, 4> kSources{"COM Port", "SMS", "GPRS", "Telephone"};

struct ActionName {
    const char* action;
    const char* source; // replaces the channel's text when not empty
};

constexpr std::array<ActionName, 10> kActions{{
    {"Add number", ""},
    {"Delete Number", ""},
    {"Relay ON", ""},
    {"Relay OFF", ""},
    {"DIN1 Alarm", "DIN1"},
    {"DIN2 Alarm", "DIN2"},
    {"Power failure", "Power supply"},
    {"Arm", ""},
    {"Disarm", ""},
    {"Power recovery", "Power supply"},
}};

} // namespace

std::string SourceText(std::uint8_t code) {
    return code < kSources.size() ? kSources[code] : "";
}

std::string ActionText(std::uint8_t code) {
    return code < kActions.size() ? kActions[code].action : "";
}

std::string SourceOfAction(std::uint8_t code) {
    return code < kActions.size() ? kActions[code].source : "";
}

bool IsEmptyRecord(RecordBytes bytes) {
    return bytes[record::kYear.offset] == 0;
}

RowTexts DecodeHistoryRecord(RecordBytes bytes, const CodePage& codePage) {
    return EventRowTexts(DecodeHistoryEvent(bytes, codePage));
}

} // namespace gsm::history
