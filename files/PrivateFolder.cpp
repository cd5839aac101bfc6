#include "PrivateFolder.h"

#include "WriteFailure.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace gsm::files {

namespace {
constexpr mode_t kOwnerOnlyFolder = 0700;
constexpr mode_t kOwnerOnlyFile = 0600;
} // namespace

bool MakePrivateFolder(const QString& path, QString* failure) {
    const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QString prefix;
    for (const QString& part : absolute.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        prefix += QLatin1Char('/') + part;
        const QByteArray name = QFile::encodeName(prefix);
        if (::mkdir(name.constData(), kOwnerOnlyFolder) == 0) {
            // The umask may have taken bits off, never added any: set it whole.
            if (::chmod(name.constData(), kOwnerOnlyFolder) == 0)
                continue;
        } else if (errno == EEXIST) {
            if (QFileInfo(prefix).isDir())
                continue;
            errno = ENOTDIR;
        }
        *failure = QStringLiteral("cannot create %1: %2").arg(prefix, WriteFailureText(errno));
        return false;
    }
    return true;
}

bool OpenPrivateStream(QFile& file, const QString& path, QString* failure) {
    const int fd = ::open(QFile::encodeName(path).constData(),
                          O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY, kOwnerOnlyFile);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 ||
        (S_ISREG(info.st_mode) && ::fchmod(fd, kOwnerOnlyFile) != 0)) {
        *failure = WriteFailureText(errno);
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    if (file.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle))
        return true;
    *failure = file.errorString();
    ::close(fd);
    return false;
}

} // namespace gsm::files
