// Every fixed text of the grids, and every item of the settings lists, shows
// whole in its cell under the font the window runs with, in every language
// the program speaks; every header keeps a margin on both sides. CTest runs
// these tests once more at 125 % (QT_SCALE_FACTOR=1.25).

#include "support/QtTestApp.h"

#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "l10n/Language.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class TextFit : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        gsm::l10n::UseLanguage(QString::fromLatin1(GetParam()));
        form = std::make_unique<MainWindow>();
        form->show();
        form->grab(); // lays out the sheets and places the lists
    }
    void TearDown() override {
        form.reset();
        gsm::l10n::UseLanguage(QStringLiteral("en"));
    }

    // Width a cell leaves for its text: the grid line and the item margins off.
    static int CellRoom(const StringGrid& grid, int col) {
        const int margin =
            grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
        return grid.columnWidth(col) - 1 - 2 * margin;
    }
    // At least StringGrid::kHeaderTextMargin on either side, more where the
    // style keeps more; the first column's part out of view is no room.
    static int HeaderRoom(const StringGrid& grid, int col) {
        const int margin =
            std::max(StringGrid::kHeaderTextMargin,
                     grid.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &grid));
        const int hidden = col == 0 ? grid.HiddenLeft() : 0;
        return grid.horizontalHeader()->sectionSize(col) - 2 * (margin + hidden);
    }
    static int ListRoom(const QComboBox& list) {
        QStyleOptionComboBox option;
        option.initFrom(&list);
        option.rect = QRect(QPoint(), list.size());
        option.frame = list.hasFrame();
        const QRect field = list.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                         QStyle::SC_ComboBoxEditField, &list);
        return field.width() - 2;
    }
    static int TextWidth(const QWidget& on, const QString& text) {
        return QFontMetrics(on.font()).horizontalAdvance(text);
    }

    // Headers of every shown column, and the texts of `cols` in every data row.
    static void ExpectGridFits(const StringGrid& grid, std::initializer_list<int> cols) {
        for (int c = 0; c < grid.ColCount(); ++c) {
            if (grid.columnWidth(c) == 0)
                continue; // hidden by design
            const QString header = grid.model()->headerData(c, Qt::Horizontal).toString();
            EXPECT_LE(TextWidth(*grid.horizontalHeader(), header), HeaderRoom(grid, c))
                << grid.objectName().toStdString() << " header " << header.toStdString();
        }
        for (int c : cols)
            for (int r = 1; r < grid.RowCount(); ++r) {
                const QString text = grid.model()->index(r, c).data().toString();
                EXPECT_LE(TextWidth(grid, text), CellRoom(grid, c))
                    << grid.objectName().toStdString() << " " << text.toStdString();
            }
    }

    std::unique_ptr<MainWindow> form;
};

TEST_P(TextFit, SettingsCaptionsDescriptionsAndListItems) {
    ExpectGridFits(*form->Controls().settingsGrid, {0, 2});
    for (const QComboBox* list :
         {form->Controls().din1TypeList, form->Controls().din2TypeList,
          form->Controls().armAfterPowerOnList, form->Controls().relayAuthorizationList,
          form->Controls().notifyRelayOnList, form->Controls().notifyRelayOffList})
        for (int i = 0; i < list->count(); ++i)
            EXPECT_LE(TextWidth(*list, list->itemText(i)), ListRoom(*list))
                << list->objectName().toStdString() << " " << list->itemText(i).toStdString();
}

TEST_P(TextFit, NumberListHeadersSerialsAndTheLongestNumber) {
    ExpectGridFits(*form->Controls().numbersGrid, {0});
    const QString longest = QStringLiteral("+123456789012345678901");
    ASSERT_EQ(longest.size(), 22);
    EXPECT_LE(TextWidth(*form->Controls().numbersGrid, longest),
              CellRoom(*form->Controls().numbersGrid, 1));
}

TEST_P(TextFit, HistoryHeadersAndSerials) {
    const StringGrid& grid = *form->Controls().historyGrid;
    ExpectGridFits(grid, {0});
    // The grid's left edge lies under its scroll box's edge: the serials and
    // their header, drawn centred, must clear the part that is out of view.
    const int hidden = -grid.x();
    ASSERT_GT(hidden, 0);
    for (int r : {0, 1000})
        EXPECT_LE(TextWidth(grid, grid.Cells(0, r)) + 2 * hidden, grid.columnWidth(0))
            << grid.Cells(0, r).toStdString();
}

INSTANTIATE_TEST_SUITE_P(Languages, TextFit, ::testing::Values("en", "de", "zh_CN"));

} // namespace
