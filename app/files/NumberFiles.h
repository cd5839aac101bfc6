#pragma once
// The number list's files: "Export .XLS" writes the grid to a workbook with
// every cell as text, "Import .XLS" reads one back all or nothing, "Export
// .CSV" writes comma-separated lines into the configuration folder. None
// talks to the device.

#include "app/sheets/numbers/NumbersTab.h"
#include "app/widgets/GridCells.h"
#include "app/window/Reporting.h"

#include <QObject>
#include <QString>

class NumberFiles : public QObject {
    Q_OBJECT

public:
    // Connects the three buttons.
    NumberFiles(const NumbersSheet& sheet, const Reporting& reporting, QObject* parent = nullptr);

    void onExportNumbersXlsClicked();
    void onImportNumbersClicked();
    void onExportNumbersCsvClicked();

    // The file written, or empty when nothing was (cancelled or failed).
    QString ExportNumberListXls();
    // Whether the grid was loaded; a refused file leaves it as it was.
    bool ImportNumberListXls();
    // The file written, or empty when it could not be (the user was told why).
    QString ExportNumberListCsv();

private:
    void Tell(const QString& text);

    NumbersSheet m_sheet;
    Reporting m_reporting;
    GridCells m_cells;
};
