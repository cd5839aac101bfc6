#include "ConfigurationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFolderName = QStringLiteral("configuration");

// The configuration folder below `parent`, made when missing; empty when it
// cannot be made or written to.
QString UsableFolderBelow(const QString& parent) {
    if (parent.isEmpty())
        return {};
    const QString path = QDir(parent).filePath(kFolderName);
    if (!QDir().mkpath(path))
        return {};
    const QFileInfo info(path);
    return info.isDir() && info.isWritable() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

} // namespace

QString ConfigurationFolderIn(const QString& programFolder, const QString& userDataFolder) {
    const QString beside = UsableFolderBelow(programFolder);
    return beside.isEmpty() ? UsableFolderBelow(userDataFolder) : beside;
}

QString ConfigurationFolder() {
    return ConfigurationFolderIn(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation));
}
