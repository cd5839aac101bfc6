#pragma once
// Every workbook is untrusted input: a few kilobytes of zip or BIFF can
// describe gigabytes of cells. Each read is held to the limits below, and a
// file that goes past one is refused with the reason, before its cells can
// cost more than the program's own files ever need. They are listed here,
// and only here, so the README's table and the code cannot drift apart.
//
// | Limit                                   | Value                    |
// |-----------------------------------------|--------------------------|
// | file size, any format                   | 32 MiB                   |
// | sheet extent (declared or used)         | the caller's layout × 2  |
// | cells read                              | 250,000, and at most the |
// |                                         | extent's area            |
// | characters in one cell                  | 32,767                   |
// | zip part, expanded                      | 16 MiB                   |
// | all zip parts read, expanded            | 32 MiB                   |
// | zip part expansion over 1 MiB           | 100 × its compressed size|
// | shared strings                          | 100,000 strings,         |
// |                                         | 4 Mi characters together |
// | XML element nesting                     | 32 levels                |
// | XML document type declaration           | refused                  |
// | formulas                                | refused, naming the cell |
// | .xls reader process: address space      | 256 MiB                  |
// | .xls reader process: processor time     | 10 s                     |
// | .xls reader process: wall-clock time    | 10 s                     |
// | .xls reader process: output             | 8 MiB                    |

#include "Sheet.h"

#include <QtGlobal>

namespace gsm {

namespace limits {

inline constexpr qint64 kMaxFileBytes = 32ll * 1024 * 1024;
// The extent a caller may read is its layout's rows and columns, each
// doubled: room for a note or a total beside the sheet, none for a flood.
inline constexpr int kExtentMargin = 2;
inline constexpr qint64 kMaxCellsRead = 250000;
// As many characters as a spreadsheet lets one cell hold.
inline constexpr qsizetype kMaxCellCharacters = 32767;

inline constexpr qint64 kMaxPartBytes = 16ll * 1024 * 1024;
inline constexpr qint64 kMaxPackageBytes = 32ll * 1024 * 1024;
// Deflate can expand about a thousandfold; the XML of a real sheet expands
// some ten to thirty times. Small parts are bounded by their size alone.
inline constexpr qint64 kMaxExpansion = 100;
inline constexpr qint64 kExpansionFloorBytes = 1024ll * 1024;

inline constexpr qsizetype kMaxSharedStrings = 100000;
inline constexpr qint64 kMaxSharedCharacters = 4ll * 1024 * 1024;

// The deepest real part (an OpenDocument cell inside nested row groups,
// a paragraph and its spans) stays well under this.
inline constexpr int kMaxXmlDepth = 32;

inline constexpr qint64 kXlsAddressSpaceBytes = 256ll * 1024 * 1024;
inline constexpr int kXlsCpuSeconds = 10;
inline constexpr int kXlsWallSeconds = 10;
inline constexpr qint64 kXlsOutputBytes = 8ll * 1024 * 1024;

} // namespace limits

// The rows and columns, from A1, that a read may find cells in. A cell
// outside them, or a sheet that declares itself larger, refuses the file.
struct SheetBounds {
    int rows = Sheet::kMaxRows;
    int columns = Sheet::kMaxColumns;

    // The whole sheet: for files the program wrote itself.
    static constexpr SheetBounds Whole() { return {}; }
    // A layout of `rows` × `columns` with the margin above.
    static constexpr SheetBounds ForLayout(int rows, int columns) {
        return {rows * limits::kExtentMargin, columns * limits::kExtentMargin};
    }

    bool Contains(qint64 row, qint64 column) const {
        return row >= 1 && row <= rows && column >= 1 && column <= columns;
    }
    // The most cells a read inside these bounds takes in.
    qint64 MaxCells() const { return qMin(qint64(rows) * columns, limits::kMaxCellsRead); }
    bool operator==(const SheetBounds&) const = default;
};

} // namespace gsm
