#include "SheetGrid.h"

namespace gsm {
namespace {

TableGrid SheetCells(const Workbook& book, int cols, int rows, bool shown) {
    TableGrid grid(cols, rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            grid.SetCell(
                c, r, (shown ? book.Text(r + 1, c + 1) : book.Value(r + 1, c + 1)).toStdString());
    return grid;
}

} // namespace

TableGrid SheetValues(const Workbook& book, int cols, int rows) {
    return SheetCells(book, cols, rows, false);
}

TableGrid SheetTexts(const Workbook& book, int cols, int rows) {
    return SheetCells(book, cols, rows, true);
}

void SetColumnWidths(Workbook& book, std::span<const double> widths) {
    for (std::size_t c = 0; c < widths.size(); ++c)
        book.SetColumnWidth(static_cast<int>(c) + 1, widths[c]);
}

void WriteSheet(Workbook& book, const IGrid& grid, int cols, int rows, bool textFormat,
                const RowWritten& afterRow) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (textFormat)
                book.SetTextFormat(r + 1, c + 1);
            book.SetCell(r + 1, c + 1, QString::fromStdString(grid.Cell(c, r)));
        }
        if (afterRow)
            afterRow(r);
    }
}

} // namespace gsm
