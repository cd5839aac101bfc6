#pragma once
// The cells of one worksheet, held in memory. Rows and columns are 1-based, as
// a spreadsheet counts them. A cell read from a file keeps both its value and
// the text a spreadsheet would show for it; a cell written by the program holds
// the same text in both.

#include <QString>

#include <map>
#include <optional>
#include <utility>

namespace gsm {

struct SheetCell {
    QString value;           // the cell's value, converted to text
    QString shown;           // the text a spreadsheet shows for the cell
    bool textFormat = false; // number format "@": whatever is typed stays text
};

class Sheet {
public:
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    static bool IsInside(int row, int column) {
        return row >= 1 && row <= kMaxRows && column >= 1 && column <= kMaxColumns;
    }

    // Null when nothing was ever written to or read into (row, column).
    const SheetCell* Find(int row, int column) const;
    // The cell at (row, column), made empty when missing. Inside() must hold.
    SheetCell& At(int row, int column);

    void SetColumnWidth(int column, double width) { m_widths[column] = width; }
    std::optional<double> ColumnWidth(int column) const;
    const std::map<int, double>& ColumnWidths() const { return m_widths; }

    // Cells in row order, and left to right within a row.
    using Cells = std::map<std::pair<int, int>, SheetCell>;
    const Cells& AllCells() const { return m_cells; }

private:
    Cells m_cells; // keyed by (row, column)
    std::map<int, double> m_widths;
};

// What a reader gives back: the sheet, or why there is none.
struct SheetRead {
    std::optional<Sheet> sheet;
    QString error;
    // The file is readable, but its sheet is larger than the caller's.
    bool outsideBounds = false;
};

} // namespace gsm
