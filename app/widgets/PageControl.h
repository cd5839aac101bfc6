#pragma once
// The page control with its tabs down the left side. Each tab is 80 x 75 and
// carries a label of one or two lines drawn at fixed offsets (centred when
// shown in another language than English); the active tab's label is blue
// and bold.

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QTabBar>
#include <QTabWidget>

#include <vector>

inline constexpr int kTabWidth = 80;
inline constexpr int kTabHeight = 75;
inline constexpr int kTabLabelPointSize = 11;
inline const QColor kActiveTabColour{0, 0, 255};

struct TabLabelLine {
    QString text;
    // Top-left corner of the line's text cell.
    QPoint topLeft;
    // A translated line has no offset of its own: it is centred in the tab.
    bool centred = false;
};

// The lines of tab `index` inside `rect`; `caption` is used by tabs without
// fixed lines (the help sheet shows its own caption).
std::vector<TabLabelLine> TabLabelLayout(int index, const QRect& rect, const QString& caption);

struct TabLabelStyle {
    QFont font;
    QColor colour;
};
TabLabelStyle TabLabelStyleFor(const QFont& controlFont, const QColor& normalColour, bool active);

class PageTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit PageTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;

private:
    void drawTab(QPainter& painter, int index, const QRect& rect, bool active);
};

class PageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit PageControl(QWidget* parent = nullptr);
    PageTabBar* TabBar() const { return m_bar; }

private:
    PageTabBar* m_bar;
};
