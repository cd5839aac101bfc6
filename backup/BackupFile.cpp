#include "BackupFile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace gsm::backup {
namespace {

QString CrcText(const Page& page) {
    return QStringLiteral("%1").arg(Crc32(page.data(), page.size()), 8, 16, QLatin1Char('0'));
}

QJsonArray AreaJson(const Pages& pages) {
    QJsonArray out;
    for (std::size_t i = 0; i < pages.size(); ++i)
        out.append(QJsonObject{{"page", static_cast<int>(i) + 1},
                               {"crc32", CrcText(pages[i])},
                               {"hex", QString::fromStdString(HexOf(pages[i]))}});
    return out;
}

// The pages of one area, or why they cannot be taken.
std::optional<Pages> ReadArea(Area area, const QJsonArray& list, QString& error) {
    const QString name = QString::fromLatin1(AreaName(area));
    if (list.size() != PageCount(area)) {
        error = QStringLiteral("%1 holds %2 pages, not %3")
                    .arg(name)
                    .arg(list.size())
                    .arg(PageCount(area));
        return std::nullopt;
    }
    Pages pages(list.size());
    for (qsizetype i = 0; i < list.size(); ++i) {
        const QJsonObject entry = list.at(i).toObject();
        const int number = static_cast<int>(i) + 1;
        if (entry.value("page").toInt() != number) {
            error = QStringLiteral("%1 page %2 is out of order").arg(name).arg(number);
            return std::nullopt;
        }
        Page& page = pages[static_cast<std::size_t>(i)];
        if (!PageFromHex(entry.value("hex").toString().toStdString(), page)) {
            error = QStringLiteral("%1 page %2 is not 256 bytes of hex").arg(name).arg(number);
            return std::nullopt;
        }
        if (entry.value("crc32").toString().toLower() != CrcText(page)) {
            error = QStringLiteral("%1 page %2 does not match its checksum").arg(name).arg(number);
            return std::nullopt;
        }
    }
    return pages;
}

QJsonObject WriteJson(const WriteRecord& write) {
    QJsonObject left;
    for (const auto& [area, digests] : write.left) {
        QJsonArray list;
        for (const QByteArray& digest : digests)
            list.append(QString::fromLatin1(digest));
        left.insert(QString::fromLatin1(AreaName(area)), list);
    }
    return QJsonObject{{"command", write.command},
                       {"usbSerial", write.usbSerial},
                       {"simNumber", write.simNumber},
                       {"left", left}};
}

bool IsDigest(const QString& text) {
    static constexpr qsizetype kHexDigits = 64;
    if (text.size() != kHexDigits)
        return false;
    return std::all_of(text.begin(), text.end(), [](QChar c) {
        return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('f'));
    });
}

std::optional<WriteRecord> ReadWrite(const QJsonObject& json, QString& error) {
    WriteRecord write;
    write.command = json.value("command").toString();
    write.usbSerial = json.value("usbSerial").toString();
    write.simNumber = json.value("simNumber").toString();
    const QJsonObject left = json.value("left").toObject();
    for (const Area area : kAreas) {
        const QString name = QString::fromLatin1(AreaName(area));
        if (!left.contains(name))
            continue;
        const QJsonArray list = left.value(name).toArray();
        if (list.size() != PageCount(area)) {
            error = QStringLiteral("the write record holds %1 %2 digests, not %3")
                        .arg(list.size())
                        .arg(name)
                        .arg(PageCount(area));
            return std::nullopt;
        }
        std::vector<QByteArray> digests;
        for (const QJsonValue& value : list) {
            if (!IsDigest(value.toString())) {
                error = QStringLiteral("the write record holds a %1 digest that is no SHA-256")
                            .arg(name);
                return std::nullopt;
            }
            digests.push_back(value.toString().toLatin1());
        }
        write.left.emplace(area, std::move(digests));
    }
    if (write.left.empty()) {
        error = QStringLiteral("the write record says nothing of what the write left");
        return std::nullopt;
    }
    return write;
}

} // namespace

std::vector<QByteArray> PageDigests(const Pages& pages) {
    std::vector<QByteArray> digests;
    digests.reserve(pages.size());
    for (const Page& page : pages)
        digests.push_back(QCryptographicHash::hash(QByteArrayView(page.data(), page.size()),
                                                   QCryptographicHash::Sha256)
                              .toHex());
    return digests;
}

QByteArray WriteBackup(const Backup& backup) {
    QJsonObject areas;
    for (const auto& [area, pages] : backup.areas)
        areas.insert(QString::fromLatin1(AreaName(area)), AreaJson(pages));
    QJsonObject root{{"format", QString::fromLatin1(kBackupFormat)},
                     {"version", kBackupVersion},
                     {"created", backup.created},
                     {"program", backup.program},
                     {"port", backup.port},
                     {"simNumber", backup.simNumber},
                     {"areas", areas}};
    if (backup.write)
        root.insert("write", WriteJson(*backup.write));
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

BackupRead ReadBackup(const QByteArray& json) {
    QJsonParseError parseError{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !doc.isObject())
        return {std::nullopt, QStringLiteral("not a backup file (no JSON object)")};
    const QJsonObject root = doc.object();
    if (root.value("format").toString() != QLatin1String(kBackupFormat))
        return {std::nullopt, QStringLiteral("not a backup file of this program")};
    if (root.value("version").toInt() != kBackupVersion)
        return {std::nullopt, QStringLiteral("backup version %1 is not supported")
                                  .arg(root.value("version").toVariant().toString())};
    Backup backup;
    backup.created = root.value("created").toString();
    backup.program = root.value("program").toString();
    backup.port = root.value("port").toString();
    backup.simNumber = root.value("simNumber").toString();
    const QJsonObject areas = root.value("areas").toObject();
    for (const Area area : kAreas) {
        const QString name = QString::fromLatin1(AreaName(area));
        if (!areas.contains(name))
            continue;
        QString error;
        std::optional<Pages> pages = ReadArea(area, areas.value(name).toArray(), error);
        if (!pages)
            return {std::nullopt, error};
        backup.areas.emplace(area, std::move(*pages));
    }
    if (backup.areas.empty())
        return {std::nullopt, QStringLiteral("the backup holds no pages")};
    if (root.contains("write")) {
        QString error;
        backup.write = ReadWrite(root.value("write").toObject(), error);
        if (!backup.write)
            return {std::nullopt, error};
    }
    return {std::move(backup), {}};
}

} // namespace gsm::backup
