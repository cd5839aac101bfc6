#include "ExchangeFiles.h"

#include "RememberedPlaces.h"
#include "Workbook.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// The program's own dialogs: the toolkit's, the same on every platform, and
// never asking before a file is replaced.
QString ShowFileDialog(QWidget* parent, const FileRequest& request) {
    QFileDialog dialog(parent);
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
    const bool save = request.mode == FileRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    TRememberedPlaces remembered;
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

QString DialogStartFolder(const FileRequest& request, const TRememberedPlaces& remembered) {
    const QString last = request.dialog.isEmpty() ? QString() : remembered.Folder(request.dialog);
    return !last.isEmpty() && QDir(last).exists() ? last : request.folder;
}

void RememberDialogFolder(const FileRequest& request, const QString& chosen,
                          TRememberedPlaces& remembered) {
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
        filters.append(parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')'));
    }
    return filters;
}

QString TimestampedName(const QString& prefix, const QDateTime& at) {
    return prefix + at.toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss"));
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes, QString* failure) {
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    *failure = file.errorString();
    return false;
}
