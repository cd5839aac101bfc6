#pragma once
// Settings profiles: "Export profile" writes the settings grid and its six
// lists to a workbook, "Import profile" loads one back into them. Neither
// talks to the device.

#include "GridCells.h"
#include "SettingsSheet.h"

#include <QObject>
#include <QString>

class TForm1;

class Tcustomstringgrid_basis : public QObject {
    Q_OBJECT

public:
    // Owned by the settings grid; connects the two profile buttons.
    explicit Tcustomstringgrid_basis(TForm1& form);

    void btn17Click(); // export
    void btn16Click(); // import

    // The file written, or empty when nothing was (cancelled or failed).
    QString ExportProfile();
    // Whether the grid and lists were loaded; a refused file changes neither.
    bool ImportProfile();

private:
    void ReportRow(int percent, const char* status);
    void Tell(const QString& text);

    TForm1& m_form;
    TGridCells m_cells;
    TComboLists m_lists;
};
