#include "PageControl.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionTab>
#include <QStylePainter>

#include <array>

namespace {

struct LineOffsets {
    const char* text; // nullptr: the sheet's own caption
    int x;
    int dy;
};

struct TabLines {
    std::array<LineOffsets, 2> lines;
    int count;
};

// Offsets from the tab's left edge and from its vertical middle.
constexpr std::array<TabLines, 4> kTabLabels{{
    //: First and second line of the "Basic Settings" tab label (about 9 letters each)
    {{{{QT_TRANSLATE_NOOP("PageControl", "Basic"), 19, -15},
       {QT_TRANSLATE_NOOP("PageControl", "Settings"), 12, 0}}},
     2},
    //: First and second line of the "Number List" tab label
    {{{{QT_TRANSLATE_NOOP("PageControl", "Number"), 12, -15},
       {QT_TRANSLATE_NOOP("PageControl", "List"), 22, 0}}},
     2},
    //: First and second line of the "Historical Data" tab label
    {{{{QT_TRANSLATE_NOOP("PageControl", "Historical"), 9, -15},
       {QT_TRANSLATE_NOOP("PageControl", "Data"), 22, 0}}},
     2},
    {{{{nullptr, 20, -10}, {nullptr, 0, 0}}}, 1},
}};

} // namespace

std::vector<TabLabelLine> TabLabelLayout(int index, const QRect& rect, const QString& caption) {
    std::vector<TabLabelLine> lines;
    if (index < 0 || index >= static_cast<int>(kTabLabels.size()))
        return lines;
    const int half = rect.height() / 2;
    const TabLines& tabLines = kTabLabels[static_cast<std::size_t>(index)];
    for (int i = 0; i < tabLines.count; ++i) {
        const LineOffsets& line = tabLines.lines[static_cast<std::size_t>(i)];
        const QString text =
            line.text ? QCoreApplication::translate("PageControl", line.text) : caption;
        const bool translated = line.text && text != QLatin1String(line.text);
        lines.push_back(
            {text, QPoint(rect.left() + line.x, rect.top() + half + line.dy), translated});
    }
    return lines;
}

TabLabelStyle TabLabelStyleFor(const QFont& controlFont, const QColor& normalColour, bool active) {
    TabLabelStyle style{controlFont, normalColour};
    if (active) {
        style.colour = kActiveTabColour;
        style.font.setBold(true);
    }
    style.font.setPointSize(kTabLabelPointSize);
    // The labels' offsets leave 60 to 70 pixels per line; a condensed face
    // keeps the widest one, "Historical" in bold, inside the tab.
    style.font.setStretch(QFont::Condensed);
    return style;
}

PageTabBar::PageTabBar(QWidget* parent) : QTabBar(parent) {
    setShape(QTabBar::RoundedWest);
    setExpanding(false);
    setUsesScrollButtons(false);
    setDrawBase(true);
}

QSize PageTabBar::tabSizeHint(int) const {
    return {kTabWidth, kTabHeight};
}

void PageTabBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    for (int i = 0; i < count(); ++i) {
        QStyleOptionTab option;
        initStyleOption(&option, i);
        option.text.clear();
        painter.drawControl(QStyle::CE_TabBarTab, option);
        drawTab(painter, i, tabRect(i), i == currentIndex());
    }
}

void PageTabBar::drawTab(QPainter& painter, int index, const QRect& rect, bool active) {
    const TabLabelStyle style =
        TabLabelStyleFor(font(), palette().color(QPalette::WindowText), active);
    painter.save();
    painter.setFont(style.font);
    painter.setPen(style.colour);
    const QFontMetrics metrics(style.font);
    for (const TabLabelLine& line : TabLabelLayout(index, rect, tabText(index))) {
        QPoint at = line.topLeft + QPoint(0, metrics.ascent());
        if (line.centred)
            at.setX(rect.left() + (rect.width() - metrics.horizontalAdvance(line.text)) / 2);
        painter.drawText(at, line.text);
    }
    painter.restore();
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent), m_bar(new PageTabBar(this)) {
    setTabBar(m_bar);
    setTabPosition(QTabWidget::West);
}
