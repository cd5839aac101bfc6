#include "Exchange.h"

#include "Credentials.h"
#include "Frame.h"

#include <vector>

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

constexpr char kHexDigits[] = "0123456789ABCDEF";

// A page read's reply and a page write carry page bytes; the reply to a
// write carries one status byte, which support needs to read.
bool CarriesPageBytes(std::uint8_t command, std::size_t length) {
    if (command == cmd::kWritePage)
        return length > 1;
    return command == cmd::kReadPage && length > 0;
}

// The frame positions that hold a credential, and the checksum that would
// give away their XOR once every other byte is known.
std::vector<bool> SecretPositions(std::span<const std::uint8_t> frame) {
    std::vector<bool> secret(frame.size(), false);
    if (frame.size() < frame::kPayloadOffset)
        return secret;
    const std::size_t length = GetBigEndian(frame, frame::kLength);
    if (!CarriesPageBytes(frame[frame::kCommand.offset], length))
        return secret;
    const std::uint32_t address = GetBigEndian(frame, frame::kAddress);
    bool any = false;
    for (const credentials::CredentialField& credential : credentials::kAll) {
        if (credential.pageAddress != address)
            continue;
        for (std::size_t i = credential.field.offset;
             i < credential.field.offset + credential.field.width && i < length; ++i) {
            if (frame::kPayloadOffset + i < frame.size()) {
                secret[frame::kPayloadOffset + i] = true;
                any = true;
            }
        }
    }
    if (any && frame::kPayloadOffset + length < frame.size())
        secret[frame::kPayloadOffset + length] = true;
    return secret;
}

} // namespace

std::string TraceHex(std::span<const std::uint8_t> frame) {
    const std::vector<bool> secret = SecretPositions(frame);
    std::string out;
    out.reserve(frame.size() * 3);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        if (i > 0)
            out.push_back(' ');
        if (secret[i]) {
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
