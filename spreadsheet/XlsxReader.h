#pragma once
// Reads the first worksheet of an .xlsx workbook (a zip package of XML parts):
// shared and inline strings, numbers, booleans, formula results, error values
// and empty cells.

#include "Sheet.h"

namespace gsm {

SheetRead ReadXlsxFirstSheet(const QString& path);

} // namespace gsm
