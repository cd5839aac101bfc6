#pragma once
// SerialPort owns one serial port. It hands received bytes to its owner through
// OnReceiveData (one call per read of at most InputLen bytes) and queues
// blocks for transmission with WriteData. Every event is raised on the thread
// that owns the component (the main thread): QSerialPort's notifiers run
// there, so no worker threads are needed.

#include "protocol/Link.h"

#include <QObject>
#include <QSerialPort>
#include <QString>

#include <functional>
#include <stdexcept>

// Raised by OpenPort when the device cannot be opened or set up.
class SerialPortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class LineParity { None, Odd, Even, Mark, Space };
enum class LineStopBits { _1, _1_5, _2 };
enum class LineByteSize { _5, _6, _7, _8 };
enum class LineDtrControl { DtrEnable, DtrDisable, DtrHandshake };
enum class LineRtsControl { RtsEnable, RtsDisable, RtsHandshake, RtsTransmissionAvailable };

namespace comm_text {
inline constexpr const char* kErrorOpening = "Error opening serial port";
inline constexpr const char* kCannotSetupBuffer = "Cannot setup comm buffer";
inline constexpr const char* kAlreadyOpened = "This serial port already opened";
inline constexpr const char* kNotCommHandle = "File handle is not a comm handle ";
// A line setting (baud rate, data bits, parity, stop bits, flow control) the
// driver would not take; the reason names it.
inline constexpr const char* kLineSetupRefused = "Cannot set up the serial line";
// The next three name failures of the worker-thread design; nothing here can
// produce them, they are kept so every open-failure text has one home.
inline constexpr const char* kUnableCreateEvent = "Unable to create event";
inline constexpr const char* kUnableCreateReadThread = "Unable to create read thread";
inline constexpr const char* kUnableCreateWriteThread = "Unable to create write thread";
} // namespace comm_text

// The device client writes its frames straight to this port.
class SerialPort : public QObject, public gsm::IPortWriter {
    Q_OBJECT

public:
    explicit SerialPort(QObject* parent = nullptr);
    ~SerialPort() override;

    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Throws SerialPortError for "Error opening serial port", "Cannot setup comm
    // buffer" and a refused line setting; every other failure is reported
    // only in PortOpenError.
    void OpenPort();
    void ClosePort();
    // Queues a copy of count bytes; false when the port is closed or count is 0.
    bool WriteData(const char* buffer, quint16 count);
    bool WriteData(const std::uint8_t* data, std::uint16_t count) override {
        return WriteData(reinterpret_cast<const char*>(data), count);
    }
    bool IsOpen() const override { return PortOpen(); }

    // The system's reason for the last failed open ("Permission denied", ...),
    // empty after a successful one. Shown under the short PortOpenError text.
    QString LastOpenReason() const { return m_lastOpenReason; }
    // True when the last open failed for lack of access rights to the device
    // (on Linux: the user is not in the group owning the device, e.g. dialout).
    bool LastOpenPermissionDenied() const { return m_lastOpenPermissionDenied; }
    // The line setting the driver refused when the line was last set up,
    // empty when it took them all.
    QString LastLineError() const { return m_lastLineError; }

    bool PortOpen() const { return m_held; }
    void SetPortOpen(bool open);
    quint8 CommPort() const { return m_props.commPort; }
    void SetCommPort(quint8 port);
    QString PortOpenError() const { return m_portOpenError; }
    // An owner may start it with a text of its own; every open and close clears it.
    void SetPortOpenError(const QString& text) { m_portOpenError = text; }
    QString Output() const { return m_props.output; }
    void SetOutput(const QString& text);
    quint16 InputLen() const { return m_props.inputLen; }
    void SetInputLen(quint16 length);
    quint16 InBufferSize() const { return m_props.inBufferSize; }
    void SetInBufferSize(quint16 size);
    QString CommName() const { return m_props.commName; }
    void SetCommName(const QString& name) { m_props.commName = name; }

    quint32 BaudRate() const { return m_props.baudRate; }
    void SetBaudRate(quint32 v) { SetLineProperty(m_props.baudRate, v); }
    bool ParityCheck() const { return m_props.parityCheck; }
    void SetParityCheck(bool v) { SetLineProperty(m_props.parityCheck, v); }
    bool Outx_CtsFlow() const { return m_props.outxCtsFlow; }
    void SetOutx_CtsFlow(bool v) { SetLineProperty(m_props.outxCtsFlow, v); }
    bool Outx_DsrFlow() const { return m_props.outxDsrFlow; }
    void SetOutx_DsrFlow(bool v) { SetLineProperty(m_props.outxDsrFlow, v); }
    LineDtrControl DtrControl() const { return m_props.dtrControl; }
    void SetDtrControl(LineDtrControl v) { SetLineProperty(m_props.dtrControl, v); }
    bool DsrSensitivity() const { return m_props.dsrSensitivity; }
    void SetDsrSensitivity(bool v) { SetLineProperty(m_props.dsrSensitivity, v); }
    bool TxContinueOnXoff() const { return m_props.txContinueOnXoff; }
    void SetTxContinueOnXoff(bool v) { SetLineProperty(m_props.txContinueOnXoff, v); }
    bool Outx_XonXoffFlow() const { return m_props.outxXonXoffFlow; }
    void SetOutx_XonXoffFlow(bool v) { SetLineProperty(m_props.outxXonXoffFlow, v); }
    bool Inx_XonXoffFlow() const { return m_props.inxXonXoffFlow; }
    void SetInx_XonXoffFlow(bool v) { SetLineProperty(m_props.inxXonXoffFlow, v); }
    bool ReplaceWhenParityError() const { return m_props.replaceWhenParityError; }
    void SetReplaceWhenParityError(bool v) { SetLineProperty(m_props.replaceWhenParityError, v); }
    bool IgnoreNullChar() const { return m_props.ignoreNullChar; }
    void SetIgnoreNullChar(bool v) { SetLineProperty(m_props.ignoreNullChar, v); }
    LineRtsControl RtsControl() const { return m_props.rtsControl; }
    void SetRtsControl(LineRtsControl v) { SetLineProperty(m_props.rtsControl, v); }
    quint16 XonLimit() const { return m_props.xonLimit; }
    void SetXonLimit(quint16 v) { SetLineProperty(m_props.xonLimit, v); }
    quint16 XoffLimit() const { return m_props.xoffLimit; }
    void SetXoffLimit(quint16 v) { SetLineProperty(m_props.xoffLimit, v); }
    LineByteSize ByteSize() const { return m_props.byteSize; }
    void SetByteSize(LineByteSize v) { SetLineProperty(m_props.byteSize, v); }
    LineParity Parity() const { return m_props.parity; }
    void SetParity(LineParity v) { SetLineProperty(m_props.parity, v); }
    LineStopBits StopBits() const { return m_props.stopBits; }
    void SetStopBits(LineStopBits v) { SetLineProperty(m_props.stopBits, v); }
    char XonChar() const { return m_props.xonChar; }
    void SetXonChar(char v) { SetLineProperty(m_props.xonChar, v); }
    char XoffChar() const { return m_props.xoffChar; }
    void SetXoffChar(char v) { SetLineProperty(m_props.xoffChar, v); }
    char ReplacedChar() const { return m_props.replacedChar; }
    void SetReplacedChar(char v) { SetLineProperty(m_props.replacedChar, v); }

    // Timeouts in milliseconds. QSerialPort reads and writes without blocking,
    // so they are kept for the owner but shape no transfer.
    quint32 ReadIntervalTimeout() const { return m_props.readIntervalTimeout; }
    void SetReadIntervalTimeout(quint32 v) { m_props.readIntervalTimeout = v; }
    quint32 ReadTotalTimeoutMultiplier() const { return m_props.readTotalTimeoutMultiplier; }
    void SetReadTotalTimeoutMultiplier(quint32 v) { m_props.readTotalTimeoutMultiplier = v; }
    quint32 ReadTotalTimeoutConstant() const { return m_props.readTotalTimeoutConstant; }
    void SetReadTotalTimeoutConstant(quint32 v) { m_props.readTotalTimeoutConstant = v; }
    quint32 WriteTotalTimeoutMultiplier() const { return m_props.writeTotalTimeoutMultiplier; }
    void SetWriteTotalTimeoutMultiplier(quint32 v) { m_props.writeTotalTimeoutMultiplier = v; }
    quint32 WriteTotalTimeoutConstant() const { return m_props.writeTotalTimeoutConstant; }
    void SetWriteTotalTimeoutConstant(quint32 v) { m_props.writeTotalTimeoutConstant = v; }

    // Events; an unassigned handler is skipped. The buffer handed to
    // OnReceiveData holds bufferLength bytes and a terminating 0 and is valid
    // only during the call.
    std::function<void(SerialPort* sender, const char* buffer, quint16 bufferLength)> OnReceiveData;
    // Never raised here: QSerialPort reports no parity or framing errors.
    std::function<void(SerialPort* sender, quint32 eventMask)> OnReceiveError;
    // Never raised here: QSerialPort announces no carrier or ring changes.
    std::function<void(SerialPort* sender, quint32 modemEvent)> OnModemStateChange;
    // The link broke (device unplugged, pty peer gone); the port stays held
    // until ClosePort, but nothing more is read or written.
    std::function<void(SerialPort* sender)> OnRequestHangup;
    // Everything queued has been handed to the device.
    std::function<void(SerialPort* sender)> OnSendDataEmpty;

private:
    struct Properties {
        quint8 commPort = 1;
        QString output;
        quint16 inputLen = 1;
        quint16 inBufferSize = 2048;
        QString commName = QStringLiteral("COM1");
        quint32 baudRate = 9600;
        bool parityCheck = false;
        bool outxCtsFlow = false;
        bool outxDsrFlow = false;
        LineDtrControl dtrControl = LineDtrControl::DtrDisable;
        bool dsrSensitivity = false;
        bool txContinueOnXoff = false;
        bool outxXonXoffFlow = false;
        bool inxXonXoffFlow = false;
        bool replaceWhenParityError = false;
        bool ignoreNullChar = false;
        LineRtsControl rtsControl = LineRtsControl::RtsDisable;
        quint16 xonLimit = 500;
        quint16 xoffLimit = 500;
        LineByteSize byteSize = LineByteSize::_8;
        LineParity parity = LineParity::None;
        LineStopBits stopBits = LineStopBits::_1;
        char xonChar = 0x11;
        char xoffChar = 0x13;
        char replacedChar = 0x00;
        quint32 readIntervalTimeout = 100;
        quint32 readTotalTimeoutMultiplier = 0;
        quint32 readTotalTimeoutConstant = 0;
        quint32 writeTotalTimeoutMultiplier = 0;
        quint32 writeTotalTimeoutConstant = 0;
    };

    template <typename T> void SetLineProperty(T& field, T value) {
        if (field == value)
            return;
        field = value;
        if (m_port.isOpen())
            ApplyCommState();
    }

    void FailOpen(const char* text, const QString& reason);
    void OpenDevice(const QString& location);
    // The first refused setting with the driver's reason, or empty.
    QString ApplyCommState();
    bool ApplyFlowControl();
    void ApplyModemLines();
    bool ApplyTermiosExtras();
    void DeliverReceivedBytes();
    void HandlePortError(QSerialPort::SerialPortError error);
    void HandleBytesWritten();
    void RaiseSendDataEmpty();

    Properties m_props;
    QString m_portOpenError;
    QString m_lastOpenReason;
    QString m_lastLineError;
    bool m_lastOpenPermissionDenied = false;
    // Held from a successful open until ClosePort, also after a hangup has
    // closed the device underneath (as a handle whose threads ended would be).
    bool m_held = false;
    // The read size taken at open time: min(InputLen, InBufferSize).
    quint16 m_readSize = 1;
    QSerialPort m_port;
};
