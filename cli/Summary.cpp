#include "Summary.h"

#include "ChangeReport.h"

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
        return QStringLiteral("FAILED: ") + r.message;
    return r.planned && !r.changed ? QStringLiteral("ok, unchanged") : QStringLiteral("ok");
}

} // namespace

QString SummaryTable(const std::vector<JobResult>& results) {
    const std::array<QString, 6> header = {"PORT",  "SIM NUMBER", "OPERATION",
                                           "PAGES", "TIME",       "RESULT"};
    std::vector<std::array<QString, 6>> rows;
    for (const JobResult& r : results)
        rows.push_back({r.port, r.simNumber.isEmpty() ? QStringLiteral("-") : r.simNumber,
                        r.operation, QString::number(r.pages), Seconds(r.ms), ResultText(r)});
    std::array<qsizetype, 6> widths{};
    for (std::size_t c = 0; c < header.size(); ++c) {
        widths[c] = header[c].size();
        for (const auto& row : rows)
            widths[c] = std::max(widths[c], row[c].size());
    }
    const auto line = [&](const std::array<QString, 6>& cells) {
        QString text;
        for (std::size_t c = 0; c < cells.size(); ++c)
            text += c + 1 < cells.size() ? cells[c].leftJustified(widths[c]) + QStringLiteral("  ")
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
