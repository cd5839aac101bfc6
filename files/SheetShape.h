#pragma once
// How each kind of file lays out its one sheet: the columns' widths in
// characters from column A, the size of the grid it copies, and whether
// every cell is formatted as text so numbers and dates stay as typed.

#include "protocol/Grid.h"
#include "spreadsheet/SheetGrid.h"
#include "spreadsheet/Workbook.h"

#include <QString>

#include <span>

namespace gsm::files {

struct SheetShape {
    std::span<const double> widths;
    int columns = 0;
    int rows = 0;
    bool asText = false;
};

const SheetShape& ProfileShape();
const SheetShape& NumberListShape();
const SheetShape& HistoryShape();

// Where a file of this shape may hold cells when it is read back: the
// shape's rows and columns with the margin of ReadLimits.h.
SheetBounds BoundsOf(const SheetShape& shape);

// A new workbook whose sheet has the shape's column widths.
void StartWorkbook(Workbook& book, const SheetShape& shape);

// The grid's cells into the started workbook, then the workbook saved under
// `path`; false with the reason. `afterRow` runs after each grid row.
bool SaveGrid(Workbook& book, const IGrid& grid, const SheetShape& shape, const QString& path,
              QString* failure, const RowWritten& afterRow = {});

// The same into a workbook of its own.
bool SaveGrid(const IGrid& grid, const SheetShape& shape, const QString& path, QString* failure);

} // namespace gsm::files
