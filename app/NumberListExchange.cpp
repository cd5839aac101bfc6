#include "NumberListExchange.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "MessageBoxes.h"
#include "NumberGrid.h"
#include "NumberListFiles.h"
#include "PageTabs.h"
#include "SheetGrid.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "Workbook.h"

#include <QDir>
#include <QPushButton>

namespace numbers = gsm::numbers;

TNumberListFiles::TNumberListFiles(TForm1& form)
    : QObject(&form), m_form(form), m_cells(*form.strngrd3) {
    connect(form.btn15, &QPushButton::clicked, this, &TNumberListFiles::btn15Click);
    connect(form.btn14, &QPushButton::clicked, this, &TNumberListFiles::btn14Click);
    connect(form.btn3, &QPushButton::clicked, this, &TNumberListFiles::btn3Click);
}

void TNumberListFiles::btn15Click() {
    ExportNumberListXls();
}

void TNumberListFiles::btn14Click() {
    ImportNumberListXls();
}

void TNumberListFiles::btn3Click() {
    ExportNumberListCsv();
}

QString TNumberListFiles::ExportNumberListXls() {
    Tprogressbar_ctrl progress(*m_form.pb1);
    gsm::Workbook book;
    book.Add();
    const FileRequest request{FileRequest::Mode::Save, ConfigurationFolder(),
                              QString::fromLatin1(kSaveWorkbookFilter),
                              TimestampedName(QString::fromLatin1(numbers::kXlsFilePrefix)) +
                                  QString::fromLatin1(kWorkbookExtension),
                              QStringLiteral("numberListExport")};
    // The widths are set before the dialog, as the sheet is prepared.
    gsm::SetColumnWidths(book, numbers::kXlsColumnWidths);
    const QString path = ChooseFile(&m_form, request);
    if (path.isEmpty())
        return {};

    gsm::WriteSheet(book, m_cells, numbers::kColumnCount, numbers::kRowCount, true, [&](int r) {
        if (r == 0)
            return;
        progress.SetProgress(static_cast<quint16>(r * 100 / numbers::kEntryCount));
        m_form.statusbar_ctrl->ShowStatus(QStringLiteral("%1%2/%3").arg(
            QString::fromLatin1(numbers::kSaveStatus), QString::number(r),
            QString::number(numbers::kEntryCount)));
    });
    const bool saved = book.SaveAs(path);
    m_form.statusbar_ctrl->ShowStatus(QString());
    if (!saved) {
        Tell(book.LastError());
        return {};
    }
    ShowFirstSaveNotice(*m_form.statusbar_ctrl, path);
    return path;
}

bool TNumberListFiles::ImportNumberListXls() {
    Tprogressbar_ctrl progress(*m_form.pb1);
    const FileRequest request{FileRequest::Mode::Open,
                              ConfigurationFolder(),
                              QString::fromLatin1(kOpenWorkbookFilter),
                              {},
                              QStringLiteral("numberListImport")};
    const QString path = ChooseFile(&m_form, request);
    if (path.isEmpty())
        return false;
    gsm::Workbook book;
    if (!book.Open(path)) {
        Tell(book.LastError());
        return false;
    }
    const gsm::TableGrid values = SheetValues(book, numbers::kColumnCount, numbers::kRowCount);
    const gsm::TableGrid shown = SheetTexts(book, numbers::kColumnCount, numbers::kRowCount);
    const numbers::ListSheet sheet{values, shown};
    if (!numbers::IsNumberListSheet(sheet)) {
        Tell(QString::fromLatin1(numbers::kWrongListFormat));
        return false;
    }
    const std::vector<int> wrongRows = numbers::WrongImportRows(sheet);
    if (!wrongRows.empty()) {
        Tell(QString::fromStdString(numbers::WrongRowsMessage(wrongRows)));
        return false;
    }
    numbers::ImportNumberList(
        sheet, m_cells, m_form.Link->status,
        [&progress](std::uint16_t percent) { progress.SetProgress(percent); });
    m_form.pgc1->update();
    return true;
}

QString TNumberListFiles::ExportNumberListCsv() {
    const QString name = TimestampedName(QString::fromLatin1(numbers::kCsvFilePrefix));
    std::string text;
    {
        Tprogressbar_ctrl progress(*m_form.pb1);
        text = numbers::JoinCsvLines(numbers::NumberListCsvLines(
            m_cells, m_form.Link->status,
            [&progress](std::uint16_t percent) { progress.SetProgress(percent); }));
    }
    const QString folder = ConfigurationFolder();
    const QString path = QDir(folder).filePath(name);
    QString failure = QStringLiteral("The configuration folder cannot be created.");
    if (!folder.isEmpty() && WriteWholeFile(path, QByteArray::fromStdString(text), &failure)) {
        ShowFirstSaveNotice(*m_form.statusbar_ctrl, path);
        return path;
    }
    Tell(QString::fromLatin1(kFileCreateError).arg(QDir::toNativeSeparators(path), failure));
    return {};
}

void TNumberListFiles::Tell(const QString& text) {
    ShowMessage(&m_form, text);
}
