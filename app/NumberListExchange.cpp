#include "NumberListExchange.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "MessageBoxes.h"
#include "NumberGrid.h"
#include "NumberListFiles.h"
#include "PageControl.h"
#include "SheetGrid.h"
#include "StringGrid.h"
#include "Workbook.h"

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
                       {numbers::kXlsColumnWidths.begin(), numbers::kXlsColumnWidths.end()},
                       numbers::kColumnCount,
                       numbers::kEntryCount + 1,
                       true};
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
    gsm::Workbook book;
    if (!ChooseAndOpenWorkbook(m_sheet.window, QStringLiteral("numberListImport"), book))
        return false;
    const gsm::TableGrid values = SheetValues(book, numbers::kColumnCount, numbers::kRowCount);
    const gsm::TableGrid shown = SheetTexts(book, numbers::kColumnCount, numbers::kRowCount);
    const numbers::ListSheet sheet{values, shown};
    const numbers::ImportResult imported = numbers::CheckedImport(
        sheet, m_cells, *m_reporting.sink,
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
    std::string text;
    {
        Tprogressbar_ctrl progress(*m_reporting.progressBar);
        text = gsm::JoinCsvLines(numbers::NumberListCsvLines(
            m_cells, *m_reporting.sink,
            [&progress](std::uint16_t percent) { progress.SetProgress(percent); }));
    }
    return SaveInConfigurationFolder(m_sheet.window, *m_reporting.status, name,
                                     QByteArray::fromStdString(text));
}

void NumberListExchange::Tell(const QString& text) {
    ShowMessage(m_sheet.window, text);
}
