#include "app/window/WindowPlacement.h"

#include <gtest/gtest.h>

TEST(Placement, MainWindowIsCentredAboveTheTaskbar) {
    EXPECT_EQ(CentredTopLeft(1920, 1080, 1000, 700), QPoint(460, 170));
    EXPECT_EQ(CentredTopLeft(1280, 800, 1150, 670), QPoint(65, 45));
    // Odd differences round toward zero, also below zero.
    EXPECT_EQ(CentredTopLeft(1025, 741, 1000, 700), QPoint(12, 0));
    EXPECT_EQ(CentredTopLeft(1000, 600, 1151, 670), QPoint(-75, -55));
}

TEST(Placement, ReadConfirmationOpensNearTheMiddle) {
    EXPECT_EQ(ConfirmDialogTopLeft(1920, 1080), QPoint(860, 440));
    EXPECT_EQ(ConfirmDialogTopLeft(1025, 801), QPoint(412, 300));
}

TEST(Placement, WindowOpensWithinTheFreeAreaOfASmallScreen) {
    const QSize layout(1150, 670);
    struct Case {
        QRect screen;
        QRect area;
        QRect client;
        bool resizable;
    } const cases[] = {
        // Room for the whole layout: its own size, centred as ever.
        {{0, 0, 1366, 768}, {0, 0, 1366, 728}, {108, 29, 1150, 670}, false},
        {{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, {385, 185, 1150, 670}, false},
        // 1366 x 768 at 125 %: the height does not fit.
        {{0, 0, 1093, 614}, {0, 0, 1093, 614}, {0, 0, 1077, 574}, true},
        // 1920 x 1080 at 200 %, a panel on top: neither fits.
        {{0, 0, 960, 540}, {0, 27, 960, 513}, {0, 27, 944, 473}, true},
        // Wide enough, only the height is short: the width stays as given.
        {{0, 0, 1600, 700}, {0, 0, 1600, 700}, {217, 0, 1150, 660}, true},
    };
    for (const Case& c : cases) {
        const WindowFit fit = FitWindow(c.screen, c.area, layout);
        EXPECT_EQ(fit.client, c.client) << c.area.width() << "x" << c.area.height();
        EXPECT_EQ(fit.resizable, c.resizable) << c.area.width() << "x" << c.area.height();
    }
}
