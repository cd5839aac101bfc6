#pragma once
// Number list files: a workbook that copies the grid (the header row and
// entries 1 to 1000, columns Serial to Delete(V), every cell text), read back
// all or nothing through the entries' checks, and comma-separated lines.

#include "numbers/NumberListFiles.h"
#include "protocol/Grid.h"
#include "protocol/Link.h"

#include <QByteArray>
#include <QString>

namespace gsm::files {

// The number list workbook at `path` taken into `grid` as "Import .XLS"
// takes it (see numbers::CheckedImport); a file that is no workbook, is
// another kind of file or goes beyond a number list's sheet is refused with
// the reason (see SheetKind.h). Status and progress after each entry.
numbers::ImportResult ImportNumberListFile(const QString& path, IGrid& grid, IStatusSink& status,
                                           const numbers::PercentSink& progress);

// One line per entry, as "Export .CSV" writes them. Status and progress after each line.
QByteArray NumberListCsv(const IGrid& grid, IStatusSink& status,
                         const numbers::PercentSink& progress);

} // namespace gsm::files
