#include "HistoryGridDelegate.h"

#include <QPainter>

namespace {
constexpr int kFixedColumn = 0;
}

void drawHistoryCell(QPainter& painter, const QRect& rect, const QColor& fill,
                     const QColor& textColour, const QString& text) {
    painter.fillRect(rect, fill);
    if (text.isEmpty())
        return;
    painter.setPen(textColour);
    painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
}

HistoryGridDelegate::HistoryGridDelegate(const QColor& fixedColour, QObject* parent)
    : QStyledItemDelegate(parent), m_fixedColour(fixedColour) {}

void HistoryGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
    const QPalette& palette = option.palette;
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    QColor fill = palette.color(QPalette::Base);
    QColor text = palette.color(QPalette::Text);
    if (index.column() == kFixedColumn) {
        fill = m_fixedColour;
    } else if (selected) {
        fill = palette.color(QPalette::Highlight);
        text = palette.color(QPalette::HighlightedText);
    }
    painter->save();
    painter->setFont(option.font);
    drawHistoryCell(*painter, option.rect, fill, text, index.data(Qt::DisplayRole).toString());
    painter->restore();
}
