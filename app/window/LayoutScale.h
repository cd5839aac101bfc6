#pragma once
// The grids' column widths and row heights were chosen for an 8-point bitmap
// face whose letters are narrower than those of the usual desktop sans. Sizes
// given for that face are widened and heightened in proportion to the running
// face's letters, so the texts chosen to fit a cell still fit it; a face no
// larger than the original keeps the sizes as given.

#include <QFont>

class LayoutScale {
public:
    // The average width of the letters A to Z and a to z, and the line
    // height, of the face the sizes were chosen for.
    static constexpr double kDesignLetterWidth = 5.77;
    static constexpr double kDesignLineHeight = 13.0;

    LayoutScale() = default;
    static LayoutScale For(const QFont& font);

    int Width(int designWidth) const;
    int Height(int designHeight) const;

    double X() const { return m_x; }
    double Y() const { return m_y; }

private:
    LayoutScale(double x, double y) : m_x(x), m_y(y) {}

    double m_x = 1.0;
    double m_y = 1.0;
};
