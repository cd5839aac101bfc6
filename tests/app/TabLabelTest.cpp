// The labels of the left-hand tabs: where their lines go and how the active
// one stands out.

#include "support/QtTestApp.h"

#include "app/widgets/PageControl.h"
#include "app/window/MainWindow.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

TEST(TabLabels, LinesSitAtTheirOffsetsFromTheTabMiddle) {
    const QRect tab(3, 150, 80, 75); // half height 37
    const auto basic = TabLabelLayout(0, tab, "ignored");
    ASSERT_EQ(basic.size(), 2u);
    EXPECT_EQ(basic[0].text, "Basic");
    EXPECT_EQ(basic[0].topLeft, QPoint(3 + 19, 150 + 37 - 15));
    EXPECT_EQ(basic[1].text, "Settings");
    EXPECT_EQ(basic[1].topLeft, QPoint(3 + 12, 150 + 37));

    const auto number = TabLabelLayout(1, tab, {});
    EXPECT_EQ(number[0].text, "Number");
    EXPECT_EQ(number[0].topLeft.x(), 3 + 12);
    EXPECT_EQ(number[1].text, "List");
    EXPECT_EQ(number[1].topLeft.x(), 3 + 22);

    const auto history = TabLabelLayout(2, tab, {});
    EXPECT_EQ(history[0].text, "Historical");
    EXPECT_EQ(history[0].topLeft.x(), 3 + 9);
    EXPECT_EQ(history[1].text, "Data");
    EXPECT_EQ(history[1].topLeft.x(), 3 + 22);
}

TEST(TabLabels, HelpTabShowsItsOwnCaptionOnOneLine) {
    const auto help = TabLabelLayout(3, QRect(0, 225, 80, 75), "Help");
    ASSERT_EQ(help.size(), 1u);
    EXPECT_EQ(help[0].text, "Help");
    EXPECT_EQ(help[0].topLeft, QPoint(20, 225 + 37 - 10));
    EXPECT_TRUE(TabLabelLayout(4, QRect(0, 0, 80, 75), "x").empty());
}

TEST(TabLabels, ActiveLabelIsPureBlueAndBoldOthersKeepTheirColour) {
    QFont control;
    control.setPixelSize(11);
    const auto active = TabLabelStyleFor(control, Qt::black, true);
    EXPECT_EQ(active.colour, QColor(0, 0, 255));
    EXPECT_TRUE(active.font.bold());
    EXPECT_EQ(active.font.pointSize(), 11);

    const auto inactive = TabLabelStyleFor(control, Qt::black, false);
    EXPECT_EQ(inactive.colour, QColor(Qt::black));
    EXPECT_FALSE(inactive.font.bold());
    EXPECT_EQ(inactive.font.pointSize(), 11);
}

int BluePixels(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
                ++count;
        }
    return count;
}

TEST(TabLabels, OnlyTheActiveTabIsPaintedBlue) {
    MainWindow form;
    form.show();
    QTabBar* bar = form.Controls().pageControl->tabBar();
    for (int active : {0, 2}) {
        form.Controls().pageControl->setCurrentIndex(active);
        const QImage image = bar->grab().toImage();
        for (int i = 0; i < bar->count(); ++i) {
            const int blue = BluePixels(image, bar->tabRect(i));
            if (i == active)
                EXPECT_GT(blue, 20) << "tab " << i;
            else
                EXPECT_EQ(blue, 0) << "tab " << i;
        }
    }
}

} // namespace
