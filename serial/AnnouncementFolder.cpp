#include "AnnouncementFolder.h"

#include <QDir>

#ifdef Q_OS_UNIX
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

} // namespace gsm
