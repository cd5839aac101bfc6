#include "LayoutScale.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace {
constexpr int kLetterCount = 52;

QString Letters() {
    QString letters;
    for (char c = 'A'; c <= 'Z'; ++c)
        letters += QLatin1Char(c);
    for (char c = 'a'; c <= 'z'; ++c)
        letters += QLatin1Char(c);
    return letters;
}
} // namespace

LayoutScale LayoutScale::For(const QFont& font) {
    const QFontMetricsF metrics(font);
    const double letterWidth = metrics.horizontalAdvance(Letters()) / kLetterCount;
    return {std::max(1.0, letterWidth / kDesignLetterWidth),
            std::max(1.0, metrics.height() / kDesignLineHeight)};
}

// Rounded up: a cell is never narrower than its text needs.
int LayoutScale::Width(int designWidth) const {
    return static_cast<int>(std::ceil(designWidth * m_x));
}

int LayoutScale::Height(int designHeight) const {
    return static_cast<int>(std::ceil(designHeight * m_y));
}
