#pragma once
// Reads the first sheet of an OpenDocument spreadsheet (.ods, LibreOffice
// Calc's own format): a zip package whose "mimetype" entry names the format
// and whose content.xml holds the tables. Cells come back as the .xlsx reader
// gives them: texts as typed, numbers in General form, dates and times in the
// program's formats; cells and rows repeated by count are spread out, cells
// covered by a merged one are empty, as a spreadsheet shows them. Cells are
// read within `bounds` and the limits of ReadLimits.h; a formula is refused.

#include "ReadLimits.h"
#include "Sheet.h"

namespace gsm {

// True when `path` is a zip package whose mimetype entry is an OpenDocument
// spreadsheet's.
bool IsOdsPackage(const QString& path);

SheetRead ReadOdsFirstSheet(const QString& path, const SheetBounds& bounds);

} // namespace gsm
