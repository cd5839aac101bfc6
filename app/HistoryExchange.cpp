#include "HistoryExchange.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "GridCells.h"
#include "HistoryCsv.h"
#include "HistoryGrid.h"
#include "MessageBoxes.h"
#include "PageTabs.h"
#include "SheetGrid.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "Workbook.h"

#include <QPushButton>

namespace history = gsm::history;

namespace {

constexpr const char* kExportStatus = "historical information records:";

} // namespace

Tcustomstringgrid_his::Tcustomstringgrid_his(TForm1& form) : QObject(form.strngrd4), m_form(form) {
    connect(form.btn13, &QPushButton::clicked, this, &Tcustomstringgrid_his::btn13Click);
    connect(form.btn5, &QPushButton::clicked, this, &Tcustomstringgrid_his::btn5Click);
}

void Tcustomstringgrid_his::btn13Click() {
    ExportHistoryXls();
}

void Tcustomstringgrid_his::btn5Click() {
    LoadHistoryXls();
}

QString Tcustomstringgrid_his::ExportHistoryXls() {
    Tprogressbar_ctrl progress(*m_form.pb1);
    gsm::Workbook book;
    book.Add();
    const FileRequest request{FileRequest::Mode::Save, ConfigurationFolder(),
                              QString::fromLatin1(kSaveWorkbookFilter),
                              TimestampedName(QString::fromLatin1(history::kXlsFilePrefix)) +
                                  QString::fromLatin1(kWorkbookExtension),
                              QStringLiteral("historyExport")};
    // The widths are set before the dialog, as the sheet is prepared.
    gsm::SetColumnWidths(book, history::kXlsColumnWidths);
    const QString path = ChooseFile(&m_form, request);
    if (path.isEmpty())
        return {};

    const TGridCells cells(*m_form.strngrd4);
    const int lastRow = cells.RowCount() - 1;
    gsm::WriteSheet(book, cells, history::kColumns, lastRow + 1, true, [&](int r) {
        if (r > 0)
            progress.SetProgress(static_cast<quint16>(r * 100 / lastRow));
        m_form.statusbar_ctrl->ShowStatus(QStringLiteral("%1%2/%3").arg(
            QString::fromLatin1(kExportStatus), QString::number(r), QString::number(lastRow)));
    });
    if (!book.SaveAs(path)) {
        ShowMessage(&m_form, book.LastError());
        return {};
    }
    ShowFirstSaveNotice(*m_form.statusbar_ctrl, path);
    return path;
}

bool Tcustomstringgrid_his::LoadHistoryXls() {
    const QString path = ChooseFile(
        &m_form, FileRequest{FileRequest::Mode::Open, {}, {}, {}, QStringLiteral("historyLoad")});
    if (path.isEmpty())
        return false;
    gsm::Workbook book;
    if (!book.Open(path)) {
        ShowMessage(&m_form, book.LastError());
        return false;
    }
    TStringGrid& grid = *m_form.strngrd4;
    for (int r = 1; r <= history::kRecordRows; ++r)
        for (int c = history::col::kFirstRecord; c <= history::col::kLastRecord; ++c)
            grid.SetCells(c, r, book.Value(r + 1, c + 1));
    m_form.pgc1->update();
    return true;
}
