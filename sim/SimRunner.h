#pragma once
// Connects a DeviceEngine to a byte stream (a pty master, or stdin and
// stdout) on the Qt event loop, and sends the replies when they are due:
// after the configured delay and, when a baud rate is given, no faster than
// the line would carry them. With a baud rate the incoming line is paced too:
// a request counts as received only once its last byte could have crossed it.

#include "DeviceEngine.h"
#include "TimingLog.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <deque>
#include <memory>
#include <vector>

namespace gsm::sim {

class FrameLog;

struct ReplyTiming {
    int delayMs = 0;  // every reply starts this long after its request ended
    quint32 baud = 0; // 0: as fast as the stream takes it
};

// How long `count` bytes take on the line, at 10 bits per byte (start bit,
// 8 data bits, stop bit); 0 without a baud rate.
qint64 LineTimeNs(std::size_t count, quint32 baud);

// When byte `index` (from 0) of a reply whose first bit leaves at `startNs`
// has wholly crossed the line and may be handed out: after its own ten bits.
qint64 PacedByteTimeNs(qint64 startNs, std::size_t index, quint32 baud);

class SimRunner : public QObject {
    Q_OBJECT
public:
    // The file descriptors stay owned by the caller; inFd and outFd may be
    // the same. log and timingLog may be null.
    SimRunner(int inFd, int outFd, DeviceEngine& engine, ReplyTiming timing, FrameLog* log,
              TimingLog* timingLog = nullptr, QObject* parent = nullptr);
    ~SimRunner() override;

signals:
    // The input ended (only a stream such as stdin does) and every reply to
    // it has been written.
    void inputDone();

private:
    struct Pending {
        Reply reply;
        qint64 dueNs;
        ExchangeTiming exchange;
        qint64 startNs = 0;
        std::size_t handedOut = 0;
        bool logged = false;
    };

    void ReadInput();
    void Take(std::span<const std::uint8_t> bytes);
    void Pump();
    void SendDueBytes(Pending& pending, qint64 now);
    void Finish(Pending& pending, qint64 now);
    void WakeAt(qint64 ns);
    void Woken();
    void Write(std::span<const std::uint8_t> bytes);
    void FlushOutput();
    void ReportInputDone();

    int m_inFd;
    int m_outFd;
    DeviceEngine& m_engine;
    ReplyTiming m_timing;
    FrameLog* m_log;
    TimingLog* m_timingLog;
    QSocketNotifier m_readable;
    QSocketNotifier m_writable;
    // Wakes the runner when the next reply byte is due: a timer file where
    // the system has one (to the microsecond; QTimer counts milliseconds,
    // too coarse for byte times of 87 µs), else a QTimer.
    int m_alarmFd = -1;
    std::unique_ptr<QSocketNotifier> m_alarm;
    QTimer m_wake;
    QElapsedTimer m_clock;
    // The incoming line: when its last byte has arrived, and when it is free
    // for the next one.
    qint64 m_lastArrivalNs = 0;
    qint64 m_inLineFreeNs = 0;
    qint64 m_outLineFreeNs = 0;
    // The request being received: bytes so far, when the first was read and
    // the turnaround before it; the frame just completed.
    ExchangeTiming m_incoming;
    std::uint8_t m_frameCommand = 0;
    std::uint32_t m_frameAddress = 0;
    // When the last byte of the latest complete reply was handed out.
    std::optional<qint64> m_lastReplyEndNs;
    std::deque<Pending> m_queue;
    std::vector<std::uint8_t> m_unwritten;
    bool m_inputEnded = false;
};

} // namespace gsm::sim
