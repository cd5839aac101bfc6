#pragma once
// Connects a DeviceEngine to a byte stream (a pty master, or stdin and
// stdout) on the Qt event loop, and sends the replies when they are due:
// after the configured delay and, when a baud rate is given, no faster than
// the line would carry them.

#include "DeviceEngine.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <deque>
#include <vector>

namespace gsm::sim {

class FrameLog;

struct ReplyTiming {
    int delayMs = 0;  // every reply starts this long after its request ended
    quint32 baud = 0; // 0: as fast as the stream takes it
};

// When byte `index` of a reply that starts at `startNs` may leave, at 10 bits
// per byte (start bit, 8 data bits, stop bit).
qint64 PacedByteTimeNs(qint64 startNs, std::size_t index, quint32 baud);

class SimRunner : public QObject {
    Q_OBJECT
public:
    // The file descriptors stay owned by the caller; inFd and outFd may be
    // the same. log may be null.
    SimRunner(int inFd, int outFd, DeviceEngine& engine, ReplyTiming timing, FrameLog* log,
              QObject* parent = nullptr);

signals:
    // The input ended (only a stream such as stdin does) and every reply to
    // it has been written.
    void inputDone();

private:
    struct Pending {
        Reply reply;
        qint64 dueNs;
        qint64 startNs = 0;
        std::size_t handedOut = 0;
        bool logged = false;
    };

    void ReadInput();
    void Take(std::span<const std::uint8_t> bytes);
    void Pump();
    void SendDueBytes(Pending& pending, qint64 now);
    void WakeAt(qint64 ns);
    void Write(std::span<const std::uint8_t> bytes);
    void FlushOutput();
    void ReportInputDone();

    int m_inFd;
    int m_outFd;
    DeviceEngine& m_engine;
    ReplyTiming m_timing;
    FrameLog* m_log;
    QSocketNotifier m_readable;
    QSocketNotifier m_writable;
    QTimer m_wake;
    QElapsedTimer m_clock;
    qint64 m_lastByteNs = 0;
    qint64 m_lineFreeNs = 0;
    std::deque<Pending> m_queue;
    std::vector<std::uint8_t> m_unwritten;
    bool m_inputEnded = false;
};

} // namespace gsm::sim
