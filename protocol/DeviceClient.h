#pragma once
// The device as both shells use it: log in, read an area page by page, write
// pages of an area, send a single command. One operation runs at a time and
// ends in exactly one call of its `done`, with a typed result; a page goes
// out only after the device has answered the one before, and after a failure
// nothing more is sent. Replies reach the operation that asked for them and
// nothing else.

#include "Area.h"
#include "ExchangeMachine.h"
#include "Outcome.h"

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace gsm {

// A command answered with one status byte.
struct SingleCommand {
    std::uint8_t code = 0;
    std::vector<std::uint8_t> payload;

    static SingleCommand DeleteHistory();
    static SingleCommand CheckMode();
    // The clock from the PC's local time `t`.
    static SingleCommand SetClock(const std::tm& t);
};

// year - 2000, month, day, hour, minute, second: one byte each, the year as
// every other date the device stores.
std::array<std::uint8_t, 6> ClockPayload(const std::tm& t);

// A request of an operation that went out.
struct SentRequest {
    OperationKind kind = OperationKind::LogIn;
    Area area = Area::Settings;
    int page = 0;
    std::uint8_t command = 0;
};

class ClientObserver : public ExchangeObserver {
public:
    virtual void RequestSent(const SentRequest& request) { (void)request; }
};

// What an area operation tells its caller page by page.
struct AreaHandlers {
    // Before the request for `page` goes out.
    std::function<void(int page)> sending = {};
    // A page read arrived, whole.
    std::function<void(int page, const Page& bytes)> read = {};
    // The device answered the write of `page`.
    std::function<void(int page, bool accepted)> written = {};
};

class DeviceClient : private ClientObserver {
public:
    using Done = std::function<void(const OperationResult&)>;
    // `firstPage` is settings page 1 as the device holds it; zeros on failure.
    using LoginDone = std::function<void(const OperationResult&, const Page& firstPage)>;

    DeviceClient(IPortWriter& port, IReceiveTimer& timer);
    ~DeviceClient() override;
    DeviceClient(const DeviceClient&) = delete;
    DeviceClient& operator=(const DeviceClient&) = delete;

    ExchangeMachine& Exchange() { return m_exchange; }
    const ExchangeMachine& Exchange() const { return m_exchange; }
    void SetObserver(ClientObserver* observer) { m_observer = observer; }

    // The line: bytes from the port, the end of the countdown, a lost port
    // and a stop asked for by the program.
    void TakeBytes(std::span<const std::uint8_t> bytes) { m_exchange.TakeBytes(bytes); }
    void TimeoutExpired() { m_exchange.Timeout(); }
    void LinkLost() { m_exchange.LinkLost(); }
    void Cancel() { m_exchange.Cancel(); }

    // Ends the running operation once the request in flight has been
    // answered or has timed out, before the next page goes out: it ends
    // Cancelled, its failed page the first one not sent. An operation of a
    // single request ends as it would have.
    void StopAfterRequestInFlight();

    // An operation runs, or a request waits for its reply.
    bool Busy() const { return m_operation != nullptr || m_exchange.Waiting(); }

    // Reads settings page 1, whose first four bytes are the device password.
    void LogIn(LoginDone done);
    // Pages 1 to the area's last, in order.
    void ReadArea(Area area, AreaHandlers handlers, Done done);
    // The pages named, in the order given (a read-back of pages just written).
    void ReadPages(Area area, std::vector<int> pages, AreaHandlers handlers, Done done);
    // The pages in the order given, each after the device accepted the one before.
    void WriteArea(Area area, std::vector<PageWrite> pages, AreaHandlers handlers, Done done);
    void SendCommand(const SingleCommand& command, Done done);

private:
    struct Operation;

    bool Begin(OperationResult result, Done done, LoginDone loginDone = {});
    void SendPage();
    void Sent(const SentRequest& request);
    void Answered(const ExchangeEnd& end);
    void PageRead(const ExchangeReply& reply);
    void PageWritten(const ExchangeReply& reply);
    void Finish(Outcome outcome);

    // ExchangeObserver, passed on.
    void BusyChanged(bool busy) override;
    void ReplyStarted() override;

    ExchangeMachine m_exchange;
    ClientObserver* m_observer = nullptr;
    std::unique_ptr<Operation> m_operation;
};

} // namespace gsm
