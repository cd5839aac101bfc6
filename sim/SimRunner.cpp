#include "SimRunner.h"

#include "FrameLog.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <unistd.h>

namespace gsm::sim {

namespace {

constexpr qint64 kNsPerMs = 1'000'000;
constexpr qint64 kNsPerSecond = 1'000'000'000;
constexpr qint64 kBitsPerByte = 10;
// A frame that stops for this long is given up, as a device would after a
// transmission broken off by the PC.
constexpr qint64 kPartialFrameTimeoutNs = 500 * kNsPerMs;

} // namespace

qint64 PacedByteTimeNs(qint64 startNs, std::size_t index, quint32 baud) {
    if (baud == 0)
        return startNs;
    return startNs + static_cast<qint64>(index) * kBitsPerByte * kNsPerSecond / baud;
}

SimRunner::SimRunner(int inFd, int outFd, DeviceEngine& engine, ReplyTiming timing, FrameLog* log,
                     QObject* parent)
    : QObject(parent), m_inFd(inFd), m_outFd(outFd), m_engine(engine), m_timing(timing), m_log(log),
      m_readable(inFd, QSocketNotifier::Read), m_writable(outFd, QSocketNotifier::Write) {
    m_clock.start();
    m_wake.setSingleShot(true);
    m_wake.setTimerType(Qt::PreciseTimer);
    m_writable.setEnabled(false);
    connect(&m_wake, &QTimer::timeout, this, &SimRunner::Pump);
    connect(&m_readable, &QSocketNotifier::activated, this, &SimRunner::ReadInput);
    connect(&m_writable, &QSocketNotifier::activated, this, &SimRunner::FlushOutput);
    if (m_log)
        m_engine.OnFrame = [this](const IncomingFrame& frame) { m_log->LogIncoming(frame); };
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
    if (m_engine.Collecting() && now - m_lastByteNs > kPartialFrameTimeoutNs)
        m_engine.DropPartialFrame();
    m_lastByteNs = now;
    const qint64 due = now + m_timing.delayMs * kNsPerMs;
    for (auto& reply : m_engine.Feed(bytes)) {
        const qint64 held = static_cast<qint64>(reply.extraDelayMs) * kNsPerMs;
        m_queue.push_back(Pending{std::move(reply), due + held});
    }
    Pump();
}

void SimRunner::Pump() {
    while (!m_queue.empty()) {
        Pending& front = m_queue.front();
        // The line stays busy until the previous reply's last byte is out.
        front.startNs = std::max(front.dueNs, m_lineFreeNs);
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
        m_lineFreeNs = PacedByteTimeNs(front.startNs, size, m_timing.baud);
        m_queue.pop_front();
    }
    ReportInputDone();
}

void SimRunner::SendDueBytes(Pending& pending, qint64 now) {
    const auto& bytes = pending.reply.bytes;
    std::size_t end = pending.handedOut;
    while (end < bytes.size() && PacedByteTimeNs(pending.startNs, end, m_timing.baud) <= now)
        ++end;
    Write({bytes.data() + pending.handedOut, end - pending.handedOut});
    pending.handedOut = end;
}

void SimRunner::WakeAt(qint64 ns) {
    const qint64 waitNs = std::max<qint64>(0, ns - m_clock.nsecsElapsed());
    m_wake.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
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
