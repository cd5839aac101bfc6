#include "ConfigurationFolder.h"

#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"
#include "files/PrivateFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFolderName = QStringLiteral("configuration");

// The configuration folder below `parent`, made when missing (the owner's
// alone: exported profiles hold the device password); empty when it cannot
// be made or written to.
QString UsableFolderBelow(const QString& parent) {
    if (parent.isEmpty())
        return {};
    const QString path = QDir(parent).filePath(kFolderName);
    if (QString failure; !gsm::files::MakePrivateFolder(path, &failure))
        return {};
    const QFileInfo info(path);
    return info.isDir() && info.isWritable() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

QString UserDataFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
}

} // namespace

bool IsSystemProgramFolder(const QString& folder) {
    const QString path = QDir::cleanPath(QDir(folder).absolutePath()) + QLatin1Char('/');
    for (const char* system : {"/usr/", "/bin/", "/sbin/", "/opt/", "/snap/"})
        if (path.startsWith(QLatin1String(system)))
            return true;
    return false;
}

QString ConfigurationFolderIn(const QString& programFolder, const QString& userDataFolder) {
    const QString beside =
        IsSystemProgramFolder(programFolder) ? QString() : UsableFolderBelow(programFolder);
    return beside.isEmpty() ? UsableFolderBelow(userDataFolder) : beside;
}

QString ConfigurationFolder() {
    return ConfigurationFolderIn(QCoreApplication::applicationDirPath(), UserDataFolder());
}

QString SaveNotice::After(const QString& path, bool configurationIsUsers) {
    if (m_told || !configurationIsUsers)
        return {};
    m_told = true;
    //: Status bar text after the first file saved in the user's configuration folder
    return QCoreApplication::translate("Files", "Saved to %1")
        .arg(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
}

QString FirstSaveNotice(const QString& path) {
    static SaveNotice notice;
    const QString folder = ConfigurationFolder();
    const QString users = QDir(UserDataFolder()).filePath(kFolderName);
    return notice.After(path, !folder.isEmpty() && folder == QDir::cleanPath(users));
}

void ShowFirstSaveNotice(StatusDisplay& status, const QString& path) {
    if (const QString notice = FirstSaveNotice(path); !notice.isEmpty())
        status.ShowStatus(notice);
}
