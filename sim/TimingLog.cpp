#include "TimingLog.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <stdexcept>

namespace gsm::sim {

namespace {

QString HexNumber(std::uint32_t value, int digits) {
    return "0x" + QString("%1").arg(value, digits, 16, QChar('0')).toUpper();
}

} // namespace

TimingLog::TimingLog(const QString& path) : m_file(path) {
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error(
            ("cannot write timing " + path + ": " + m_file.errorString()).toStdString());
}

void TimingLog::Record(const ExchangeTiming& exchange) {
    QJsonObject line;
    line["request"] = static_cast<qint64>(exchange.request);
    line["command"] = HexNumber(exchange.command, 2);
    line["address"] = HexNumber(exchange.address, 8);
    line["in"] = static_cast<qint64>(exchange.bytesIn);
    line["out"] = static_cast<qint64>(exchange.bytesOut);
    line["receivedNs"] = exchange.receivedNs;
    line["arrivedNs"] = exchange.arrivedNs;
    line["replyStartNs"] = exchange.replyStartNs;
    line["replyEndNs"] = exchange.replyEndNs;
    line["turnaroundNs"] =
        exchange.turnaroundNs ? QJsonValue(*exchange.turnaroundNs) : QJsonValue(QJsonValue::Null);
    m_file.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
    m_file.flush();
}

} // namespace gsm::sim
