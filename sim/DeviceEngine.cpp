#include "DeviceEngine.h"

#include <algorithm>
#include <array>

namespace gsm::sim {

namespace {

// Bytes a noisy line puts before a reply; none of them is a start byte.
constexpr std::array<std::uint8_t, 3> kGarbage{0x00, 0xFF, 0x41};
constexpr std::uint16_t kClockLength = 6;

std::vector<std::uint8_t> Status(bool accepted) {
    return {accepted ? cmd::kAccepted : kRefused};
}

} // namespace

DeviceEngine::DeviceEngine(DeviceState& state, FaultPlan faults)
    : state_(state), faults_(std::move(faults)) {}

std::vector<Reply> DeviceEngine::Feed(std::span<const std::uint8_t> bytes) {
    std::vector<Reply> replies;
    for (const std::uint8_t b : bytes) {
        const ByteResult result = receiver_.TakeByte(b);
        const auto rawCount = static_cast<std::size_t>(receiver_.ExpectedLength) + 8;
        switch (result) {
        case ByteResult::FrameValid:
            ++requests_;
            Report({receiver_.RawBytes.data(), rawCount}, true);
            replies.push_back(Respond(receiver_));
            break;
        case ByteResult::FrameInvalid:
            Report({receiver_.RawBytes.data(), rawCount}, false);
            break;
        case ByteResult::Oversized:
            Report({receiver_.RawBytes.data(), frame::kPayloadOffset - 1}, false);
            break;
        default:
            break;
        }
    }
    return replies;
}

void DeviceEngine::Report(std::span<const std::uint8_t> raw, bool valid) {
    if (!OnFrame)
        return;
    IncomingFrame in;
    in.bytes.push_back(frame::kStartByte);
    in.bytes.insert(in.bytes.end(), raw.begin(), raw.end());
    in.valid = valid;
    in.request = valid ? requests_ : 0;
    OnFrame(in);
}

Reply DeviceEngine::Respond(const TRecData& request) {
    Reply reply;
    reply.request = requests_;
    reply.faults = faults_.For(requests_);
    const auto has = [&](FaultKind kind) { return faults_.Has(kind, requests_); };

    Answer answer = Carry(request, has(FaultKind::Refuse));
    if (has(FaultKind::WrongAddress))
        answer.address += addr::kPageSize;
    reply.bytes = BuildFrame(answer);
    if (has(FaultKind::Corrupt))
        reply.bytes.back() ^= 0xFF;
    if (const auto keep = faults_.CutAt(requests_))
        reply.bytes.resize(std::min(*keep, reply.bytes.size()));
    if (has(FaultKind::Garbage))
        reply.bytes.insert(reply.bytes.begin(), kGarbage.begin(), kGarbage.end());
    if (has(FaultKind::NoReply))
        reply.bytes.clear();
    reply.extraDelayMs = faults_.ExtraDelayMs(requests_);
    return reply;
}

DeviceEngine::Answer DeviceEngine::Carry(const TRecData& request, bool refuse) {
    const std::uint32_t address = request.AddressValue();
    Answer answer{request.Command, address, {}};
    switch (request.Command) {
    case cmd::kReadPage:
        answer.payload = ReadPageReply(address, refuse);
        break;
    case cmd::kWritePage:
        answer.payload = Status(StorePage(request, refuse));
        break;
    case cmd::kSetClock:
        answer.payload = Status(SetClock(request, refuse));
        break;
    case cmd::kCheckMode:
        checkMode_ = checkMode_ || !refuse;
        answer.payload = Status(!refuse);
        break;
    case cmd::kDeleteHistory:
        if (!refuse)
            state_.memory.ClearHistory();
        answer.payload = Status(!refuse);
        break;
    default:
        // An unknown command is echoed with a refusal, so the PC sees a frame.
        answer.payload = Status(false);
        break;
    }
    return answer;
}

std::vector<std::uint8_t> DeviceEngine::ReadPageReply(std::uint32_t address, bool refuse) const {
    if (refuse)
        return {};
    const auto page = state_.memory.ReadPage(address);
    if (!page)
        return {};
    return {page->begin(), page->end()};
}

bool DeviceEngine::StorePage(const TRecData& request, bool refuse) {
    if (refuse || request.PayloadLength() != addr::kPageSize)
        return false;
    return state_.memory.WritePage(
        request.AddressValue(),
        std::span<const std::uint8_t, addr::kPageSize>(request.Payload.data(), addr::kPageSize));
}

bool DeviceEngine::SetClock(const TRecData& request, bool refuse) {
    if (refuse || request.PayloadLength() != kClockLength)
        return false;
    ClockBytes clock{};
    std::copy_n(request.Payload.begin(), clock.size(), clock.begin());
    state_.clock = clock;
    return true;
}

std::vector<std::uint8_t> DeviceEngine::BuildFrame(const Answer& answer) {
    TDataPackage package;
    package.SetCommand(answer.command);
    package.SetLength(static_cast<int>(answer.payload.size()));
    package.SetAddress(answer.address);
    package.SetPayload(answer.payload);
    package.BuildFrame();
    const auto bytes = package.Bytes();
    return {bytes.begin(), bytes.end()};
}

} // namespace gsm::sim
