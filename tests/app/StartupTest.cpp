// The window as the user finds it before touching anything.

#include "QtTestApp.h"

#include "AccessibleText.h"

#include "PageControl.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "TComm.h"
#include "Unit1.h"
#include "Unit7.h"

#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QSpontaneKeyEvent>
#include <QTimeEdit>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace gsm::test;

namespace {

class Startup : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TForm1>();
        form->show();
        // Painting the status bar places the progress bar over its panel.
        form->grab();
    }
    std::unique_ptr<TForm1> form;
};

TEST_F(Startup, WindowHasItsCaptionAndFixedClientArea) {
    EXPECT_EQ(form->windowTitle(), "Trelmo GSM Gate Opener PC Configuration Software V 1.7.2");
    EXPECT_EQ(form->size(), QSize(1150, 670));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(Startup, OnlyPortAndLoginControlsAreUsable) {
    for (QPushButton* b : form->DeviceOperationButtons())
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(form->Ui().btn13->isEnabled()) << "history export needs a login too";
    for (QPushButton* b : {form->Ui().btn8, form->Ui().btn1, form->Ui().btn5, form->Ui().btn4,
                           form->Ui().btn12, form->Ui().btn27, form->Ui().btn28})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(form->Ui().btn8->text(), "Open");
    EXPECT_EQ(form->Ui().btn1->text(), "Log in");
    EXPECT_EQ(form->Ui().edt3->text(), "7145");
    EXPECT_TRUE(form->Ui().cbb9->isEditable());
}

TEST_F(Startup, DeviceOperationsSwitchTogether) {
    const auto buttons = form->DeviceOperationButtons();
    const std::set<QPushButton*> distinct(buttons.begin(), buttons.end());
    EXPECT_EQ(distinct.size(), 20u);
    EXPECT_EQ(buttons.front(), form->Ui().btn25);
    EXPECT_EQ(buttons.back(), form->Ui().btn11);

    form->EnableDeviceOperations();
    for (QPushButton* b : buttons)
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    form->DisableDeviceOperations();
    for (QPushButton* b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(form->Ui().btn8->isEnabled());
    EXPECT_TRUE(form->Ui().btn1->isEnabled());
}

TEST_F(Startup, StatusBarShowsPortLabelAndRedIndicatorInFront) {
    EXPECT_EQ(form->Ui().stat1->PanelText(0), "COM Port:");
    EXPECT_EQ(form->Ui().stat1->PanelText(2), "");
    const QRect panel1 = form->Ui().stat1->PanelRect(1);
    EXPECT_EQ(form->Ui().img1->pos(), panel1.topLeft() + QPoint(15, 2));
    EXPECT_EQ(form->Ui().img2->pos(), form->Ui().img1->pos());
    EXPECT_EQ(form->Ui().img1->size(), QSize(17, 17));
    EXPECT_EQ(form->Ui().stat1->childAt(form->Ui().img1->geometry().center()), form->Ui().img1);
    EXPECT_EQ(form->Ui().img1->pixmap().toImage().pixelColor(8, 8), QColor(255, 0, 0));
    EXPECT_EQ(form->Ui().img2->pixmap().toImage().pixelColor(8, 8), QColor(0, 255, 0));
}

TEST_F(Startup, StatusPanelsHaveTheirWidthsAndProgressBarFillsTheLast) {
    const auto rects = StatusPanelRects(1150, 24);
    EXPECT_EQ(rects[0].width(), 100);
    EXPECT_EQ(rects[1].width(), 50);
    EXPECT_EQ(rects[2].width(), 200);
    EXPECT_EQ(rects[3].left(), 350);
    EXPECT_EQ(rects[3].right(), 1149);

    const QRect last = form->Ui().stat1->PanelRect(3);
    EXPECT_EQ(form->Ui().pb1->geometry(),
              QRect(last.topLeft(), QSize(last.width() - 15, last.height())));
    EXPECT_TRUE(form->Ui().pb1->isVisible());
    EXPECT_EQ(form->Ui().pb1->value(), 0);
    EXPECT_EQ(form->Ui().pb1->maximum(), 100);
}

TEST_F(Startup, TimersAndPortComponentStartAsDesigned) {
    EXPECT_FALSE(form->Ui().tmr1->isActive());
    EXPECT_FALSE(form->Ui().tmr1->isSingleShot());
    EXPECT_EQ(form->Ui().tmr1->interval(), 3000);
    EXPECT_TRUE(form->Ui().tmr2->isActive());
    EXPECT_EQ(form->Ui().tmr2->interval(), 3000);
    EXPECT_NE(form->findChild<QObject*>("cm1"), nullptr);
    EXPECT_FALSE(form->Ui().cm1->PortOpen());
    EXPECT_EQ(form->Ui().cm1->PortOpenError(), "Error opening serial port");
    EXPECT_EQ(form->Ui().cm1->InputLen(), 1);
    EXPECT_EQ(form->Ui().cm1->InBufferSize(), 2048);
}

TEST_F(Startup, HistoryGridHasHeadersRowNumbersAndHiddenRecordNumber) {
    StringGrid& grid = *form->Ui().strngrd4;
    EXPECT_EQ(grid.ColCount(), 8);
    EXPECT_EQ(grid.RowCount(), 1001);
    const QStringList headers{"Serial", "No.",    "Date",      "Time",
                              "From",   "Action", "Executant", "Content"};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(grid.Cells(c, 0), headers[c]);
        EXPECT_EQ(grid.model()->headerData(c, Qt::Horizontal).toString(), headers[c])
            << "header in view";
    }
    EXPECT_EQ(grid.Cells(0, 1), "1");
    EXPECT_EQ(grid.Cells(0, 1000), "1000");
    EXPECT_EQ(grid.Cells(1, 1), "");
    EXPECT_EQ(grid.columnWidth(1), 0);
    const LayoutScale& scale = grid.Scale();
    EXPECT_EQ(grid.columnWidth(7), scale.Width(235));
    EXPECT_EQ(grid.size(), QSize(scale.Width(837), scale.Height(25048)));
}

TEST_F(Startup, OtherGridsHaveTheirShape) {
    EXPECT_EQ(form->Ui().strngrd3->ColCount(), 8);
    EXPECT_EQ(form->Ui().strngrd3->RowCount(), 1001);
    // Sizes are the layout's, in proportion to the running font.
    const LayoutScale& scale = form->Ui().strngrd3->Scale();
    EXPECT_EQ(form->Ui().strngrd3->columnWidth(1), scale.Width(145));
    EXPECT_EQ(form->Ui().strngrd3->RowHeight(500), scale.Height(24));
    EXPECT_EQ(form->Ui().strngrd_write->ColCount(), 3);
    EXPECT_EQ(form->Ui().strngrd_write->RowCount(), 23);
    EXPECT_EQ(form->Ui().strngrd_write->columnWidth(2), scale.Width(460));
    EXPECT_EQ(form->Ui().strngrd_write->RowHeight(1), scale.Height(22));
    EXPECT_EQ(form->Ui().strngrd_write->RowHeight(8), scale.Height(26));
    // The current cell is a header cell, so no data cell shows as selected.
    EXPECT_EQ(form->Ui().strngrd3->currentRow(), 0);
    EXPECT_EQ(form->Ui().strngrd3->currentColumn(), 1);
    EXPECT_EQ(form->Ui().strngrd_write->currentRow(), 0);
}

TEST_F(Startup, GridRowZeroFollowsIntoTheHeader) {
    form->Ui().strngrd3->SetCells(6, 0, "Always(V)");
    EXPECT_EQ(form->Ui().strngrd3->model()->headerData(6, Qt::Horizontal).toString(), "Always(V)");
    form->Ui().strngrd3->SetCells(7, 0, "Delete(V)");
    EXPECT_EQ(form->Ui().strngrd3->model()->headerData(7, Qt::Horizontal).toString(), "Delete(V)");
}

TEST_F(Startup, PickersHoldTheirStartValues) {
    EXPECT_EQ(form->Ui().dtp1->date(), QDate(2015, 3, 3));
    EXPECT_EQ(form->Ui().dtp1->displayFormat(), "dd/MM/yyyy");
    EXPECT_EQ(form->Ui().dtp2->time(), QTime(0, 0));
    EXPECT_EQ(form->Ui().dtp2->displayFormat(), "H:mm:ss");
    EXPECT_EQ(form->Ui().dtp3->date(), QDate::currentDate());
    EXPECT_EQ(form->Ui().dtp4->displayFormat(), "H:mm:ss");
    EXPECT_EQ(form->Ui().dtp_startdate->date(), QDate(2015, 3, 6));
    EXPECT_EQ(form->Ui().dtp_starttime->displayFormat(), "HH:mm");
    EXPECT_EQ(form->Ui().dtp_enddate->date(), QDate::currentDate());
    for (QWidget* w : {static_cast<QWidget*>(form->Ui().dtp_startdate),
                       static_cast<QWidget*>(form->Ui().dtp_starttime),
                       static_cast<QWidget*>(form->Ui().dtp_enddate),
                       static_cast<QWidget*>(form->Ui().dtp_endtime)}) {
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->parentWidget(), form->Ui().strngrd3->parentWidget());
    }
    EXPECT_EQ(form->ShortDateFormat, "yyyy/MM/dd");
}

TEST_F(Startup, EveryNamedControlExists) {
    const char* names[] = {
        "pnl4",          "lbl3",          "cbb9",        "btn8",        "lbl4",     "edt3",
        "btn1",          "btn24",         "btn25",       "btn4",        "btn12",    "btn27",
        "btn28",         "pgc1",          "ts1",         "ts2",         "ts3",      "ts4",
        "pnl14",         "btn21",         "btn22",       "btn16",       "btn17",    "strngrd_write",
        "cbb1",          "cbb2",          "cbb4",        "cbb3",        "cbb10",    "cbb12",
        "scrlbx1",       "pnl6",          "btn10",       "btn9",        "btn14",    "btn15",
        "btn3",          "btn6",          "btn7",        "btn11",       "strngrd3", "Panel1",
        "dtp_startdate", "dtp_starttime", "dtp_enddate", "dtp_endtime", "scrlbx3",  "pnl3",
        "btn19",         "lbl1",          "dtp1",        "dtp2",        "lbl2",     "dtp3",
        "dtp4",          "btn20",         "pnl7",        "btn18",       "btn13",    "btn23",
        "btn2",          "btn5",          "Panel2",      "ScrollBox2",  "strngrd4", "pnl1",
        "img4",          "mmo1",          "stat1",       "pb1",         "img1",     "img2",
        "tmr1",          "tmr2",          "cm1"};
    for (const char* name : names)
        EXPECT_NE(form->findChild<QObject*>(name), nullptr) << name;
}

TEST_F(Startup, HiddenControlsStayHidden) {
    for (QWidget* w :
         {static_cast<QWidget*>(form->Ui().btn24), static_cast<QWidget*>(form->Ui().btn25),
          static_cast<QWidget*>(form->Ui().btn4), static_cast<QWidget*>(form->Ui().btn12),
          static_cast<QWidget*>(form->Ui().btn27), static_cast<QWidget*>(form->Ui().btn28),
          static_cast<QWidget*>(form->Ui().edt1), static_cast<QWidget*>(form->Ui().btn11),
          static_cast<QWidget*>(form->Ui().btn2), static_cast<QWidget*>(form->Ui().btn5),
          static_cast<QWidget*>(form->Ui().mmo1)})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_TRUE(form->Ui().mmo1->isReadOnly());
    EXPECT_TRUE(form->Ui().mmo1->toPlainText().startsWith(QStringLiteral("系统配置步骤说明")));
    EXPECT_TRUE(form->Ui().mmo1->toPlainText().contains("10."));
}

TEST_F(Startup, ControlsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(form->Ui().pnl4->geometry(), QRect(0, 0, 1150, 36));
    EXPECT_EQ(form->Ui().cbb9->geometry(), QRect(85, 9, 89, 21));
    EXPECT_EQ(form->Ui().btn8->geometry(), QRect(197, 4, 90, 30));
    EXPECT_EQ(form->Ui().btn1->geometry(), QRect(485, 4, 90, 30));
    EXPECT_EQ(form->Ui().lbl3->pos(), QPoint(28, 13));
    EXPECT_EQ(form->Ui().btn17->geometry(), QRect(7, 246, 85, 31));
    EXPECT_EQ(form->Ui().btn7->geometry(), QRect(8, 385, 85, 30));
    EXPECT_EQ(form->Ui().pnl14->width(), 100);
    EXPECT_EQ(form->Ui().Panel1->width(), 22);
    EXPECT_EQ(form->Ui().pnl3->height(), 47);
    EXPECT_EQ(form->Ui().img4->geometry(), QRect(64, 40, 761, 521));
    // Drawn when its sheet first shows.
    form->Ui().pgc1->setCurrentWidget(form->Ui().ts4);
    EXPECT_EQ(form->Ui().img4->pixmap().size(), QSize(761, 436));
    EXPECT_EQ(form->Ui().stat1->geometry(), QRect(0, 646, 1150, 24));
    EXPECT_EQ(form->Ui().pgc1->tabPosition(), QTabWidget::West);
    EXPECT_EQ(form->Ui().pgc1->tabBar()->tabRect(0).size(), QSize(80, 75));
}

TEST_F(Startup, ScreenReaderNamesAreSet) {
    EXPECT_EQ(form->Ui().cbb9->accessibleName(), "COM Port");
    EXPECT_EQ(form->Ui().edt3->accessibleName(), "Password");
    EXPECT_EQ(form->Ui().strngrd_write->accessibleName(), "Basic settings");
    EXPECT_EQ(form->Ui().strngrd3->accessibleName(), "Authorized number list");
    EXPECT_EQ(form->Ui().strngrd4->accessibleName(), "History");
    EXPECT_EQ(form->Ui().dtp1->accessibleName(), "Start date");
    EXPECT_EQ(form->Ui().dtp4->accessibleName(), "End time");
    EXPECT_EQ(form->Ui().dtp_starttime->accessibleName(), "Start time");
    EXPECT_EQ(form->Ui().dtp_enddate->accessibleName(), "End date");
    // Buttons are announced by the caption they show.
    for (QPushButton* b : form->findChildren<QPushButton*>())
        EXPECT_EQ(AccessibleName(b), b->text()) << b->objectName().toStdString();
    // Only the indicator square that is seen is announced.
    EXPECT_EQ(AccessibleName(form->Ui().img1), "Port closed");
    EXPECT_FALSE(AccessiblyInvisible(form->Ui().img1));
    EXPECT_TRUE(AccessiblyInvisible(form->Ui().img2));
}

// The status text is the panel's name, not hidden behind a fixed one.
TEST_F(Startup, StatusTextIsWhatAScreenReaderReads) {
    auto* status = form->Ui().stat1->findChild<QLabel*>("stat1_panel2");
    ASSERT_NE(status, nullptr);
    form->statusbar_ctrl->ShowStatus("Reading number list:12/125");
    // The label takes its text with the next frame.
    QElapsedTimer clock;
    clock.start();
    while (AccessibleName(status) != "Reading number list:12/125" && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_EQ(AccessibleName(status), "Reading number list:12/125");
}

TEST_F(Startup, CheckBoxImagesAreTheStylesTwoStates) {
    ASSERT_FALSE(form->UncheckedBoxImage.isNull());
    ASSERT_FALSE(form->CheckedBoxImage.isNull());
    EXPECT_EQ(form->UncheckedBoxImage.size(), form->CheckedBoxImage.size());
    EXPECT_NE(form->UncheckedBoxImage.toImage(), form->CheckedBoxImage.toImage());
}

TEST_F(Startup, SheetActivationMarksOnlyTheActiveSheet) {
    form->Ui().pgc1->setCurrentIndex(2);
    EXPECT_TRUE(form->Ui().ts3->property("Highlighted").toBool());
    EXPECT_FALSE(form->Ui().ts1->property("Highlighted").toBool());
    form->Ui().pgc1->setCurrentIndex(0);
    EXPECT_TRUE(form->Ui().ts1->property("Highlighted").toBool());
    EXPECT_FALSE(form->Ui().ts3->property("Highlighted").toBool());
}

// Delivered like a wheel turned by the user, so that it travels up from
// the widget under the pointer to its parents.
void TurnWheel(QWidget* under, int delta) {
    const QPointF at(10, 10);
    QWheelEvent wheel(at, under->mapToGlobal(at), {}, {0, delta}, Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QSpontaneKeyEvent::setSpontaneous(&wheel);
    QApplication::instance()->notify(under, &wheel);
}

TEST_F(Startup, WheelOverNumberSheetScrollsTheGridOneLine) {
    form->Ui().pgc1->setCurrentWidget(form->Ui().ts2);
    QScrollBar* bar = form->Ui().strngrd3->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int before = bar->value();
    TurnWheel(form->Ui().pnl6, -120);
    EXPECT_EQ(bar->value(), before + 1);
    TurnWheel(form->Ui().strngrd3->viewport(), -120);
    EXPECT_EQ(bar->value(), before + 2);
    TurnWheel(form->Ui().Panel1, 120);
    EXPECT_EQ(bar->value(), before + 1);
}

TEST_F(Startup, HiddenButtonOpensTheListWindow) {
    TForm7 form7;
    form->Form7 = &form7;
    form->btn27Click();
    EXPECT_TRUE(form7.isVisible());
    EXPECT_EQ(form7.size(), QSize(291, 376));
    EXPECT_EQ(form7.strngrd1->Cells(0, 0), QStringLiteral("序号"));
    EXPECT_EQ(form7.strngrd1->Cells(1, 0), QStringLiteral("位置"));
    EXPECT_EQ(form7.strngrd1->RowCount(), 1001);
    EXPECT_FALSE(form7.testAttribute(Qt::WA_QuitOnClose));
    form7.btn1->click();
    EXPECT_FALSE(form7.isVisible());
}

} // namespace
