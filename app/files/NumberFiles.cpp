#include "NumberFiles.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MessageBoxes.h"
#include "files/NumberListFile.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberListFiles.h"

#include "l10n/Shown.h"
#include <QDir>
#include <QPushButton>

namespace numbers = gsm::numbers;

NumberFiles::NumberFiles(const NumbersSheet& sheet, const Reporting& reporting, QObject* parent)
    : QObject(parent), m_sheet(sheet), m_reporting(reporting), m_cells(*sheet.numbersGrid) {
    connect(sheet.exportNumbersXlsButton, &QPushButton::clicked, this,
            &NumberFiles::onExportNumbersXlsClicked);
    connect(sheet.importNumbersButton, &QPushButton::clicked, this,
            &NumberFiles::onImportNumbersClicked);
    connect(sheet.exportNumbersCsvButton, &QPushButton::clicked, this,
            &NumberFiles::onExportNumbersCsvClicked);
}

void NumberFiles::onExportNumbersXlsClicked() {
    ExportNumberListXls();
}

void NumberFiles::onImportNumbersClicked() {
    ImportNumberListXls();
}

void NumberFiles::onExportNumbersCsvClicked() {
    ExportNumberListCsv();
}

QString NumberFiles::ExportNumberListXls() {
    ProgressDisplay progress(*m_reporting.progressBar);
    WorkbookExport job{FileRequest{FileRequest::Mode::Save, ConfigurationFolder(),
                                   QString::fromLatin1(kSaveWorkbookFilter),
                                   TimestampedName(numbers::kXlsFilePrefix) +
                                       QString::fromLatin1(kWorkbookExtension),
                                   QStringLiteral("numberListExport")},
                       &gsm::files::NumberListShape()};
    job.grid = &m_cells;
    job.rowDone = [this, &progress](int r) {
        if (r == 0)
            return;
        progress.SetProgress(static_cast<quint16>(r * 100 / numbers::kEntryCount));
        m_reporting.status->ShowStatus(QStringLiteral("%1%2/%3").arg(
            gsm::l10n::Shown("StatusTexts", numbers::kSaveStatus), QString::number(r),
            QString::number(numbers::kEntryCount)));
    };
    job.clearStatusWhenWritten = true;
    return ExportWorkbook(m_sheet.window, *m_reporting.status, job);
}

bool NumberFiles::ImportNumberListXls() {
    ProgressDisplay progress(*m_reporting.progressBar);
    const QString path = ChooseFileToImport(m_sheet.window, QStringLiteral("numberListImport"));
    if (path.isEmpty())
        return false;
    const numbers::ImportResult imported = gsm::files::ImportNumberListFile(
        path, m_cells, *m_reporting.sink,
        [&progress](std::uint16_t percent) { progress.SetProgress(percent); });
    if (imported.refusal) {
        Tell(QString::fromStdString(*imported.refusal));
        return false;
    }
    m_sheet.pageControl->update();
    return true;
}

QString NumberFiles::ExportNumberListCsv() {
    const QString name = TimestampedName(numbers::kCsvFilePrefix);
    QByteArray text;
    {
        ProgressDisplay progress(*m_reporting.progressBar);
        text = gsm::files::NumberListCsv(
            m_cells, *m_reporting.sink,
            [&progress](std::uint16_t percent) { progress.SetProgress(percent); });
    }
    return SaveInConfigurationFolder(m_sheet.window, *m_reporting.status, name, text);
}

void NumberFiles::Tell(const QString& text) {
    ShowMessage(m_sheet.window, text);
}
