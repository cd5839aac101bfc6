#pragma once
// The Historical Data sheet: "Read data" copies the device's event log into
// the history grid, "Filter" narrows it to a period in order, "Export.CSV"
// writes it out, and the hidden clear button empties it.

#include "app/widgets/GridCells.h"
#include "app/window/Reporting.h"
#include "history/HistoryFilter.h"
#include "history/HistoryRead.h"
#include "protocol/DeviceClient.h"

#include <QObject>
#include <QString>

class DeviceReporter;
class QDateEdit;
class QPushButton;
class QTimeEdit;
class QWidget;
class StringGrid;

// The controls of the Historical Data sheet, owned by the window.
struct HistorySheet {
    QWidget* pageControl; // repainted after the grid is cleared or loaded
    StringGrid* historyGrid;
    QPushButton* readHistoryButton;      // Read data
    QPushButton* filterButton;           // Filter
    QPushButton* exportHistoryCsvButton; // Export.CSV
    QPushButton* exportHistoryXlsButton; // Export.XLS
    QPushButton* clearHistoryButton;     // clear, never shown
    QPushButton* loadHistoryButton;      // load, never shown
    QDateEdit* historyStartDatePicker;
    QTimeEdit* historyStartTimePicker;
    QDateEdit* historyEndDatePicker;
    QTimeEdit* historyEndTimePicker;
};

class HistoryTab : public QObject {
    Q_OBJECT

public:
    HistoryTab(const HistorySheet& sheet, const Reporting& reporting, gsm::DeviceClient& client,
               DeviceReporter& reporter, QObject* parent = nullptr);

    void onReadHistoryClicked();
    void onFilterClicked();
    void onExportHistoryCsvClicked();
    void onClearHistoryClicked();

    // Reads all 500 pages into the grid, then closes the gaps.
    void StartRead();
    // A history page has come from the device.
    void DecodeHistoryPage(int page, const gsm::Page& bytes);

    // The period the four pickers show.
    gsm::history::HistoryPeriod PickedPeriod() const;
    void FilterHistory();
    // The path written, or empty when the file could not be written (the
    // user has been told why).
    QString ExportHistoryCsv();

private:
    void ConnectButtons();
    void StyleGrid();

    HistorySheet m_sheet;
    Reporting m_reporting;
    gsm::DeviceClient& m_client;
    DeviceReporter& m_reporter;
    GridCells m_cells;
};
