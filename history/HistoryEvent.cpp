#include "HistoryEvent.h"

#include "text/CodePage.h"

#include <cstdio>
#include <initializer_list>

namespace gsm::history {

namespace {

std::uint8_t ByteAt(RecordBytes bytes, Field field) {
    return bytes[field.offset];
}

std::uint32_t LittleEndianAt(RecordBytes bytes, Field field) {
    std::uint32_t value = 0;
    for (std::size_t i = field.width; i-- > 0;)
        value = (value << 8) | bytes[field.offset + i];
    return value;
}

bool AllSet(RecordBytes bytes, std::initializer_list<Field> fields) {
    for (const Field& f : fields)
        if (ByteAt(bytes, f) == record::kUnset)
            return false;
    return true;
}

bool IsDialChar(std::uint8_t b) {
    return b == '+' || (b >= '0' && b <= '9');
}

std::string Executant(RecordBytes bytes) {
    std::string text;
    for (std::size_t i = 0; i < record::kExecutant.width; ++i) {
        const std::uint8_t b = bytes[record::kExecutant.offset + i];
        if (!IsDialChar(b))
            break;
        text.push_back(static_cast<char>(b));
    }
    return text;
}

std::string Content(RecordBytes bytes, const CodePage& codePage) {
    std::string raw;
    for (std::size_t i = 0; i < record::kContent.width; ++i) {
        const std::uint8_t b = bytes[record::kContent.offset + i];
        if (b == 0)
            break;
        raw.push_back(static_cast<char>(b));
    }
    return codePage.Decode(raw);
}

// At least two digits with a leading zero; larger values print in full.
std::string TwoDigits(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2d", value);
    return text;
}

// The year byte is printed after "20", so a byte of 123 reads 20123.
std::string DateText(const std::optional<EventDate>& date) {
    if (!date)
        return {};
    return "20" + TwoDigits(date->year - 2000) + "-" + TwoDigits(date->month) + "-" +
           TwoDigits(date->day);
}

std::string TimeText(const std::optional<EventTime>& time) {
    if (!time)
        return {};
    return TwoDigits(time->hour) + ":" + TwoDigits(time->minute) + ":" + TwoDigits(time->second);
}

} // namespace

HistoryEvent DecodeHistoryEvent(RecordBytes bytes, const CodePage& codePage) {
    HistoryEvent event;
    if (IsEmptyRecord(bytes))
        return event;
    using namespace record;
    event.empty = false;
    if (const std::uint32_t raw = LittleEndianAt(bytes, kNumber); raw != kNoNumber)
        event.recordNumber = static_cast<std::int32_t>(raw);
    if (AllSet(bytes, {kYear, kMonth, kDay}))
        event.date =
            EventDate{2000 + ByteAt(bytes, kYear), ByteAt(bytes, kMonth), ByteAt(bytes, kDay)};
    if (AllSet(bytes, {kHour, kMinute, kSecond}))
        event.time =
            EventTime{ByteAt(bytes, kHour), ByteAt(bytes, kMinute), ByteAt(bytes, kSecond)};
    event.source = ByteAt(bytes, kSource);
    event.action = ByteAt(bytes, kAction);
    event.executant = Executant(bytes);
    event.content = Content(bytes, codePage);
    return event;
}

RowTexts EventRowTexts(const HistoryEvent& event) {
    RowTexts row;
    if (event.empty)
        return row;
    const std::string actionSource = SourceOfAction(event.action);
    Text(row, col::kNo) = event.recordNumber ? std::to_string(*event.recordNumber) : std::string();
    Text(row, col::kDate) = DateText(event.date);
    Text(row, col::kTime) = TimeText(event.time);
    Text(row, col::kFrom) = actionSource.empty() ? SourceText(event.source) : actionSource;
    Text(row, col::kAction) = ActionText(event.action);
    Text(row, col::kExecutant) = event.executant;
    Text(row, col::kContent) = event.content;
    return row;
}

} // namespace gsm::history
