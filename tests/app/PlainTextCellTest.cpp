// The settings grid paints its plain text cells itself, with one text layout
// instead of the style's three: every state a cell can be in must come out
// pixel for pixel as the style paints it, and the cells it cannot paint the
// same way must be left to the style.

#include "support/QtTestApp.h"

#include "app/widgets/PlainTextCell.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include <gtest/gtest.h>

namespace {

class OptionDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::initStyleOption;
};

struct CellCase {
    const char* name;
    QStyle::State state;
    QString text;
    QVariant background;
    QVariant alignment;
    Qt::TextElideMode elide;
    bool paintedHere;
};

constexpr QStyle::State kShown = QStyle::State_Enabled | QStyle::State_Active;

const CellCase kCases[] = {
    {"plain", kShown, "Unauthorized door opened", {}, {}, Qt::ElideNone, true},
    {"fixed column", kShown, "7.Auto Arm", QColor(240, 240, 240),
     int(Qt::AlignLeft | Qt::AlignVCenter), Qt::ElideNone, true},
    {"selected", kShown | QStyle::State_Selected, "Relay ON", {}, {}, Qt::ElideNone, true},
    {"selected, window inactive",
     QStyle::State_Enabled | QStyle::State_Selected,
     "Relay ON",
     {},
     {},
     Qt::ElideNone,
     true},
    {"focused", kShown | QStyle::State_HasFocus, "999", {}, {}, Qt::ElideNone, true},
    {"focused and selected",
     kShown | QStyle::State_HasFocus | QStyle::State_Selected,
     "999",
     {},
     {},
     Qt::ElideNone,
     true},
    {"disabled", QStyle::State_Active, "10", {}, {}, Qt::ElideNone, true},
    {"empty", kShown, "", {}, {}, Qt::ElideNone, true},
    {"centred", kShown, "Items", {}, int(Qt::AlignCenter), Qt::ElideNone, true},
    {"wider than the cell",
     kShown,
     "Default:10,Unit:Minute.Setting to 0 means Disable Auto Arm after a call",
     {},
     {},
     Qt::ElideNone,
     true},
    {"two lines", kShown, "Relay\nON", {}, {}, Qt::ElideNone, false},
    {"elided",
     kShown,
     "Default:10,Unit:Minute.Setting to 0 means Disable",
     {},
     {},
     Qt::ElideRight,
     false},
    {"editing", kShown | QStyle::State_Editing, "Relay ON", {}, {}, Qt::ElideNone, false},
};

QImage Blank() {
    QImage image(160, 24, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

TEST(PlainTextCell, PaintsEveryStateAsTheStyleDoesOrLeavesItToTheStyle) {
    for (const CellCase& c : kCases) {
        SCOPED_TRACE(c.name);
        QTableView view;
        view.setWordWrap(false);
        view.setTextElideMode(c.elide);
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), c.text);
        if (c.background.isValid())
            model.setData(model.index(0, 0), c.background, Qt::BackgroundRole);
        if (c.alignment.isValid())
            model.setData(model.index(0, 0), c.alignment, Qt::TextAlignmentRole);
        view.setModel(&model);
        const QModelIndex index = model.index(0, 0);

        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.widget = &view;
        option.rect = QRect(0, 0, 160, 24);
        option.state = c.state;
        option.textElideMode = c.elide;
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;

        OptionDelegate delegate;
        QImage byStyle = Blank();
        {
            QPainter painter(&byStyle);
            delegate.paint(&painter, option, index);
        }
        QImage byCell = Blank();
        QStyleOptionViewItem cell = option;
        delegate.initStyleOption(&cell, index);
        bool painted = false;
        {
            QPainter painter(&byCell);
            painted = PaintPlainTextCell(painter, cell);
        }
        ASSERT_EQ(painted, c.paintedHere);
        if (painted)
            EXPECT_EQ(byCell, byStyle);
        else
            EXPECT_EQ(byCell, Blank());
    }
}

TEST(PlainTextCell, LeavesCellsUnderAStyleSheetToTheStyle) {
    QTableView view;
    view.setStyleSheet(QStringLiteral("QTableView { color: red; }"));
    QStyleOptionViewItem cell;
    cell.initFrom(&view);
    cell.widget = &view;
    cell.rect = QRect(0, 0, 160, 24);
    cell.text = QStringLiteral("Relay ON");
    cell.textElideMode = Qt::ElideNone;
    QImage image = Blank();
    QPainter painter(&image);
    EXPECT_FALSE(PaintPlainTextCell(painter, cell));
}

} // namespace
