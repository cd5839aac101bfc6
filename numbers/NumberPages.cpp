#include "NumberPages.h"

#include "NumberGrid.h"
#include "NumberRecord.h"
#include "NumberRows.h"

namespace gsm::numbers {

namespace {

constexpr int kRecordsPerPage = static_cast<int>(record::kPerPage);

RecordBytes RecordOf(PageBytes& page, int i) {
    return RecordBytes(page.data() + static_cast<std::size_t>(i) * record::kSize, record::kSize);
}

} // namespace

int FirstRowOfPage(int page) {
    return (page - 1) * kRecordsPerPage + 1;
}

std::vector<PageBytes> NumberListPages(const NumberList& list) {
    std::vector<PageBytes> pages(addr::kNumberPages);
    const NumberEntry empty;
    for (int page = 1; page <= addr::kNumberPages; ++page) {
        for (int i = 0; i < kRecordsPerPage; ++i) {
            const auto index = static_cast<std::size_t>(FirstRowOfPage(page) + i - 1);
            EncodeNumberEntry(index < list.size() ? list[index] : empty,
                              RecordOf(pages[static_cast<std::size_t>(page - 1)], i));
        }
    }
    return pages;
}

EncodedPage EncodeNumberPage(const IGrid& grid, int page) {
    EncodedPage encoded;
    for (int i = 0; i < kRecordsPerPage; ++i) {
        const int row = FirstRowOfPage(page) + i;
        if (!EncodeNumberRecord(grid, row, RecordOf(encoded.bytes, i)))
            encoded.wrongRows.push_back(row);
    }
    return encoded;
}

EncodedList EncodeNumberList(const IGrid& grid) {
    GridList list = NumberListFromGrid(grid);
    return {NumberListPages(list.entries), std::move(list.wrongCells)};
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
