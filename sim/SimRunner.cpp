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
    : QObject(parent), inFd_(inFd), outFd_(outFd), engine_(engine), timing_(timing), log_(log),
      readable_(inFd, QSocketNotifier::Read), writable_(outFd, QSocketNotifier::Write) {
    clock_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
    writable_.setEnabled(false);
    connect(&wake_, &QTimer::timeout, this, &SimRunner::Pump);
    connect(&readable_, &QSocketNotifier::activated, this, &SimRunner::ReadInput);
    connect(&writable_, &QSocketNotifier::activated, this, &SimRunner::FlushOutput);
    if (log_)
        engine_.OnFrame = [this](const IncomingFrame& frame) { log_->LogIncoming(frame); };
}

void SimRunner::ReadInput() {
    std::array<std::uint8_t, 4096> buffer;
    const ssize_t n = read(inFd_, buffer.data(), buffer.size());
    if (n > 0) {
        Take({buffer.data(), static_cast<std::size_t>(n)});
        return;
    }
    if (n < 0 && (errno == EAGAIN || errno == EINTR))
        return;
    // End of input, or a stream that failed for good.
    readable_.setEnabled(false);
    inputEnded_ = true;
    ReportInputDone();
}

void SimRunner::Take(std::span<const std::uint8_t> bytes) {
    const qint64 now = clock_.nsecsElapsed();
    if (engine_.Collecting() && now - lastByteNs_ > kPartialFrameTimeoutNs)
        engine_.DropPartialFrame();
    lastByteNs_ = now;
    const qint64 due = now + timing_.delayMs * kNsPerMs;
    for (auto& reply : engine_.Feed(bytes)) {
        const qint64 held = static_cast<qint64>(reply.extraDelayMs) * kNsPerMs;
        queue_.push_back(Pending{std::move(reply), due + held});
    }
    Pump();
}

void SimRunner::Pump() {
    while (!queue_.empty()) {
        Pending& front = queue_.front();
        // The line stays busy until the previous reply's last byte is out.
        front.startNs = std::max(front.dueNs, lineFreeNs_);
        const qint64 now = clock_.nsecsElapsed();
        if (now < front.startNs)
            return WakeAt(front.startNs);
        if (!front.logged && log_)
            log_->LogOutgoing(front.reply);
        front.logged = true;
        SendDueBytes(front, now);
        const std::size_t size = front.reply.bytes.size();
        if (front.handedOut < size)
            return WakeAt(PacedByteTimeNs(front.startNs, front.handedOut, timing_.baud));
        lineFreeNs_ = PacedByteTimeNs(front.startNs, size, timing_.baud);
        queue_.pop_front();
    }
    ReportInputDone();
}

void SimRunner::SendDueBytes(Pending& pending, qint64 now) {
    const auto& bytes = pending.reply.bytes;
    std::size_t end = pending.handedOut;
    while (end < bytes.size() && PacedByteTimeNs(pending.startNs, end, timing_.baud) <= now)
        ++end;
    Write({bytes.data() + pending.handedOut, end - pending.handedOut});
    pending.handedOut = end;
}

void SimRunner::WakeAt(qint64 ns) {
    const qint64 waitNs = std::max<qint64>(0, ns - clock_.nsecsElapsed());
    wake_.start(static_cast<int>((waitNs + kNsPerMs - 1) / kNsPerMs));
}

void SimRunner::Write(std::span<const std::uint8_t> bytes) {
    unwritten_.insert(unwritten_.end(), bytes.begin(), bytes.end());
    FlushOutput();
}

void SimRunner::FlushOutput() {
    while (!unwritten_.empty()) {
        const ssize_t n = write(outFd_, unwritten_.data(), unwritten_.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            unwritten_.clear(); // nobody can take them any more
            break;
        }
        if (n <= 0)
            break; // the stream is full: the write notifier resumes
        unwritten_.erase(unwritten_.begin(), unwritten_.begin() + n);
    }
    writable_.setEnabled(!unwritten_.empty());
    ReportInputDone();
}

void SimRunner::ReportInputDone() {
    if (inputEnded_ && queue_.empty() && unwritten_.empty()) {
        inputEnded_ = false; // once
        emit inputDone();
    }
}

} // namespace gsm::sim
