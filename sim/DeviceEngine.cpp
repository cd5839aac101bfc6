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
    : m_state(state), m_faults(std::move(faults)) {}

std::vector<Reply> DeviceEngine::Feed(std::span<const std::uint8_t> bytes) {
    std::vector<Reply> replies;
    for (const std::uint8_t b : bytes) {
        const ByteResult result = m_receiver.TakeByte(b);
        const auto rawCount = static_cast<std::size_t>(m_receiver.ExpectedLength) + 8;
        switch (result) {
        case ByteResult::FrameValid:
            ++m_requests;
            Report({m_receiver.RawBytes.data(), rawCount}, true);
            replies.push_back(Respond(m_receiver));
            break;
        case ByteResult::FrameInvalid:
            Report({m_receiver.RawBytes.data(), rawCount}, false);
            break;
        case ByteResult::Oversized:
            Report({m_receiver.RawBytes.data(), frame::kPayloadOffset - 1}, false);
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
    in.request = valid ? m_requests : 0;
    OnFrame(in);
}

Reply DeviceEngine::Respond(const FrameCollector& request) {
    Reply reply;
    reply.request = m_requests;
    reply.faults = m_faults.For(m_requests);
    const auto has = [&](FaultKind kind) { return m_faults.Has(kind, m_requests); };

    Answer answer = Carry(request, has(FaultKind::Refuse));
    if (has(FaultKind::WrongAddress))
        answer.address += addr::kPageSize;
    reply.bytes = BuildFrame(answer);
    if (has(FaultKind::Corrupt))
        reply.bytes.back() ^= 0xFF;
    if (const auto keep = m_faults.CutAt(m_requests))
        reply.bytes.resize(std::min(*keep, reply.bytes.size()));
    if (has(FaultKind::Garbage))
        reply.bytes.insert(reply.bytes.begin(), kGarbage.begin(), kGarbage.end());
    if (has(FaultKind::NoReply))
        reply.bytes.clear();
    reply.extraDelayMs = m_faults.ExtraDelayMs(m_requests);
    return reply;
}

DeviceEngine::Answer DeviceEngine::Carry(const FrameCollector& request, bool refuse) {
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
        m_checkMode = m_checkMode || !refuse;
        answer.payload = Status(!refuse);
        break;
    case cmd::kDeleteHistory:
        if (!refuse)
            m_state.memory.ClearHistory();
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
    const auto page = m_state.memory.ReadPage(address);
    if (!page)
        return {};
    return {page->begin(), page->end()};
}

bool DeviceEngine::StorePage(const FrameCollector& request, bool refuse) {
    if (refuse || request.PayloadLength() != addr::kPageSize)
        return false;
    return m_state.memory.WritePage(
        request.AddressValue(),
        std::span<const std::uint8_t, addr::kPageSize>(request.Payload.data(), addr::kPageSize));
}

bool DeviceEngine::SetClock(const FrameCollector& request, bool refuse) {
    if (refuse || request.PayloadLength() != kClockLength)
        return false;
    ClockBytes clock{};
    std::copy_n(request.Payload.begin(), clock.size(), clock.begin());
    m_state.clock = clock;
    return true;
}

std::vector<std::uint8_t> DeviceEngine::BuildFrame(const Answer& answer) {
    FrameBuilder package;
    package.SetCommand(answer.command);
    package.SetLength(static_cast<int>(answer.payload.size()));
    package.SetAddress(answer.address);
    package.SetPayload(answer.payload);
    package.BuildFrame();
    const auto bytes = package.Bytes();
    return {bytes.begin(), bytes.end()};
}

} // namespace gsm::sim
