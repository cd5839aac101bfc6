#include "WriteFailure.h"

#include <cerrno>
#include <cstring>

namespace gsm::files {

QString WriteFailureText(int error) {
    switch (error) {
    case ENOSPC:
        return QStringLiteral("no space left on the device");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case EROFS:
        return QStringLiteral("the file system is read-only");
    case EIO:
        return QStringLiteral("input/output error on the device");
    case ENOENT:
        return QStringLiteral("the folder does not exist");
    case ENOTDIR:
        return QStringLiteral("a part of the path is not a folder");
    case EISDIR:
        return QStringLiteral("it is a folder");
    case EEXIST:
        return QStringLiteral("a file of that name exists already");
    case ENAMETOOLONG:
        return QStringLiteral("the name is too long");
    case EFBIG:
        return QStringLiteral("the file is too large for the file system");
    case ELOOP:
        return QStringLiteral("too many symbolic links");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("the file is busy");
    case EPIPE:
        return QStringLiteral("the reading end was closed");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace gsm::files
