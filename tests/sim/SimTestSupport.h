#pragma once
// Helpers shared by the simulator tests: frames from hex text, requests as
// the PC builds them, and replies taken apart by the PC's receiver.

#include "protocol/Frame.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace gsm::sim::test {

using Bytes = std::vector<std::uint8_t>;

// "23 82 00 ..." -> bytes
inline Bytes Hex(const std::string& text) {
    Bytes out;
    std::istringstream in(text);
    std::string byte;
    while (in >> byte)
        out.push_back(static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16)));
    return out;
}

inline Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

inline Bytes Repeat(std::uint8_t value, std::size_t count) {
    return Bytes(count, value);
}

inline Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline Bytes Request(std::uint8_t command, std::uint32_t address, const Bytes& payload = {}) {
    FrameBuilder p;
    p.SetCommand(command);
    p.SetLength(static_cast<int>(payload.size()));
    p.SetAddress(address);
    p.SetPayload(payload);
    p.BuildFrame();
    const auto bytes = p.Bytes();
    return Bytes(bytes.begin(), bytes.end());
}

struct ReceivedReply {
    std::uint8_t command = 0;
    std::uint32_t address = 0;
    Bytes payload;
};

// Runs bytes through the PC's receiver; returns the valid frames and counts
// the ones whose checksum failed.
inline std::vector<ReceivedReply> ValidFrames(const Bytes& bytes, int* invalid = nullptr) {
    FrameCollector rec;
    std::vector<ReceivedReply> frames;
    for (auto b : bytes) {
        const ByteResult r = rec.TakeByte(b);
        if (r == ByteResult::FrameValid)
            frames.push_back(
                {rec.Command, rec.AddressValue(),
                 Bytes(rec.Payload.begin(), rec.Payload.begin() + rec.PayloadLength())});
        if (r == ByteResult::FrameInvalid && invalid)
            ++*invalid;
    }
    return frames;
}

// Runs the event loop until done() holds or timeoutMs has passed.
template <typename Pred> bool WaitUntil(Pred done, int timeoutMs = 10000) {
    const QDeadlineTimer deadline(timeoutMs);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(2, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return true;
}

} // namespace gsm::sim::test
