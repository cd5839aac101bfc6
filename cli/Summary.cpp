#include "Summary.h"

#include "ChangeReport.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <array>

namespace gsm::cli {

namespace {

QString Seconds(qint64 ms) {
    return QString::number(static_cast<double>(ms) / 1000.0, 'f', 2) + QStringLiteral(" s");
}

// A write that found the device already holding the file says so.
QString ResultText(const JobResult& r) {
    if (!r.ok)
        return QCoreApplication::translate("Summary", "FAILED: %1").arg(ShownMessage(r));
    return r.planned && !r.changed ? QCoreApplication::translate("Summary", "ok, unchanged")
                                   : QCoreApplication::translate("Summary", "ok");
}

// Columns a text takes on a terminal: CJK characters take two.
qsizetype Columns(const QString& text) {
    qsizetype columns = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

} // namespace

QString SummaryTable(const std::vector<JobResult>& results) {
    //: Headers of the summary table the tool prints after its devices
    const std::array<QString, 6> header = {QCoreApplication::translate("Summary", "PORT"),
                                           QCoreApplication::translate("Summary", "SIM NUMBER"),
                                           QCoreApplication::translate("Summary", "OPERATION"),
                                           QCoreApplication::translate("Summary", "PAGES"),
                                           QCoreApplication::translate("Summary", "TIME"),
                                           QCoreApplication::translate("Summary", "RESULT")};
    std::vector<std::array<QString, 6>> rows;
    for (const JobResult& r : results)
        rows.push_back({r.port, r.simNumber.isEmpty() ? QStringLiteral("-") : r.simNumber,
                        r.operation, QString::number(r.pages), Seconds(r.ms), ResultText(r)});
    std::array<qsizetype, 6> widths{};
    for (std::size_t c = 0; c < header.size(); ++c) {
        widths[c] = Columns(header[c]);
        for (const auto& row : rows)
            widths[c] = std::max(widths[c], Columns(row[c]));
    }
    const auto line = [&](const std::array<QString, 6>& cells) {
        QString text;
        for (std::size_t c = 0; c < cells.size(); ++c)
            text += c + 1 < cells.size()
                        ? cells[c] + QString(widths[c] - Columns(cells[c]) + 2, QLatin1Char(' '))
                        : cells[c];
        return text + QLatin1Char('\n');
    };
    QString table = line(header);
    for (const auto& row : rows)
        table += line(row);
    return table;
}

QByteArray SummaryJson(const std::vector<JobResult>& results, int exitCode) {
    QJsonArray devices;
    for (const JobResult& r : results) {
        QJsonObject device{{"port", r.port},           {"simNumber", r.simNumber},
                           {"operation", r.operation}, {"pages", r.pages},
                           {"milliseconds", r.ms},     {"ok", r.ok},
                           {"message", r.message},     {"backup", r.backup}};
        // Whether the device was found to differ from what was to be written.
        if (r.planned) {
            device.insert("changed", r.changed);
            device.insert("changes", ChangesJson(r.changes));
        }
        devices.append(device);
    }
    return QJsonDocument(QJsonObject{{"devices", devices}, {"exitCode", exitCode}})
        .toJson(QJsonDocument::Indented);
}

int ExitCodeOf(const std::vector<JobResult>& results) {
    const bool allOk =
        std::all_of(results.begin(), results.end(), [](const JobResult& r) { return r.ok; });
    return allOk && !results.empty() ? 0 : 1;
}

} // namespace gsm::cli
