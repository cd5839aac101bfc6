#include "app/widgets/PlainTextCell.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QWidget>

namespace {

bool PaintedAlike(const QStyleOptionViewItem& cell) {
    constexpr QStyleOptionViewItem::ViewItemFeatures kOtherFeatures =
        QStyleOptionViewItem::WrapText | QStyleOptionViewItem::HasCheckIndicator |
        QStyleOptionViewItem::HasDecoration;
    const bool styleSheet =
        !qApp->styleSheet().isEmpty() || (cell.widget && !cell.widget->styleSheet().isEmpty());
    return !(cell.features & kOtherFeatures) && cell.textElideMode == Qt::ElideNone &&
           cell.direction == Qt::LeftToRight && !(cell.state & QStyle::State_Editing) &&
           !cell.text.contains(QChar::LineSeparator) && !cell.text.contains(QLatin1Char('\n')) &&
           !styleSheet;
}

QPalette::ColorGroup TextColourGroup(const QStyleOptionViewItem& cell) {
    if (!(cell.state & QStyle::State_Enabled))
        return QPalette::Disabled;
    return (cell.state & QStyle::State_Active) ? QPalette::Normal : QPalette::Inactive;
}

// The focus frame takes its background from the active or disabled colours
// only, as the style's own painting does.
void PaintFocusFrame(QPainter& painter, const QStyleOptionViewItem& cell, const QStyle& style) {
    QStyleOptionFocusRect frame;
    frame.QStyleOption::operator=(cell);
    frame.rect = style.subElementRect(QStyle::SE_ItemViewItemFocusRect, &cell, cell.widget);
    frame.state |= QStyle::State_KeyboardFocusChange | QStyle::State_Item;
    const QPalette::ColorGroup group =
        (cell.state & QStyle::State_Enabled) ? QPalette::Normal : QPalette::Disabled;
    frame.backgroundColor = cell.palette.color(
        group, (cell.state & QStyle::State_Selected) ? QPalette::Highlight : QPalette::Window);
    style.drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, cell.widget);
}

} // namespace

bool PaintPlainTextCell(QPainter& painter, const QStyleOptionViewItem& cell) {
    if (!PaintedAlike(cell))
        return false;
    const QStyle& style = cell.widget ? *cell.widget->style() : *QApplication::style();
    painter.save();
    painter.setClipRect(cell.rect);
    style.drawPrimitive(QStyle::PE_PanelItemViewItem, &cell, &painter, cell.widget);
    if (!cell.text.isEmpty()) {
        const int margin =
            style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
        painter.setPen(cell.palette.color(
            TextColourGroup(cell),
            (cell.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text));
        painter.setFont(cell.font);
        // A text wider than its cell runs on to the cell's edge, not the margin's.
        painter.drawText(cell.rect.adjusted(margin, 0, -margin, 0),
                         static_cast<int>(cell.displayAlignment) | Qt::TextSingleLine |
                             Qt::TextDontClip,
                         cell.text);
    }
    if (cell.state & QStyle::State_HasFocus)
        PaintFocusFrame(painter, cell, style);
    painter.restore();
    return true;
}
