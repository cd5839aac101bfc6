#include "FrameLog.h"

#include "files/PrivateFolder.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>

#include <stdexcept>

namespace gsm::sim {

namespace {

QString Hex(std::span<const std::uint8_t> bytes) {
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes.data()),
                                          static_cast<qsizetype>(bytes.size()))
                                   .toHex(' ')
                                   .toUpper());
}

QString HexNumber(std::uint32_t value, int digits) {
    return "0x" + QString("%1").arg(value, digits, 16, QChar('0')).toUpper();
}

} // namespace

FrameLog::FrameLog(const QString& path) {
    // Frames in clear, the password among them: the owner's alone.
    QString failure;
    if (!files::OpenPrivateStream(m_file, path, &failure))
        throw std::runtime_error(("cannot write log " + path + ": " + failure).toStdString());
}

QJsonObject FrameLog::Entry(const char* direction, std::span<const std::uint8_t> bytes,
                            std::uint32_t request) {
    QJsonObject entry;
    entry["direction"] = direction;
    if (request != 0)
        entry["request"] = static_cast<qint64>(request);
    const auto header = std::ranges::find(bytes, frame::kStartByte);
    const auto fromStart = bytes.subspan(static_cast<std::size_t>(header - bytes.begin()));
    if (fromStart.size() >= frame::kPayloadOffset) {
        entry["command"] = HexNumber(fromStart[frame::kCommand.offset], 2);
        entry["address"] = HexNumber(GetBigEndian(fromStart, frame::kAddress), 8);
        entry["length"] = static_cast<int>(GetBigEndian(fromStart, frame::kLength));
    }
    entry["bytes"] = Hex(bytes);
    return entry;
}

void FrameLog::LogIncoming(const IncomingFrame& frame) {
    QJsonObject entry = Entry("in", frame.bytes, frame.request);
    if (!frame.valid)
        entry["valid"] = false;
    Append(entry);
}

void FrameLog::LogOutgoing(const Reply& reply) {
    QJsonObject entry = Entry("out", reply.bytes, reply.request);
    if (!reply.faults.empty()) {
        QJsonArray faults;
        for (const auto& f : reply.faults)
            faults.append(QString::fromStdString(ToString(f)));
        entry["faults"] = faults;
    }
    Append(entry);
}

void FrameLog::Append(QJsonObject entry) {
    entry["time"] = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    m_file.write(QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n');
    m_file.flush();
}

} // namespace gsm::sim
