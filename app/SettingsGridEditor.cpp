#include "SettingsGridEditor.h"

#include "EditRules.h"
#include "GridModel.h"
#include "MessageBoxes.h"
#include "SettingsCatalogue.h"
#include "SettingsGridDelegate.h"
#include "StringGrid.h"

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
    {settings::row::kDin1Type, &SettingsGridEditor::cbb1Exit},
    {settings::row::kDin2Type, &SettingsGridEditor::cbb2Exit},
    {settings::row::kArmAfterPowerOn, &SettingsGridEditor::cbb4Exit},
    {settings::row::kRelayAuthorization, &SettingsGridEditor::cbb3Exit},
    {settings::row::kNotifyRelayOn, &SettingsGridEditor::cbb10Exit},
    {settings::row::kNotifyRelayOff, &SettingsGridEditor::cbb12Exit},
};

// The lists' drop-down items are a fixed 13 pixels high.
class TListItemDelegate : public QStyledItemDelegate {
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
    StringGrid& grid = *m_sheet.strngrd_write;
    // The grid owns the delegate and may outlive this object while the window closes.
    const QPointer<SettingsGridEditor> self(this);
    grid.setItemDelegate(new SettingsGridDelegate(
        [self](int col, int row, const QString& text) {
            if (self)
                self->strngrd_writeSetEditText(col, row, text);
        },
        [self](int col, int row) {
            if (self)
                self->strngrd_writeDrawCell(col, row);
        },
        &grid));
    grid.setEditTriggers(kEditing);
    grid.setTabKeyNavigation(false);
    // Only the values are typed into; the captions are fixed already.
    grid.Model().SetColumnFlags(settings::col::kDescription,
                                Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    grid.horizontalHeader()->setStyleSheet(QString::fromLatin1(kHeaderStyle));
    connect(&grid, &StringGrid::currentCellChanged, this,
            [this](int row, int col) { strngrd_writeSelectCell(col, row); });
    // actionTriggered comes before the scroll bar's value changes.
    connect(grid.horizontalScrollBar(), &QScrollBar::actionTriggered, this,
            [this] { strngrd_writeHorizontalScroll(); });
    // The grid also scrolls sideways by itself, to bring a selected cell into
    // view; the lists must then follow their cells too.
    connect(grid.horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { ReplaceLists(); });
    for (QComboBox* list : m_sheet.lists) {
        list->setItemDelegate(new TListItemDelegate(list));
        list->installEventFilter(this);
    }
}

// ---------------------------------------------------------------- grid

void SettingsGridEditor::strngrd_writeSelectCell(int col, int /*row*/) {
    m_sheet.strngrd_write->setEditTriggers(
        col == settings::col::kDescription ? QAbstractItemView::NoEditTriggers : kEditing);
}

void SettingsGridEditor::strngrd_writeSetEditText(int col, int row, const QString& text) {
    if (col != settings::col::kContent || row < settings::kFirstRow || row > settings::kLastRow)
        return;
    StringGrid& grid = *m_sheet.strngrd_write;
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
            [this, text = QString::fromStdString(*out.refusal)] { ShowMessage(m_sheet.ts1, text); },
            Qt::QueuedConnection);
}

void SettingsGridEditor::strngrd_writeDrawCell(int col, int row) {
    if (col != settings::col::kContent)
        return;
    QComboBox* list = m_lists.At(row);
    // A list that is showing stays where it is.
    if (!list || !list->isHidden())
        return;
    PlaceList(*list, row);
    list->show();
}

void SettingsGridEditor::PlaceList(QComboBox& list, int row) {
    StringGrid& grid = *m_sheet.strngrd_write;
    const QRect cell = grid.visualRect(grid.model()->index(row, settings::col::kContent));
    const QPoint topLeft = grid.viewport()->mapTo(m_sheet.ts1, cell.topLeft());
    list.setGeometry(QRect(topLeft, cell.size()));
    list.raise();
}

void SettingsGridEditor::strngrd_writeHorizontalScroll() {
    const int position = m_sheet.strngrd_write->horizontalScrollBar()->value();
    m_sheet.ts1->window()->setWindowTitle(QString::fromUtf8(kScrollCaptionPrefix) +
                                          QString::number(position));
    ReplaceLists();
}

void SettingsGridEditor::ReplaceLists() {
    for (QComboBox* list : m_sheet.lists)
        list->hide();
    // Scrolling moves the painted cells without painting them again; the
    // lists come back with the next paint of their cells.
    m_sheet.strngrd_write->viewport()->update();
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
        m_sheet.strngrd_write->SetCells(settings::col::kContent, row, list->currentText());
}

void SettingsGridEditor::cbb1Exit() {
    ListExit(settings::row::kDin1Type);
}
void SettingsGridEditor::cbb2Exit() {
    ListExit(settings::row::kDin2Type);
}
void SettingsGridEditor::cbb4Exit() {
    ListExit(settings::row::kArmAfterPowerOn);
}
void SettingsGridEditor::cbb3Exit() {
    ListExit(settings::row::kRelayAuthorization);
}
void SettingsGridEditor::cbb10Exit() {
    ListExit(settings::row::kNotifyRelayOn);
}
void SettingsGridEditor::cbb12Exit() {
    ListExit(settings::row::kNotifyRelayOff);
}
