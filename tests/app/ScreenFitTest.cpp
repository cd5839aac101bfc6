// The window on a screen too small for its layout: it opens within the free
// area, the top bar stays in reach, and the sheets scroll.

#include "QtTestApp.h"

#include "PageControl.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "WindowPlacement.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

// Whole inside the window's client area.
bool Reachable(const QWidget& window, const QWidget& control) {
    const QRect at(control.mapTo(&window, QPoint()), control.size());
    return window.rect().contains(at) && control.isVisible();
}

TEST(ScreenFit, SmallScreenOpensTheWindowWithinItAndTheSheetsScroll) {
    TForm1 form;
    const QRect area(0, 0, 1093, 614); // 1366 x 768 at 125 %
    form.FitToScreen(area, area);
    form.show();
    form.grab();

    EXPECT_TRUE(area.contains(QRect(form.pos(), form.size() + kWindowFrameAllowance)));
    EXPECT_LT(form.minimumHeight(), form.maximumHeight()) << "the user can resize it";
    for (const QWidget* control :
         {static_cast<QWidget*>(form.Ui().cbb9), static_cast<QWidget*>(form.Ui().btn8),
          static_cast<QWidget*>(form.Ui().edt3), static_cast<QWidget*>(form.Ui().btn1)})
        EXPECT_TRUE(Reachable(form, *control)) << control->objectName().toStdString();
    EXPECT_EQ(form.Ui().stat1->geometry().bottom(), form.centralWidget()->height() - 1);

    form.Ui().pgc1->setCurrentWidget(form.Ui().ts1);
    form.grab();
    EXPECT_GT(form.Ui().strngrd_write->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(Reachable(form, *form.Ui().btn17));

    // Smaller still: the buttons beside the number list scroll into view.
    form.resize(kSmallestClient);
    form.Ui().pgc1->setCurrentWidget(form.Ui().ts2);
    form.grab();
    EXPECT_GT(form.Ui().scrlbx1->verticalScrollBar()->maximum(), 0);
    form.Ui().scrlbx1->ensureWidgetVisible(form.Ui().btn7);
    EXPECT_TRUE(form.Ui().scrlbx1->viewport()->rect().contains(QRect(
        form.Ui().btn7->mapTo(form.Ui().scrlbx1->viewport(), QPoint()), form.Ui().btn7->size())));

    form.Ui().pgc1->setCurrentWidget(form.Ui().ts3);
    form.grab();
    EXPECT_GT(form.Ui().scrlbx3->horizontalScrollBar()->maximum(), 0) << "Filter is in reach";
}

} // namespace
