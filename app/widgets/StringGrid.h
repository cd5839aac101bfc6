#pragma once
// A table addressed like a classic string grid: Cells(column, row), where row 0
// is the header row and column 0 the fixed column. Row 0 is kept as an
// ordinary (hidden) row of the table so that row numbers match the device's
// entry numbers, and its texts are shown in the header, which stays in view
// while the rows scroll. The texts live in a GridModel; the view paints only
// the rows it shows.

#include "app/window/LayoutScale.h"

#include <QItemSelectionModel>
#include <QTableView>

#include <initializer_list>

class GridModel;

class StringGrid : public QTableView {
    Q_OBJECT

public:
    static constexpr int kDefaultRowHeight = 24;
    // Room left free on either side of a header's text.
    static constexpr int kHeaderTextMargin = 3;

    StringGrid(int colCount, int rowCount, QWidget* parent = nullptr);

    int ColCount() const;
    int RowCount() const;
    QString Cells(int col, int row) const;
    void SetCells(int col, int row, const QString& text);
    GridModel& Model() const { return *m_model; }

    // Widths and heights are given for the face the layout was drawn with
    // and scaled to the grid's own font (see LayoutScale); the parent's
    // font must be set before the grid is created.
    // A column is widened where its header's text, as shown, would not
    // keep kHeaderTextMargin free on both sides.
    void SetColWidths(std::initializer_list<int> widths);
    // Pixels of the first column that lie out of view under the grid's
    // parent (a grid placed left of its holder's edge): its header's text,
    // centred, keeps its margins inside the part in view.
    void SetHiddenLeft(int pixels);
    int HiddenLeft() const { return m_hiddenLeft; }
    // The header row and the columns given hold the program's own captions:
    // they are shown in the user's language, looked up in `context`, while
    // Cells() keeps the English every file takes.
    void ShowCaptionsTranslated(const char* context, std::initializer_list<int> columns = {});
    // Width the header's text of `col` needs, its margins included.
    int HeaderNeeds(int col) const;
    // Row 0 is the header: its height is the header's height.
    void SetRowHeight(int row, int height);
    const LayoutScale& Scale() const { return m_scale; }
    int RowHeight(int row) const;
    // Makes (col, row) the current cell and the whole selection.
    void SelectCell(int col, int row);

    // The current cell, -1 when there is none.
    int currentRow() const { return currentIndex().row(); }
    int currentColumn() const { return currentIndex().column(); }
    void setCurrentCell(int row, int col);
    void setCurrentCell(int row, int col, QItemSelectionModel::SelectionFlags command);
    // Runs a layout of the rows and columns that waits for the next paint
    // now, so that paint does not change the scroll bars and paint again.
    void LayOutPendingItems() { executeDelayedItemsLayout(); }

signals:
    void currentCellChanged(int currentRow, int currentColumn, int previousRow, int previousColumn);
    void cellClicked(int row, int column);

protected:
    // Like the header row, the fixed column never becomes current: keys that
    // would move onto it stay in the first data column, or wrap to the row's
    // neighbour, and clicks on it are ignored.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool InFixedColumn(const QPoint& viewportPos) const;
    void FitHeaders();

    GridModel* m_model;
    LayoutScale m_scale;
    int m_hiddenLeft = 0;
};
