#pragma once
// The Historical Data sheet: "Read data" copies the device's event log into
// the history grid, "Filter" narrows it to a period in order, "Export.CSV"
// writes it out, and the hidden clear button empties it.

#include "GridCells.h"
#include "HistoryFilter.h"
#include "HistoryRead.h"

#include <QObject>
#include <QString>

class TForm1;

class THistoryTab : public QObject {
    Q_OBJECT

public:
    // Attaches the page decoder to the window's receive path and the sheet's buttons.
    explicit THistoryTab(TForm1& form);

    void btn19Click();
    void btn20Click();
    void btn18Click();
    void btn2Click();

    // For the receive path: a history page has arrived in the command object.
    void DecodeHistoryPage();

    // The period the four pickers show.
    gsm::history::HistoryPeriod PickedPeriod() const;
    void FilterHistory();
    // The path written, or empty when the file could not be written (the
    // user has been told why).
    QString ExportHistoryCsv();

private:
    void ConnectButtons();
    void StyleGrid();

    TForm1& m_form;
    TGridCells m_cells;
    gsm::history::HistoryReader m_reader;
};
