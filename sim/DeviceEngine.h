#pragma once
// The device's side of the protocol, without any I/O: request bytes in,
// reply bytes out, exactly as the device answers (and, when asked, with
// faults).

#include "DeviceMemory.h"
#include "Faults.h"
#include "protocol/Frame.h"

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace gsm::sim {

// A complete frame as received, good or bad.
struct IncomingFrame {
    std::vector<std::uint8_t> bytes; // start byte to checksum
    bool valid = false;
    // 1-based number of the request; 0 for a frame that was not valid.
    std::uint32_t request = 0;
};

struct Reply {
    std::uint32_t request = 0;
    // What goes on the wire; empty when the request goes unanswered.
    std::vector<std::uint8_t> bytes;
    // The faults that shaped it.
    std::vector<Fault> faults;
    // Held back this long beyond the usual reply delay.
    std::size_t extraDelayMs = 0;
};

// Status byte of a refused write or single command. A refused read, or a read
// outside the map, is answered with the request's address and no payload.
inline constexpr std::uint8_t kRefused = 0;

class DeviceEngine {
public:
    explicit DeviceEngine(DeviceState& state, FaultPlan faults = {});

    // Takes bytes from the PC in any chunking and answers every complete
    // valid request. A frame with a bad checksum gets no reply; bytes outside
    // a frame are skipped until the next start byte.
    std::vector<Reply> Feed(std::span<const std::uint8_t> bytes);

    // True while part of a frame has arrived.
    bool Collecting() const { return m_receiver.InFrame != 0; }
    // Forgets a partly received frame (the PC gave up on it).
    void DropPartialFrame() { m_receiver.Reset(); }

    std::uint32_t RequestCount() const { return m_requests; }
    bool InCheckMode() const { return m_checkMode; }

    // Called for every complete frame received, before it is answered.
    std::function<void(const IncomingFrame&)> OnFrame;

private:
    struct Answer {
        std::uint8_t command;
        std::uint32_t address;
        std::vector<std::uint8_t> payload;
    };

    void Report(std::span<const std::uint8_t> raw, bool valid);
    Reply Respond(const FrameCollector& request);
    Answer Carry(const FrameCollector& request, bool refuse);
    std::vector<std::uint8_t> ReadPageReply(std::uint32_t address, bool refuse) const;
    bool StorePage(const FrameCollector& request, bool refuse);
    bool SetClock(const FrameCollector& request, bool refuse);
    static std::vector<std::uint8_t> BuildFrame(const Answer& answer);

    DeviceState& m_state;
    FaultPlan m_faults;
    FrameCollector m_receiver;
    std::uint32_t m_requests = 0;
    bool m_checkMode = false;
};

} // namespace gsm::sim
