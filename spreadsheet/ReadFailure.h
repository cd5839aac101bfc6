#pragma once
// How the readers give up on a file: they throw ReadFailure, which the
// reader's entry point turns into an error text. A file that is whole but
// larger than the caller's sheet says so, so a caller can tell "too large
// for this kind of file" from "damaged".

#include "ReadLimits.h"

#include <QString>

namespace gsm {

struct ReadFailure {
    QString reason;
    bool outsideBounds = false;
};

[[noreturn]] void Fail(const QString& reason);
// "it is damaged (detail)"
[[noreturn]] void FailDamaged(const QString& detail);
// The cell at (row, column) lies outside `bounds`.
[[noreturn]] void FailOutside(qint64 row, qint64 column, const SheetBounds& bounds);
// The sheet declares itself to reach (lastRow, lastColumn), beyond `bounds`.
[[noreturn]] void FailDeclaredExtent(qint64 lastRow, qint64 lastColumn, const SheetBounds& bounds);
[[noreturn]] void FailFormula(qint64 row, qint64 column);
[[noreturn]] void FailTooManyCells(qint64 limit);

// "B12" for row 12, column 2.
QString CellName(qint64 row, qint64 column);

} // namespace gsm
