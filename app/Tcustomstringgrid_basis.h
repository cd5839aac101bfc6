#pragma once
// Settings profiles: "Export profile" writes the settings grid and its six
// lists to a workbook, "Import profile" loads one back into them. Neither
// talks to the device.

#include "GridCells.h"
#include "Reporting.h"
#include "SettingsSheet.h"

#include <QObject>
#include <QString>

class Tcustomstringgrid_basis : public QObject {
    Q_OBJECT

public:
    // Owned by the settings grid; connects the two profile buttons.
    Tcustomstringgrid_basis(const SettingsSheet& sheet, const Reporting& reporting);

    void btn17Click(); // export
    void btn16Click(); // import

    // The file written, or empty when nothing was (cancelled or failed).
    QString ExportProfile();
    // Whether the grid and lists were loaded; a refused file changes neither.
    bool ImportProfile();

private:
    void ReportRow(int percent, const char* status);
    void Tell(const QString& text);

    SettingsSheet m_sheet;
    Reporting m_reporting;
    GridCells m_cells;
    ComboLists m_lists;
};
