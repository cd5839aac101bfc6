#include "NumberListExchange.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "MessageBoxes.h"
#include "NumberGrid.h"
#include "NumberListFile.h"
#include "NumberListFiles.h"
#include "PageControl.h"
#include "StringGrid.h"

#include <QDir>
#include <QPushButton>

namespace numbers = gsm::numbers;

NumberListExchange::NumberListExchange(const NumbersSheet& sheet, const Reporting& reporting,
                                       QObject* parent)
    : QObject(parent), m_sheet(sheet), m_reporting(reporting), m_cells(*sheet.strngrd3) {
    connect(sheet.btn15, &QPushButton::clicked, this, &NumberListExchange::btn15Click);
    connect(sheet.btn14, &QPushButton::clicked, this, &NumberListExchange::btn14Click);
    connect(sheet.btn3, &QPushButton::clicked, this, &NumberListExchange::btn3Click);
}

void NumberListExchange::btn15Click() {
    ExportNumberListXls();
}

void NumberListExchange::btn14Click() {
    ImportNumberListXls();
}

void NumberListExchange::btn3Click() {
    ExportNumberListCsv();
}

QString NumberListExchange::ExportNumberListXls() {
    Tprogressbar_ctrl progress(*m_reporting.progressBar);
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
            QString::fromLatin1(numbers::kSaveStatus), QString::number(r),
            QString::number(numbers::kEntryCount)));
    };
    job.clearStatusWhenWritten = true;
    return ExportWorkbook(m_sheet.window, *m_reporting.status, job);
}

bool NumberListExchange::ImportNumberListXls() {
    Tprogressbar_ctrl progress(*m_reporting.progressBar);
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
    m_sheet.pgc1->update();
    return true;
}

QString NumberListExchange::ExportNumberListCsv() {
    const QString name = TimestampedName(numbers::kCsvFilePrefix);
    QByteArray text;
    {
        Tprogressbar_ctrl progress(*m_reporting.progressBar);
        text = gsm::files::NumberListCsv(
            m_cells, *m_reporting.sink,
            [&progress](std::uint16_t percent) { progress.SetProgress(percent); });
    }
    return SaveInConfigurationFolder(m_sheet.window, *m_reporting.status, name, text);
}

void NumberListExchange::Tell(const QString& text) {
    ShowMessage(m_sheet.window, text);
}
