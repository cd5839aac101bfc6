#include "StringGrid.h"

#include "GridModel.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QStyle>

#include <algorithm>

namespace {
constexpr int kHeaderRow = 0;
constexpr int kFixedColumn = 0;

// The header row has the fixed height of a grid row and the columns the
// widths they are given. Asked for its size, a plain header measures every
// caption in a bold face the grid never draws, only for the table to take
// the fixed height anyway; this one answers with that height.
class FixedHeightHeader : public QHeaderView {
public:
    // Clickable, as the header a table makes for itself.
    explicit FixedHeightHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true);
    }

protected:
    QSize sectionSizeFromContents(int) const override { return {0, minimumHeight()}; }
};
} // namespace

StringGrid::StringGrid(int colCount, int rowCount, QWidget* parent)
    : QTableView(parent), m_model(new GridModel(colCount, rowCount, palette().button(), this)),
      m_scale(LayoutScale::For(font())) {
    setHorizontalHeader(new FixedHeightHeader(this));
    // Hidden before the model comes, the row header never measures itself.
    verticalHeader()->hide();
    setModel(m_model);
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

    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                emit currentCellChanged(current.row(), current.column(), previous.row(),
                                        previous.column());
            });
    // Headers are written after the widths are set.
    connect(m_model, &QAbstractItemModel::headerDataChanged, this, [this] { FitHeaders(); });
    connect(this, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { emit cellClicked(index.row(), index.column()); });
}

int StringGrid::ColCount() const {
    return m_model->columnCount();
}

int StringGrid::RowCount() const {
    return m_model->rowCount();
}

QString StringGrid::Cells(int col, int row) const {
    return m_model->Text(col, row);
}

void StringGrid::SetCells(int col, int row, const QString& text) {
    m_model->SetText(col, row, text);
    if (row == kHeaderRow)
        FitHeaders();
    // An open editor shows the cell's text at once, or it would write back
    // what it held when it closes.
    if (state() == EditingState)
        m_model->AnnounceWrittenCells();
}

void StringGrid::SetColWidths(std::initializer_list<int> widths) {
    int c = 0;
    for (int w : widths)
        setColumnWidth(c++, m_scale.Width(w));
    FitHeaders();
}

void StringGrid::SetHiddenLeft(int pixels) {
    m_hiddenLeft = pixels;
    FitHeaders();
}

void StringGrid::ShowCaptionsTranslated(const char* context, std::initializer_list<int> columns) {
    m_model->ShowCaptionsTranslated(context, columns);
    FitHeaders();
}

int StringGrid::HeaderNeeds(int col) const {
    const QString text = m_model->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString();
    if (text.isEmpty())
        return 0;
    // The style's own margin when it keeps more than ours.
    const int margin =
        std::max(kHeaderTextMargin, style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this));
    const int hidden = col == kFixedColumn ? m_hiddenLeft : 0;
    return QFontMetrics(horizontalHeader()->font()).horizontalAdvance(text) + 2 * (margin + hidden);
}

// Columns of width 0 stay hidden.
void StringGrid::FitHeaders() {
    for (int col = 0; col < ColCount(); ++col)
        if (const int width = columnWidth(col); width > 0 && width < HeaderNeeds(col))
            setColumnWidth(col, HeaderNeeds(col));
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

void StringGrid::setCurrentCell(int row, int col) {
    setCurrentIndex(m_model->index(row, col));
}

void StringGrid::setCurrentCell(int row, int col, QItemSelectionModel::SelectionFlags command) {
    selectionModel()->setCurrentIndex(m_model->index(row, col), command);
}

QModelIndex StringGrid::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (!next.isValid() || next.column() != kFixedColumn || ColCount() <= kFixedColumn + 1)
        return next;
    // Backwards from the first data column goes to the end of the row above.
    const QModelIndex current = currentIndex();
    if (cursorAction == MovePrevious && current.isValid() && current.row() > kHeaderRow + 1)
        return m_model->index(current.row() - 1, ColCount() - 1);
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
    QTableView::mousePressEvent(event);
}

void StringGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (InFixedColumn(event->position().toPoint())) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}
