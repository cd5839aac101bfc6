#include "Tcustomstringgrid_basis.h"

#include "CodePage.h"
#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "MessageBoxes.h"
#include "ProfileFile.h"
#include "SettingsProfile.h"
#include "StringGrid.h"

#include <QPushButton>

namespace settings = gsm::settings;

Tcustomstringgrid_basis::Tcustomstringgrid_basis(const SettingsSheet& sheet,
                                                 const Reporting& reporting)
    : QObject(sheet.strngrd_write), m_sheet(sheet), m_reporting(reporting),
      m_cells(*sheet.strngrd_write), m_lists(sheet.lists) {
    connect(sheet.btn17, &QPushButton::clicked, this, &Tcustomstringgrid_basis::btn17Click);
    connect(sheet.btn16, &QPushButton::clicked, this, &Tcustomstringgrid_basis::btn16Click);
}

void Tcustomstringgrid_basis::btn17Click() {
    ExportProfile();
}

void Tcustomstringgrid_basis::btn16Click() {
    ImportProfile();
}

QString Tcustomstringgrid_basis::ExportProfile() {
    gsm::TableGrid sheet(settings::kColCount, settings::kRowCount);
    WorkbookExport job{FileRequest{FileRequest::Mode::Save, ConfigurationFolder(),
                                   QString::fromLatin1(kSaveWorkbookFilter),
                                   TimestampedName(settings::kProfilePrefix) +
                                       QString::fromLatin1(kWorkbookExtension),
                                   QStringLiteral("profileExport")},
                       &gsm::files::ProfileShape()};
    job.prepare = [this, &sheet] {
        sheet = gsm::files::ProfileSheetOf(m_cells, m_lists, [this](int, int percent) {
            ReportRow(percent, settings::kSaveProfileStatus);
        });
    };
    job.grid = &sheet;
    return ExportWorkbook(m_reporting.window, *m_reporting.status, job);
}

bool Tcustomstringgrid_basis::ImportProfile() {
    const QString path = ChooseFileToImport(m_reporting.window, QStringLiteral("profileImport"));
    if (path.isEmpty())
        return false;
    const settings::ProfileLoad load = gsm::files::LoadProfileFile(
        path, m_cells, m_lists, gsm::SystemCodePageInstance(),
        [this](int, int percent) { ReportRow(percent, settings::kLoadProfileStatus); });
    if (!load.loaded)
        Tell(QString::fromStdString(load.message));
    return load.loaded;
}

void Tcustomstringgrid_basis::ReportRow(int percent, const char* status) {
    m_reporting.progress->SetProgress(static_cast<quint16>(percent));
    m_reporting.status->ShowStatus(QString::fromLatin1(status));
}

void Tcustomstringgrid_basis::Tell(const QString& text) {
    ShowMessage(m_reporting.window, text);
}
