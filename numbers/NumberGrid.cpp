#include "NumberGrid.h"

namespace gsm::numbers {

void InitNumberGrid(IGrid& grid) {
    for (int c = 0; c < kColumnCount; ++c)
        grid.SetCell(c, 0, kHeaders[static_cast<std::size_t>(c)]);
    for (int r = 1; r <= kEntryCount; ++r) {
        grid.SetCell(col::kSerial, r, std::to_string(r));
        grid.SetCell(col::kAlways, r, kNo);
        grid.SetCell(col::kDelete, r, kNo);
    }
}

void EmptyPeriod(IGrid& grid, int row) {
    for (int c = col::kStartDate; c <= col::kEndTime; ++c)
        grid.SetCell(c, row, std::string());
}

bool ToggleMark(IGrid& grid, int markCol, int row) {
    if (grid.Cell(markCol, row) == kYes) {
        grid.SetCell(markCol, row, kNo);
        return false;
    }
    grid.SetCell(markCol, row, kYes);
    EmptyPeriod(grid, row);
    return true;
}

void SetAllMarks(IGrid& grid, int markCol, bool set) {
    for (int r = 1; r <= kEntryCount; ++r)
        grid.SetCell(markCol, r, set ? kYes : kNo);
}

void ClearNumberList(IGrid& grid) {
    for (int r = 1; r <= kEntryCount; ++r) {
        grid.SetCell(col::kNumber, r, std::string());
        EmptyPeriod(grid, r);
        grid.SetCell(col::kAlways, r, kNo);
        grid.SetCell(col::kDelete, r, kNo);
    }
}

} // namespace gsm::numbers
