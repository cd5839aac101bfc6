#include "ExchangeMachine.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace gsm {

namespace {

using S = ExchangeState;
using E = ExchangeEvent;
using A = ExchangeAction;

// clang-format off
constexpr ExchangeTransition kTransitions[] = {
    // A request goes out only when none waits; the second one is refused,
    // never sent over the first.
    {S::Idle,      E::Send,        S::Waiting,   A::Arm},
    {S::Waiting,   E::Send,        S::Waiting,   A::RefuseBusy},
    {S::Receiving, E::Send,        S::Receiving, A::RefuseBusy},
    // Nothing went out, so nothing will answer: no countdown to wait for.
    {S::Idle,      E::PortRefused, S::Idle,      A::None},
    {S::Waiting,   E::PortRefused, S::Idle,      A::Fail},
    {S::Receiving, E::PortRefused, S::Idle,      A::Fail},
    // Bytes on an idle line arm nothing; each byte of a reply gives the next
    // one the full time.
    {S::Idle,      E::ReplyByte,   S::Idle,      A::None},
    {S::Waiting,   E::ReplyByte,   S::Receiving, A::Restart},
    {S::Receiving, E::ReplyByte,   S::Receiving, A::Restart},
    // An answer needs a waiting request: on an idle line it is a stray frame.
    {S::Idle,      E::Answer,      S::Idle,      A::Drop},
    {S::Waiting,   E::Answer,      S::Idle,      A::Deliver},
    {S::Receiving, E::Answer,      S::Idle,      A::Deliver},
    // A spoilt frame may be the waited-for reply: the exchange cannot go on.
    {S::Idle,      E::Spoilt,      S::Idle,      A::Drop},
    {S::Waiting,   E::Spoilt,      S::Idle,      A::Fail},
    {S::Receiving, E::Spoilt,      S::Idle,      A::Fail},
    // A late or unasked frame changes nothing; the request still waits.
    {S::Idle,      E::Stray,       S::Idle,      A::Drop},
    {S::Waiting,   E::Stray,       S::Waiting,   A::Drop},
    {S::Receiving, E::Stray,       S::Waiting,   A::Drop},
    // A countdown that outlived its request has nothing to report.
    {S::Idle,      E::Timeout,     S::Idle,      A::None},
    {S::Waiting,   E::Timeout,     S::Idle,      A::Fail},
    {S::Receiving, E::Timeout,     S::Idle,      A::Fail},
    {S::Idle,      E::LinkLost,    S::Idle,      A::None},
    {S::Waiting,   E::LinkLost,    S::Idle,      A::Fail},
    {S::Receiving, E::LinkLost,    S::Idle,      A::Fail},
    {S::Idle,      E::Cancel,      S::Idle,      A::None},
    {S::Waiting,   E::Cancel,      S::Idle,      A::Fail},
    {S::Receiving, E::Cancel,      S::Idle,      A::Fail},
};
// clang-format on

bool IsPageRead(std::uint8_t command) {
    return command == cmd::kReadPage;
}

FrameBuilder FrameOf(const ExchangeRequest& request) {
    FrameBuilder package;
    package.SetCommand(request.command);
    package.SetLength(static_cast<int>(request.payload.size()));
    package.SetAddress(request.address);
    if (!request.payload.empty())
        package.SetPayload(request.payload);
    package.BuildFrame();
    return package;
}

} // namespace

std::span<const ExchangeTransition> ExchangeTransitions() {
    return kTransitions;
}

const ExchangeTransition& TransitionFor(ExchangeState state, ExchangeEvent event) {
    for (const ExchangeTransition& t : kTransitions)
        if (t.from == state && t.event == event)
            return t;
    throw std::logic_error("the exchange table has no transition for this state and event");
}

ExchangeMachine::ExchangeMachine(IPortWriter& port, IReceiveTimer& timer)
    : m_port(port), m_timer(timer) {
    m_frame.Reset();
}

std::optional<LinkRequest> ExchangeMachine::Pending() const {
    if (!m_pending)
        return std::nullopt;
    return m_pending->request;
}

ExchangeAction ExchangeMachine::Step(ExchangeEvent event) {
    const ExchangeTransition& t = TransitionFor(m_state, event);
    m_state = t.to;
    return t.action;
}

bool ExchangeMachine::Send(ExchangeRequest request, Continuation then) {
    switch (Step(ExchangeEvent::Send)) {
    case ExchangeAction::Arm:
        return Arm(request, std::move(then));
    case ExchangeAction::RefuseBusy: {
        const FrameBuilder package = FrameOf(request);
        Trace(MakeTraceEvent(TraceEvent::Direction::Out, package.Bytes(), Verdict::NotSentBusy));
        then({Outcome::Busy});
        return false;
    }
    default:
        return false;
    }
}

bool ExchangeMachine::Arm(const ExchangeRequest& request, Continuation then) {
    m_pending = PendingRequest{{request.command, request.address}, std::move(then)};
    // A frame begun before this request went out cannot be its reply: left
    // in place, a stray partial frame would swallow the reply's bytes.
    m_frame.Reset();
    const FrameBuilder package = FrameOf(request);
    const bool written =
        m_port.WriteData(package.Frame.data(), static_cast<std::uint16_t>(package.FrameLength));
    const Verdict verdict = written           ? Verdict::Sent
                            : m_port.IsOpen() ? Verdict::NotSentWriteFailed
                                              : Verdict::NotSentPortClosed;
    Trace(MakeTraceEvent(TraceEvent::Direction::Out, package.Bytes(), verdict));
    if (!written) {
        // A closed port is the user's to open; an open one that will not
        // write has lost its device.
        Step(ExchangeEvent::PortRefused);
        Fail(verdict == Verdict::NotSentPortClosed ? Outcome::NotSent : Outcome::LinkLost,
             std::nullopt);
        return false;
    }
    m_pending->sent = true;
    ++m_requestsSent;
    if (!m_busyTold) {
        m_busyTold = true;
        if (m_observer)
            m_observer->BusyChanged(true);
    }
    // Each request waits its own full time for the first byte of its reply.
    m_timer.Disable();
    m_timer.SetInterval(m_timeoutMs);
    m_timer.Enable();
    return true;
}

void ExchangeMachine::Deliver(const ExchangeReply& reply) {
    m_timer.Disable();
    PendingRequest pending = std::move(*m_pending);
    m_pending.reset();
    pending.then({Outcome::Ok, &reply});
    SettleIfIdle();
}

void ExchangeMachine::Fail(Outcome why, std::optional<Verdict> traced) {
    m_timer.Disable();
    m_frame.Reset();
    if (!m_pending)
        return;
    PendingRequest pending = std::move(*m_pending);
    m_pending.reset();
    if (traced) {
        TraceEvent event;
        event.command = pending.request.command;
        event.address = pending.request.address;
        event.verdict = *traced;
        Trace(event);
    }
    // Its reply may still come; it must not be taken for another's.
    if (pending.sent)
        Remember(pending.request);
    // Only now, with nothing left to continue, is anyone told.
    pending.then({why});
    SettleIfIdle();
}

void ExchangeMachine::Stop(ExchangeEvent event, Outcome why, Verdict traced) {
    if (Step(event) == ExchangeAction::Fail) {
        Fail(why, traced);
        return;
    }
    m_frame.Reset();
}

void ExchangeMachine::Timeout() {
    Stop(ExchangeEvent::Timeout, Outcome::Timeout, Verdict::Timeout);
}

void ExchangeMachine::LinkLost() {
    Stop(ExchangeEvent::LinkLost, Outcome::LinkLost, Verdict::LinkLost);
}

void ExchangeMachine::Cancel() {
    Stop(ExchangeEvent::Cancel, Outcome::Cancelled, Verdict::Cancelled);
}

void ExchangeMachine::SettleIfIdle() {
    // A continuation that sent the next request keeps the exchange going.
    if (m_state != ExchangeState::Idle || !m_busyTold)
        return;
    m_busyTold = false;
    if (m_observer)
        m_observer->BusyChanged(false);
}

void ExchangeMachine::TakeBytes(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t b : bytes)
        TakeByte(b);
}

void ExchangeMachine::TakeByte(std::uint8_t b) {
    const ByteResult result = m_frame.TakeByte(b);
    switch (result) {
    case ByteResult::Dropped:
        // Noise outside a frame answers nothing and keeps no request alive.
        return;
    case ByteResult::Started:
        if (Waiting() && m_observer)
            m_observer->ReplyStarted();
        [[fallthrough]];
    case ByteResult::Collecting:
        if (Step(ExchangeEvent::ReplyByte) == ExchangeAction::Restart)
            m_timer.Restart();
        return;
    case ByteResult::FrameValid:
    case ByteResult::FrameInvalid:
    case ByteResult::Oversized:
        TakeFrame(result);
        return;
    }
}

void ExchangeMachine::TakeFrame(ByteResult result) {
    ++m_framesTaken;
    if (result == ByteResult::FrameValid) {
        TakeValidFrame();
        return;
    }
    const Verdict verdict =
        result == ByteResult::Oversized ? Verdict::FailedOversized : Verdict::FailedChecksum;
    if (Step(ExchangeEvent::Spoilt) == ExchangeAction::Fail) {
        TraceReceived(result, verdict);
        Fail(Outcome::InvalidData, std::nullopt);
    } else {
        TraceReceived(result, Verdict::DroppedUnasked);
    }
}

void ExchangeMachine::TakeValidFrame() {
    m_valid.Fill(m_frame);
    const LinkRequest reply{m_valid.Command, static_cast<std::uint32_t>(m_valid.Address)};
    switch (Classify(reply)) {
    case Match::Answers:
        // The device answers every page read with the whole page; anything
        // shorter would be decoded as a page of whatever came before.
        if (IsPageRead(reply.command) && m_valid.Length != frame::kMaxPayload) {
            Step(ExchangeEvent::Spoilt);
            TraceReceived(ByteResult::FrameValid, Verdict::FailedShortPage);
            Fail(Outcome::InvalidData, std::nullopt);
            return;
        }
        TraceReceived(ByteResult::FrameValid, Verdict::Dispatched);
        if (Step(ExchangeEvent::Answer) == ExchangeAction::Deliver)
            Deliver({reply.command, reply.address, {m_valid.Data.data(), m_valid.Length}});
        return;
    case Match::Late:
        TraceReceived(ByteResult::FrameValid, Verdict::DroppedLateReply);
        Step(ExchangeEvent::Stray);
        return;
    case Match::Unasked:
        TraceReceived(ByteResult::FrameValid, Verdict::DroppedUnasked);
        Step(ExchangeEvent::Stray);
        return;
    case Match::WrongAddress:
        Step(ExchangeEvent::Spoilt);
        TraceReceived(ByteResult::FrameValid, Verdict::FailedWrongAddress);
        Fail(Outcome::WrongPage, std::nullopt);
        return;
    }
}

// The waiting request is looked at first, so a retried page is answered by
// whichever of the two replies comes first; the other is then late. A late
// reply is forgotten once it has been dropped.
ExchangeMachine::Match ExchangeMachine::Classify(const LinkRequest& reply) {
    if (m_pending && m_pending->request == reply)
        return Match::Answers;
    const auto late = std::find(m_abandoned.begin(), m_abandoned.end(), reply);
    if (late != m_abandoned.end()) {
        m_abandoned.erase(late);
        return Match::Late;
    }
    if (m_pending && m_pending->request.command == reply.command)
        return Match::WrongAddress;
    return Match::Unasked;
}

void ExchangeMachine::Remember(const LinkRequest& request) {
    m_abandoned.push_back(request);
    if (m_abandoned.size() > kRemembered)
        m_abandoned.pop_front();
}

void ExchangeMachine::Trace(const TraceEvent& event) {
    if (m_trace)
        m_trace->Record(event);
}

void ExchangeMachine::TraceReceived(ByteResult result, Verdict verdict) {
    if (!m_trace)
        return;
    // The collector keeps the bytes after the start byte; an oversized frame
    // was dropped right after its header.
    const std::size_t raw =
        result == ByteResult::Oversized
            ? frame::kPayloadOffset - 1
            : static_cast<std::size_t>(m_frame.ExpectedLength) + frame::kOverhead - 1;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(raw + 1);
    bytes.push_back(frame::kStartByte);
    bytes.insert(bytes.end(), m_frame.RawBytes.begin(),
                 m_frame.RawBytes.begin() + static_cast<std::ptrdiff_t>(raw));
    Trace(MakeTraceEvent(TraceEvent::Direction::In, bytes, verdict));
}

} // namespace gsm
