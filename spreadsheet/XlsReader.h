#pragma once
// Reads the first worksheet of a legacy .xls workbook (BIFF in a compound
// document).

#include "Sheet.h"

namespace gsm {

SheetRead ReadXlsFirstSheet(const QString& path);

} // namespace gsm
