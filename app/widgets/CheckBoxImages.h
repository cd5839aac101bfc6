#pragma once
// The style's own check box, unchecked and checked, as images the number
// grid draws in its mark columns.

#include <QPixmap>

class QStyle;

QPixmap RenderCheckBoxImage(const QStyle& style, bool checked);
