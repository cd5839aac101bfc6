#pragma once
// The program's spreadsheet: one workbook at a time, whose first sheet is the
// active one. Cells are text in, text out, by 1-based row and column.
//
//   Workbook book;
//   book.Add();
//   book.SetColumnWidth(1, 20);
//   book.SetTextFormat(1, 1);
//   book.SetCell(1, 1, "0123");
//   if (!book.SaveAs(path)) report(book.LastError());
//
// Files are told apart by their content, not their names: a zip package is
// read as .ods when its mimetype entry says so and as .xlsx otherwise, a
// compound document as legacy .xls, the last in a process of its own (see
// XlsSandbox.h). Saving always writes .xlsx under exactly the name given; no
// extension is added.
//
// Every file opened is untrusted: it is read within the limits of
// ReadLimits.h and, when the caller gives them, within the bounds of the
// sheet the caller expects.

#include "ReadLimits.h"
#include "Sheet.h"

#include <QString>

#include <optional>

namespace gsm {

class Workbook {
public:
    // Starts a new, empty workbook in place of any open one.
    void Add();
    // Reads the first sheet of `path`, whose cells must lie within `bounds`.
    // A file that is not a workbook, a damaged one, or one that goes beyond
    // the bounds or a limit, leaves whatever was open as it was and returns
    // false.
    [[nodiscard]] bool Open(const QString& path, const SheetBounds& bounds);
    // The same for a sheet of any size: for files the program wrote itself.
    [[nodiscard]] bool Open(const QString& path) { return Open(path, SheetBounds::Whole()); }
    // Whether the last Open failed only because the sheet is larger than
    // its bounds: the file may still be a sheet of another, larger kind.
    bool LastOpenOutsideBounds() const { return m_outsideBounds; }
    // Writes the workbook; false when it could not, and then the file is
    // left as it was.
    [[nodiscard]] bool SaveAs(const QString& path);
    void Close();
    bool IsOpen() const { return m_sheet.has_value(); }

    // Width in characters, as a spreadsheet counts them.
    void SetColumnWidth(int column, double width);
    std::optional<double> ColumnWidth(int column) const;

    // Stores `text` as a text cell: nothing typed is turned into a number.
    void SetCell(int row, int column, const QString& text);
    // Number format "@": the cell keeps whatever is written as text.
    void SetTextFormat(int row, int column);
    bool HasTextFormat(int row, int column) const;

    // The cell's value, converted to text.
    QString Value(int row, int column) const;
    // The text a spreadsheet shows in the cell.
    QString Text(int row, int column) const;

    // Why the last Open or SaveAs failed.
    QString LastError() const { return m_lastError; }

private:
    SheetCell* WritableCell(int row, int column);
    const SheetCell* FindCell(int row, int column) const;
    bool FailOpen(const QString& path, const QString& reason);
    bool FailSave(const QString& path, const QString& reason);

    std::optional<Sheet> m_sheet;
    QString m_lastError;
    bool m_outsideBounds = false;
};

} // namespace gsm
