#include "HistoryGrid.h"

namespace gsm::history {

void InitHistoryGrid(IGrid& grid) {
    for (int c = 0; c < kColumns; ++c)
        grid.SetCell(c, 0, kHeaders[static_cast<std::size_t>(c)]);
    for (int r = 1; r <= kRecordRows; ++r)
        grid.SetCell(col::kSerial, r, std::to_string(r));
}

RowTexts ReadRow(const IGrid& grid, int row) {
    RowTexts texts;
    for (int c = col::kFirstRecord; c <= col::kLastRecord; ++c)
        Text(texts, c) = grid.Cell(c, row);
    return texts;
}

void WriteRow(IGrid& grid, int row, const RowTexts& texts) {
    for (int c = col::kFirstRecord; c <= col::kLastRecord; ++c)
        grid.SetCell(c, row, Text(texts, c));
}

void ClearRow(IGrid& grid, int row) {
    WriteRow(grid, row, RowTexts{});
}

void ClearHistoryGrid(IGrid& grid) {
    for (int r = 1; r <= kRecordRows; ++r)
        ClearRow(grid, r);
}

} // namespace gsm::history
