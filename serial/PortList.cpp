#include "PortList.h"

#include "announce/AnnouncementFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSerialPortInfo>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

QString PortEntry::Details() const {
    QStringList parts;
    if (!description.isEmpty())
        parts.append(description);
    if (IsUsb())
        parts.append(QStringLiteral("USB %1").arg(usbId));
    return parts.join(QStringLiteral(", "));
}

namespace {
QString UsbId(const QSerialPortInfo& info) {
    if (!info.hasVendorIdentifier() || !info.hasProductIdentifier())
        return {};
    return QStringLiteral("%1:%2")
        .arg(info.vendorIdentifier(), 4, 16, QLatin1Char('0'))
        .arg(info.productIdentifier(), 4, 16, QLatin1Char('0'));
}
} // namespace

QList<PortEntry> PortList::ListPortEntries() const {
    QList<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts())
        ports.append({info.systemLocation(), info.description(), UsbId(info)});
    ports = UsbFirst(std::move(ports));
    for (const QString& announced : AnnouncedPorts())
        ports.append({announced, QStringLiteral("Simulated device"), {}});
    return ports;
}

QString PortList::UsbSerialNumber(const QString& port) {
#ifdef Q_OS_LINUX
    // Listing every port walks all of /sys/class/tty, tens of milliseconds
    // that a write would wait for; the port's own device node says it all.
    const QString canonical = QFileInfo(port).canonicalFilePath();
    if (canonical.isEmpty())
        return {};
    const QString device = QFileInfo(QStringLiteral("/sys/class/tty/") +
                                     QFileInfo(canonical).fileName() + QStringLiteral("/device"))
                               .canonicalFilePath();
    // Pseudo-terminals (the simulator) and built-in ports have no USB device above them.
    for (QDir dir(device);
         !device.isEmpty() && dir.path().startsWith(QLatin1String("/sys/devices/")); dir.cdUp()) {
        if (!QFileInfo::exists(dir.filePath(QStringLiteral("idVendor"))))
            continue;
        QFile serial(dir.filePath(QStringLiteral("serial")));
        if (!serial.open(QIODevice::ReadOnly))
            return {};
        return QString::fromLatin1(serial.readLine(128)).trimmed();
    }
    return {};
#else
    const QFileInfo given(port);
    const QString target = given.exists() ? given.canonicalFilePath() : port;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QFileInfo location(info.systemLocation());
        const bool same = location.exists()
                              ? location.canonicalFilePath() == target
                              : info.portName().compare(port, Qt::CaseInsensitive) == 0;
        if (same && !UsbId(info).isEmpty())
            return info.serialNumber();
    }
    return {};
#endif
}

QList<PortEntry> PortList::UsbFirst(QList<PortEntry> ports) {
    std::stable_partition(ports.begin(), ports.end(),
                          [](const PortEntry& port) { return port.IsUsb(); });
    return ports;
}

QStringList PortList::ListPorts() const {
    QStringList paths;
    for (const PortEntry& port : ListPortEntries())
        paths.append(port.path);
    return paths;
}

QString PortList::AnnouncementDir() {
    return gsm::AnnouncementFolder();
}

QString PortList::AnnouncementProblem() {
    return gsm::AnnouncementFolderProblem(AnnouncementDir());
}

QStringList PortList::AnnouncedPorts() {
    if (!AnnouncementProblem().isEmpty())
        return {};
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
