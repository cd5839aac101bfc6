#include "Tcustomstringgrid_his.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "GridCells.h"
#include "HistoryCsv.h"
#include "HistoryGrid.h"
#include "MessageBoxes.h"
#include "PageControl.h"
#include "SheetShape.h"
#include "StringGrid.h"
#include "Workbook.h"

#include <QPushButton>

#include <array>

namespace history = gsm::history;

namespace {

constexpr const char* kExportStatus = "historical information records:";

} // namespace

Tcustomstringgrid_his::Tcustomstringgrid_his(const HistorySheet& sheet, const Reporting& reporting)
    : QObject(sheet.strngrd4), m_sheet(sheet), m_reporting(reporting) {
    connect(sheet.btn13, &QPushButton::clicked, this, &Tcustomstringgrid_his::btn13Click);
    connect(sheet.btn5, &QPushButton::clicked, this, &Tcustomstringgrid_his::btn5Click);
}

void Tcustomstringgrid_his::btn13Click() {
    ExportHistoryXls();
}

void Tcustomstringgrid_his::btn5Click() {
    LoadHistoryXls();
}

QString Tcustomstringgrid_his::ExportHistoryXls() {
    Tprogressbar_ctrl progress(*m_reporting.progressBar);
    const GridCells cells(*m_sheet.strngrd4);
    const int lastRow = cells.RowCount() - 1;
    WorkbookExport job{FileRequest{FileRequest::Mode::Save, ConfigurationFolder(),
                                   QString::fromLatin1(kSaveWorkbookFilter),
                                   TimestampedName(history::kXlsFilePrefix) +
                                       QString::fromLatin1(kWorkbookExtension),
                                   QStringLiteral("historyExport")},
                       &gsm::files::HistoryShape()};
    job.grid = &cells;
    job.rowDone = [this, &progress, lastRow](int r) {
        if (r > 0)
            progress.SetProgress(static_cast<quint16>(r * 100 / lastRow));
        m_reporting.status->ShowStatus(QStringLiteral("%1%2/%3").arg(
            QString::fromLatin1(kExportStatus), QString::number(r), QString::number(lastRow)));
    };
    return ExportWorkbook(m_reporting.window, *m_reporting.status, job);
}

bool Tcustomstringgrid_his::LoadHistoryXls() {
    const QString path =
        ChooseFile(m_reporting.window,
                   FileRequest{FileRequest::Mode::Open, {}, {}, {}, QStringLiteral("historyLoad")});
    if (path.isEmpty())
        return false;
    gsm::Workbook book;
    if (!book.Open(path, gsm::files::BoundsOf(gsm::files::HistoryShape()))) {
        ShowMessage(m_reporting.window, book.LastError());
        return false;
    }
    StringGrid& grid = *m_sheet.strngrd4;
    for (int r = 1; r <= history::kRecordRows; ++r)
        for (int c = history::col::kFirstRecord; c <= history::col::kLastRecord; ++c)
            grid.SetCells(c, r, book.Value(r + 1, c + 1));
    m_sheet.pgc1->update();
    return true;
}
