#include "AutomaticBackups.h"

#include "files/FileWrite.h"
#include "files/PrivateFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace gsm::backup {

namespace {

// A backup of every area with its write record is under 1 MiB; a bigger
// file in the folder is no backup of ours and is not read.
constexpr qint64 kLargestBackup = 4 * 1024 * 1024;
// Two programs, or two ports of the same name, may take a name in the same
// millisecond: the next one is tried.
constexpr int kNameAttempts = 100;

QString BackupName(const Backup& backup, const QString& taker, const QString& stamp, int attempt) {
    const QString command = QString(taker).replace(QLatin1Char(' '), QLatin1Char('-'));
    const QString distinct = attempt > 1 ? QStringLiteral("-%1").arg(attempt) : QString();
    return stamp + QLatin1Char('_') + QFileInfo(backup.port).fileName() + QLatin1Char('_') +
           command + distinct + QStringLiteral(".json");
}

QString PortPath(const QString& port) {
    const QFileInfo info(port);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

std::optional<Backup> ReadAutomaticBackup(const QFileInfo& file) {
    if (!file.isFile() || file.size() > kLargestBackup)
        return std::nullopt;
    QFile in(file.filePath());
    if (!in.open(QIODevice::ReadOnly))
        return std::nullopt;
    BackupRead read = ReadBackup(in.read(kLargestBackup));
    if (!read.backup || !read.backup->write)
        return std::nullopt;
    return std::move(read.backup);
}

} // namespace

QString DefaultBackupFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return QDir(data).filePath(QStringLiteral("gsmgate/configuration/backup"));
}

QString SaveAutomaticBackup(const Backup& backup, const QString& folder, const QString& command,
                            QString* failure) {
    const QString absolute = QDir(folder).absolutePath();
    if (!files::MakePrivateFolder(absolute, failure))
        return {};
    const QString stamp =
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_hh-mm-ss-zzz"));
    const QByteArray bytes = WriteBackup(backup);
    for (int attempt = 1; attempt <= kNameAttempts; ++attempt) {
        const QString path = QDir(absolute).filePath(BackupName(backup, command, stamp, attempt));
        if (QFileInfo::exists(path))
            continue;
        QString why;
        if (files::WriteWholeFile(path, bytes, &why, files::Existing::Keep))
            return path;
        // Taken between the look and the write: try the next name.
        if (!QFileInfo::exists(path)) {
            *failure = QStringLiteral("%1: %2").arg(path, why);
            return {};
        }
    }
    *failure = QStringLiteral("every backup name is taken");
    return {};
}

bool SamePort(const QString& a, const QString& b) {
    if (a == b)
        return true;
    // COM3 and com3 are one port on Windows; paths are compared as files.
    if (!a.contains(QLatin1Char('/')) && !b.contains(QLatin1Char('/')))
        return a.compare(b, Qt::CaseInsensitive) == 0;
    return PortPath(a) == PortPath(b);
}

std::optional<FoundBackup> NewestAutomaticBackup(const QString& folder, const QString& port) {
    std::optional<FoundBackup> newest;
    const QFileInfoList files =
        QDir(folder).entryInfoList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    for (const QFileInfo& file : files) {
        std::optional<Backup> backup = ReadAutomaticBackup(file);
        if (!backup || !SamePort(backup->port, port))
            continue;
        // Names sort by their time stamp; "created" decides between programs
        // whose clocks or names differ.
        if (!newest || backup->created >= newest->backup.created)
            newest = FoundBackup{file.filePath(), std::move(*backup)};
    }
    return newest;
}

QString UndoRefusal(const Backup& backup, const DeviceNow& now) {
    if (!backup.write)
        return QStringLiteral("the backup records no write to undo");
    const WriteRecord& write = *backup.write;
    if (!write.usbSerial.isEmpty() && !now.usbSerial.isEmpty() && write.usbSerial != now.usbSerial)
        return QStringLiteral("this is another device: the write went through adapter %1, "
                              "this port is adapter %2")
            .arg(write.usbSerial, now.usbSerial);
    if (write.simNumber != now.simNumber)
        return QStringLiteral("this is another device: the write left SIM number \"%1\", the "
                              "device holds \"%2\"")
            .arg(write.simNumber, now.simNumber);
    for (const auto& [area, left] : write.left) {
        const auto read = now.areas.find(area);
        if (read == now.areas.end())
            return QStringLiteral("the %1 were not read").arg(QString::fromLatin1(AreaName(area)));
        const std::vector<QByteArray> digests = PageDigests(read->second);
        std::vector<int> changed;
        for (std::size_t i = 0; i < left.size(); ++i)
            if (i >= digests.size() || digests[i] != left[i])
                changed.push_back(static_cast<int>(i) + 1);
        if (!changed.empty())
            return QStringLiteral("the device has changed since that write: %1 %2 %3 from what "
                                  "it left")
                .arg(QString::fromLatin1(AreaName(area)),
                     (changed.size() == 1 ? QStringLiteral("page ") : QStringLiteral("pages ")) +
                         QString::fromStdString(PageRanges(changed)),
                     changed.size() == 1 ? QStringLiteral("differs") : QStringLiteral("differ"));
    }
    return {};
}

} // namespace gsm::backup
