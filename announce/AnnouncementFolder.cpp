#include "AnnouncementFolder.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace gsm {

QString AnnouncementFolder() {
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        return QDir::cleanPath(runtimeDir + QStringLiteral("/gsmgate"));
#ifdef Q_OS_UNIX
    return QStringLiteral("/tmp/gsmgate-%1").arg(::getuid());
#else
    return QDir::cleanPath(QDir::tempPath() + QStringLiteral("/gsmgate"));
#endif
}

QString AnnouncementFolderProblem(const QString& folder) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::lstat(QFile::encodeName(folder).constData(), &info) != 0)
        return errno == ENOENT ? QString() : QStringLiteral("%1 cannot be read").arg(folder);
    if (!S_ISDIR(info.st_mode))
        return QStringLiteral("%1 is not a folder").arg(folder);
    if (info.st_uid != ::geteuid())
        return QStringLiteral("%1 belongs to another user").arg(folder);
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0)
        return QStringLiteral("%1 can be written by other users").arg(folder);
#else
    Q_UNUSED(folder);
#endif
    return {};
}

} // namespace gsm
