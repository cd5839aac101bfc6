#include "GridModel.h"

#include <QCoreApplication>

namespace {
constexpr int kHeaderRow = 0;
constexpr int kFixedColumn = 0;
// What a cell of a classic string grid allows unless told otherwise.
constexpr Qt::ItemFlags kDataCellFlags = Qt::ItemIsSelectable | Qt::ItemIsEditable |
                                         Qt::ItemIsEnabled | Qt::ItemIsDragEnabled |
                                         Qt::ItemIsDropEnabled | Qt::ItemIsUserCheckable;
} // namespace

GridModel::GridModel(int colCount, int rowCount, const QBrush& fixedColumnBackground,
                     QObject* parent)
    : QAbstractTableModel(parent), m_cols(std::max(colCount, 0)), m_rows(std::max(rowCount, 0)),
      m_texts(static_cast<std::size_t>(m_cols) * static_cast<std::size_t>(m_rows)),
      m_columnFlags(static_cast<std::size_t>(m_cols), kDataCellFlags),
      m_fixedBackground(fixedColumnBackground), m_frame([this] { AnnounceWrittenCells(); }) {
    if (m_cols > kFixedColumn)
        m_columnFlags[kFixedColumn] = Qt::ItemIsEnabled;
}

int GridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_rows;
}

int GridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : m_cols;
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Inside(index.column(), index.row()))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return Shown(index.column(), index.row());
    case Qt::EditRole:
        return m_texts[IndexOf(index.column(), index.row())];
    case Qt::BackgroundRole:
        // The fixed column looks like the header.
        return index.column() == kFixedColumn ? QVariant(m_fixedBackground) : QVariant();
    case Qt::TextAlignmentRole:
        // Its texts start at the left edge, as a classic grid draws them;
        // grids that want them centred paint their cells themselves.
        return index.column() == kFixedColumn
                   ? QVariant(static_cast<int>(Qt::AlignLeft | Qt::AlignVCenter))
                   : QVariant();
    default:
        return {};
    }
}

// What the user typed is shown at once, not with the next frame.
bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !Inside(index.column(), index.row()) ||
        (role != Qt::EditRole && role != Qt::DisplayRole))
        return false;
    SetText(index.column(), index.row(), value.toString());
    AnnounceWrittenCells();
    return true;
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !Inside(index.column(), index.row()))
        return Qt::NoItemFlags;
    return m_columnFlags[static_cast<std::size_t>(index.column())];
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_cols)
        return Shown(section, kHeaderRow);
    return {};
}

void GridModel::ShowCaptionsTranslated(const char* context, std::initializer_list<int> columns) {
    m_captionContext = context;
    m_translatedColumns.assign(static_cast<std::size_t>(m_cols), false);
    for (int c : columns)
        if (c >= 0 && c < m_cols)
            m_translatedColumns[static_cast<std::size_t>(c)] = true;
    if (m_rows > 0 && m_cols > 0) {
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1), {Qt::DisplayRole});
        emit headerDataChanged(Qt::Horizontal, 0, m_cols - 1);
    }
}

QString GridModel::Shown(int col, int row) const {
    const QString& text = m_texts[IndexOf(col, row)];
    if (!m_captionContext || text.isEmpty() ||
        (row != kHeaderRow && !m_translatedColumns[static_cast<std::size_t>(col)]))
        return text;
    return QCoreApplication::translate(m_captionContext, text.toUtf8().constData());
}

QString GridModel::Text(int col, int row) const {
    return Inside(col, row) ? m_texts[IndexOf(col, row)] : QString();
}

void GridModel::SetText(int col, int row, const QString& text) {
    if (!Inside(col, row))
        return;
    QString& cell = m_texts[IndexOf(col, row)];
    if (cell == text)
        return;
    cell = text;
    NoteWritten(col, row);
}

void GridModel::SetColumnFlags(int col, Qt::ItemFlags flags) {
    if (col <= kFixedColumn || col >= m_cols)
        return;
    m_columnFlags[static_cast<std::size_t>(col)] = flags;
}

void GridModel::NoteWritten(int col, int row) {
    m_written |= QRect(col, row, 1, 1);
    m_frame.Request();
}

void GridModel::AnnounceWrittenCells() {
    if (m_written.isNull())
        return;
    const QRect written = m_written;
    m_written = QRect();
    emit dataChanged(index(written.top(), written.left()), index(written.bottom(), written.right()),
                     {Qt::DisplayRole, Qt::EditRole});
    if (written.top() == kHeaderRow)
        emit headerDataChanged(Qt::Horizontal, written.left(), written.right());
}

bool GridModel::Inside(int col, int row) const {
    return col >= 0 && row >= 0 && col < m_cols && row < m_rows;
}

std::size_t GridModel::IndexOf(int col, int row) const {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(m_cols) +
           static_cast<std::size_t>(col);
}
