#include "HistoryRecord.h"

#include "CodePage.h"

#include <array>
#include <cstdio>

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

std::uint8_t ByteAt(RecordBytes bytes, Field field) {
    return bytes[field.offset];
}

std::uint32_t LittleEndianAt(RecordBytes bytes, Field field) {
    std::uint32_t value = 0;
    for (std::size_t i = field.width; i-- > 0;)
        value = (value << 8) | bytes[field.offset + i];
    return value;
}

// At least two digits with a leading zero; larger values print in full.
std::string TwoDigits(int value) {
    char text[8];
    std::snprintf(text, sizeof text, "%.2d", value);
    return text;
}

bool AllSet(RecordBytes bytes, std::initializer_list<Field> fields) {
    for (const Field& f : fields)
        if (ByteAt(bytes, f) == record::kUnset)
            return false;
    return true;
}

std::string NumberText(RecordBytes bytes) {
    const std::uint32_t raw = LittleEndianAt(bytes, record::kNumber);
    if (raw == record::kNoNumber)
        return {};
    return std::to_string(static_cast<std::int32_t>(raw));
}

std::string DateText(RecordBytes bytes) {
    using namespace record;
    if (!AllSet(bytes, {kYear, kMonth, kDay}))
        return {};
    return "20" + TwoDigits(ByteAt(bytes, kYear)) + "-" + TwoDigits(ByteAt(bytes, kMonth)) + "-" +
           TwoDigits(ByteAt(bytes, kDay));
}

std::string TimeText(RecordBytes bytes) {
    using namespace record;
    if (!AllSet(bytes, {kHour, kMinute, kSecond}))
        return {};
    return TwoDigits(ByteAt(bytes, kHour)) + ":" + TwoDigits(ByteAt(bytes, kMinute)) + ":" +
           TwoDigits(ByteAt(bytes, kSecond));
}

bool IsDialChar(std::uint8_t b) {
    return b == '+' || (b >= '0' && b <= '9');
}

std::string ExecutantText(RecordBytes bytes) {
    std::string text;
    for (std::size_t i = 0; i < record::kExecutant.width; ++i) {
        const std::uint8_t b = bytes[record::kExecutant.offset + i];
        if (!IsDialChar(b))
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

std::string ContentText(RecordBytes bytes, const CodePage& codePage) {
    std::string raw;
    for (std::size_t i = 0; i < record::kContent.width; ++i) {
        const std::uint8_t b = bytes[record::kContent.offset + i];
        if (b == 0)
            break;
        raw.push_back(static_cast<char>(b));
    }
    return codePage.Decode(raw);
}

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
    return ByteAt(bytes, record::kYear) == 0;
}

RowTexts DecodeHistoryRecord(RecordBytes bytes, const CodePage& codePage) {
    RowTexts row;
    if (IsEmptyRecord(bytes))
        return row;
    const std::uint8_t action = ByteAt(bytes, record::kAction);
    const std::string actionSource = SourceOfAction(action);
    Text(row, col::kNo) = NumberText(bytes);
    Text(row, col::kDate) = DateText(bytes);
    Text(row, col::kTime) = TimeText(bytes);
    Text(row, col::kFrom) =
        actionSource.empty() ? SourceText(ByteAt(bytes, record::kSource)) : actionSource;
    Text(row, col::kAction) = ActionText(action);
    Text(row, col::kExecutant) = ExecutantText(bytes);
    Text(row, col::kContent) = ContentText(bytes, codePage);
    return row;
}

} // namespace gsm::history
