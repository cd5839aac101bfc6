#pragma once
// Settings profiles: "Export profile" writes the settings grid and its six
// lists to a workbook, "Import profile" loads one back into them. Neither
// talks to the device.

#include "app/sheets/settings/SettingsSheet.h"
#include "app/widgets/GridCells.h"
#include "app/window/Reporting.h"

#include <QObject>
#include <QString>

class ProfileFiles : public QObject {
    Q_OBJECT

public:
    // Owned by the settings grid; connects the two profile buttons.
    ProfileFiles(const SettingsSheet& sheet, const Reporting& reporting);

    void onExportProfileClicked(); // export
    void onImportProfileClicked(); // import

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
