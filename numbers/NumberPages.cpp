#include "NumberPages.h"

#include "NumberGrid.h"
#include "NumberRecord.h"

namespace gsm::numbers {

namespace {
constexpr int kRecordsPerPage = static_cast<int>(record::kPerPage);
}

int FirstRowOfPage(int page) {
    return (page - 1) * kRecordsPerPage + 1;
}

EncodedPage EncodeNumberPage(const IGrid& grid, int page) {
    EncodedPage encoded;
    for (int i = 0; i < kRecordsPerPage; ++i) {
        const int row = FirstRowOfPage(page) + i;
        const RecordBytes out(encoded.bytes.data() + static_cast<std::size_t>(i) * record::kSize,
                              record::kSize);
        if (!EncodeNumberRecord(grid, row, out))
            encoded.wrongRows.push_back(row);
    }
    return encoded;
}

EncodedList EncodeNumberList(const IGrid& grid) {
    EncodedList list;
    list.pages.reserve(addr::kNumberPages);
    for (int page = 1; page <= addr::kNumberPages; ++page) {
        EncodedPage encoded = EncodeNumberPage(grid, page);
        for (int row : encoded.wrongRows)
            list.wrongSerials.push_back(grid.Cell(col::kSerial, row));
        list.pages.push_back(encoded.bytes);
    }
    return list;
}

void DecodeNumberPage(IGrid& grid, std::int32_t address,
                      std::span<const std::uint8_t, addr::kPageSize> data) {
    const std::int64_t offset = static_cast<std::int64_t>(address) - addr::kNumbersBase;
    if (offset < 0)
        return;
    const int page = static_cast<int>(offset / addr::kPageSize) + 1;
    if (page > addr::kNumberPages)
        return;
    for (int i = 0; i < kRecordsPerPage; ++i) {
        const ConstRecordBytes in(data.data() + static_cast<std::size_t>(i) * record::kSize,
                                  record::kSize);
        DecodeNumberRecord(in, grid, FirstRowOfPage(page) + i);
    }
}

} // namespace gsm::numbers
