// The window as the user finds it before touching anything.

#include "support/QtTestApp.h"

#include "support/AccessibleText.h"
#include "support/SimProcess.h"

#include "app/widgets/PageControl.h"
#include "app/widgets/PortBox.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/ListDialog.h"
#include "app/window/MainWindow.h"
#include "serial/SerialPort.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
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
        form = std::make_unique<MainWindow>();
        form->show();
        // Painting the status bar places the progress bar over its panel.
        form->grab();
        // The sheets the first frame does not show come right after it.
        ASSERT_TRUE(WaitFor([&] { return form->Complete(); }, 5000));
    }
    std::unique_ptr<MainWindow> form;
};

TEST(StartupOrder, TheFirstFrameShowsTheSettingsSheetAndTheRestFollowsUnasked) {
    MainWindow form;
    form.show();
    EXPECT_FALSE(form.Complete());
    // The lists stand over their cells in the first frame, not a frame later.
    for (const char* list : {"cbb1", "cbb2", "cbb4", "cbb3", "cbb10", "cbb12"})
        EXPECT_TRUE(form.findChild<QComboBox*>(QString::fromLatin1(list))->isVisible()) << list;
    // So is the progress bar over its panel: moved by the first paint, it
    // would be painted again with the next expose.
    const QRect panel = form.findChild<StatusBar*>(QStringLiteral("stat1"))->PanelRect(3);
    EXPECT_EQ(form.findChild<QProgressBar*>(QStringLiteral("pb1"))->geometry().topLeft(),
              panel.topLeft());
    EXPECT_EQ(form.findChild<QObject*>(QStringLiteral("strngrd3")), nullptr);
    EXPECT_NE(form.findChild<QObject*>(QStringLiteral("strngrd_write")), nullptr);
    ASSERT_TRUE(WaitFor([&] { return form.Complete(); }, 5000));
    EXPECT_NE(form.findChild<QObject*>(QStringLiteral("strngrd3")), nullptr);
    EXPECT_NE(form.findChild<QObject*>(QStringLiteral("strngrd4")), nullptr);
    // The buttons built late are locked as the others are.
    EXPECT_FALSE(form.findChild<QPushButton*>(QStringLiteral("btn9"))->isEnabled());
}

TEST_F(Startup, WindowHasItsCaptionAndFixedClientArea) {
    EXPECT_EQ(form->windowTitle(), "Trelmo GSM Gate Opener PC Configuration Software V 1.7.2");
    EXPECT_EQ(form->size(), QSize(1150, 670));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(Startup, OnlyPortAndLoginControlsAreUsable) {
    for (QPushButton* b : form->DeviceOperationButtons())
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_FALSE(form->Controls().exportHistoryXlsButton->isEnabled())
        << "history export needs a login too";
    for (QPushButton* b : {form->Controls().portButton, form->Controls().loginButton,
                           form->Controls().loadHistoryButton, form->Controls().testButton4,
                           form->Controls().testButton12, form->Controls().showListDialogButton,
                           form->Controls().testButton28})
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_EQ(form->Controls().portButton->text(), "Open");
    EXPECT_EQ(form->Controls().loginButton->text(), "Log in");
    EXPECT_EQ(form->Controls().passwordBox->text(), "7145");
    EXPECT_TRUE(form->Controls().portBox->isEditable());
}

TEST_F(Startup, DeviceOperationsSwitchTogether) {
    const auto buttons = form->DeviceOperationButtons();
    const std::set<QPushButton*> distinct(buttons.begin(), buttons.end());
    EXPECT_EQ(distinct.size(), 20u);
    EXPECT_EQ(buttons.front(), form->Controls().checkModeButton);
    EXPECT_EQ(buttons.back(), form->Controls().clearNumbersButton);

    form->EnableDeviceOperations();
    for (QPushButton* b : buttons)
        EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    form->DisableDeviceOperations();
    for (QPushButton* b : buttons)
        EXPECT_FALSE(b->isEnabled()) << b->objectName().toStdString();
    EXPECT_TRUE(form->Controls().portButton->isEnabled());
    EXPECT_TRUE(form->Controls().loginButton->isEnabled());
}

TEST_F(Startup, StatusBarShowsPortLabelAndRedIndicatorInFront) {
    EXPECT_EQ(form->Controls().statusPanels->PanelText(0), "COM Port:");
    EXPECT_EQ(form->Controls().statusPanels->PanelText(2), "");
    const QRect panel1 = form->Controls().statusPanels->PanelRect(1);
    EXPECT_EQ(form->Controls().portClosedIndicator->pos(), panel1.topLeft() + QPoint(15, 2));
    EXPECT_EQ(form->Controls().portOpenIndicator->pos(),
              form->Controls().portClosedIndicator->pos());
    EXPECT_EQ(form->Controls().portClosedIndicator->size(), QSize(17, 17));
    EXPECT_EQ(form->Controls().statusPanels->childAt(
                  form->Controls().portClosedIndicator->geometry().center()),
              form->Controls().portClosedIndicator);
    EXPECT_EQ(form->Controls().portClosedIndicator->pixmap().toImage().pixelColor(8, 8),
              QColor(255, 0, 0));
    EXPECT_EQ(form->Controls().portOpenIndicator->pixmap().toImage().pixelColor(8, 8),
              QColor(0, 255, 0));
}

TEST_F(Startup, StatusPanelsHaveTheirWidthsAndProgressBarFillsTheLast) {
    const auto rects = StatusPanelRects(1150, 24);
    EXPECT_EQ(rects[0].width(), 100);
    EXPECT_EQ(rects[1].width(), 50);
    EXPECT_EQ(rects[2].width(), 200);
    EXPECT_EQ(rects[3].left(), 350);
    EXPECT_EQ(rects[3].right(), 1149);

    const QRect last = form->Controls().statusPanels->PanelRect(3);
    EXPECT_EQ(form->Controls().progressBar->geometry(),
              QRect(last.topLeft(), QSize(last.width() - 15, last.height())));
    EXPECT_TRUE(form->Controls().progressBar->isVisible());
    EXPECT_EQ(form->Controls().progressBar->value(), 0);
    EXPECT_EQ(form->Controls().progressBar->maximum(), 100);
}

TEST_F(Startup, TimersAndPortComponentStartAsDesigned) {
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_FALSE(form->Controls().receiveTimer->isSingleShot());
    EXPECT_EQ(form->Controls().receiveTimer->interval(), 3000);
    EXPECT_TRUE(form->Controls().statusClearTimer->isActive());
    EXPECT_EQ(form->Controls().statusClearTimer->interval(), 3000);
    EXPECT_NE(form->findChild<QObject*>("cm1"), nullptr);
    EXPECT_FALSE(form->Controls().serialPort->PortOpen());
    EXPECT_EQ(form->Controls().serialPort->PortOpenError(), "Error opening serial port");
    EXPECT_EQ(form->Controls().serialPort->InputLen(), 1);
    EXPECT_EQ(form->Controls().serialPort->InBufferSize(), 2048);
}

TEST_F(Startup, HistoryGridHasHeadersRowNumbersAndHiddenRecordNumber) {
    StringGrid& grid = *form->Controls().historyGrid;
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
    EXPECT_EQ(form->Controls().numbersGrid->ColCount(), 8);
    EXPECT_EQ(form->Controls().numbersGrid->RowCount(), 1001);
    // Sizes are the layout's, in proportion to the running font.
    const LayoutScale& scale = form->Controls().numbersGrid->Scale();
    EXPECT_EQ(form->Controls().numbersGrid->columnWidth(1), scale.Width(145));
    EXPECT_EQ(form->Controls().numbersGrid->RowHeight(500), scale.Height(24));
    EXPECT_EQ(form->Controls().settingsGrid->ColCount(), 3);
    EXPECT_EQ(form->Controls().settingsGrid->RowCount(), 23);
    EXPECT_EQ(form->Controls().settingsGrid->columnWidth(2), scale.Width(460));
    EXPECT_EQ(form->Controls().settingsGrid->RowHeight(1), scale.Height(22));
    EXPECT_EQ(form->Controls().settingsGrid->RowHeight(8), scale.Height(26));
    // The current cell is a header cell, so no data cell shows as selected.
    EXPECT_EQ(form->Controls().numbersGrid->currentRow(), 0);
    EXPECT_EQ(form->Controls().numbersGrid->currentColumn(), 1);
    EXPECT_EQ(form->Controls().settingsGrid->currentRow(), 0);
}

TEST_F(Startup, GridRowZeroFollowsIntoTheHeader) {
    form->Controls().numbersGrid->SetCells(6, 0, "Always(V)");
    EXPECT_EQ(form->Controls().numbersGrid->model()->headerData(6, Qt::Horizontal).toString(),
              "Always(V)");
    form->Controls().numbersGrid->SetCells(7, 0, "Delete(V)");
    EXPECT_EQ(form->Controls().numbersGrid->model()->headerData(7, Qt::Horizontal).toString(),
              "Delete(V)");
}

TEST_F(Startup, PickersHoldTheirStartValues) {
    EXPECT_EQ(form->Controls().historyStartDatePicker->date(), QDate(2015, 3, 3));
    EXPECT_EQ(form->Controls().historyStartDatePicker->displayFormat(), "yyyy/MM/dd");
    EXPECT_EQ(form->Controls().historyStartTimePicker->time(), QTime(0, 0));
    EXPECT_EQ(form->Controls().historyStartTimePicker->displayFormat(), "hh:mm:ss");
    EXPECT_EQ(form->Controls().historyEndDatePicker->date(), QDate::currentDate());
    EXPECT_EQ(form->Controls().historyEndTimePicker->displayFormat(), "hh:mm:ss");
    EXPECT_EQ(form->Controls().historyEndDatePicker->displayFormat(), "yyyy/MM/dd");
    EXPECT_EQ(form->Controls().historyStartDatePicker->text(), "2015/03/03");
    EXPECT_EQ(form->Controls().historyStartTimePicker->text(), "00:00:00");
    EXPECT_EQ(form->Controls().startDatePicker->date(), QDate(2015, 3, 6));
    EXPECT_EQ(form->Controls().startTimePicker->displayFormat(), "HH:mm");
    EXPECT_EQ(form->Controls().endDatePicker->date(), QDate::currentDate());
    for (QWidget* w : {static_cast<QWidget*>(form->Controls().startDatePicker),
                       static_cast<QWidget*>(form->Controls().startTimePicker),
                       static_cast<QWidget*>(form->Controls().endDatePicker),
                       static_cast<QWidget*>(form->Controls().endTimePicker)}) {
        EXPECT_FALSE(w->isVisible());
        EXPECT_EQ(w->parentWidget(), form->Controls().numbersGrid->parentWidget());
    }
    EXPECT_EQ(form->ShortDateFormat(), "yyyy/MM/dd");
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
    for (QWidget* w : {static_cast<QWidget*>(form->Controls().setClockButton),
                       static_cast<QWidget*>(form->Controls().checkModeButton),
                       static_cast<QWidget*>(form->Controls().testButton4),
                       static_cast<QWidget*>(form->Controls().testButton12),
                       static_cast<QWidget*>(form->Controls().showListDialogButton),
                       static_cast<QWidget*>(form->Controls().testButton28),
                       static_cast<QWidget*>(form->Controls().hiddenEdit),
                       static_cast<QWidget*>(form->Controls().clearNumbersButton),
                       static_cast<QWidget*>(form->Controls().clearHistoryButton),
                       static_cast<QWidget*>(form->Controls().loadHistoryButton),
                       static_cast<QWidget*>(form->Controls().setupStepsMemo)})
        EXPECT_TRUE(w->isHidden()) << w->objectName().toStdString();
    EXPECT_TRUE(form->Controls().setupStepsMemo->isReadOnly());
    EXPECT_TRUE(form->Controls().setupStepsMemo->toPlainText().startsWith(
        QStringLiteral("系统配置步骤说明")));
    EXPECT_TRUE(form->Controls().setupStepsMemo->toPlainText().contains("10."));
}

TEST_F(Startup, ControlsSitWhereTheLayoutPutsThem) {
    EXPECT_EQ(form->Controls().topBar->geometry(), QRect(0, 0, 1150, 36));
    EXPECT_EQ(form->Controls().portBox->geometry(), QRect(85, 9, 89, 21));
    EXPECT_EQ(form->Controls().portButton->geometry(), QRect(197, 4, 90, 30));
    EXPECT_EQ(form->Controls().loginButton->geometry(), QRect(485, 4, 90, 30));
    EXPECT_EQ(form->Controls().portLabel->pos(), QPoint(28, 13));
    EXPECT_EQ(form->Controls().exportProfileButton->geometry(), QRect(7, 246, 85, 31));
    EXPECT_EQ(form->Controls().deleteAllNumbersButton->geometry(), QRect(8, 385, 85, 30));
    EXPECT_EQ(form->Controls().settingsButtonPanel->width(), 100);
    EXPECT_EQ(form->Controls().numbersGridPanel->width(), 22);
    EXPECT_EQ(form->Controls().historyButtonPanel->height(), 47);
    EXPECT_EQ(form->Controls().helpPicture->geometry(), QRect(64, 40, 761, 521));
    // Drawn when its sheet first shows.
    form->Controls().pageControl->setCurrentWidget(form->Controls().helpPage);
    EXPECT_EQ(form->Controls().helpPicture->pixmap().size(), QSize(761, 436));
    EXPECT_EQ(form->Controls().statusPanels->geometry(), QRect(0, 646, 1150, 24));
    EXPECT_EQ(form->Controls().pageControl->tabPosition(), QTabWidget::West);
    EXPECT_EQ(form->Controls().pageControl->tabBar()->tabRect(0).size(), QSize(80, 75));
}

TEST_F(Startup, ScreenReaderNamesAreSet) {
    EXPECT_EQ(form->Controls().portBox->accessibleName(), "COM Port");
    EXPECT_EQ(form->Controls().passwordBox->accessibleName(), "Password");
    EXPECT_EQ(form->Controls().settingsGrid->accessibleName(), "Basic settings");
    EXPECT_EQ(form->Controls().numbersGrid->accessibleName(), "Authorized number list");
    EXPECT_EQ(form->Controls().historyGrid->accessibleName(), "History");
    EXPECT_EQ(form->Controls().historyStartDatePicker->accessibleName(), "Start date");
    EXPECT_EQ(form->Controls().historyEndTimePicker->accessibleName(), "End time");
    EXPECT_EQ(form->Controls().startTimePicker->accessibleName(), "Start time");
    EXPECT_EQ(form->Controls().endDatePicker->accessibleName(), "End date");
    // Buttons are announced by the caption they show.
    for (QPushButton* b : form->findChildren<QPushButton*>())
        EXPECT_EQ(AccessibleName(b), b->text()) << b->objectName().toStdString();
    // Only the indicator square that is seen is announced.
    EXPECT_EQ(AccessibleName(form->Controls().portClosedIndicator), "Port closed");
    EXPECT_FALSE(AccessiblyInvisible(form->Controls().portClosedIndicator));
    EXPECT_TRUE(AccessiblyInvisible(form->Controls().portOpenIndicator));
}

// Both grids offer "Undo last save" where a right click or the menu key
// asks for it; like every device operation it waits for a login.
TEST_F(Startup, GridsOfferTheUndoOfTheLastSaveInTheirMenus) {
    const auto& c = form->Controls();
    const std::pair<QWidget*, StringGrid*> sheets[] = {{c.settingsPage, c.settingsGrid},
                                                       {c.numbersPage, c.numbersGrid}};
    for (const auto& [page, grid] : sheets) {
        SCOPED_TRACE(grid->objectName().toStdString());
        c.pageControl->setCurrentWidget(page);
        const QPoint at(20, 20);
        QContextMenuEvent click(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
        QApplication::sendEvent(grid->viewport(), &click);
        auto* menu = grid->findChild<QMenu*>();
        ASSERT_NE(menu, nullptr);
        ASSERT_TRUE(WaitFor([&] { return menu->isVisible(); }, 3000));
        ASSERT_EQ(menu->actions().size(), 1);
        const QAction* undo = menu->actions()[0];
        EXPECT_EQ(undo->objectName(), "undoLastSaveAction");
        EXPECT_FALSE(undo->isEnabled()) << "no device is logged in to";
        QAccessibleInterface* item = QAccessible::queryAccessibleInterface(menu)->child(0);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text(QAccessible::Name), "Undo last save");
        EXPECT_TRUE(undo->toolTip().contains("Ctrl+Shift+Z"));
        EXPECT_EQ(undo->shortcut(), QKeySequence("Ctrl+Shift+Z"));
        menu->close();
    }
}

// The status text is the panel's name, not hidden behind a fixed one.
TEST_F(Startup, StatusTextIsWhatAScreenReaderReads) {
    auto* status = form->Controls().statusPanels->findChild<QLabel*>("stat1_panel2");
    ASSERT_NE(status, nullptr);
    form->Status().ShowStatus("Reading number list:12/125");
    // The label takes its text with the next frame.
    QElapsedTimer clock;
    clock.start();
    while (AccessibleName(status) != "Reading number list:12/125" && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_EQ(AccessibleName(status), "Reading number list:12/125");
}

TEST_F(Startup, CheckBoxImagesAreTheStylesTwoStates) {
    ASSERT_FALSE(form->UncheckedBox().isNull());
    ASSERT_FALSE(form->CheckedBox().isNull());
    EXPECT_EQ(form->UncheckedBox().size(), form->CheckedBox().size());
    EXPECT_NE(form->UncheckedBox().toImage(), form->CheckedBox().toImage());
}

TEST_F(Startup, SheetActivationMarksOnlyTheActiveSheet) {
    form->Controls().pageControl->setCurrentIndex(2);
    EXPECT_TRUE(form->Controls().historyPage->property("Highlighted").toBool());
    EXPECT_FALSE(form->Controls().settingsPage->property("Highlighted").toBool());
    form->Controls().pageControl->setCurrentIndex(0);
    EXPECT_TRUE(form->Controls().settingsPage->property("Highlighted").toBool());
    EXPECT_FALSE(form->Controls().historyPage->property("Highlighted").toBool());
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
    form->Controls().pageControl->setCurrentWidget(form->Controls().numbersPage);
    QScrollBar* bar = form->Controls().numbersGrid->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    const int before = bar->value();
    TurnWheel(form->Controls().numbersButtonPanel, -120);
    EXPECT_EQ(bar->value(), before + 1);
    TurnWheel(form->Controls().numbersGrid->viewport(), -120);
    EXPECT_EQ(bar->value(), before + 2);
    TurnWheel(form->Controls().numbersGridPanel, 120);
    EXPECT_EQ(bar->value(), before + 1);
}

TEST_F(Startup, HiddenButtonOpensTheListWindow) {
    form->Controls().showListDialogButton->click();
    ListDialog& form7 = form->ListWindow();
    EXPECT_TRUE(form7.isVisible());
    EXPECT_EQ(form7.size(), QSize(291, 376));
    EXPECT_EQ(form7.positionGrid->Cells(0, 0), QStringLiteral("序号"));
    EXPECT_EQ(form7.positionGrid->Cells(1, 0), QStringLiteral("位置"));
    EXPECT_EQ(form7.positionGrid->RowCount(), 1001);
    EXPECT_FALSE(form7.testAttribute(Qt::WA_QuitOnClose));
    form7.okButton->click();
    EXPECT_FALSE(form7.isVisible());
}

} // namespace
