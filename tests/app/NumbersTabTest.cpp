// Editing the number list in the window: marks, bulk marks, pickers laid
// over period cells, painting, and the checks run before a save.

#include "support/QtTestApp.h"

#include "app/sheets/numbers/NumbersTab.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "protocol/DeviceClient.h"
#include "support/InPlaceEditor.h"
#include "support/ModalAnswer.h"

#include <QApplication>
#include <QDateEdit>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimeEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

using namespace gsm::test;

namespace {

constexpr int kNumber = 1, kStartDate = 2, kStartTime = 3, kEndDate = 4, kEndTime = 5, kAlways = 6,
              kDelete = 7;

class NumbersTab : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainWindow>();
        form->Controls().pageControl->setCurrentWidget(form->Controls().numbersPage);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        grid = form->Controls().numbersGrid;
    }

    QString Cell(int col, int row) const { return grid->Cells(col, row); }
    void SetCell(int col, int row, const QString& text) { grid->SetCells(col, row, text); }

    void FillPeriod(int row) {
        SetCell(kNumber, row, "+15555550100");
        SetCell(kStartDate, row, "2015/03/05");
        SetCell(kStartTime, row, "08:30");
        SetCell(kEndDate, row, "2016/12/31");
        SetCell(kEndTime, row, "23:59");
    }
    bool PeriodEmpty(int row) const {
        for (int c = kStartDate; c <= kEndTime; ++c)
            if (!Cell(c, row).isEmpty())
                return false;
        return true;
    }

    QPoint CellCentre(int col, int row) const {
        return grid->visualRect(grid->model()->index(row, col)).center();
    }
    void ClickCell(int col, int row) {
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(col, row));
        QApplication::processEvents();
    }
    // What the cell looks like just inside its top-left corner.
    QColor Background(int col, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        const QImage image = grid->viewport()->grab().toImage();
        return image.pixelColor(cell.topLeft() + QPoint(2, 2));
    }
    // Paints the grid, which lays a picker over the current period cell.
    void Paint() { grid->viewport()->repaint(); }

    std::unique_ptr<MainWindow> form;
    StringGrid* grid = nullptr;
};

TEST_F(NumbersTab, StartsWithHeadersSerialsAndUnsetMarks) {
    EXPECT_EQ(grid->model()->headerData(3, Qt::Horizontal).toString(), "Start Time ");
    EXPECT_EQ(grid->model()->headerData(6, Qt::Horizontal).toString(), "Always(V)");
    EXPECT_EQ(Cell(0, 1000), "1000");
    EXPECT_EQ(Cell(kAlways, 1), "no");
    EXPECT_EQ(Cell(kDelete, 1000), "no");
    EXPECT_FALSE(form->Controls().clearNumbersButton->isVisible());
}

TEST_F(NumbersTab, ClickingAMarkTogglesItAndSettingItEmptiesThePeriod) {
    FillPeriod(2);
    ClickCell(kAlways, 2);
    EXPECT_EQ(Cell(kAlways, 2), "yes");
    EXPECT_TRUE(PeriodEmpty(2));
    EXPECT_EQ(Cell(kNumber, 2), "+15555550100");

    SetCell(kStartDate, 2, "2015/03/05");
    ClickCell(kAlways, 2); // already current: the click alone toggles it
    EXPECT_EQ(Cell(kAlways, 2), "no");
    EXPECT_EQ(Cell(kStartDate, 2), "2015/03/05");

    FillPeriod(3);
    ClickCell(kDelete, 3);
    EXPECT_EQ(Cell(kDelete, 3), "yes");
    EXPECT_TRUE(PeriodEmpty(3));
    EXPECT_EQ(Cell(kAlways, 3), "no");
}

TEST_F(NumbersTab, BulkMarksFlipTheWholeColumnWhateverSingleClicksDid) {
    form->EnableDeviceOperations();
    FillPeriod(1);
    form->Controls().allAlwaysButton->click();
    for (int r : {1, 500, 1000})
        EXPECT_EQ(Cell(kAlways, r), "yes");
    EXPECT_EQ(Cell(kStartDate, 1), "2015/03/05") << "periods are left alone";
    EXPECT_EQ(Cell(kDelete, 1), "no");

    ClickCell(kAlways, 4); // cleared by hand
    EXPECT_EQ(Cell(kAlways, 4), "no");
    form->Controls().allAlwaysButton->click();
    for (int r : {1, 4, 1000})
        EXPECT_EQ(Cell(kAlways, r), "no");

    form->Controls().deleteAllNumbersButton->click();
    EXPECT_EQ(Cell(kDelete, 77), "yes");
    EXPECT_EQ(Cell(kAlways, 77), "no");
    form->Controls().deleteAllNumbersButton->click();
    EXPECT_EQ(Cell(kDelete, 77), "no");
}

TEST_F(NumbersTab, ArrowKeysDownTheAlwaysColumnToggleEachMarkTheyLandOn) {
    ClickCell(kAlways, 1);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(grid, Qt::Key_Down);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(Cell(kAlways, r), "yes") << r;
    EXPECT_EQ(Cell(kAlways, 5), "no");
    QTest::keyClick(grid, Qt::Key_Up);
    EXPECT_EQ(Cell(kAlways, 3), "no");
    // Moving into the Delete column is a move too.
    QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(Cell(kDelete, 3), "yes");
}

// Only the number is typed; periods come from the pickers and marks from
// clicks, so no key or click opens a text editor beside the number.
TEST_F(NumbersTab, TabFromTheNumberWalksThePeriodAndMarksWithoutTextEditors) {
    grid->setFocus();
    grid->SelectCell(kNumber, 2);
    QTest::keyClick(grid, Qt::Key_F2);
    ASSERT_TRUE(EditorOpen(*grid));
    QTest::keyClicks(QApplication::focusWidget(), "+4412");
    for (int col = kStartDate; col <= kDelete; ++col) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(grid->currentColumn(), col);
        EXPECT_FALSE(EditorOpen(*grid)) << col;
        QTest::keyClicks(grid, "abc");
        QTest::keyClick(grid, Qt::Key_F2);
        EXPECT_FALSE(EditorOpen(*grid)) << col;
        EXPECT_FALSE(Cell(col, 2).contains("abc")) << col;
    }
    EXPECT_EQ(Cell(kNumber, 2), "+4412");
    // From the last column Tab goes on to the number of the next row.
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_EQ(grid->currentColumn(), kNumber);
    EXPECT_EQ(grid->currentRow(), 3);
    // And back again.
    QTest::keyClick(grid, Qt::Key_Backtab);
    EXPECT_EQ(grid->currentColumn(), kDelete);
    EXPECT_EQ(grid->currentRow(), 2);
}

TEST_F(NumbersTab, SerialsNeverBecomeCurrentAndPeriodsNeverOpenATextEditor) {
    grid->setFocus();
    grid->SelectCell(kNumber, 4);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentColumn(), kNumber);
    ClickCell(0, 5);
    EXPECT_EQ(grid->currentColumn(), kNumber);
    EXPECT_EQ(grid->currentRow(), 4);

    for (int col = kStartDate; col <= kDelete; ++col) {
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellCentre(col, 6));
        EXPECT_FALSE(EditorOpen(*grid)) << col;
        grid->edit(grid->model()->index(6, col));
        EXPECT_FALSE(EditorOpen(*grid)) << col;
    }
}

TEST_F(NumbersTab, PickerLaidOverStartTimeCellWritesItsTimeWhenLeft) {
    FillPeriod(2);
    ClickCell(kStartTime, 2);
    grid->setFocus();
    Paint();
    QTimeEdit* picker = form->Controls().startTimePicker;
    ASSERT_TRUE(picker->isVisible());
    EXPECT_TRUE(form->Numbers().Pickers().InFront(kStartTime));
    const QRect cell = grid->visualRect(grid->model()->index(2, kStartTime));
    EXPECT_EQ(picker->geometry().topLeft(),
              grid->viewport()->mapTo(picker->parentWidget(), cell.topLeft()));
    EXPECT_EQ(picker->time(), QTime(8, 30)) << "the picker shows the cell";
    EXPECT_FALSE(form->Controls().startDatePicker->isVisible());

    picker->setFocus();
    picker->setTime(QTime(7, 5));
    grid->setFocus();
    EXPECT_EQ(Cell(kStartTime, 2), "07:05");
    EXPECT_TRUE(picker->isVisible()) << "the time pickers stay";

    // Left without a change, it still writes what it shows.
    SetCell(kStartTime, 2, QString());
    picker->setFocus();
    grid->setFocus();
    EXPECT_EQ(Cell(kStartTime, 2), "07:05");
}

TEST_F(NumbersTab, StartDatePickerWritesItsDateAndGoesAway) {
    FillPeriod(3);
    ClickCell(kStartDate, 3);
    grid->setFocus();
    Paint();
    QDateEdit* picker = form->Controls().startDatePicker;
    ASSERT_TRUE(form->Numbers().Pickers().InFront(kStartDate));
    EXPECT_EQ(picker->date(), QDate(2015, 3, 5));
    picker->setFocus();
    picker->setDate(QDate(2016, 2, 29));
    EXPECT_TRUE(form->Numbers().PickerEditPending);
    grid->setFocus();
    EXPECT_EQ(Cell(kStartDate, 3), "2016/02/29");
    EXPECT_FALSE(picker->isVisible());
    EXPECT_FALSE(form->Numbers().PickerEditPending);
}

TEST_F(NumbersTab, EveryPickerShowsItsWholeValueInsideTheCell) {
    FillPeriod(3);
    SetCell(kStartDate, 3, "2028/12/28");
    for (int col = kStartDate; col <= kEndTime; ++col) {
        ClickCell(col, 3);
        grid->setFocus();
        Paint();
        auto* picker = qobject_cast<QDateTimeEdit*>(form->Numbers().Pickers().For(col));
        ASSERT_NE(picker, nullptr);
        ASSERT_TRUE(form->Numbers().Pickers().InFront(col));
        const auto* editor = picker->findChild<QLineEdit*>();
        ASSERT_NE(editor, nullptr);
        const int textWidth = QFontMetrics(editor->font()).horizontalAdvance(editor->text());
        EXPECT_LE(textWidth, editor->width() - 4)
            << "column " << col << ": " << editor->text().toStdString();
        EXPECT_LE(picker->width(), grid->columnWidth(col));
    }
}

TEST_F(NumbersTab, OpeningTheCalendarOrPressingReturnDoesNotLeaveThePicker) {
    FillPeriod(3);
    ClickCell(kStartDate, 3);
    grid->setFocus();
    Paint();
    QDateEdit* picker = form->Controls().startDatePicker;
    picker->setFocus();
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_TRUE(picker->isVisible());
    QTest::mouseClick(picker, Qt::LeftButton, {},
                      QPoint(picker->width() - 4, picker->height() / 2)); // the drop-down arrow
    QWidget* calendar = QApplication::activePopupWidget();
    ASSERT_NE(calendar, nullptr);
    EXPECT_TRUE(picker->isVisible()) << "the picker stays while its calendar is open";
    picker->setDate(QDate(2016, 2, 29)); // chosen in the calendar
    calendar->close();
    QApplication::processEvents(); // the grid repaints and takes the changed date
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(Cell(kStartDate, 3), "2016/02/29");

    // The offscreen platform leaves the closed calendar the active window.
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == form.get(); }));
    picker->setFocus();
    grid->setFocus();
    EXPECT_FALSE(picker->isVisible());
}

TEST_F(NumbersTab, NoPickerOverThePeriodOfAnAlwaysRow) {
    SetCell(kNumber, 4, "+1");
    SetCell(kAlways, 4, "yes");
    ClickCell(kEndDate, 4);
    grid->setFocus();
    Paint();
    EXPECT_FALSE(form->Numbers().Pickers().InFront(kEndDate));
    // The selection makes it visible, but nothing of it can be seen: not even
    // where it stands before it was ever laid over a cell.
    QDateEdit* picker = form->Controls().endDatePicker;
    ASSERT_TRUE(picker->isVisible());
    QWidget* seen = form->childAt(picker->mapTo(form.get(), picker->rect().center()));
    EXPECT_TRUE(seen != picker && !picker->isAncestorOf(seen));
}

TEST_F(NumbersTab, ImpossibleDatesAndTimesArePaintedMoneyGreen) {
    const QColor green(0xC0, 0xDC, 0xC0);
    SetCell(kStartDate, 1, "2015/13/05");
    SetCell(kStartDate, 2, "2015/12/31");
    SetCell(kStartDate, 3, "2015/00/00");
    SetCell(kEndTime, 1, "24:00");
    SetCell(kEndTime, 2, "23:59");
    SetCell(kEndDate, 1, "abc");
    EXPECT_EQ(Background(kStartDate, 1), green);
    EXPECT_NE(Background(kStartDate, 2), green);
    EXPECT_NE(Background(kStartDate, 3), green);
    EXPECT_EQ(Background(kEndTime, 1), green);
    EXPECT_NE(Background(kEndTime, 2), green);
    EXPECT_EQ(Background(kEndDate, 1), green);
    EXPECT_NE(Background(kNumber, 1), green);
}

TEST_F(NumbersTab, MarksAreDrawnAsCheckBoxes) {
    SetCell(kAlways, 1, "yes");
    const QImage image = grid->viewport()->grab().toImage();
    const QSize box = form->CheckedBox().deviceIndependentSize().toSize();
    // The middle of the cell, where its box is drawn.
    const auto cellImage = [&](int col, int row) {
        const QRect cell = grid->visualRect(grid->model()->index(row, col));
        return image.copy(QRect(cell.center() - QPoint(box.width(), box.height()) / 2, box));
    };
    EXPECT_NE(cellImage(kAlways, 1), cellImage(kAlways, 2));
    EXPECT_EQ(cellImage(kAlways, 2), cellImage(kDelete, 2));
    // Around the box the mark cells have the ground of the other entry cells.
    EXPECT_EQ(Background(kAlways, 2), Background(kNumber, 2));
    EXPECT_EQ(Background(kDelete, 1), Background(kNumber, 2));
}

TEST_F(NumbersTab, HiddenClearEmptiesEverythingButSerials) {
    FillPeriod(9);
    SetCell(kAlways, 9, "yes");
    SetCell(kDelete, 10, "yes");
    form->Numbers().onClearNumbersClicked();
    EXPECT_EQ(Cell(kNumber, 9), "");
    EXPECT_TRUE(PeriodEmpty(9));
    EXPECT_EQ(Cell(kAlways, 9), "no");
    EXPECT_EQ(Cell(kDelete, 10), "no");
    EXPECT_EQ(Cell(0, 9), "9");
}

TEST_F(NumbersTab, SaveStopsWithTheSerialsOfRowsWithoutAPeriod) {
    form->EnableDeviceOperations();
    for (int r : {3, 7, 9, 12, 20})
        SetCell(kNumber, r, "+15555550100");
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Ok());
    form->Controls().saveNumbersButton->click();
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    EXPECT_EQ(answers.SeenBoxes()[0].text,
              "Wrong operation:please select \"Always\" or setting the Start-End date and "
              "time.Total:5\rWrong serial number:3,7,9,....");
    EXPECT_TRUE(answers.SeenBoxes()[0].title.isEmpty());
    EXPECT_FALSE(form->Controls().receiveTimer->isActive()) << "nothing was sent";
}

TEST_F(NumbersTab, DecliningTheReadSendsNothing) {
    form->EnableDeviceOperations();
    ModalAnswer answers;
    answers.Queue(ModalAnswer::Caption("Cancel(&N)"));
    form->Controls().readNumbersButton->click();
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    const auto& box = answers.SeenBoxes()[0];
    EXPECT_EQ(box.text, "Read the Authorized number list from GSM device to PC software?");
    EXPECT_EQ(box.icon, QMessageBox::Question);
    EXPECT_EQ(box.buttons, (QStringList{"OK(&Y)", "Cancel(&N)"}));
    EXPECT_FALSE(form->Controls().receiveTimer->isActive());
    EXPECT_EQ(form->Client().Exchange().RequestsSent(), 0u);
}

} // namespace
