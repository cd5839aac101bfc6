#include "ExchangeFiles.h"
#include "ConfigurationFolder.h"
#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"
#include "app/window/MessageBoxes.h"
#include "files/FileWrite.h"

#include "protocol/LocalTime.h"
#include "text/Csv.h"

#include "app/window/RememberedPlaces.h"
#include "l10n/Composed.h"
#include "spreadsheet/Workbook.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The program's own dialogs: the toolkit's, the same on every platform, and
// never asking before a file is replaced.
QString ShowFileDialog(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    RememberedPlaces remembered;
    const QString folder = DialogStartFolder(request, remembered);
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    if (!request.filter.isEmpty())
        dialog.setNameFilters(NameFilters(request.filter));
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    const QString path = dialog.selectedFiles().value(0);
    RememberDialogFolder(request, path, remembered);
    return path;
}

FileChooser& CurrentChooser() {
    static FileChooser chooser = ShowFileDialog;
    return chooser;
}

} // namespace

QString DialogStartFolder(const FileRequest& request, const RememberedPlaces& remembered) {
    const QString last = request.dialog.isEmpty() ? QString() : remembered.Folder(request.dialog);
    return !last.isEmpty() && QDir(last).exists() ? last : request.folder;
}

void RememberDialogFolder(const FileRequest& request, const QString& chosen,
                          RememberedPlaces& remembered) {
    if (!request.dialog.isEmpty() && !chosen.isEmpty())
        remembered.SetFolder(request.dialog, QFileInfo(chosen).absolutePath());
}

QString ChooseFile(QWidget* parent, const FileRequest& request) {
    return CurrentChooser()(parent, request);
}

FileChooser InstallFileChooser(FileChooser chooser) {
    FileChooser previous = std::move(CurrentChooser());
    CurrentChooser() = std::move(chooser);
    return previous;
}

QStringList NameFilters(const QString& filter) {
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns)
            if (pattern == QStringLiteral("*.*"))
                pattern = QStringLiteral("*");
        const QString description =
            QCoreApplication::translate("Files", parts.at(i).toUtf8().constData());
        filters.append(description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

QString TimestampedName(const char* prefix) {
    return QString::fromStdString(gsm::TimestampedName(prefix, gsm::LocalNow()));
}

QString ExportWorkbook(QWidget* parent, StatusDisplay& status, const WorkbookExport& job) {
    gsm::Workbook book;
    // The widths are set before the dialog, as the sheet is prepared.
    gsm::files::StartWorkbook(book, *job.shape);
    const QString path = ChooseFile(parent, job.request);
    if (path.isEmpty())
        return {};
    if (job.prepare)
        job.prepare();
    QString failure;
    const bool saved =
        gsm::files::SaveGrid(book, *job.grid, *job.shape, path, &failure, job.rowDone);
    if (job.clearStatusWhenWritten)
        status.ShowStatus(QString());
    if (!saved) {
        ShowMessage(parent, failure);
        return {};
    }
    ShowFirstSaveNotice(status, path);
    return path;
}

QString ChooseFileToImport(QWidget* parent, const QString& dialog) {
    return ChooseFile(parent, FileRequest{FileRequest::Mode::Open,
                                          ConfigurationFolder(),
                                          QString::fromLatin1(kOpenWorkbookFilter),
                                          {},
                                          dialog});
}

QString SaveInConfigurationFolder(QWidget* parent, StatusDisplay& status, const QString& name,
                                  const QByteArray& bytes) {
    const QString folder = ConfigurationFolder();
    const QString path = QDir(folder).filePath(name);
    QString failure =
        QCoreApplication::translate("Files", "The configuration folder cannot be created.");
    if (!folder.isEmpty() && gsm::files::WriteWholeFile(path, bytes, &failure)) {
        ShowFirstSaveNotice(status, path);
        return path;
    }
    ShowMessage(parent,
                QCoreApplication::translate("Files", kFileCreateError)
                    .arg(QDir::toNativeSeparators(path), gsm::l10n::ShownComposed(failure)));
    return {};
}
