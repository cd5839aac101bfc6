// Typing into the settings grid the way a user does, and the lists that
// stand over its choice rows.

#include "support/QtTestApp.h"

#include "app/sheets/settings/SettingsGridEditor.h"
#include "app/sheets/settings/SettingsTab.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "settings/SettingsCatalogue.h"
#include "support/InPlaceEditor.h"
#include "support/ModalAnswer.h"
#include "text/CodePage.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

using namespace gsm::test;
namespace row = gsm::settings::row;

namespace {

constexpr int kContent = gsm::settings::col::kContent;

class SettingsEditing : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<MainWindow>();
        form->show();
        QApplication::setActiveWindow(form.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        grid = form->Controls().settingsGrid;
        QCoreApplication::processEvents();
    }

    QString Cell(int r) const { return grid->Cells(kContent, r); }
    int CurrentRow() const { return grid->currentRow(); }

    void StartAt(int col, int r) {
        grid->setFocus();
        grid->SelectCell(col, r);
    }
    // Each key goes wherever the focus is by then, as the keyboard's would.
    void Type(const QString& keys) {
        for (QChar c : keys)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }
    QLineEdit* OpenEditor() {
        QTest::keyClick(grid, Qt::Key_F2);
        return qobject_cast<QLineEdit*>(QApplication::focusWidget());
    }
    void Paste(QLineEdit& editor, const QString& text) {
        QApplication::clipboard()->setText(text);
        editor.selectAll();
        QTest::keyClick(&editor, Qt::Key_V, Qt::ControlModifier);
    }
    QRect CellOnSheet(int r) const {
        const QRect cell = grid->visualRect(grid->model()->index(r, kContent));
        return {grid->viewport()->mapTo(form->Controls().settingsPage, cell.topLeft()),
                cell.size()};
    }

    std::unique_ptr<MainWindow> form;
    StringGrid* grid = nullptr;
};

TEST_F(SettingsEditing, StartValuesAndLists) {
    EXPECT_EQ(Cell(row::kPassword), "7145");
    EXPECT_EQ(Cell(row::kSimNumber), "");
    EXPECT_EQ(Cell(row::kServerPort), "");
    EXPECT_EQ(grid->Cells(0, 10), "10.Relay swtich ON timer(0~999, Unit:Second)");
    EXPECT_EQ(grid->Cells(2, 15),
              "Default:999,means no alarm.Setting as 000,alarm SMS once power failure.");
    EXPECT_EQ(grid->model()->headerData(1, Qt::Horizontal).toString(), "Content");
    EXPECT_EQ(form->Controls().din1TypeList->itemText(0), "0:NC ");
    EXPECT_EQ(form->Controls().din1TypeList->currentIndex(), 1);
    EXPECT_EQ(form->Controls().armAfterPowerOnList->currentIndex(), 0);
    EXPECT_EQ(form->Controls().relayAuthorizationList->currentIndex(), 1);
    EXPECT_EQ(form->Controls().notifyRelayOffList->currentText(), "3:Admin & Caller Number");
}

TEST_F(SettingsEditing, ListsSitOverTheirCellsAfterTheFirstPaintWithTheirOwnRowHeight) {
    const std::pair<QComboBox*, int> lists[] = {
        {form->Controls().din1TypeList, 3},        {form->Controls().din2TypeList, 4},
        {form->Controls().armAfterPowerOnList, 8}, {form->Controls().relayAuthorizationList, 9},
        {form->Controls().notifyRelayOnList, 11},  {form->Controls().notifyRelayOffList, 12}};
    for (const auto& [list, r] : lists) {
        EXPECT_TRUE(list->isVisible()) << list->objectName().toStdString();
        EXPECT_EQ(list->geometry(), CellOnSheet(r)) << list->objectName().toStdString();
        // The drop-downs, built once the window is up, have 13-pixel rows.
        EXPECT_EQ(list->view()->sizeHintForRow(0), 13) << list->objectName().toStdString();
    }
}

TEST_F(SettingsEditing, HeaderRowIsLightBlue) {
    const QImage header = grid->horizontalHeader()->grab().toImage();
    EXPECT_EQ(QColor(header.pixel(3, 3)), QColor(166, 202, 240));
}

TEST_F(SettingsEditing, FourthDigitOfThePasswordMovesOnAndTheFifthLandsInRowTwo) {
    StartAt(kContent, row::kPassword);
    Type("12345");
    EXPECT_EQ(Cell(row::kPassword), "1234");
    EXPECT_EQ(CurrentRow(), row::kSimNumber);
    EXPECT_EQ(Cell(row::kSimNumber), "5");
}

TEST_F(SettingsEditing, LetterInADigitRowIsDroppedButCountsTowardTheLimit) {
    StartAt(kContent, row::kAutoArm);
    Type("12");
    EXPECT_EQ(CurrentRow(), row::kAutoArm);
    Type("a");
    EXPECT_EQ(Cell(row::kAutoArm), "12");
    EXPECT_EQ(CurrentRow(), row::kArmAfterPowerOn);
}

TEST_F(SettingsEditing, PastedTextWithADigitAtTheEndStaysAndTheSaveRefusesIt) {
    StartAt(kContent, row::kAutoArm);
    QLineEdit* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Paste(*editor, "1a2");
    EXPECT_EQ(Cell(row::kAutoArm), "1a2");
    EXPECT_EQ(CurrentRow(), row::kArmAfterPowerOn);

    ModalAnswer answers;
    answers.Queue(ModalAnswer::Ok());
    form->Settings().onSaveSettingsClicked();
    ASSERT_EQ(answers.SeenBoxes().size(), 1u);
    EXPECT_TRUE(answers.SeenBoxes()[0].text.startsWith("'1a2' is not a valid integer value"));
    EXPECT_TRUE(answers.SeenBoxes()[0].text.contains("7.Auto Arm"));
}

// 39 bytes and one that begins a unit are 40 bytes, but the field needs 41
// to complete the unit: the editor keeps what the save can send.
TEST_F(SettingsEditing, TextWhoseLastUnitPassesTheFieldIsCutBeforeTheSave) {
    const QString opener = QString::fromUtf8(
        gsm::SystemCodePageInstance().Encode("é") ? "é" : " "); // both begin a unit
    StartAt(kContent, row::kDin1Alarm);
    QLineEdit* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Paste(*editor, QString(39, 'a') + opener);
    EXPECT_EQ(Cell(row::kDin1Alarm), QString(39, 'a'));
    EXPECT_EQ(CurrentRow(), row::kDin2Alarm);

    gsm::settings::Page page{};
    const auto refused = form->Settings().Codec().EncodeSettingsPage1(page);
    EXPECT_FALSE(refused) << refused->Message();
}

TEST_F(SettingsEditing, LastRowHandsBackToTheRowAbove) {
    StartAt(kContent, row::kGprsPassword);
    Type("abcdefghijklmno");
    EXPECT_EQ(CurrentRow(), row::kGprsPassword);
    Type("p");
    EXPECT_EQ(Cell(row::kGprsPassword), "abcdefghijklmnop");
    EXPECT_EQ(CurrentRow(), row::kGprsUser);
}

TEST_F(SettingsEditing, TypingOverAListRowLeavesNothing) {
    StartAt(kContent, row::kDin1Type);
    Type("x");
    EXPECT_EQ(Cell(row::kDin1Type), "");
    EXPECT_EQ(CurrentRow(), row::kDin2Type);
}

TEST_F(SettingsEditing, DescriptionsCannotBeEdited) {
    StartAt(2, row::kDin1Alarm);
    Type("x");
    EXPECT_EQ(grid->Cells(2, row::kDin1Alarm), "Up to 40 characters");
    EXPECT_EQ(QApplication::focusWidget(), grid);
}

TEST_F(SettingsEditing, TabFromAContentEditorLeavesTheGridAndNeverEditsADescription) {
    const QString description = grid->Cells(2, row::kDin1Alarm);
    StartAt(kContent, row::kDin1Alarm);
    QLineEdit* editor = OpenEditor();
    ASSERT_NE(editor, nullptr);
    Type("!");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    EXPECT_NE(focus, grid);
    EXPECT_FALSE(focus && grid->isAncestorOf(focus)) << "Tab stays in the grid";
    EXPECT_FALSE(EditorOpen(*grid));
    EXPECT_TRUE(Cell(row::kDin1Alarm).endsWith("!")) << "what was typed is kept";
    Type("XYZ");
    EXPECT_EQ(grid->Cells(2, row::kDin1Alarm), description);

    // Tab on the grid itself also goes on to the next control.
    StartAt(kContent, row::kAutoArm);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), grid);
}

// Captions and descriptions are never edited, whatever reaches their cells.
TEST_F(SettingsEditing, CaptionsAndDescriptionsTakeNoEditorAndCaptionsNeverBecomeCurrent) {
    StartAt(kContent, row::kAutoArm);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->currentColumn(), kContent);
    QTest::keyClick(grid, Qt::Key_Home);
    EXPECT_EQ(grid->currentColumn(), kContent);

    const QRect caption = grid->visualRect(grid->model()->index(row::kSimNumber, 0));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, caption.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, caption.center());
    EXPECT_EQ(grid->currentColumn(), kContent);
    EXPECT_EQ(grid->currentRow(), row::kAutoArm);

    for (int c : {0, 2}) {
        grid->setCurrentCell(row::kDin2Alarm, c);
        grid->edit(grid->currentIndex());
        EXPECT_FALSE(EditorOpen(*grid)) << c;
        EXPECT_EQ(QApplication::focusWidget(), grid) << c;
    }
}

TEST_F(SettingsEditing, CharacterTheDeviceCannotHoldIsRefused) {
    const gsm::CodePage& codePage = gsm::SystemCodePageInstance();
    QString refused;
    for (const char* candidate : {"中", "ℵ", "Ж"})
        if (codePage.FirstUnencodable(candidate))
            refused = QString::fromUtf8(candidate);
    ASSERT_FALSE(refused.isEmpty()) << codePage.Name();

    ModalAnswer answers;
    answers.Queue(ModalAnswer::Ok());
    StartAt(kContent, row::kSmsRelayOn);
    Type("ab");
    Type(refused);
    ASSERT_TRUE(answers.WaitUntilAnswered());
    EXPECT_TRUE(answers.SeenBoxes()[0].text.contains(refused));
    EXPECT_EQ(Cell(row::kSmsRelayOn), "ab");
}

TEST_F(SettingsEditing, LeavingAListWritesItsItemIntoTheCell) {
    form->Controls().din1TypeList->setFocus();
    form->Controls().din1TypeList->setCurrentIndex(0);
    EXPECT_EQ(Cell(row::kDin1Type), "");
    grid->setFocus();
    EXPECT_EQ(Cell(row::kDin1Type), "0:NC ");

    form->Controls().notifyRelayOffList->setFocus();
    form->Controls().notifyRelayOffList->setCurrentIndex(-1);
    grid->setFocus();
    EXPECT_EQ(Cell(row::kNotifyRelayOff), "");
}

TEST_F(SettingsEditing, ScrollingSidewaysShowsThePositionAndHidesTheListsUntilRepainted) {
    QScrollBar* bar = grid->horizontalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the grid is wider than its sheet";
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("滚动条位置:0"));
    EXPECT_TRUE(form->Controls().din1TypeList->isHidden());
    EXPECT_TRUE(form->Controls().notifyRelayOffList->isHidden());

    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8("滚动条位置:1"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->Controls().din1TypeList->isVisible(); }));
    EXPECT_EQ(form->Controls().din1TypeList->geometry(), CellOnSheet(row::kDin1Type));
}

TEST_F(SettingsEditing, ListsFollowTheirCellsWhenTheGridScrollsToASelectedCell) {
    const int before = grid->horizontalScrollBar()->value();
    StartAt(2, row::kDin1Type);
    ASSERT_NE(grid->horizontalScrollBar()->value(), before) << "the description column fits";
    EXPECT_EQ(form->windowTitle(), QString::fromUtf8(kMainCaption));
    // The lists move with the next paint of their cells.
    const auto followed = [&] {
        for (const auto& [list, r] : {std::pair{form->Controls().din1TypeList, 3},
                                      std::pair{form->Controls().notifyRelayOffList, 12}})
            if (!list->isVisible() || list->geometry() != CellOnSheet(r))
                return false;
        return true;
    };
    EXPECT_TRUE(QTest::qWaitFor(followed));
}

} // namespace
