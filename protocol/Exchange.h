#pragma once
// Pairs every reply with the one request that waits for it. The device
// answers a request with a frame that carries the request's command and
// address; anything else on the line answers nothing the program asked, and
// acting on it would change a grid or continue a transfer behind the user's
// back.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
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
    Dispatched,
    DroppedLateReply, // answers a request the program had given up on
    DroppedUnasked,   // no request waits for it
    FailedWrongAddress,
    FailedChecksum,
    FailedOversized,
    FailedShortPage, // a page read answered without its 256 bytes
    Timeout,
    LinkLost,
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
    // The frame as on the wire, password bytes already masked; empty for a
    // timeout or a lost link.
    std::string hex;
    Verdict verdict = Verdict::Sent;
};

class ILinkTrace {
public:
    virtual ~ILinkTrace() = default;
    virtual void Record(const TraceEvent& event) = 0;
};

// The frame bytes as hex pairs separated by blanks. The device password (the
// first four bytes of settings page 1) never appears in clear: in a page-1
// read reply or page-1 write those four bytes, and the checksum that would
// give away their XOR, are written as "**".
std::string TraceHex(std::span<const std::uint8_t> frame);

TraceEvent MakeTraceEvent(TraceEvent::Direction direction, std::span<const std::uint8_t> frame,
                          Verdict verdict);

// The request that waits for its reply, and the ones given up on whose late
// replies may still come.
class RequestBook {
public:
    // Late replies are recognised for this many abandoned requests.
    static constexpr std::size_t kRemembered = 16;

    enum class Match {
        Answers,      // same command and address as the waiting request
        Late,         // answers a request given up on; dropped
        WrongAddress, // the waiting request's command with another address
        Unasked,      // nothing asked for it; dropped
    };

    // Called on each request that went out. A request still waiting is
    // given up first.
    void Sent(LinkRequest request);
    // The waiting request got its answer.
    void Answered();
    // The waiting request will not be answered in time (timeout, bad frame,
    // lost link); its late reply must not be taken for another's.
    void GiveUp();

    bool Waiting() const { return m_pending.has_value(); }
    std::optional<LinkRequest> Pending() const { return m_pending; }
    // Counts requests sent: a frame begun before the latest request cannot
    // be its reply.
    std::uint32_t Serial() const { return m_serial; }

    // The waiting request is looked at first, so a retry of a page is
    // answered by whichever of the two replies comes first; the other is then
    // recognised as late. A late reply is forgotten once it has been dropped.
    Match Classify(std::uint8_t command, std::uint32_t address);

    // Runs when a request goes out while none was waiting.
    void SetOnWaiting(std::function<void()> onWaiting) { m_onWaiting = std::move(onWaiting); }

private:
    void Remember(const LinkRequest& request);

    std::optional<LinkRequest> m_pending;
    std::deque<LinkRequest> m_abandoned;
    std::uint32_t m_serial = 0;
    std::function<void()> m_onWaiting;
};

} // namespace gsm
