#include "ProfileFiles.h"
#include "l10n/Shown.h"

#include "ConfigurationFolder.h"
#include "ExchangeFiles.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MessageBoxes.h"
#include "files/ProfileFile.h"
#include "settings/SettingsProfile.h"
#include "text/CodePage.h"

#include <QPushButton>

namespace settings = gsm::settings;

ProfileFiles::ProfileFiles(const SettingsSheet& sheet, const Reporting& reporting)
    : QObject(sheet.settingsGrid), m_sheet(sheet), m_reporting(reporting),
      m_cells(*sheet.settingsGrid), m_lists(sheet.lists) {
    connect(sheet.exportProfileButton, &QPushButton::clicked, this,
            &ProfileFiles::onExportProfileClicked);
    connect(sheet.importProfileButton, &QPushButton::clicked, this,
            &ProfileFiles::onImportProfileClicked);
}

void ProfileFiles::onExportProfileClicked() {
    ExportProfile();
}

void ProfileFiles::onImportProfileClicked() {
    ImportProfile();
}

QString ProfileFiles::ExportProfile() {
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

bool ProfileFiles::ImportProfile() {
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

void ProfileFiles::ReportRow(int percent, const char* status) {
    m_reporting.progress->SetProgress(static_cast<quint16>(percent));
    m_reporting.status->ShowStatus(gsm::l10n::Shown("StatusTexts", status));
}

void ProfileFiles::Tell(const QString& text) {
    ShowMessage(m_reporting.window, text);
}
