#pragma once
// The request a reply must answer, what became of each frame, and the frame
// trace that records it for support.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace gsm {

struct LinkRequest {
    std::uint8_t command = 0;
    std::uint32_t address = 0;

    bool operator==(const LinkRequest&) const = default;
};

// What became of a frame, or of a request that was never answered.
enum class Verdict {
    Sent,
    NotSentPortClosed,
    NotSentWriteFailed,
    NotSentBusy, // another request still waits for its reply
    Dispatched,
    DroppedLateReply, // answers a request the program had given up on
    DroppedUnasked,   // no request waits for it
    FailedWrongAddress,
    FailedChecksum,
    FailedOversized,
    FailedShortPage, // a page read answered without its 256 bytes
    Timeout,
    LinkLost,
    Cancelled,
};

// "dispatched", "dropped: late reply", ... as the frame trace writes it.
std::string VerdictText(Verdict verdict);

// One line of the frame trace.
struct TraceEvent {
    enum class Direction { Out, In, None };
    Direction direction = Direction::None;
    std::uint8_t command = 0;
    std::uint32_t address = 0;
    std::uint16_t length = 0;
    // The frame as on the wire, credential bytes already masked; empty for a
    // timeout or a lost link.
    std::string hex;
    Verdict verdict = Verdict::Sent;
};

class ILinkTrace {
public:
    virtual ~ILinkTrace() = default;
    virtual void Record(const TraceEvent& event) = 0;
};

// The frame bytes as hex pairs separated by blanks. Credentials never appear
// in clear: in every read reply and write of a settings page, the bytes of
// the device password, the GPRS user name and the GPRS password
// (Credentials.h), and the checksum that would give away their XOR, are
// written as "**".
std::string TraceHex(std::span<const std::uint8_t> frame);

TraceEvent MakeTraceEvent(TraceEvent::Direction direction, std::span<const std::uint8_t> frame,
                          Verdict verdict);

} // namespace gsm
