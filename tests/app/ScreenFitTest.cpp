// The window on a screen too small for its layout: it opens within the free
// area, the top bar stays in reach, and the sheets scroll.

#include "support/QtTestApp.h"

#include "app/widgets/PageControl.h"
#include "app/widgets/PortBox.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "app/window/WindowPlacement.h"

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
    MainWindow form;
    const QRect area(0, 0, 1093, 614); // 1366 x 768 at 125 %
    form.FitToScreen(area, area);
    form.show();
    form.grab();

    EXPECT_TRUE(area.contains(QRect(form.pos(), form.size() + kWindowFrameAllowance)));
    EXPECT_LT(form.minimumHeight(), form.maximumHeight()) << "the user can resize it";
    for (const QWidget* control : {static_cast<QWidget*>(form.Controls().portBox),
                                   static_cast<QWidget*>(form.Controls().portButton),
                                   static_cast<QWidget*>(form.Controls().passwordBox),
                                   static_cast<QWidget*>(form.Controls().loginButton)})
        EXPECT_TRUE(Reachable(form, *control)) << control->objectName().toStdString();
    EXPECT_EQ(form.Controls().statusPanels->geometry().bottom(),
              form.centralWidget()->height() - 1);

    form.Controls().pageControl->setCurrentWidget(form.Controls().settingsPage);
    form.grab();
    EXPECT_GT(form.Controls().settingsGrid->verticalScrollBar()->maximum(), 0);
    EXPECT_TRUE(Reachable(form, *form.Controls().exportProfileButton));

    // Smaller still: the buttons beside the number list scroll into view.
    form.resize(kSmallestClient);
    form.Controls().pageControl->setCurrentWidget(form.Controls().numbersPage);
    form.grab();
    EXPECT_GT(form.Controls().numbersScrollBox->verticalScrollBar()->maximum(), 0);
    form.Controls().numbersScrollBox->ensureWidgetVisible(form.Controls().deleteAllNumbersButton);
    EXPECT_TRUE(form.Controls().numbersScrollBox->viewport()->rect().contains(
        QRect(form.Controls().deleteAllNumbersButton->mapTo(
                  form.Controls().numbersScrollBox->viewport(), QPoint()),
              form.Controls().deleteAllNumbersButton->size())));

    form.Controls().pageControl->setCurrentWidget(form.Controls().historyPage);
    form.grab();
    EXPECT_GT(form.Controls().historyScrollBox->horizontalScrollBar()->maximum(), 0)
        << "Filter is in reach";
}

} // namespace
