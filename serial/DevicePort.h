#pragma once
// The device on a serial port, as both programs build it: the port component,
// the receive countdown on a timer and the device client over them. Bytes
// from the port go to the client, the countdown's end ends the waiting
// request, and a hang-up is handed to the owner, who decides what the user
// is told.

#include "ReceiveCountdown.h"
#include "protocol/DeviceClient.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;
class SerialPort;

// What an open attempt found; `failure` is the component's short text
// ("Error opening serial port", ...), `reason` the system's.
struct PortOpening {
    bool opened = false;
    QString failure;
    QString reason;
    bool permissionDenied = false;

    // "Error opening serial port: Permission denied" on one line.
    QString OneLine() const;
};

// Opens `comm` under the name it carries, a relative path (one with a "/")
// made absolute first and kept so. Every way an open can fail, raised
// or only recorded by the component, ends with the port closed and the
// reason in the result.
PortOpening OpenDevicePort(SerialPort& comm);

class DevicePort : public QObject {
    Q_OBJECT

public:
    // `timer` runs the receive countdown; both outlive this object.
    DevicePort(SerialPort& comm, QTimer& timer, QObject* parent = nullptr);
    ~DevicePort() override;

    gsm::DeviceClient& Client() { return *m_client; }
    const gsm::DeviceClient& Client() const { return *m_client; }
    SerialPort& Comm() { return m_comm; }

    // The link broke underneath (unplugged, pty peer gone).
    void SetHangUpHandler(std::function<void()> hungUp) { m_hungUp = std::move(hungUp); }
    // Bytes as the component delivers them; the window's receive handler
    // passes its own on.
    void TakeBytes(const char* buffer, quint16 length);

private:
    SerialPort& m_comm;
    std::unique_ptr<ReceiveCountdown> m_countdown;
    std::unique_ptr<gsm::DeviceClient> m_client;
    std::function<void()> m_hungUp;
};
