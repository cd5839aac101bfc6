#pragma once
// One exchange with the device at a time. A request goes out, and only the
// frame that answers it (its command and address) is handed back, to the
// continuation that came with the request. Anything else on the line answers
// nothing the program asked and is dropped; a spoilt reply, a silent device or
// a lost port end the exchange, and the continuation learns why only after
// the exchange has ended, so nothing that arrives later can continue it.
//
// The machine has one state value and does nothing that its transition
// table does not list.

#include "Exchange.h"
#include "Frame.h"
#include "Link.h"
#include "Outcome.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace gsm {

enum class ExchangeState {
    Idle,      // no request waits
    Waiting,   // a request went out; no byte of a reply yet
    Receiving, // bytes of a frame are coming in while a request waits
};

enum class ExchangeEvent {
    Send,        // a request is handed over
    PortRefused, // the port did not take the request's frame
    ReplyByte,   // a byte of a frame came in
    Answer,      // a whole frame answering the waiting request
    Spoilt,      // a bad checksum, an oversized header, a short page, another page
    Stray,       // a whole frame that answers nothing waiting: late or unasked
    Timeout,     // the countdown ran out
    LinkLost,    // the port went away
    Cancel,      // the program stops the exchange
};

enum class ExchangeAction {
    None,       // nothing to do
    Arm,        // the request waits: write it and start its countdown
    Restart,    // the next byte of the reply gets the full time again
    Deliver,    // hand the reply to the request's continuation
    Fail,       // give the request up, then tell its continuation why
    RefuseBusy, // a request still waits: the new one is not sent
    Drop,       // the frame goes nowhere
};

struct ExchangeTransition {
    ExchangeState from;
    ExchangeEvent event;
    ExchangeState to;
    ExchangeAction action;
};

// Every state meets every event exactly once.
std::span<const ExchangeTransition> ExchangeTransitions();
const ExchangeTransition& TransitionFor(ExchangeState state, ExchangeEvent event);

struct ExchangeRequest {
    std::uint8_t command = 0;
    std::uint32_t address = 0;
    std::vector<std::uint8_t> payload;
};

struct ExchangeReply {
    std::uint8_t command = 0;
    std::uint32_t address = 0;
    std::span<const std::uint8_t> payload;
};

// How one exchange ended; `reply` is set only when it was answered.
struct ExchangeEnd {
    Outcome outcome = Outcome::Ok;
    const ExchangeReply* reply = nullptr;
};

using Continuation = std::function<void(const ExchangeEnd&)>;

class ExchangeObserver {
public:
    virtual ~ExchangeObserver() = default;
    // A request went out while none waited (true); none waits any more and
    // its continuation has returned (false).
    virtual void BusyChanged(bool busy) { (void)busy; }
    // The first byte of a reply came in while a request waits.
    virtual void ReplyStarted() {}
};

class ExchangeMachine {
public:
    // Late replies are recognised for this many abandoned requests.
    static constexpr std::size_t kRemembered = 16;

    ExchangeMachine(IPortWriter& port, IReceiveTimer& timer);
    ExchangeMachine(const ExchangeMachine&) = delete;
    ExchangeMachine& operator=(const ExchangeMachine&) = delete;

    void SetObserver(ExchangeObserver* observer) { m_observer = observer; }
    // Every frame sent or received, when a trace is asked for.
    void SetTrace(ILinkTrace* trace) { m_trace = trace; }
    // How long a request waits for the first byte of its reply, and for each following byte.
    void SetTimeoutMs(int ms) { m_timeoutMs = ms; }
    int TimeoutMs() const { return m_timeoutMs; }

    // Sends `request`; `then` runs exactly once with how its exchange ended.
    // When a request still waits or the port does not take the frame, `then`
    // has run (Busy, NotSent or LinkLost) before this returns false.
    bool Send(ExchangeRequest request, Continuation then);

    void TakeByte(std::uint8_t b);
    void TakeBytes(std::span<const std::uint8_t> bytes);
    // The countdown of the waiting request ran out.
    void Timeout();
    // The port went away: the waiting request ends with LinkLost.
    void LinkLost();
    // The program stops the waiting request: it ends with Cancelled.
    void Cancel();

    ExchangeState State() const { return m_state; }
    // Requests that went out, and whole frames taken off the line, so far.
    std::uint32_t RequestsSent() const { return m_requestsSent; }
    std::uint32_t FramesTaken() const { return m_framesTaken; }
    // A start byte has come and its frame is not complete yet.
    bool CollectingFrame() const { return m_frame.InFrame != 0; }
    bool Waiting() const { return m_state != ExchangeState::Idle; }
    std::optional<LinkRequest> Pending() const;

private:
    struct PendingRequest {
        LinkRequest request;
        Continuation then;
        bool sent = false;
    };
    enum class Match { Answers, Late, WrongAddress, Unasked };

    ExchangeAction Step(ExchangeEvent event);
    bool Arm(const ExchangeRequest& request, Continuation then);
    void Deliver(const ExchangeReply& reply);
    void Fail(Outcome why, std::optional<Verdict> traced);
    void Stop(ExchangeEvent event, Outcome why, Verdict traced);
    void TakeFrame(ByteResult result);
    void TakeValidFrame();
    Match Classify(const LinkRequest& reply);
    void Remember(const LinkRequest& request);
    void SettleIfIdle();
    void Trace(const TraceEvent& event);
    void TraceReceived(ByteResult result, Verdict verdict);

    IPortWriter& m_port;
    IReceiveTimer& m_timer;
    ExchangeObserver* m_observer = nullptr;
    ILinkTrace* m_trace = nullptr;
    int m_timeoutMs = kReceiveTimeoutMs;

    ExchangeState m_state = ExchangeState::Idle;
    std::optional<PendingRequest> m_pending;
    std::deque<LinkRequest> m_abandoned;
    bool m_busyTold = false;
    std::uint32_t m_requestsSent = 0;
    std::uint32_t m_framesTaken = 0;
    FrameCollector m_frame;
    ReceivedFrame m_valid;
};

} // namespace gsm
