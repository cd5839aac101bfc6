// The exchange machine driven by a script of events: requests handed over
// (some sent again from inside the continuation of the one before, as a
// transfer sends its next page), bytes and whole frames from the line,
// timeouts, a lost link, cancels, and a port that closes or stops taking
// writes. What must hold after any of them:
//   - every request's continuation runs exactly once, and (but for a request
//     refused as busy) only after its exchange has ended;
//   - it learns an end the event allows: an answer carries the request's
//     command and address (and a whole page for a page read), a timeout
//     comes from the countdown, a lost link from the port, and so on;
//   - a request is pending exactly when the state says Waiting or Receiving,
//     Receiving exactly when a frame is being collected for it;
//   - the countdown runs exactly while a request waits, and the busy signal
//     says the same;
//   - every request that went out was written once, as one whole frame;
//   - the trace never shows the device password.
// A reply that answers the waiting request whole, on a line where no other
// frame was begun, is delivered; spoilt, it fails the request.

#include "FuzzSupport.h"
#include "protocol/ExchangeMachine.h"
#include "tests/protocol/Fakes.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace gsm;
using gsm::test::Bytes;
using gsm::test::FakePort;
using gsm::test::FakeTimer;

// The input read front to back; zeros once it has run out.
class Script {
public:
    Script(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    bool More() const { return m_at < m_size; }
    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }
    std::uint32_t Word() {
        std::uint32_t w = 0;
        for (int i = 0; i < 4; ++i)
            w = (w << 8) | Byte();
        return w;
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// The event the harness is handing the machine.
enum class Event { Start, Line, Timeout, LinkLost, Cancel };

struct Ticket {
    LinkRequest request;
    bool chain = false;    // its continuation sends the next request
    bool returned = false; // Send has returned
    bool written = false;  // its frame went out
    int runs = 0;
    Outcome outcome = Outcome::Ok;
};

constexpr std::uint8_t kCommands[] = {cmd::kReadPage, cmd::kWritePage, cmd::kSetClock,
                                      cmd::kCheckMode, cmd::kDeleteHistory};

class Harness : public ExchangeObserver, public ILinkTrace {
public:
    explicit Harness(Script& script) : m_script(script) {
        m_machine.SetObserver(this);
        m_machine.SetTrace(this);
    }

    void Run() {
        while (m_script.More()) {
            switch (m_script.Byte() % 8) {
            case 0:
                m_event = Event::Start;
                Send();
                break;
            case 1:
                m_event = Event::Line;
                LineBytes();
                break;
            case 2:
                m_event = Event::Line;
                LineFrame();
                break;
            case 3:
                // A countdown that outlived its request may still fire.
                m_event = Event::Timeout;
                if (m_timer.enabled || (m_script.Byte() & 1))
                    m_machine.Timeout();
                break;
            case 4:
                m_event = Event::LinkLost;
                if (m_script.Byte() & 1)
                    m_port.open = false;
                m_machine.LinkLost();
                break;
            case 5:
                m_event = Event::Cancel;
                m_machine.Cancel();
                break;
            case 6:
                SetPort(m_script.Byte());
                break;
            case 7:
                m_machine.SetTimeoutMs(1 + m_script.Byte() * 50);
                break;
            }
            Check();
        }
        // Whatever still waits is stopped, as a closing window stops it.
        for (int i = 0; i < 64 && m_machine.State() != ExchangeState::Idle; ++i) {
            m_event = Event::Cancel;
            m_machine.Cancel();
            Check();
        }
        FUZZ_CHECK(m_machine.State() == ExchangeState::Idle);
        for (const Ticket& t : m_tickets)
            FUZZ_CHECK(t.runs == 1);
    }

private:
    std::uint32_t ReadAddress() {
        const std::uint8_t b = m_script.Byte();
        const int page = b >> 2;
        switch (b & 3) {
        case 0:
            return addr::SettingsPage(1 + page % addr::kSettingsPages);
        case 1:
            return addr::NumberPage(1 + page % addr::kNumberPages);
        case 2:
            return addr::HistoryPage(1 + page * 8);
        default:
            return m_script.Word();
        }
    }

    std::uint8_t ReadCommand() {
        const std::uint8_t b = m_script.Byte();
        return b < 5 * 40 ? kCommands[b % 5] : m_script.Byte();
    }

    void Send() {
        ExchangeRequest request;
        request.command = ReadCommand();
        request.address = ReadAddress();
        const std::uint8_t shape = m_script.Byte();
        static constexpr std::size_t kLengths[] = {0, 1, 6, 256};
        request.payload.assign(kLengths[shape & 3], static_cast<std::uint8_t>(shape));
        const std::size_t index = m_tickets.size();
        m_tickets.push_back({{request.command, request.address}, (shape & 4) != 0});

        const std::size_t writesBefore = m_port.writes.size();
        const bool portOpen = m_port.open;
        const bool portTakes = m_port.open && !m_port.broken;
        const Bytes payload = request.payload;
        const bool accepted = m_machine.Send(
            std::move(request), [this, index](const ExchangeEnd& end) { Ended(index, end); });
        Ticket& t = m_tickets[index];
        t.returned = true;
        if (!accepted) {
            // Refused requests have heard why before Send returns.
            FUZZ_CHECK(t.runs == 1);
            FUZZ_CHECK(t.outcome == Outcome::Busy || !portTakes);
            FUZZ_CHECK(t.outcome != Outcome::NotSent || !portOpen);
            return;
        }
        FUZZ_CHECK(portTakes && t.runs == 0);
        FUZZ_CHECK(m_port.writes.size() == writesBefore + 1);
        t.written = true;
        // Each request waits its own full time.
        FUZZ_CHECK(m_timer.enabled && m_timer.interval == m_machine.TimeoutMs());
        CheckWritten(m_port.writes.back(), t.request, payload);
    }

    // The frame written for a request is one whole, valid frame carrying it.
    static void CheckWritten(const Bytes& written, const LinkRequest& request,
                             const Bytes& payload) {
        FrameCollector rec;
        ByteResult last = ByteResult::Dropped;
        for (std::size_t i = 0; i < written.size(); ++i) {
            last = rec.TakeByte(written[i]);
            FUZZ_CHECK(i + 1 == written.size() || last == ByteResult::Started ||
                       last == ByteResult::Collecting);
        }
        FUZZ_CHECK(last == ByteResult::FrameValid);
        FUZZ_CHECK(rec.Command == request.command && rec.AddressValue() == request.address);
        FUZZ_CHECK(rec.PayloadLength() == payload.size());
        FUZZ_CHECK(std::equal(payload.begin(), payload.end(), rec.Payload.begin()));
    }

    void Ended(std::size_t index, const ExchangeEnd& end) {
        Ticket& t = m_tickets[index];
        FUZZ_CHECK(++t.runs == 1);
        t.outcome = end.outcome;
        FUZZ_CHECK((end.outcome == Outcome::Ok) == (end.reply != nullptr));
        if (end.outcome == Outcome::Busy) {
            // Refused while another request waits; that one waits on.
            FUZZ_CHECK(!t.returned);
            FUZZ_CHECK(m_machine.State() != ExchangeState::Idle && m_machine.Pending());
            return;
        }
        // Only now, with nothing left to continue, is the continuation told.
        FUZZ_CHECK(m_machine.State() == ExchangeState::Idle && !m_machine.Pending());
        FUZZ_CHECK(!m_timer.enabled);
        if (!t.returned) {
            FUZZ_CHECK(end.outcome == Outcome::NotSent || end.outcome == Outcome::LinkLost);
        } else {
            FUZZ_CHECK(t.written);
            switch (m_event) {
            case Event::Line:
                FUZZ_CHECK(end.outcome == Outcome::Ok || end.outcome == Outcome::InvalidData ||
                           end.outcome == Outcome::WrongPage);
                break;
            case Event::Timeout:
                FUZZ_CHECK(end.outcome == Outcome::Timeout);
                break;
            case Event::LinkLost:
                FUZZ_CHECK(end.outcome == Outcome::LinkLost);
                break;
            case Event::Cancel:
                FUZZ_CHECK(end.outcome == Outcome::Cancelled);
                break;
            case Event::Start:
                FUZZ_CHECK(false);
            }
        }
        if (end.reply) {
            FUZZ_CHECK(end.reply->command == t.request.command &&
                       end.reply->address == t.request.address);
            FUZZ_CHECK(end.reply->payload.size() <= frame::kMaxPayload);
            if (t.request.command == cmd::kReadPage)
                FUZZ_CHECK(end.reply->payload.size() == frame::kMaxPayload);
        }
        // A transfer sends its next page from here.
        if (t.chain)
            Send();
    }

    void LineBytes() {
        const int n = 1 + m_script.Byte() % 48;
        Bytes bytes;
        for (int i = 0; i < n && m_script.More(); ++i)
            bytes.push_back(m_script.Byte());
        m_machine.TakeBytes(bytes);
    }

    // A frame built from the script: for the waiting request, another page
    // or command, or anything; whole, cut short, spoilt or oversized.
    void LineFrame() {
        const std::uint8_t target = m_script.Byte();
        const std::uint8_t shape = m_script.Byte();
        const std::optional<std::size_t> waiting = Unresolved();

        LinkRequest about;
        bool forWaiting = false;
        switch (target & 3) {
        case 0:
            if (waiting) {
                about = m_tickets[*waiting].request;
                forWaiting = true;
            } else if (!m_tickets.empty()) {
                about = m_tickets.back().request; // late
            }
            break;
        case 1: // an earlier request, perhaps long given up
            if (!m_tickets.empty())
                about = m_tickets[(target >> 2) % m_tickets.size()].request;
            break;
        case 2: // the waiting request's command, another page
            if (waiting)
                about = m_tickets[*waiting].request;
            about.address += addr::kPageSize * (1 + (target >> 2));
            break;
        default:
            about = {ReadCommand(), m_script.Word()};
            break;
        }

        Bytes frame;
        bool wellFormed = true;
        const int length = shape & 7;
        if (length == 7) {
            // A header announcing more than a frame can hold.
            const auto announced = static_cast<std::uint16_t>(257 + m_script.Byte() % 255 * 256);
            FrameBuilder header;
            header.SetCommand(about.command);
            header.SetAddress(about.address);
            frame = {frame::kStartByte, about.command};
            for (auto b : header.Address)
                frame.push_back(b);
            frame.push_back(static_cast<std::uint8_t>(announced >> 8));
            frame.push_back(static_cast<std::uint8_t>(announced));
            wellFormed = false;
        } else {
            static constexpr std::size_t kLengths[] = {256, 256, 1, 1, 0, 255, 6};
            std::size_t n = kLengths[length];
            Bytes payload(n);
            for (std::size_t i = 0; i < n; ++i)
                payload[i] = static_cast<std::uint8_t>(i * (target | 1));
            if (!payload.empty())
                payload[0] = cmd::kAccepted;
            frame = gsm::test::FrameOf(about.command, about.address, payload);
            if (about.command == cmd::kReadPage && n != frame::kMaxPayload)
                wellFormed = false;
        }
        if ((shape & 0x08) && length != 7) {
            frame.back() ^= static_cast<std::uint8_t>(1 | (shape & 0xF0));
            wellFormed = false;
        }
        const bool cut = (shape & 0x30) == 0x30 && frame.size() > 1;
        if (cut)
            frame.resize(1 + m_script.Byte() % (frame.size() - 1));
        if (shape & 0x40)
            frame.insert(frame.begin(), {0x00, 0xFF, 0x41});

        const bool clean = !m_machine.CollectingFrame();
        m_machine.TakeBytes(frame);

        if (!forWaiting || !clean || cut)
            return;
        // The reply to the waiting request, on a clean line: it ends the
        // exchange, delivered when whole and sound, failed when not.
        const Ticket& t = m_tickets[*waiting];
        FUZZ_CHECK(t.runs == 1);
        FUZZ_CHECK(t.outcome == (wellFormed ? Outcome::Ok : Outcome::InvalidData));
    }

    void SetPort(std::uint8_t how) {
        switch (how % 4) {
        case 0:
            m_port.open = true;
            m_port.broken = false;
            break;
        case 1:
            m_port.open = false;
            break;
        case 2:
            m_port.broken = true;
            break;
        default:
            m_port.broken = false;
            break;
        }
    }

    std::optional<std::size_t> Unresolved() const {
        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < m_tickets.size(); ++i) {
            if (m_tickets[i].runs == 0) {
                FUZZ_CHECK(!found);
                found = i;
            }
        }
        return found;
    }

    void Check() {
        const ExchangeState state = m_machine.State();
        const bool waits = state != ExchangeState::Idle;
        const std::optional<std::size_t> unresolved = Unresolved();
        FUZZ_CHECK(unresolved.has_value() == waits);
        FUZZ_CHECK(m_machine.Pending().has_value() == waits);
        if (unresolved) {
            const Ticket& t = m_tickets[*unresolved];
            FUZZ_CHECK(t.returned && t.written);
            FUZZ_CHECK(*m_machine.Pending() == t.request);
        }
        if (waits)
            FUZZ_CHECK((state == ExchangeState::Receiving) == m_machine.CollectingFrame());
        FUZZ_CHECK(m_timer.enabled == waits);
        FUZZ_CHECK(m_busy == waits);
        std::size_t written = 0;
        for (const Ticket& t : m_tickets)
            written += t.written ? 1 : 0;
        FUZZ_CHECK(m_port.writes.size() == written);
        FUZZ_CHECK(m_machine.RequestsSent() == written);
    }

    // ExchangeObserver
    void BusyChanged(bool busy) override {
        FUZZ_CHECK(busy != m_busy);
        m_busy = busy;
    }

    // ILinkTrace: a frame of settings page 1 that carries its payload never
    // shows the password's four bytes or the checksum that would give away
    // their XOR.
    void Record(const TraceEvent& event) override {
        std::vector<std::string> cells;
        std::istringstream in(event.hex);
        for (std::string cell; in >> cell;)
            cells.push_back(cell);
        const bool carriesPassword =
            (event.command == cmd::kReadPage || event.command == cmd::kWritePage) &&
            event.address == addr::SettingsPage(1) && event.length > 0 &&
            cells.size() >= frame::kOverhead + 4;
        if (!carriesPassword)
            return;
        for (std::size_t i = frame::kPayloadOffset; i < frame::kPayloadOffset + 4; ++i)
            FUZZ_CHECK(cells[i] == "**");
        FUZZ_CHECK(cells.back() == "**");
    }

    Script& m_script;
    FakePort m_port;
    FakeTimer m_timer;
    ExchangeMachine m_machine{m_port, m_timer};
    std::vector<Ticket> m_tickets;
    Event m_event = Event::Start;
    bool m_busy = false;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Script script(data, size);
    Harness(script).Run();
    return 0;
}
