#include "Exchange.h"

#include "Frame.h"

#include <algorithm>

namespace gsm {

std::string VerdictText(Verdict verdict) {
    switch (verdict) {
    case Verdict::Sent:
        return "sent";
    case Verdict::NotSentPortClosed:
        return "not sent: port closed";
    case Verdict::NotSentWriteFailed:
        return "not sent: write failed";
    case Verdict::NotSentBusy:
        return "not sent: a request waits for its reply";
    case Verdict::Dispatched:
        return "dispatched";
    case Verdict::DroppedLateReply:
        return "dropped: late reply to an abandoned request";
    case Verdict::DroppedUnasked:
        return "dropped: no request waits for it";
    case Verdict::FailedWrongAddress:
        return "failed: reply names another address";
    case Verdict::FailedChecksum:
        return "failed: checksum mismatch";
    case Verdict::FailedOversized:
        return "failed: header announces more than 256 bytes";
    case Verdict::FailedShortPage:
        return "failed: page reply without 256 bytes";
    case Verdict::Timeout:
        return "timeout";
    case Verdict::LinkLost:
        return "link lost";
    case Verdict::Cancelled:
        return "cancelled";
    }
    return "unknown";
}

namespace {

constexpr std::size_t kPasswordBytes = 4;
constexpr char kHexDigits[] = "0123456789ABCDEF";

// Frames whose payload starts with the device password: the reply to a read
// of settings page 1 and a write of that page.
bool CarriesPassword(std::span<const std::uint8_t> frame) {
    if (frame.size() < frame::kPayloadOffset + kPasswordBytes + 1)
        return false;
    const std::uint8_t command = frame[frame::kCommand.offset];
    return (command == cmd::kReadPage || command == cmd::kWritePage) &&
           GetBigEndian(frame, frame::kAddress) == addr::SettingsPage(1) &&
           GetBigEndian(frame, frame::kLength) > 0;
}

} // namespace

std::string TraceHex(std::span<const std::uint8_t> frame) {
    const bool mask = CarriesPassword(frame);
    const std::size_t checksumAt = frame.size() - 1;
    std::string out;
    out.reserve(frame.size() * 3);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        if (i > 0)
            out.push_back(' ');
        const bool secret =
            mask && ((i >= frame::kPayloadOffset && i < frame::kPayloadOffset + kPasswordBytes) ||
                     i == checksumAt);
        if (secret) {
            out += "**";
        } else {
            out.push_back(kHexDigits[frame[i] >> 4]);
            out.push_back(kHexDigits[frame[i] & 0x0F]);
        }
    }
    return out;
}

TraceEvent MakeTraceEvent(TraceEvent::Direction direction, std::span<const std::uint8_t> frame,
                          Verdict verdict) {
    TraceEvent event;
    event.direction = direction;
    event.verdict = verdict;
    if (frame.size() > frame::kCommand.offset)
        event.command = frame[frame::kCommand.offset];
    if (frame.size() >= frame::kLength.offset + frame::kLength.width) {
        event.address = GetBigEndian(frame, frame::kAddress);
        event.length = static_cast<std::uint16_t>(GetBigEndian(frame, frame::kLength));
    }
    event.hex = TraceHex(frame);
    return event;
}

} // namespace gsm
