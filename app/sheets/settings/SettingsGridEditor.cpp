#include "SettingsGridEditor.h"

#include "SettingsGridDelegate.h"
#include "app/widgets/GridModel.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MessageBoxes.h"
#include "settings/EditRules.h"
#include "settings/SettingsCatalogue.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QHeaderView>
#include <QPointer>
#include <QScrollBar>
#include <QStyledItemDelegate>

namespace settings = gsm::settings;

namespace {

constexpr QAbstractItemView::EditTriggers kEditing =
    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

// Header cells: a light blue fill with the text centred on one line.
constexpr const char* kHeaderStyle = "QHeaderView::section {"
                                     " background-color: rgb(166, 202, 240);"
                                     " border: none;"
                                     " border-right: 1px solid rgb(160, 160, 160);"
                                     " border-bottom: 1px solid rgb(160, 160, 160);"
                                     " padding: 0px; }";

// What happens when focus leaves each list.
struct ListExitHandler {
    int row;
    void (SettingsGridEditor::*handler)();
};
constexpr ListExitHandler kListExits[] = {
    {settings::row::kDin1Type, &SettingsGridEditor::onDin1TypeListLeft},
    {settings::row::kDin2Type, &SettingsGridEditor::onDin2TypeListLeft},
    {settings::row::kArmAfterPowerOn, &SettingsGridEditor::onArmAfterPowerOnListLeft},
    {settings::row::kRelayAuthorization, &SettingsGridEditor::onRelayAuthorizationListLeft},
    {settings::row::kNotifyRelayOn, &SettingsGridEditor::onNotifyRelayOnListLeft},
    {settings::row::kNotifyRelayOff, &SettingsGridEditor::onNotifyRelayOffListLeft},
};

// The lists' drop-down items are a fixed 13 pixels high.
class ListItemDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kListItemHeight};
    }

private:
    static constexpr int kListItemHeight = 13;
};

} // namespace

SettingsGridEditor::SettingsGridEditor(const SettingsSheet& sheet, const gsm::CodePage& codePage,
                                       QObject* parent)
    : QObject(parent), m_sheet(sheet), m_lists(sheet.lists), m_codePage(codePage) {
    InstallGridHook();
}

void SettingsGridEditor::InstallGridHook() {
    StringGrid& grid = *m_sheet.settingsGrid;
    // The grid owns the delegate and may outlive this object while the window closes.
    const QPointer<SettingsGridEditor> self(this);
    grid.setItemDelegate(new SettingsGridDelegate(
        [self](int col, int row, const QString& text) {
            if (self)
                self->onSettingsCellEdited(col, row, text);
        },
        [self](int col, int row) {
            if (self)
                self->drawSettingsCell(col, row);
        },
        &grid));
    grid.setEditTriggers(kEditing);
    grid.setTabKeyNavigation(false);
    // Only the values are typed into; the captions are fixed already.
    grid.Model().SetColumnFlags(settings::col::kDescription,
                                Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid.horizontalHeader()->setStyleSheet(QString::fromLatin1(kHeaderStyle));
    connect(&grid, &StringGrid::currentCellChanged, this,
            [this](int row, int col) { onSettingsCellSelected(col, row); });
    // actionTriggered comes before the scroll bar's value changes.
    connect(grid.horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { onSettingsGridScrolledSideways(); });
    // The grid also scrolls sideways by itself, to bring a selected cell into
    // view; the lists must then follow their cells too.
    connect(grid.horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { ReplaceLists(); });
    for (QComboBox* list : m_sheet.lists)
        list->installEventFilter(this);
}

// Setting a list's delegate builds its drop-down: six of them are worth
// building only once the window is up.
void SettingsGridEditor::PrepareDropDowns() {
    for (QComboBox* list : m_sheet.lists)
        list->setItemDelegate(new ListItemDelegate(list));
}

// ---------------------------------------------------------------- grid

void SettingsGridEditor::onSettingsCellSelected(int col, int /*row*/) {
    m_sheet.settingsGrid->setEditTriggers(
        col == settings::col::kDescription ? QAbstractItemView::NoEditTriggers : kEditing);
}

void SettingsGridEditor::onSettingsCellEdited(int col, int row, const QString& text) {
    if (col != settings::col::kContent || row < settings::kFirstRow || row > settings::kLastRow)
        return;
    StringGrid& grid = *m_sheet.settingsGrid;
    grid.SetCells(col, row, text);
    const settings::EditOutcome out = settings::ApplyEditRules(row, text.toStdString(), m_codePage);
    if (out.changed)
        grid.SetCells(col, row, QString::fromStdString(out.text));
    // Moving on ends the editing of this cell.
    if (out.selectRow != 0)
        grid.SelectCell(settings::col::kContent, out.selectRow);
    // Told once the editor's own key handling is over: the box takes the
    // focus, which closes the editor.
    if (out.refusal)
        QMetaObject::invokeMethod(
            this,
            [this, text = QString::fromStdString(*out.refusal)] {
                ShowMessage(m_sheet.settingsPage, text);
            },
            Qt::QueuedConnection);
}

void SettingsGridEditor::drawSettingsCell(int col, int row) {
    if (col != settings::col::kContent)
        return;
    QComboBox* list = m_lists.At(row);
    // A list that is showing stays where it is.
    if (!list || !list->isHidden())
        return;
    PlaceList(*list, row);
    list->show();
}

void SettingsGridEditor::ShowListsOfVisibleCells() {
    StringGrid& grid = *m_sheet.settingsGrid;
    const QRect shown = grid.viewport()->rect();
    for (int row = settings::kFirstRow; row <= settings::kLastRow; ++row) {
        const QRect cell = grid.visualRect(grid.model()->index(row, settings::col::kContent));
        if (cell.intersects(shown))
            drawSettingsCell(settings::col::kContent, row);
    }
}

void SettingsGridEditor::PlaceList(QComboBox& list, int row) {
    StringGrid& grid = *m_sheet.settingsGrid;
    const QRect cell = grid.visualRect(grid.model()->index(row, settings::col::kContent));
    const QPoint topLeft = grid.viewport()->mapTo(m_sheet.settingsPage, cell.topLeft());
    list.setGeometry(QRect(topLeft, cell.size()));
    list.raise();
}

void SettingsGridEditor::onSettingsGridScrolledSideways() {
    const int position = m_sheet.settingsGrid->horizontalScrollBar()->value();
    m_sheet.settingsPage->window()->setWindowTitle(QString::fromUtf8(kScrollCaptionPrefix) +
                                                   QString::number(position));
    ReplaceLists();
}

void SettingsGridEditor::ReplaceLists() {
    for (QComboBox* list : m_sheet.lists)
        list->hide();
    // Scrolling moves the painted cells without painting them again; the
    // lists come back with the next paint of their cells.
    m_sheet.settingsGrid->viewport()->update();
}

// ---------------------------------------------------------------- lists

bool SettingsGridEditor::eventFilter(QObject* watched, QEvent* event) {
    // Opening a list's drop-down does not leave the list.
    if (event->type() == QEvent::FocusOut &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        for (const ListExitHandler& exit : kListExits)
            if (watched == m_lists.At(exit.row))
                (this->*exit.handler)();
    }
    return QObject::eventFilter(watched, event);
}

void SettingsGridEditor::ListExit(int row) {
    if (const QComboBox* list = m_lists.At(row))
        m_sheet.settingsGrid->SetCells(settings::col::kContent, row,
                                       list->currentData().toString());
}

void SettingsGridEditor::onDin1TypeListLeft() {
    ListExit(settings::row::kDin1Type);
}
void SettingsGridEditor::onDin2TypeListLeft() {
    ListExit(settings::row::kDin2Type);
}
void SettingsGridEditor::onArmAfterPowerOnListLeft() {
    ListExit(settings::row::kArmAfterPowerOn);
}
void SettingsGridEditor::onRelayAuthorizationListLeft() {
    ListExit(settings::row::kRelayAuthorization);
}
void SettingsGridEditor::onNotifyRelayOnListLeft() {
    ListExit(settings::row::kNotifyRelayOn);
}
void SettingsGridEditor::onNotifyRelayOffListLeft() {
    ListExit(settings::row::kNotifyRelayOff);
}
