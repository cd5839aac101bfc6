#pragma once
// The --log file: one JSON object per line for every frame in and out.

#include "DeviceEngine.h"

#include <QFile>
#include <QJsonObject>
#include <QString>

#include <cstdint>
#include <span>

namespace gsm::sim {

class FrameLog {
public:
    // Throws std::runtime_error when the file cannot be opened.
    explicit FrameLog(const QString& path);

    void LogIncoming(const IncomingFrame& frame);
    // The reply's bytes are exactly what goes on the wire (none for no-reply).
    void LogOutgoing(const Reply& reply);

    // The fields of one line but the time: direction, request, command,
    // address, length (as far as the header arrived) and the bytes in hex.
    static QJsonObject Entry(const char* direction, std::span<const std::uint8_t> bytes,
                             std::uint32_t request);

private:
    void Append(QJsonObject entry);

    QFile m_file;
};

} // namespace gsm::sim
