#pragma once
// A table addressed like a classic string grid: Cells(column, row), where row 0
// is the header row and column 0 the fixed column. Row 0 is kept as an
// ordinary (hidden) row of the table so that row numbers match the device's
// entry numbers, and its texts are mirrored into the header, which stays in
// view while the rows scroll.

#include "LayoutScale.h"

#include <QTableWidget>

#include <initializer_list>

class StringGrid : public QTableWidget {
    Q_OBJECT

public:
    static constexpr int kDefaultRowHeight = 24;

    // Every cell exists from the start, so item(row, column) is never null.
    StringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const { return columnCount(); }
    int RowCount() const { return rowCount(); }
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);

    // Widths and heights are given for the face the layout was drawn with
    // and scaled to the grid's own font (see LayoutScale); the parent's
    // font must be set before the grid is created.
    void SetColWidths(std::initializer_list<int> widths);
    // Row 0 is the header: its height is the header's height.
    void SetRowHeight(int row, int height);
    const LayoutScale& Scale() const { return m_scale; }
    int RowHeight(int row) const;
    // Makes (col, row) the current cell and the whole selection.
    void SelectCell(int col, int row);

protected:
    // Like the header row, the fixed column never becomes current: keys that
    // would move onto it stay in the first data column, or wrap to the row's
    // neighbour, and clicks on it are ignored.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    LayoutScale m_scale;

    bool InFixedColumn(const QPoint& viewportPos) const;
    void MirrorHeaderRow(const QModelIndex& topLeft, const QModelIndex& bottomRight);
    void MarkFixedColumn();
};
