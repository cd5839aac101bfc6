#pragma once
// The Number List sheet: the grid of 1000 authorized numbers with its Read
// and Save buttons, the pickers that edit validity periods, the Always and
// Delete marks, and the painting that shows marks as check boxes and
// impossible dates and times in green.

#include "NumberPickers.h"
#include "app/widgets/GridCells.h"
#include "protocol/DeviceClient.h"

#include <QObject>
#include <QStyle>

class QDateEdit;
class QPainter;
class QPixmap;
class QPushButton;
class QStyleOptionViewItem;
class QTimeEdit;
class QWidget;
class BackedUpWrite;
class DeviceReporter;
class StringGrid;

// The controls of the sheet, owned by the window.
struct NumbersSheet {
    QWidget* window;      // parent of the message boxes
    QWidget* pageControl; // repainted after the list is cleared
    StringGrid* numbersGrid;
    QPushButton* readNumbersButton;      // Read
    QPushButton* saveNumbersButton;      // Save
    QPushButton* allAlwaysButton;        // All Always
    QPushButton* deleteAllNumbersButton; // Delete all
    QPushButton* clearNumbersButton;     // clear, never shown
    QPushButton* importNumbersButton;    // Import .XLS
    QPushButton* exportNumbersXlsButton; // Export .XLS
    QPushButton* exportNumbersCsvButton; // Export .CSV
    QDateEdit* startDatePicker;
    QTimeEdit* startTimePicker;
    QDateEdit* endDatePicker;
    QTimeEdit* endTimePicker;
    const QPixmap* UncheckedBoxImage;
    const QPixmap* CheckedBoxImage;
};

// How a save names itself in its backup.
inline constexpr const char* kSaveNumbersCommand = "Save";

// Background of a period cell whose date or time cannot be right.
inline const QColor kMoneyGreen{0xC0, 0xDC, 0xC0};

class NumbersTab : public QObject {
    Q_OBJECT

public:
    NumbersTab(const NumbersSheet& sheet, gsm::DeviceClient& client, DeviceReporter& reporter,
               BackedUpWrite& write, QObject* parent = nullptr);

    // Start-up: headers, serials and unset marks; the grid's painting,
    // selection and clicks, the buttons and the pickers are connected.
    void FillNumberGrid();
    void onReadNumbersClicked();
    void onSaveNumbersClicked();
    void onAllAlwaysClicked();
    void onDeleteAllNumbersClicked();
    void onClearNumbersClicked();

    // Reads all 125 pages into the grid; the user has confirmed.
    void StartRead();
    // Checks the list and encodes every page before the first is sent.
    // False, after telling the user why, when nothing was sent.
    bool StartSave();
    // Every page the device holds, shown as a read shows them, without its
    // progress: the device took them by other means than a read.
    void ShowDevicePages(const gsm::Pages& pages);

    void onNumbersCellSelected(int col, int row);
    void onNumbersGridClicked();
    void drawNumbersCell(QPainter& painter, const QStyleOptionViewItem& option, int col, int row);

    void onStartDateChanged();
    void onStartDatePickerLeft();
    void onStartTimePickerLeft();
    void onEndDatePickerLeft();
    void onEndTimePickerLeft();

    // Set when the user changes the start-date picker; the next paint of its
    // cell copies the picker's value into the cell.
    bool PickerEditPending = false;
    // What "All Always" and "Delete all" did last.
    bool AllAlwaysState = false;
    bool DeleteAllState = false;

    gsm::IGrid& Cells() { return m_cells; }
    NumberPickers& Pickers() { return m_pickers; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ConnectControls();
    void KeepTypingToTheNumberColumn();
    void CurrentCellChanged(int row, int col);
    void PickerExit(int col);
    int PickerColumn(const QObject* watched) const;
    static bool LeavesPicker(Qt::FocusReason reason);
    void RunExitHandler(int col);
    void HandlePickers(int col, const QRect& rect, QStyle::State state);
    void SendPickersBehindWhenCellLeavesView();
    QRect CellInPickerParent(const QRect& viewportRect) const;
    bool CurrentRowTakesPeriod() const;
    void Tell(const std::string& text);

    NumbersSheet m_sheet;
    GridCells m_cells;
    NumberPickers m_pickers;
    gsm::DeviceClient& m_client;
    DeviceReporter& m_reporter;
    BackedUpWrite& m_write;
    // A mouse button is down on the grid: the current cell moves with the
    // press, and the click that follows is what toggles a mark.
    bool m_mouseDown = false;
    const QObject* m_gridViewport = nullptr;
};
