#include "DevicePort.h"

#include "SerialPort.h"

#include <QDir>
#include <QTimer>

QString PortOpening::OneLine() const {
    return reason.isEmpty() ? failure : failure + QStringLiteral(": ") + reason;
}

PortOpening OpenDevicePort(SerialPort& comm) {
    // QSerialPort takes a name without a leading "/" as one under /dev, so
    // "sims/dev" would become "/dev/sims/dev": a relative path is made
    // absolute first. A bare name ("ttyUSB0") stays a name under /dev.
    const QString name = comm.CommName();
    if (name.contains(QLatin1Char('/')) && QDir::isRelativePath(name))
        comm.SetCommName(QDir::cleanPath(QDir::current().absoluteFilePath(name)));
    PortOpening result;
    try {
        comm.OpenPort();
        result.opened = comm.PortOpen() && comm.PortOpenError().isEmpty();
        if (!result.opened)
            result.failure = comm.PortOpenError();
    } catch (const SerialPortError& error) {
        result.failure = QString::fromUtf8(error.what());
    }
    if (result.opened)
        return result;
    result.reason = comm.LastOpenReason();
    result.permissionDenied = comm.LastOpenPermissionDenied();
    if (comm.PortOpen())
        comm.ClosePort();
    return result;
}

DevicePort::DevicePort(SerialPort& comm, QTimer& timer, QObject* parent)
    : QObject(parent), m_comm(comm) {
    m_countdown = std::make_unique<ReceiveCountdown>(timer, [this] { m_client->TimeoutExpired(); });
    m_client = std::make_unique<gsm::DeviceClient>(comm, *m_countdown);
    m_comm.OnReceiveData = [this](SerialPort*, const char* buffer, quint16 length) {
        TakeBytes(buffer, length);
    };
    m_comm.OnRequestHangup = [this](SerialPort*) {
        if (m_hungUp)
            m_hungUp();
        else
            m_client->LinkLost();
    };
}

DevicePort::~DevicePort() {
    m_comm.OnReceiveData = nullptr;
    m_comm.OnRequestHangup = nullptr;
}

void DevicePort::TakeBytes(const char* buffer, quint16 length) {
    m_client->TakeBytes({reinterpret_cast<const std::uint8_t*>(buffer), length});
}
