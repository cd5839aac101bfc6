#pragma once
// The history as a workbook: "Export.XLS" writes the grid with every cell as
// text; the hidden "load" button reads such a workbook back into the grid.

#include <QObject>
#include <QString>

class TForm1;

class Tcustomstringgrid_his : public QObject {
    Q_OBJECT

public:
    // Owned by the history grid; connects the export and the hidden load button.
    explicit Tcustomstringgrid_his(TForm1& form);

    void btn13Click();
    void btn5Click();

    // The file written, or empty when nothing was (cancelled or failed).
    QString ExportHistoryXls();
    // Whether a workbook was read into the grid; an unreadable one changes nothing.
    bool LoadHistoryXls();

private:
    TForm1& m_form;
};
