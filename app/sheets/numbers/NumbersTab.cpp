#include "NumbersTab.h"

#include "app/widgets/GridModel.h"
#include "app/widgets/StringGrid.h"
#include "app/window/BackedUpWrite.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MessageBoxes.h"
#include "l10n/Shown.h"
#include "messages/OperationTexts.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberPages.h"
#include "numbers/NumberRows.h"
#include "numbers/PeriodText.h"

#include <QDateEdit>
#include <QEvent>
#include <QFocusEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTimeEdit>

using namespace gsm::numbers;
namespace addr = gsm::addr;

namespace {

// Hands the painting of every cell to the sheet; editing stays the default.
class NumberGridDelegate : public QStyledItemDelegate {
public:
    NumberGridDelegate(NumbersTab& tab, QObject* parent)
        : QStyledItemDelegate(parent), m_tab(&tab) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (!m_tab) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        m_tab->drawNumbersCell(*painter, option, index.column(), index.row());
    }

private:
    // The sheet goes before the grid when the window closes.
    QPointer<NumbersTab> m_tab;
};

constexpr QAbstractItemView::EditTriggers kTypingTriggers =
    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed;

QString CellText(const gsm::IGrid& grid, int col, int row) {
    return QString::fromStdString(grid.Cell(col, row));
}

} // namespace

NumbersTab::NumbersTab(const NumbersSheet& sheet, gsm::DeviceClient& client,
                       DeviceReporter& reporter, BackedUpWrite& write, QObject* parent)
    : QObject(parent), m_sheet(sheet), m_cells(*sheet.numbersGrid),
      m_pickers(sheet.startDatePicker, sheet.startTimePicker, sheet.endDatePicker,
                sheet.endTimePicker),
      m_client(client), m_reporter(reporter), m_write(write) {}

void NumbersTab::FillNumberGrid() {
    InitNumberGrid(m_cells);
    KeepTypingToTheNumberColumn();
    m_pickers.FitToCells();
    ConnectControls();
}

// The period cells change through their pickers and the marks by clicks:
// neither ever opens a text editor, whether by a key, a click or the Tab that
// ends the number's editor.
void NumbersTab::KeepTypingToTheNumberColumn() {
    StringGrid* grid = m_sheet.numbersGrid;
    for (int c = col::kStartDate; c < grid->ColCount(); ++c)
        grid->Model().SetColumnFlags(c, Qt::ItemIsEnabled | Qt::ItemIsSelectable);
}

void NumbersTab::ConnectControls() {
    StringGrid* grid = m_sheet.numbersGrid;
    grid->setItemDelegate(new NumberGridDelegate(*this, grid));
    grid->viewport()->installEventFilter(this);
    m_gridViewport = grid->viewport();
    connect(grid, &StringGrid::currentCellChanged, this,
            [this](int row, int col, int, int) { CurrentCellChanged(row, col); });
    connect(grid, &StringGrid::cellClicked, this, [this](int, int) { onNumbersGridClicked(); });
    connect(grid->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &NumbersTab::SendPickersBehindWhenCellLeavesView);
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &NumbersTab::SendPickersBehindWhenCellLeavesView);

    connect(m_sheet.readNumbersButton, &QPushButton::clicked, this,
            &NumbersTab::onReadNumbersClicked);
    connect(m_sheet.saveNumbersButton, &QPushButton::clicked, this,
            &NumbersTab::onSaveNumbersClicked);
    connect(m_sheet.allAlwaysButton, &QPushButton::clicked, this, &NumbersTab::onAllAlwaysClicked);
    connect(m_sheet.deleteAllNumbersButton, &QPushButton::clicked, this,
            &NumbersTab::onDeleteAllNumbersClicked);
    connect(m_sheet.clearNumbersButton, &QPushButton::clicked, this,
            &NumbersTab::onClearNumbersClicked);

    connect(m_sheet.startDatePicker, &QDateEdit::dateChanged, this,
            &NumbersTab::onStartDateChanged);
    // A picker is left when it loses the input focus, which editingFinished
    // does not tell apart from a Return or an opened calendar.
    for (int c = col::kStartDate; c <= col::kEndTime; ++c)
        m_pickers.For(c)->installEventFilter(this);
}

// ---------------------------------------------------------------- buttons

void NumbersTab::onReadNumbersClicked() {
    if (ConfirmRead(m_sheet.window,
                    gsm::l10n::Shown("DeviceTexts", gsm::message::kReadListQuestion)))
        StartRead();
}

void NumbersTab::onSaveNumbersClicked() {
    StartSave();
}

void NumbersTab::StartRead() {
    m_client.ReadArea(
        gsm::Area::Numbers,
        {.read =
             [this](int page, const gsm::Page& bytes) {
                 m_reporter.PageAnswered(gsm::OperationKind::Read, gsm::Area::Numbers, page);
                 DecodeNumberPage(m_cells, static_cast<std::int32_t>(addr::NumberPage(page)),
                                  bytes);
             }},
        [this](const gsm::OperationResult& result) { m_reporter.Ended(result); });
}

bool NumbersTab::StartSave() {
    // The whole list is taken and checked as entries before anything is
    // sent, so a bad cell on the last page cannot leave the device with half
    // a list.
    const GridList list = NumberListFromGrid(m_cells);
    if (const auto refusal = list.Refusal()) {
        Tell(*refusal);
        return false;
    }
    const std::vector<PageBytes> pages = NumberListPages(list.entries);
    m_write.Start({.command = QString::fromLatin1(kSaveNumbersCommand),
                   .wanted = {{gsm::Area::Numbers, gsm::Pages(pages.begin(), pages.end())}}});
    return true;
}

void NumbersTab::ShowDevicePages(const gsm::Pages& pages) {
    for (int page = 1; page <= static_cast<int>(pages.size()); ++page)
        DecodeNumberPage(m_cells, static_cast<std::int32_t>(addr::NumberPage(page)),
                         pages[static_cast<std::size_t>(page - 1)]);
}

void NumbersTab::onAllAlwaysClicked() {
    AllAlwaysState = !AllAlwaysState;
    SetAllMarks(m_cells, col::kAlways, AllAlwaysState);
}

void NumbersTab::onDeleteAllNumbersClicked() {
    DeleteAllState = !DeleteAllState;
    SetAllMarks(m_cells, col::kDelete, DeleteAllState);
}

void NumbersTab::onClearNumbersClicked() {
    ClearNumberList(m_cells);
    m_sheet.pageControl->update();
}

// ---------------------------------------------------------------- grid

void NumbersTab::CurrentCellChanged(int row, int col) {
    onNumbersCellSelected(col, row);
    // A press moves the current cell before its click arrives; only a move by
    // the keyboard counts as a click of its own.
    if (!m_mouseDown)
        onNumbersGridClicked();
}

void NumbersTab::onNumbersCellSelected(int col, int row) {
    (void)row;
    const bool typed = col < col::kStartDate;
    m_sheet.numbersGrid->setEditTriggers(typed ? kTypingTriggers
                                               : QAbstractItemView::NoEditTriggers);
    // Behind the grid until the new cell is painted, so a picker never shows
    // over a row it does not belong to (such as one marked Always).
    m_pickers.SendBehind();
    m_pickers.ShowOnly(col);
}

void NumbersTab::onNumbersGridClicked() {
    const int col = m_sheet.numbersGrid->currentColumn();
    const int row = m_sheet.numbersGrid->currentRow();
    if (!IsMarkColumn(col) || row < 1)
        return;
    if (ToggleMark(m_cells, col, row))
        m_pickers.SendBehind();
}

bool NumbersTab::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const int col = PickerColumn(watched);
        if (col != 0 && LeavesPicker(static_cast<QFocusEvent*>(event)->reason()))
            RunExitHandler(col);
    }
    // Compared, never called: the filter still sees the viewport's last
    // events while the grid is being destroyed.
    if (watched == m_gridViewport) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_mouseDown = true;
            break;
        case QEvent::MouseButtonRelease:
            m_mouseDown = false;
            break;
        default:
            break;
        }
    }
    return QObject::eventFilter(watched, event);
}

void NumbersTab::drawNumbersCell(QPainter& painter, const QStyleOptionViewItem& option, int col,
                                 int row) {
    const QRect rect = option.rect;
    HandlePickers(col, rect, option.state);

    const QString text = CellText(m_cells, col, row);
    const bool fixed = row == 0 || col == col::kSerial;
    const bool selected = !fixed && option.state.testFlag(QStyle::State_Selected);
    QColor background = fixed      ? option.palette.color(QPalette::Button)
                        : selected ? option.palette.color(QPalette::Highlight)
                                   : option.palette.color(QPalette::Base);
    const QColor ink = fixed      ? option.palette.color(QPalette::ButtonText)
                       : selected ? option.palette.color(QPalette::HighlightedText)
                                  : option.palette.color(QPalette::Text);
    if (row >= 1 && IsPeriodColumn(col) && !PeriodCellInRange(col, text.toStdString()))
        background = kMoneyGreen;

    painter.save();
    painter.fillRect(rect, background);
    if (!text.isEmpty()) {
        painter.setPen(ink);
        painter.setFont(option.font);
        painter.drawText(rect, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
    if (IsMarkColumn(col) && !fixed) {
        // The grid's own data-area colour: marks sit on the same ground as
        // the other entry cells.
        painter.fillRect(rect, option.palette.color(QPalette::Base));
        const QPixmap& image =
            text == QLatin1String(kYes) ? *m_sheet.CheckedBoxImage : *m_sheet.UncheckedBoxImage;
        const QSize size = image.deviceIndependentSize().toSize();
        const int left = (rect.left() + rect.left() + rect.width() - size.width()) / 2;
        const int top = (rect.top() + rect.top() + rect.height() - size.height()) / 2;
        painter.drawPixmap(left, top, image);
    }
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.rect = rect.adjusted(1, 1, -1, -1);
        focus.state = option.state;
        focus.backgroundColor = background;
        m_sheet.numbersGrid->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter,
                                                    m_sheet.numbersGrid);
    }
    painter.restore();
}

// The current period cell of a row without the Always mark carries its
// picker: painting the cell lays the picker over it and keeps it showing the
// cell's value.
void NumbersTab::HandlePickers(int col, const QRect& rect, QStyle::State state) {
    if (!CurrentRowTakesPeriod())
        return;
    const int currentCol = m_sheet.numbersGrid->currentColumn();
    const int currentRow = m_sheet.numbersGrid->currentRow();
    const QString current = CellText(m_cells, currentCol, currentRow);
    for (int pickerCol = col::kStartDate; pickerCol <= col::kEndTime; ++pickerCol) {
        if (col == pickerCol) {
            if (state.testFlag(QStyle::State_Selected) && state.testFlag(QStyle::State_HasFocus)) {
                m_pickers.PlaceOver(pickerCol, CellInPickerParent(rect));
                m_pickers.Load(pickerCol, current);
            }
            // Only the start-date picker reports changes, and only into its own cell.
            if (PickerEditPending && currentCol == pickerCol) {
                m_cells.SetCell(currentCol, currentRow,
                                m_pickers.CellText(pickerCol).toStdString());
                PickerEditPending = false;
            }
        } else if (currentCol == pickerCol && !m_pickers.For(pickerCol)->hasFocus()) {
            // A picker being typed into keeps what the user typed.
            m_pickers.Load(pickerCol, current);
        }
    }
}

bool NumbersTab::CurrentRowTakesPeriod() const {
    const int row = m_sheet.numbersGrid->currentRow();
    return row >= 1 && m_cells.Cell(col::kAlways, row) == kNo;
}

QRect NumbersTab::CellInPickerParent(const QRect& viewportRect) const {
    QWidget* parent = m_sheet.startDatePicker->parentWidget();
    const QPoint topLeft = m_sheet.numbersGrid->viewport()->mapTo(parent, viewportRect.topLeft());
    return {topLeft, viewportRect.size()};
}

// A picker left standing where its cell was would cover another row.
void NumbersTab::SendPickersBehindWhenCellLeavesView() {
    StringGrid* grid = m_sheet.numbersGrid;
    const QModelIndex current = grid->currentIndex();
    if (!current.isValid())
        return;
    if (!grid->viewport()->rect().contains(grid->visualRect(current)))
        m_pickers.SendBehind();
}

// ---------------------------------------------------------------- pickers

int NumbersTab::PickerColumn(const QObject* watched) const {
    for (int c = col::kStartDate; c <= col::kEndTime; ++c)
        if (watched == m_pickers.For(c))
            return c;
    return 0;
}

// Its own calendar or menu popping up, or another window becoming active,
// leaves the focus with the picker as far as this window is concerned.
bool NumbersTab::LeavesPicker(Qt::FocusReason reason) {
    return reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
}

void NumbersTab::RunExitHandler(int col) {
    switch (col) {
    case col::kStartDate:
        onStartDatePickerLeft();
        break;
    case col::kStartTime:
        onStartTimePickerLeft();
        break;
    case col::kEndDate:
        onEndDatePickerLeft();
        break;
    case col::kEndTime:
        onEndTimePickerLeft();
        break;
    default:
        break;
    }
}

void NumbersTab::onStartDateChanged() {
    PickerEditPending = true;
    m_sheet.numbersGrid->viewport()->update();
}

void NumbersTab::PickerExit(int col) {
    const int row = m_sheet.numbersGrid->currentRow();
    if (row < 1)
        return;
    m_cells.SetCell(col, row, m_pickers.CellText(col).toStdString());
}

void NumbersTab::onStartDatePickerLeft() {
    PickerExit(col::kStartDate);
    // The value is in the cell now; nothing is left for a paint to copy.
    PickerEditPending = false;
    m_sheet.startDatePicker->hide();
}

void NumbersTab::onStartTimePickerLeft() {
    PickerExit(col::kStartTime);
}

void NumbersTab::onEndDatePickerLeft() {
    PickerExit(col::kEndDate);
}

void NumbersTab::onEndTimePickerLeft() {
    PickerExit(col::kEndTime);
}

void NumbersTab::Tell(const std::string& text) {
    ShowMessage(m_sheet.window, QString::fromStdString(text));
}
