#include "WindowPlacement.h"

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
