#pragma once
// The history as a workbook: "Export.XLS" writes the grid with every cell as
// text; the hidden "load" button reads such a workbook back into the grid.

#include "app/sheets/history/HistoryTab.h"
#include "app/window/Reporting.h"

#include <QObject>
#include <QString>

class HistoryFiles : public QObject {
    Q_OBJECT

public:
    // Owned by the history grid; connects the export and the hidden load button.
    HistoryFiles(const HistorySheet& sheet, const Reporting& reporting);

    void onExportHistoryXlsClicked();
    void onLoadHistoryClicked();

    // The file written, or empty when nothing was (cancelled or failed).
    QString ExportHistoryXls();
    // Whether a workbook was read into the grid; an unreadable one changes nothing.
    bool LoadHistoryXls();

private:
    HistorySheet m_sheet;
    Reporting m_reporting;
};
