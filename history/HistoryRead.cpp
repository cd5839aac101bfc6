#include "HistoryRead.h"

#include "HistoryRecord.h"

#include <cctype>
#include <vector>

namespace gsm::history {

namespace {
constexpr int kYearDigits = 4;
// The device's clock never runs this far; such dates are garbage.
constexpr int kFirstRejectedYear = 2080;
} // namespace

std::optional<int> FirstRowOfPage(std::int64_t address) {
    // Integer division truncates toward zero, as the device's own numbering does.
    const std::int64_t base = (address - static_cast<std::int64_t>(addr::kHistoryBase)) /
                              addr::kPageSize * static_cast<std::int64_t>(record::kPerPage);
    const std::int64_t first = base + 1;
    const std::int64_t last = base + static_cast<std::int64_t>(record::kPerPage);
    if (first < 1 || last > kRecordRows)
        return std::nullopt;
    return static_cast<int>(first);
}

bool DecodePageIntoGrid(IGrid& grid, std::int32_t address,
                        std::span<const std::uint8_t, frame::kMaxPayload> page,
                        std::size_t payloadLength, const CodePage& codePage) {
    const std::optional<int> firstRow = FirstRowOfPage(address);
    if (!firstRow || payloadLength > frame::kMaxPayload)
        return false;
    for (std::size_t i = 0; i < record::kPerPage; ++i) {
        const RecordBytes bytes = page.subspan(i * record::kSize).first<record::kSize>();
        WriteRow(grid, *firstRow + static_cast<int>(i), DecodeHistoryRecord(bytes, codePage));
    }
    return true;
}

bool KeptByCompaction(const RowTexts& row) {
    if (Text(row, col::kNo).empty())
        return false;
    const std::string& date = Text(row, col::kDate);
    if (date.size() < kYearDigits)
        return false;
    int year = 0;
    for (int i = 0; i < kYearDigits; ++i) {
        const unsigned char c = static_cast<unsigned char>(date[static_cast<std::size_t>(i)]);
        if (!std::isdigit(c))
            return false;
        year = year * 10 + (c - '0');
    }
    return year < kFirstRejectedYear;
}

void CompactHistoryGrid(IGrid& grid) {
    std::vector<RowTexts> kept;
    kept.reserve(kRecordRows);
    for (int r = 1; r <= kRecordRows; ++r) {
        RowTexts row = ReadRow(grid, r);
        if (KeptByCompaction(row))
            kept.push_back(std::move(row));
    }
    // Every row is written once: the kept ones from the top, then empty ones.
    for (int r = 1; r <= kRecordRows; ++r) {
        const auto index = static_cast<std::size_t>(r - 1);
        if (index < kept.size())
            WriteRow(grid, r, kept[index]);
        else
            ClearRow(grid, r);
    }
}

} // namespace gsm::history
