#include "CheckBoxImages.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

QPixmap RenderCheckBoxImage(const QStyle& style, bool checked) {
    const int w = style.pixelMetric(QStyle::PM_IndicatorWidth);
    const int h = style.pixelMetric(QStyle::PM_IndicatorHeight);
    QPixmap image(w, h);
    image.fill(Qt::transparent);

    QStyleOptionButton option;
    option.rect = QRect(0, 0, w, h);
    option.palette = QGuiApplication::palette();
    option.state = QStyle::State_Enabled | (checked ? QStyle::State_On : QStyle::State_Off);
    QPainter painter(&image);
    style.drawPrimitive(QStyle::PE_IndicatorCheckBox, &option, &painter);
    return image;
}
