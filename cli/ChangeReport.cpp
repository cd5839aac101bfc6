#include "ChangeReport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace gsm::cli {

namespace {

QJsonValue Text(const std::optional<std::string>& text) {
    return text ? QJsonValue(QString::fromStdString(*text)) : QJsonValue(QJsonValue::Null);
}

QJsonObject ChangeObject(const changes::Change& c) {
    QJsonObject out{{"area", QString::fromLatin1(AreaName(c.area))}};
    if (c.area == Area::Numbers) {
        out.insert("slot", c.slot);
        out.insert("change", QString::fromStdString(c.kind));
    } else {
        out.insert("item", QString::fromStdString(c.item));
    }
    out.insert("from", Text(c.from));
    out.insert("to", Text(c.to));
    return out;
}

} // namespace

QJsonArray ChangesJson(const std::vector<changes::Change>& changes) {
    QJsonArray list;
    for (const changes::Change& c : changes)
        list.append(ChangeObject(c));
    return list;
}

QString ChangeText(const std::vector<JobResult>& results) {
    QString text;
    for (const JobResult& r : results) {
        if (!r.ok) {
            text += QStringLiteral("%1: failed: %2\n").arg(r.port, r.message);
            continue;
        }
        if (!r.changed) {
            text += QStringLiteral("%1: unchanged\n").arg(r.port);
            continue;
        }
        text += QStringLiteral("%1: %2 changes\n").arg(r.port).arg(r.changes.size());
        for (const changes::Change& c : r.changes)
            text += QStringLiteral("  %1\n").arg(QString::fromStdString(changes::ChangeLine(c)));
    }
    return text;
}

QByteArray ChangeJson(const std::vector<JobResult>& results) {
    QJsonArray devices;
    for (const JobResult& r : results) {
        QJsonObject device{{"port", r.port},
                           {"result", r.ok ? QStringLiteral("ok") : QStringLiteral("failed")},
                           {"changed", r.changed}};
        device.insert("changes", ChangesJson(r.changes));
        if (!r.ok)
            device.insert("message", r.message);
        devices.append(device);
    }
    return QJsonDocument(QJsonObject{{"devices", devices}}).toJson(QJsonDocument::Indented);
}

} // namespace gsm::cli
