#include "HistoryGrid.h"

namespace gsm::history {

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
