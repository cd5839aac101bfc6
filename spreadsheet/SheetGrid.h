#pragma once
// Moving cells between a workbook's first sheet and a grid: sheet cell
// (row + 1, column + 1) is grid cell (column, row). The window's file
// exchanges and the command-line tool write and read their sheets through
// these, so both produce and accept the same files.

#include "Workbook.h"
#include "protocol/Grid.h"

#include <functional>
#include <span>

namespace gsm {

// The open workbook's cells as a grid of `cols` × `rows`: their values, or
// the texts a spreadsheet shows.
TableGrid SheetValues(const Workbook& book, int cols, int rows);
TableGrid SheetTexts(const Workbook& book, int cols, int rows);

// Called after each grid row has been written.
using RowWritten = std::function<void(int row)>;

void SetColumnWidths(Workbook& book, std::span<const double> widths);

// Writes rows 0 to rows - 1 of the grid's first `cols` columns into the
// workbook's sheet; with `textFormat` every cell gets number format "@", so
// numbers and dates stay as typed.
void WriteSheet(Workbook& book, const IGrid& grid, int cols, int rows, bool textFormat,
                const RowWritten& afterRow = {});

} // namespace gsm
