#pragma once
// Reads the first worksheet of an .xlsx workbook (a zip package of XML parts):
// shared and inline strings, numbers, booleans, error values and empty
// cells, within `bounds` and the limits of ReadLimits.h. A formula cell is
// refused: its stored value is whatever the writer last computed, which
// need not be what a spreadsheet shows.

#include "ReadLimits.h"
#include "Sheet.h"

namespace gsm {

SheetRead ReadXlsxFirstSheet(const QString& path, const SheetBounds& bounds);

} // namespace gsm
