#pragma once
// Writes a sheet as an .xlsx workbook with one worksheet. Every cell is written
// as a string, so "0123" or "2015-03-07" never turn into numbers or dates.

#include "Sheet.h"

namespace gsm {

// Empty on success, otherwise why nothing was written. Written as every file
// of the programs is (FileWrite.h): owner-only, whole or not at all, special
// files in place.
QString WriteXlsx(const Sheet& sheet, const QString& path);

} // namespace gsm
