#pragma once
// The Historical Data sheet: "Read data" copies the device's event log into
// the history grid, "Filter" narrows it to a period in order, "Export.CSV"
// writes it out, and the hidden clear button empties it.

#include "DeviceClient.h"
#include "GridCells.h"
#include "HistoryFilter.h"
#include "HistoryRead.h"
#include "Reporting.h"

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
    QWidget* pgc1; // repainted after the grid is cleared or loaded
    StringGrid* strngrd4;
    QPushButton* btn19; // Read data
    QPushButton* btn20; // Filter
    QPushButton* btn18; // Export.CSV
    QPushButton* btn13; // Export.XLS
    QPushButton* btn2;  // clear, never shown
    QPushButton* btn5;  // load, never shown
    QDateEdit* dtp1;
    QTimeEdit* dtp2;
    QDateEdit* dtp3;
    QTimeEdit* dtp4;
};

class HistoryTab : public QObject {
    Q_OBJECT

public:
    HistoryTab(const HistorySheet& sheet, const Reporting& reporting, gsm::DeviceClient& client,
               DeviceReporter& reporter, QObject* parent = nullptr);

    void btn19Click();
    void btn20Click();
    void btn18Click();
    void btn2Click();

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
