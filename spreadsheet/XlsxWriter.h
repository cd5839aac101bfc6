#pragma once
// Writes a sheet as an .xlsx workbook with one worksheet. Every cell is written
// as a string, so "0123" or "2015-03-07" never turn into numbers or dates.

#include "Sheet.h"

namespace gsm {

// Empty on success, otherwise why nothing was written. The file appears whole
// or not at all: it is written beside its place and then moved there.
QString WriteXlsx(const Sheet& sheet, const QString& path);

} // namespace gsm
