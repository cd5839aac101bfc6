#include "StringGrid.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace {
constexpr int kHeaderRow = 0;
constexpr int kFixedColumn = 0;
} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableWidget(rowCount, colCount, parent), m_scale(LayoutScale::For(font())) {
    for (int r = 0; r < rowCount; ++r)
        for (int c = 0; c < colCount; ++c)
            setItem(r, c, new QTableWidgetItem);
    for (int c = 0; c < colCount; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);

    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(m_scale.Height(kDefaultRowHeight));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(0);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setFixedHeight(m_scale.Height(kDefaultRowHeight));
    setRowHidden(kHeaderRow, true);
    setWordWrap(false);
    // A classic grid clips a long text at the cell's edge.
    setTextElideMode(Qt::ElideNone);
    MarkFixedColumn();

    connect(model(), &QAbstractItemModel::dataChanged, this, &StringGrid::MirrorHeaderRow);
}

QString StringGrid::Cells(int col, int row) const {
    const QTableWidgetItem* cell = item(row, col);
    return cell ? cell->text() : QString();
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    if (QTableWidgetItem* cell = item(row, col))
        cell->setText(text);
}

void StringGrid::SetColWidths(std::initializer_list<int> widths) {
    int c = 0;
    for (int w : widths)
        setColumnWidth(c++, m_scale.Width(w));
}

void StringGrid::SetRowHeight(int row, int height) {
    if (row == kHeaderRow)
        horizontalHeader()->setFixedHeight(m_scale.Height(height));
    else
        setRowHeight(row, m_scale.Height(height));
}

int StringGrid::RowHeight(int row) const {
    return row == kHeaderRow ? horizontalHeader()->height() : rowHeight(row);
}

void StringGrid::SelectCell(int col, int row) {
    clearSelection();
    setCurrentCell(row, col, QItemSelectionModel::ClearAndSelect);
}

QModelIndex StringGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(cursorAction, modifiers);
    if (!next.isValid() || next.column() != kFixedColumn || columnCount() <= kFixedColumn + 1)
        return next;
    // Backwards from the first data column goes to the end of the row above.
    const QModelIndex current = currentIndex();
    if (cursorAction == MovePrevious && current.isValid() && current.row() > kHeaderRow + 1)
        return model()->index(current.row() - 1, columnCount() - 1);
    if (cursorAction == MovePrevious && current.isValid())
        return current;
    return model()->index(next.row(), kFixedColumn + 1);
}

bool StringGrid::InFixedColumn(const QPoint& viewportPos) const {
    const QModelIndex at = indexAt(viewportPos);
    return at.isValid() && at.column() == kFixedColumn;
}

void StringGrid::mousePressEvent(QMouseEvent* event) {
    if (InFixedColumn(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTableWidget::mousePressEvent(event);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (InFixedColumn(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTableWidget::mouseDoubleClickEvent(event);
}

void StringGrid::MirrorHeaderRow(const QModelIndex& topLeft, const QModelIndex& bottomRight) {
    if (topLeft.row() > kHeaderRow)
        return;
    for (int c = topLeft.column(); c <= bottomRight.column(); ++c)
        horizontalHeaderItem(c)->setText(Cells(c, kHeaderRow));
}

// The fixed column looks like the header and cannot be selected or edited.
// Its texts start at the left edge, as the grid's default drawing puts them;
// grids that want them centred paint their cells themselves.
void StringGrid::MarkFixedColumn() {
    const QBrush fixedColour = palette().button();
    for (int r = 0; r < rowCount(); ++r) {
        QTableWidgetItem* cell = item(r, kFixedColumn);
        cell->setFlags(Qt::ItemIsEnabled);
        cell->setBackground(fixedColour);
        cell->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
}
