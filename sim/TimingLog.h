#pragma once
// The --timing file: one JSON object per line for every answered request,
// with when it crossed the line and when its reply did, so that the PC's
// turnaround and the bytes on the wire can be read back after a run.

#include <QFile>
#include <QString>

#include <cstdint>
#include <optional>

namespace gsm::sim {

// One request and its reply. Times are nanoseconds on the simulator's own
// monotonic clock, counted from its start.
struct ExchangeTiming {
    std::uint32_t request = 0; // 1-based, as the engine counts valid requests
    std::uint8_t command = 0;
    std::uint32_t address = 0;
    // Bytes received since the previous request up to this one's last byte
    // (stray bytes and frames with a bad checksum included), and reply
    // bytes sent.
    std::size_t bytesIn = 0;
    std::size_t bytesOut = 0;
    qint64 receivedNs = 0;   // the request's first byte was read
    qint64 arrivedNs = 0;    // its last byte had crossed the line
    qint64 replyStartNs = 0; // the reply's first byte was handed out
    qint64 replyEndNs = 0;   // its last byte was handed out
    // From the previous reply's last byte to this request's first byte;
    // none for the first request or one that began before that reply ended.
    std::optional<qint64> turnaroundNs;
};

class TimingLog {
public:
    // Throws std::runtime_error when the file cannot be opened.
    explicit TimingLog(const QString& path);

    void Record(const ExchangeTiming& exchange);

private:
    QFile m_file;
};

} // namespace gsm::sim
