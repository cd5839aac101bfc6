#include "Trecognitionserial.h"

#include <QDir>
#include <QFileInfo>
#include <QSerialPortInfo>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QStringList Trecognitionserial::ListPorts() const {
    QStringList ports;
    const QList<QSerialPortInfo> systemPorts = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : systemPorts)
        ports.append(info.systemLocation());
    ports.append(AnnouncedPorts());
    return ports;
}

QString Trecognitionserial::AnnouncementDir() {
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty())
        return QDir::cleanPath(runtimeDir + QStringLiteral("/gsmgate"));
#ifdef Q_OS_UNIX
    return QStringLiteral("/tmp/gsmgate-%1").arg(::getuid());
#else
    return QDir::cleanPath(QDir::tempPath() + QStringLiteral("/gsmgate"));
#endif
}

QStringList Trecognitionserial::AnnouncedPorts() {
    // QDir::System keeps symlinks whose target is gone in the listing, so
    // they can be told apart from live ones below.
    const QDir dir(AnnouncementDir());
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    QStringList ports;
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink() && entry.exists())
            ports.append(entry.absoluteFilePath());
    }
    return ports;
}
