#pragma once
// Paints the history grid's cells the way the grid has always looked: the
// cell filled with its colour, the text on one line, centred both ways.

#include <QColor>
#include <QStyledItemDelegate>

class QPainter;

// Fills `rect` with `fill` and centres a non-empty `text` in it on one line.
void drawHistoryCell(QPainter& painter, const QRect& rect, const QColor& fill,
                     const QColor& textColour, const QString& text);

class HistoryGridDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    // `fixedColour` fills the row-number column.
    HistoryGridDelegate(const QColor& fixedColour, QObject* parent);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QColor m_fixedColour;
};
