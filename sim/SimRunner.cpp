#include "SimRunner.h"

#include "FrameLog.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <unistd.h>
#include <utility>

#ifdef __linux__
#include <sys/timerfd.h>
#endif

namespace gsm::sim {

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kNsPerSecond = 1'000'000'000;
constexpr qint64 kBitsPerByte = 10;
// A frame that stops for this long is given up, as a device would after a
// transmission broken off by the PC.
constexpr qint64 kPartialFrameTimeoutNs = 500 * kNsPerMs;

} // namespace

qint64 LineTimeNs(std::size_t count, quint32 baud) {
    if (baud == 0)
        return 0;
    return static_cast<qint64>(count) * kBitsPerByte * kNsPerSecond / baud;
}

qint64 PacedByteTimeNs(qint64 startNs, std::size_t index, quint32 baud) {
    return startNs + LineTimeNs(index + 1, baud);
}

SimRunner::SimRunner(int inFd, int outFd, DeviceEngine& engine, ReplyTiming timing, FrameLog* log,
                     TimingLog* timingLog, QObject* parent)
    : QObject(parent), m_inFd(inFd), m_outFd(outFd), m_engine(engine), m_timing(timing), m_log(log),
      m_timingLog(timingLog), m_readable(inFd, QSocketNotifier::Read),
      m_writable(outFd, QSocketNotifier::Write) {
    m_clock.start();
#ifdef __linux__
    m_alarmFd = timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
    if (m_alarmFd >= 0) {
        m_alarm = std::make_unique<QSocketNotifier>(m_alarmFd, QSocketNotifier::Read);
        connect(m_alarm.get(), &QSocketNotifier::activated, this, &SimRunner::Woken);
    }
#endif
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    m_writable.setEnabled(false);
    connect(&m_wake, &QTimer::timeout, this, &SimRunner::Pump);
    connect(&m_readable, &QSocketNotifier::activated, this, &SimRunner::ReadInput);
    connect(&m_writable, &QSocketNotifier::activated, this, &SimRunner::FlushOutput);
    m_engine.OnFrame = [this, previous = std::move(m_engine.OnFrame)](const IncomingFrame& frame) {
        if (previous)
            previous(frame);
        if (m_log)
            m_log->LogIncoming(frame);
        if (frame.valid) {
            m_frameCommand = frame.bytes[frame::kCommand.offset];
            m_frameAddress = GetBigEndian(frame.bytes, frame::kAddress);
        }
    };
}

SimRunner::~SimRunner() {
    m_alarm.reset();
    if (m_alarmFd >= 0)
        close(m_alarmFd);
}

void SimRunner::ReadInput() {
    std::array<std::uint8_t, 4096> buffer;
    const ssize_t n = read(m_inFd, buffer.data(), buffer.size());
    if (n > 0) {
        Take({buffer.data(), static_cast<std::size_t>(n)});
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // End of input, or a stream that failed for good.
    m_readable.setEnabled(false);
    m_inputEnded = true;
    ReportInputDone();
}

void SimRunner::Take(std::span<const std::uint8_t> bytes) {
    const qint64 now = m_clock.nsecsElapsed();
    // Bytes written while the line still carries earlier ones queue up
    // behind them.
    const qint64 lineFrom = std::max(now, m_inLineFreeNs);
    if (m_engine.Collecting() && lineFrom - m_lastArrivalNs > kPartialFrameTimeoutNs)
        m_engine.DropPartialFrame();
    const qint64 delayNs = m_timing.delayMs * kNsPerMs;
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        if (m_incoming.bytesIn == 0) {
            m_incoming.receivedNs = now;
            // The PC's turnaround counts only when it waited for the whole
            // previous reply.
            if (m_lastReplyEndNs && m_queue.empty() && m_unwritten.empty())
                m_incoming.turnaroundNs = now - *m_lastReplyEndNs;
        }
        ++m_incoming.bytesIn;
        const qint64 arrivedNs = lineFrom + LineTimeNs(k + 1, m_timing.baud);
        for (Reply& reply : m_engine.Feed(bytes.subspan(k, 1))) {
            ExchangeTiming exchange = std::exchange(m_incoming, {});
            exchange.request = reply.request;
            exchange.command = m_frameCommand;
            exchange.address = m_frameAddress;
            exchange.arrivedNs = arrivedNs;
            const qint64 held = static_cast<qint64>(reply.extraDelayMs) * kNsPerMs;
            m_queue.push_back(Pending{std::move(reply), arrivedNs + delayNs + held, exchange});
        }
    }
    m_inLineFreeNs = lineFrom + LineTimeNs(bytes.size(), m_timing.baud);
    m_lastArrivalNs = m_inLineFreeNs;
    Pump();
}

void SimRunner::Pump() {
    while (!m_queue.empty()) {
        Pending& front = m_queue.front();
        // The line stays busy until the previous reply's last byte is out.
        front.startNs = std::max(front.dueNs, m_outLineFreeNs);
        const qint64 now = m_clock.nsecsElapsed();
        if (now < front.startNs)
            return WakeAt(front.startNs);
        if (!front.logged && m_log)
            m_log->LogOutgoing(front.reply);
        front.logged = true;
        SendDueBytes(front, now);
        const std::size_t size = front.reply.bytes.size();
        if (front.handedOut < size)
            return WakeAt(PacedByteTimeNs(front.startNs, front.handedOut, m_timing.baud));
        m_outLineFreeNs = front.startNs + LineTimeNs(size, m_timing.baud);
        Finish(front, now);
        m_queue.pop_front();
    }
    ReportInputDone();
}

void SimRunner::SendDueBytes(Pending& pending, qint64 now) {
    const auto& bytes = pending.reply.bytes;
    std::size_t end = pending.handedOut;
    while (end < bytes.size() && PacedByteTimeNs(pending.startNs, end, m_timing.baud) <= now)
        ++end;
    if (end == pending.handedOut)
        return;
    if (pending.handedOut == 0)
        pending.exchange.replyStartNs = now;
    Write({bytes.data() + pending.handedOut, end - pending.handedOut});
    pending.handedOut = end;
}

// The reply is wholly out (or was never to be sent) at `now`.
void SimRunner::Finish(Pending& pending, qint64 now) {
    ExchangeTiming& exchange = pending.exchange;
    exchange.bytesOut = pending.reply.bytes.size();
    if (exchange.bytesOut == 0)
        exchange.replyStartNs = now;
    exchange.replyEndNs = now;
    m_lastReplyEndNs = now;
    if (m_timingLog)
        m_timingLog->Record(exchange);
}

void SimRunner::WakeAt(qint64 ns) {
    const qint64 waitNs = std::max<qint64>(1, ns - m_clock.nsecsElapsed());
#ifdef __linux__
    if (m_alarm) {
        itimerspec at{};
        at.it_value.tv_sec = static_cast<time_t>(waitNs / kNsPerSecond);
        at.it_value.tv_nsec = static_cast<long>(waitNs % kNsPerSecond);
        timerfd_settime(m_alarmFd, 0, &at, nullptr);
        return;
    }
#endif
    m_wake.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
}

void SimRunner::Woken() {
    std::uint64_t expirations = 0;
    if (read(m_alarmFd, &expirations, sizeof expirations) < 0 && errno != EAGAIN)
        return;
    Pump();
}

void SimRunner::Write(std::span<const std::uint8_t> bytes) {
    m_unwritten.insert(m_unwritten.end(), bytes.begin(), bytes.end());
    FlushOutput();
}

void SimRunner::FlushOutput() {
    while (!m_unwritten.empty()) {
        const ssize_t n = write(m_outFd, m_unwritten.data(), m_unwritten.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            m_unwritten.clear(); // nobody can take them any more
            break;
        }
        if (n <= 0)
            break; // the stream is full: the write notifier resumes
        m_unwritten.erase(m_unwritten.begin(), m_unwritten.begin() + n);
    }
    m_writable.setEnabled(!m_unwritten.empty());
    ReportInputDone();
}

void SimRunner::ReportInputDone() {
    if (m_inputEnded && m_queue.empty() && m_unwritten.empty()) {
        m_inputEnded = false; // once
        emit inputDone();
    }
}

} // namespace gsm::sim
