#include "NumberRecordCheck.h"

#include <algorithm>
#include <utility>

namespace gsm::numbers {

namespace {

bool EndsNumber(std::uint8_t b) {
    return b == 0x00 || b == record::kErasedByte;
}

std::optional<std::string> NumberFieldProblem(ConstRecordBytes record) {
    const auto field = record.subspan(record::kNumber.offset, record::kNumber.width);
    const auto end = std::find_if(field.begin(), field.end(), EndsNumber);
    if (std::all_of(field.begin(), end,
                    [](std::uint8_t b) { return IsNumberCharacter(static_cast<char>(b)); }))
        return std::nullopt;
    return NumberCharactersProblem(std::string(field.begin(), end));
}

// Only the upper limits: a zero month or day is how a record leaves its date unset.
std::optional<std::string> EndProblem(ConstRecordBytes record, const char* name,
                                      const record::EndFields& fields) {
    const std::pair<PartRange, Field> parts[] = {{range::kYear, fields.yearInCentury},
                                                 {range::kMonth, fields.month},
                                                 {range::kDay, fields.day},
                                                 {range::kHour, fields.hour},
                                                 {range::kMinute, fields.minute}};
    for (const auto& [range, field] : parts) {
        const int value = record[field.offset];
        if (value > range.high)
            return RangeProblem(name, range, value);
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> CheckNumberRecord(ConstRecordBytes record) {
    if (auto problem = NumberFieldProblem(record))
        return problem;
    if (IsAlwaysRecord(record) || record[record::kStart.month.offset] == record::kErasedByte)
        return std::nullopt;
    if (auto problem = EndProblem(record, "start", record::kStart))
        return problem;
    return EndProblem(record, "end", record::kEnd);
}

std::optional<std::string> CheckNumberPage(int page,
                                           std::span<const std::uint8_t, addr::kPageSize> bytes) {
    for (std::size_t i = 0; i < record::kPerPage; ++i) {
        const ConstRecordBytes record = bytes.subspan(i * record::kSize).first<record::kSize>();
        if (auto problem = CheckNumberRecord(record))
            return "slot " + std::to_string(FirstRowOfPage(page) + static_cast<int>(i)) + ": " +
                   *problem;
    }
    return std::nullopt;
}

} // namespace gsm::numbers
