#include "HistoryFiles.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "app/widgets/GridCells.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MessageBoxes.h"
#include "files/SheetShape.h"
#include "history/HistoryCsv.h"
#include "history/HistoryGrid.h"
#include "spreadsheet/Workbook.h"

#include <QPushButton>

#include "l10n/Shown.h"

#include <array>

namespace history = gsm::history;

namespace {

constexpr const char* kExportStatus =
    QT_TRANSLATE_NOOP("StatusTexts", "historical information records:");

} // namespace

HistoryFiles::HistoryFiles(const HistorySheet& sheet, const Reporting& reporting)
    : QObject(sheet.historyGrid), m_sheet(sheet), m_reporting(reporting) {
    connect(sheet.exportHistoryXlsButton, &QPushButton::clicked, this,
            &HistoryFiles::onExportHistoryXlsClicked);
    connect(sheet.loadHistoryButton, &QPushButton::clicked, this,
            &HistoryFiles::onLoadHistoryClicked);
}

void HistoryFiles::onExportHistoryXlsClicked() {
    ExportHistoryXls();
}

void HistoryFiles::onLoadHistoryClicked() {
    LoadHistoryXls();
}

QString HistoryFiles::ExportHistoryXls() {
    ProgressDisplay progress(*m_reporting.progressBar);
    const GridCells cells(*m_sheet.historyGrid);
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
        m_reporting.status->ShowStatus(
            QStringLiteral("%1%2/%3").arg(gsm::l10n::Shown("StatusTexts", kExportStatus),
                                          QString::number(r), QString::number(lastRow)));
    };
    return ExportWorkbook(m_reporting.window, *m_reporting.status, job);
}

bool HistoryFiles::LoadHistoryXls() {
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
    StringGrid& grid = *m_sheet.historyGrid;
    for (int r = 1; r <= history::kRecordRows; ++r)
        for (int c = history::col::kFirstRecord; c <= history::col::kLastRecord; ++c)
            grid.SetCells(c, r, book.Value(r + 1, c + 1));
    m_sheet.pageControl->update();
    return true;
}
