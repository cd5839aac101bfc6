#include "ProfileExchange.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "MessageBoxes.h"
#include "SettingsProfile.h"
#include "SheetGrid.h"
#include "StringGrid.h"
#include "Unit1.h"
#include "Workbook.h"

#include <QPushButton>

namespace settings = gsm::settings;

Tcustomstringgrid_basis::Tcustomstringgrid_basis(TForm1& form)
    : QObject(form.strngrd_write), m_form(form), m_cells(*form.strngrd_write),
      m_lists(SettingsSheetOf(form).lists) {
    connect(form.btn17, &QPushButton::clicked, this, &Tcustomstringgrid_basis::btn17Click);
    connect(form.btn16, &QPushButton::clicked, this, &Tcustomstringgrid_basis::btn16Click);
}

void Tcustomstringgrid_basis::btn17Click() {
    ExportProfile();
}

void Tcustomstringgrid_basis::btn16Click() {
    ImportProfile();
}

QString Tcustomstringgrid_basis::ExportProfile() {
    gsm::Workbook book;
    book.Add();
    const FileRequest request{FileRequest::Mode::Save, ConfigurationFolder(),
                              QString::fromLatin1(kSaveWorkbookFilter),
                              TimestampedName(QString::fromLatin1(settings::kProfilePrefix)) +
                                  QString::fromLatin1(kWorkbookExtension),
                              QStringLiteral("profileExport")};
    gsm::SetColumnWidths(book, settings::kProfileColumnWidths);
    const QString path = ChooseFile(&m_form, request);
    if (path.isEmpty())
        return {};

    gsm::TableGrid sheet(settings::kColCount, settings::kRowCount);
    settings::WriteProfile(m_cells, m_lists, sheet, [this](int, int percent) {
        ReportRow(percent, settings::kSaveProfileStatus);
    });
    gsm::WriteSheet(book, sheet, settings::kColCount, settings::kRowCount, false);
    if (!book.SaveAs(path)) {
        Tell(book.LastError());
        return {};
    }
    ShowFirstSaveNotice(*m_form.statusbar_ctrl, path);
    return path;
}

bool Tcustomstringgrid_basis::ImportProfile() {
    const FileRequest request{FileRequest::Mode::Open,
                              ConfigurationFolder(),
                              QString::fromLatin1(kOpenWorkbookFilter),
                              {},
                              QStringLiteral("profileImport")};
    const QString path = ChooseFile(&m_form, request);
    if (path.isEmpty())
        return false;
    gsm::Workbook book;
    if (!book.Open(path)) {
        Tell(book.LastError());
        return false;
    }
    const gsm::TableGrid sheet = SheetValues(book, settings::kColCount, settings::kRowCount);
    const settings::ProfileLoad load = settings::LoadProfile(
        book.Text(1, 1).toStdString(), sheet, m_cells, m_lists,
        [this](int, int percent) { ReportRow(percent, settings::kLoadProfileStatus); });
    if (!load.loaded)
        Tell(QString::fromStdString(load.message));
    return load.loaded;
}

void Tcustomstringgrid_basis::ReportRow(int percent, const char* status) {
    m_form.progressbar_ctrl->SetProgress(static_cast<quint16>(percent));
    m_form.statusbar_ctrl->ShowStatus(QString::fromLatin1(status));
}

void Tcustomstringgrid_basis::Tell(const QString& text) {
    ShowMessage(&m_form, text);
}
