#include "SerialPort.h"

#include <QByteArray>
#include <QFile>
#include <QMetaObject>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>

#ifdef Q_OS_UNIX
#include <poll.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace {

// The device path QSerialPort will open for a port name: paths stay as they
// are, bare names ("ttyUSB0") live in /dev.
QString SystemLocation(const QString& name) {
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./")) ||
        name.startsWith(QLatin1String("../")))
        return name;
    return QStringLiteral("/dev/") + name;
}

QString SystemErrorText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

enum class NodeKind { Missing, CharacterDevice, Other };

NodeKind KindOfNode(const QString& location, int* error) {
#ifdef Q_OS_UNIX
    struct stat info {};
    if (::stat(QFile::encodeName(location).constData(), &info) != 0) {
        *error = errno;
        return NodeKind::Missing;
    }
    return S_ISCHR(info.st_mode) ? NodeKind::CharacterDevice : NodeKind::Other;
#else
    *error = ENOENT;
    return QFile::exists(location) ? NodeKind::CharacterDevice : NodeKind::Missing;
#endif
}

bool AccessDenied(const QString& location) {
#ifdef Q_OS_UNIX
    return ::access(QFile::encodeName(location).constData(), R_OK | W_OK) != 0 && errno == EACCES;
#else
    Q_UNUSED(location);
    return false;
#endif
}

QSerialPort::Parity ToQt(LineParity parity) {
    switch (parity) {
    case LineParity::Odd:
        return QSerialPort::OddParity;
    case LineParity::Even:
        return QSerialPort::EvenParity;
    case LineParity::Mark:
        return QSerialPort::MarkParity;
    case LineParity::Space:
        return QSerialPort::SpaceParity;
    case LineParity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits ToQt(LineStopBits stopBits) {
    switch (stopBits) {
    case LineStopBits::_1_5:
        return QSerialPort::OneAndHalfStop;
    case LineStopBits::_2:
        return QSerialPort::TwoStop;
    case LineStopBits::_1:
        break;
    }
    return QSerialPort::OneStop;
}

QSerialPort::DataBits ToQt(LineByteSize byteSize) {
    return static_cast<QSerialPort::DataBits>(static_cast<int>(byteSize) + 5);
}

// A device that went away reads as a resource error (EIO, ENXIO, ENODEV), or
// as a read error on a line whose other end hung up (a pseudo-terminal whose
// peer closed). A read error alone is also raised when a read notification
// finds nothing to read, which happens on a busy machine with the device
// still there; then the next byte is read as usual.
bool IsLinkLost(QSerialPort::SerialPortError error, qintptr handle) {
    if (error == QSerialPort::ResourceError || error == QSerialPort::WriteError)
        return true;
    if (error != QSerialPort::ReadError)
        return false;
#ifdef Q_OS_UNIX
    pollfd line{static_cast<int>(handle), POLLIN, 0};
    return ::poll(&line, 1, 0) == 1 && (line.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
#else
    Q_UNUSED(handle);
    return true;
#endif
}

} // namespace

SerialPort::SerialPort(QObject* parent) : QObject(parent) {
    connect(&m_port, &QSerialPort::readyRead, this, &SerialPort::DeliverReceivedBytes);
    connect(&m_port, &QSerialPort::errorOccurred, this, &SerialPort::HandlePortError);
    connect(&m_port, &QSerialPort::bytesWritten, this, &SerialPort::HandleBytesWritten);
}

SerialPort::~SerialPort() {
    ClosePort();
}

void SerialPort::OpenPort() {
    m_portOpenError.clear();
    m_lastOpenReason.clear();
    m_lastOpenPermissionDenied = false;
    if (m_held) {
        m_portOpenError = QString::fromLatin1(comm_text::kAlreadyOpened);
        return;
    }

    const QString location = SystemLocation(m_props.commName);
    int error = ENOENT;
    const NodeKind kind =
        m_props.commName.isEmpty() ? NodeKind::Missing : KindOfNode(location, &error);
    if (kind == NodeKind::Missing)
        FailOpen(comm_text::kErrorOpening, SystemErrorText(error));
    if (kind == NodeKind::Other) {
        m_portOpenError = QString::fromLatin1(comm_text::kNotCommHandle);
        m_lastOpenReason = QStringLiteral("Not a character device");
        return;
    }

    OpenDevice(location);
    m_held = true;
    m_readSize = std::min(m_props.inputLen, m_props.inBufferSize);
    m_port.clear(QSerialPort::AllDirections);
    const QString refused = ApplyCommState();
    if (!refused.isEmpty()) {
        // A line the device cannot be spoken to on is no open port.
        m_held = false;
        m_port.close();
        FailOpen(comm_text::kLineSetupRefused, refused);
    }
    // A freshly opened port has nothing queued: say so once, as after any drain.
    QMetaObject::invokeMethod(this, &SerialPort::RaiseSendDataEmpty, Qt::QueuedConnection);
}

void SerialPort::FailOpen(const char* text, const QString& reason) {
    m_portOpenError = QString::fromLatin1(text);
    m_lastOpenReason = reason;
    throw SerialPortError(text);
}

void SerialPort::OpenDevice(const QString& location) {
    m_port.setPortName(location);
    if (m_port.open(QIODevice::ReadWrite))
        return;
    const QSerialPort::SerialPortError error = m_port.error();
    const QString reason = m_port.errorString();
    m_port.clearError();
    m_lastOpenPermissionDenied = AccessDenied(location);
    // The node is a character device, so a failure past the open itself means
    // it is no terminal whose line could be set up (e.g. /dev/null).
    const bool refusedOpen = error == QSerialPort::DeviceNotFoundError ||
                             error == QSerialPort::PermissionError ||
                             error == QSerialPort::OpenError;
    FailOpen(refusedOpen ? comm_text::kErrorOpening : comm_text::kCannotSetupBuffer,
             m_lastOpenPermissionDenied ? SystemErrorText(EACCES) : reason);
}

void SerialPort::ClosePort() {
    m_portOpenError.clear();
    if (!m_held)
        return;
    m_held = false;
    if (m_port.isOpen()) {
        m_port.clear(QSerialPort::AllDirections);
        m_port.close();
    }
}

void SerialPort::SetPortOpen(bool open) {
    if (open)
        OpenPort();
    else
        ClosePort();
}

bool SerialPort::WriteData(const char* buffer, quint16 count) {
    if (count == 0 || !m_port.isOpen())
        return false;
    if (m_port.write(buffer, count) != count)
        return false;
    // QSerialPort only buffers a write and sends it on a later pass of the
    // event loop, after whatever else is queued there (repaints among them);
    // the device is waiting for this request now. What the line cannot take
    // at once stays buffered and goes out as it drains.
    m_port.flush();
    return true;
}

void SerialPort::SetCommPort(quint8 port) {
    if (port == 0 || port == m_props.commPort)
        return;
    m_props.commPort = port;
    m_props.commName = QStringLiteral("COM%1").arg(port);
}

void SerialPort::SetOutput(const QString& text) {
    m_props.output = text;
    const QByteArray bytes = text.toLatin1();
    constexpr qsizetype kMaxBlock = std::numeric_limits<quint16>::max();
    for (qsizetype pos = 0; pos < bytes.size(); pos += kMaxBlock) {
        const auto count = static_cast<quint16>(std::min(kMaxBlock, bytes.size() - pos));
        if (!WriteData(bytes.constData() + pos, count))
            return;
    }
}

void SerialPort::SetInputLen(quint16 length) {
    if (length == 0)
        length = m_props.inBufferSize;
    if (length > m_props.inBufferSize)
        return;
    m_props.inputLen = length;
}

void SerialPort::SetInBufferSize(quint16 size) {
    m_props.inBufferSize = size == 0 ? 1 : size;
}

QString SerialPort::ApplyCommState() {
    const auto baud = std::min<quint32>(m_props.baudRate, std::numeric_limits<qint32>::max());
    QString refused;
    const auto check = [this, &refused](bool ok, const QString& what) {
        if (!ok && refused.isEmpty())
            refused = QStringLiteral("%1 refused: %2").arg(what, m_port.errorString());
        m_port.clearError();
    };
    check(m_port.setBaudRate(static_cast<qint32>(baud)),
          QStringLiteral("Baud rate %1").arg(m_props.baudRate));
    check(m_port.setDataBits(ToQt(m_props.byteSize)), QStringLiteral("Data bits"));
    check(m_port.setParity(ToQt(m_props.parity)), QStringLiteral("Parity"));
    check(m_port.setStopBits(ToQt(m_props.stopBits)), QStringLiteral("Stop bits"));
    check(ApplyFlowControl(), QStringLiteral("Flow control"));
    ApplyModemLines();
    if (!ApplyTermiosExtras() && refused.isEmpty())
        refused = QStringLiteral("Line flags refused: %1").arg(SystemErrorText(errno));
    m_lastLineError = refused;
    return refused;
}

bool SerialPort::ApplyFlowControl() {
    QSerialPort::FlowControl flow = QSerialPort::NoFlowControl;
    if (m_props.outxCtsFlow || m_props.rtsControl == LineRtsControl::RtsHandshake)
        flow = QSerialPort::HardwareControl;
    else if (m_props.outxXonXoffFlow || m_props.inxXonXoffFlow)
        flow = QSerialPort::SoftwareControl;
    return m_port.setFlowControl(flow);
}

void SerialPort::ApplyModemLines() {
    // DtrHandshake and RtsTransmissionAvailable have no termios counterpart;
    // RtsHandshake is carried by hardware flow control. A pseudo-terminal
    // refuses the modem lines ("unsupported operation") and still carries
    // bytes, so only that refusal is let through.
    if (m_props.dtrControl != LineDtrControl::DtrHandshake)
        m_port.setDataTerminalReady(m_props.dtrControl == LineDtrControl::DtrEnable);
    if (m_port.flowControl() != QSerialPort::HardwareControl &&
        (m_props.rtsControl == LineRtsControl::RtsEnable ||
         m_props.rtsControl == LineRtsControl::RtsDisable))
        m_port.setRequestToSend(m_props.rtsControl == LineRtsControl::RtsEnable);
    m_port.clearError();
}

// The flags QSerialPort does not offer but the terminal driver has: parity
// checking, XON/XOFF per direction and the XON/XOFF characters. The remaining
// flags (DSR flow and sensitivity, limits, null stripping, error replacement)
// have no counterpart and stay properties only.
bool SerialPort::ApplyTermiosExtras() {
#ifdef Q_OS_UNIX
    termios tio{};
    const int fd = static_cast<int>(m_port.handle());
    if (fd < 0 || ::tcgetattr(fd, &tio) != 0)
        return false;
    const auto setFlag = [&tio](tcflag_t flag, bool on) {
        tio.c_iflag = on ? (tio.c_iflag | flag) : (tio.c_iflag & ~flag);
    };
    setFlag(INPCK, m_props.parityCheck);
    setFlag(IXON, m_props.outxXonXoffFlow);
    setFlag(IXOFF, m_props.inxXonXoffFlow);
    tio.c_cc[VSTART] = static_cast<cc_t>(m_props.xonChar);
    tio.c_cc[VSTOP] = static_cast<cc_t>(m_props.xoffChar);
    return ::tcsetattr(fd, TCSANOW, &tio) == 0;
#else
    return true;
#endif
}

void SerialPort::DeliverReceivedBytes() {
    // Reading straight from the port keeps bytes in order even when a handler
    // runs a nested event loop (a message box) and new bytes arrive meanwhile.
    while (m_port.isOpen() && m_port.bytesAvailable() > 0) {
        const qint64 size = std::min<qint64>(m_readSize, m_port.bytesAvailable());
        QByteArray block(size + 1, '\0'); // the bytes and a terminating 0
        const qint64 got = m_port.read(block.data(), size);
        if (got <= 0)
            return;
        if (OnReceiveData)
            OnReceiveData(this, block.constData(), static_cast<quint16>(got));
    }
}

void SerialPort::HandlePortError(QSerialPort::SerialPortError error) {
    if (!m_port.isOpen() || !IsLinkLost(error, m_port.handle())) {
        if (error == QSerialPort::ReadError)
            m_port.clearError();
        return;
    }
    // The device is gone: stop the notifiers, which would otherwise keep
    // firing on a dead descriptor; ClosePort releases the port.
    m_port.close();
    if (OnRequestHangup)
        OnRequestHangup(this);
}

void SerialPort::HandleBytesWritten() {
    if (m_port.bytesToWrite() == 0)
        RaiseSendDataEmpty();
}

void SerialPort::RaiseSendDataEmpty() {
    if (m_port.isOpen() && OnSendDataEmpty)
        OnSendDataEmpty(this);
}
