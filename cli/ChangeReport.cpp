#include "ChangeReport.h"

#include <QCoreApplication>

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
            text += QCoreApplication::translate("ChangeReport", "%1: failed: %2")
                        .arg(r.port, ShownMessage(r)) +
                    QLatin1Char('\n');
            continue;
        }
        if (!r.changed) {
            text += QCoreApplication::translate("ChangeReport", "%1: unchanged").arg(r.port) +
                    QLatin1Char('\n');
            continue;
        }
        text += QCoreApplication::translate("ChangeReport", "%1: %2 changes")
                    .arg(r.port)
                    .arg(r.changes.size()) +
                QLatin1Char('\n');
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
