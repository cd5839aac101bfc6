#pragma once
// The Historical Data sheet: "Read data" copies the device's event log into
// the history grid, "Filter" narrows it to a period in order, "Export.CSV"
// writes it out, and the hidden clear button empties it.

#include "GridCells.h"
#include "HistoryFilter.h"
#include "HistoryRead.h"
#include "Receiver.h"
#include "Reporting.h"

#include <QObject>
#include <QString>

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
    HistoryTab(const HistorySheet& sheet, const Reporting& reporting, gsm::DeviceLink& link,
               gsm::THistoryInf& history, QObject* parent = nullptr);
    // The receive path hands history read replies to this sheet.
    void AttachTo(gsm::PageHandlers& handlers);

    void btn19Click();
    void btn20Click();
    void btn18Click();
    void btn2Click();

    // For the receive path: a history page has arrived in the command object.
    void DecodeHistoryPage(const gsm::ReplyPage& page);

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
    gsm::DeviceLink& m_link;
    GridCells m_cells;
    gsm::history::HistoryReader m_reader;
};
