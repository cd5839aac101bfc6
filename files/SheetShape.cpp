#include "SheetShape.h"

#include "history/HistoryGrid.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberListFiles.h"
#include "settings/SettingsProfile.h"

namespace gsm::files {

const SheetShape& ProfileShape() {
    // Texts as the grid holds them: a spreadsheet may show a number as a number.
    static const SheetShape shape{settings::kProfileColumnWidths, settings::kColCount,
                                  settings::kRowCount, false};
    return shape;
}

const SheetShape& NumberListShape() {
    static const SheetShape shape{numbers::kXlsColumnWidths, numbers::kColumnCount,
                                  numbers::kRowCount, true};
    return shape;
}

const SheetShape& HistoryShape() {
    static const SheetShape shape{history::kXlsColumnWidths, history::kColumns, history::kGridRows,
                                  true};
    return shape;
}

SheetBounds BoundsOf(const SheetShape& shape) {
    return SheetBounds::ForLayout(shape.rows, shape.columns);
}

void StartWorkbook(Workbook& book, const SheetShape& shape) {
    book.Add();
    SetColumnWidths(book, shape.widths);
}

bool SaveGrid(Workbook& book, const IGrid& grid, const SheetShape& shape, const QString& path,
              QString* failure, const RowWritten& afterRow) {
    WriteSheet(book, grid, shape.columns, shape.rows, shape.asText, afterRow);
    if (book.SaveAs(path))
        return true;
    *failure = book.LastError();
    return false;
}

bool SaveGrid(const IGrid& grid, const SheetShape& shape, const QString& path, QString* failure) {
    Workbook book;
    StartWorkbook(book, shape);
    return SaveGrid(book, grid, shape, path, failure);
}

} // namespace gsm::files
