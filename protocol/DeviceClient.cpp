#include "DeviceClient.h"

#include <algorithm>

namespace gsm {

SingleCommand SingleCommand::DeleteHistory() {
    return {cmd::kDeleteHistory, {}};
}

SingleCommand SingleCommand::CheckMode() {
    return {cmd::kCheckMode, {}};
}

SingleCommand SingleCommand::SetClock(const std::tm& t) {
    const auto payload = ClockPayload(t);
    return {cmd::kSetClock, {payload.begin(), payload.end()}};
}

std::array<std::uint8_t, 6> ClockPayload(const std::tm& t) {
    const int year = t.tm_year + 1900;
    return {static_cast<std::uint8_t>(year - 2000), static_cast<std::uint8_t>(t.tm_mon + 1),
            static_cast<std::uint8_t>(t.tm_mday),   static_cast<std::uint8_t>(t.tm_hour),
            static_cast<std::uint8_t>(t.tm_min),    static_cast<std::uint8_t>(t.tm_sec)};
}

struct DeviceClient::Operation {
    OperationResult result;
    Done done;
    LoginDone loginDone;
    AreaHandlers handlers;
    // The pages still to go, in order: page numbers to read, or pages to write.
    std::vector<PageWrite> pages;
    std::size_t next = 0;
    // The page whose request waits for its reply.
    int current = 0;
    // No page goes out after the one in flight.
    bool stopping = false;
    Page firstPage{};
};

DeviceClient::DeviceClient(IPortWriter& port, IReceiveTimer& timer) : m_exchange(port, timer) {
    m_exchange.SetObserver(this);
}

DeviceClient::~DeviceClient() {
    m_exchange.SetObserver(nullptr);
}

bool DeviceClient::Begin(OperationResult result, Done done, LoginDone loginDone) {
    if (Busy()) {
        // Never sent over the operation that runs: that one goes on untouched.
        result.outcome = Outcome::Busy;
        if (loginDone)
            loginDone(result, Page{});
        else if (done)
            done(result);
        return false;
    }
    m_operation = std::make_unique<Operation>();
    m_operation->result = std::move(result);
    m_operation->done = std::move(done);
    m_operation->loginDone = std::move(loginDone);
    return true;
}

void DeviceClient::LogIn(LoginDone done) {
    OperationResult result;
    result.kind = OperationKind::LogIn;
    result.area = Area::Settings;
    result.pageCount = 1;
    if (!Begin(result, {}, std::move(done)))
        return;
    m_operation->pages.push_back({1, {}});
    SendPage();
}

void DeviceClient::ReadArea(Area area, AreaHandlers handlers, Done done) {
    std::vector<int> pages;
    for (int page = 1; page <= PageCount(area); ++page)
        pages.push_back(page);
    ReadPages(area, std::move(pages), std::move(handlers), std::move(done));
}

void DeviceClient::ReadPages(Area area, std::vector<int> pages, AreaHandlers handlers, Done done) {
    OperationResult result;
    result.kind = OperationKind::Read;
    result.area = area;
    result.pageCount = static_cast<int>(pages.size());
    if (!Begin(result, std::move(done)))
        return;
    m_operation->handlers = std::move(handlers);
    for (const int page : pages)
        m_operation->pages.push_back({page, {}});
    SendPage();
}

void DeviceClient::WriteArea(Area area, std::vector<PageWrite> pages, AreaHandlers handlers,
                             Done done) {
    OperationResult result;
    result.kind = OperationKind::Write;
    result.area = area;
    result.pageCount = static_cast<int>(pages.size());
    if (!Begin(result, std::move(done)))
        return;
    m_operation->handlers = std::move(handlers);
    m_operation->pages = std::move(pages);
    SendPage();
}

void DeviceClient::SendCommand(const SingleCommand& command, Done done) {
    OperationResult result;
    result.kind = OperationKind::Command;
    result.command = command.code;
    if (!Begin(result, std::move(done)))
        return;
    ExchangeRequest request{command.code, 0, command.payload};
    if (m_exchange.Send(std::move(request), [this](const ExchangeEnd& end) { Answered(end); }))
        Sent({OperationKind::Command, Area::Settings, 0, command.code});
}

void DeviceClient::StopAfterRequestInFlight() {
    if (m_operation)
        m_operation->stopping = true;
}

void DeviceClient::SendPage() {
    Operation& op = *m_operation;
    if (op.next == op.pages.size()) {
        Finish(Outcome::Ok);
        return;
    }
    if (op.stopping) {
        op.current = op.pages[op.next].page;
        Finish(Outcome::Cancelled);
        return;
    }
    const PageWrite& page = op.pages[op.next];
    op.current = page.page;
    if (op.handlers.sending)
        op.handlers.sending(page.page);
    const OperationKind kind = op.result.kind;
    const Area area = op.result.area;
    ExchangeRequest request;
    request.address = PageAddress(area, page.page);
    if (kind == OperationKind::Write) {
        request.command = cmd::kWritePage;
        request.payload.assign(page.bytes.begin(), page.bytes.end());
    } else {
        request.command = cmd::kReadPage;
    }
    const SentRequest sent{kind, area, page.page, request.command};
    // A request the port refused has ended the operation already.
    if (m_exchange.Send(std::move(request), [this](const ExchangeEnd& end) { Answered(end); }))
        Sent(sent);
}

void DeviceClient::Sent(const SentRequest& request) {
    if (m_observer)
        m_observer->RequestSent(request);
}

void DeviceClient::Answered(const ExchangeEnd& end) {
    if (!m_operation)
        return;
    if (end.outcome != Outcome::Ok) {
        Finish(end.outcome);
        return;
    }
    switch (m_operation->result.kind) {
    case OperationKind::LogIn:
    case OperationKind::Read:
        PageRead(*end.reply);
        return;
    case OperationKind::Write:
        PageWritten(*end.reply);
        return;
    case OperationKind::Command:
        m_operation->result.status = end.reply->payload.empty() ? 0 : end.reply->payload[0];
        Finish(m_operation->result.status == cmd::kAccepted ? Outcome::Ok : Outcome::Refused);
        return;
    }
}

void DeviceClient::PageRead(const ExchangeReply& reply) {
    // Copied at once: the reply's bytes are the receiver's, and the page
    // handler may show a dialog while more bytes come in.
    Page page{};
    std::copy_n(reply.payload.begin(), std::min(reply.payload.size(), page.size()), page.begin());
    Operation& op = *m_operation;
    op.result.pagesDone.push_back(op.current);
    if (op.result.kind == OperationKind::LogIn)
        op.firstPage = page;
    else if (op.handlers.read)
        op.handlers.read(op.current, page);
    ++op.next;
    SendPage();
}

void DeviceClient::PageWritten(const ExchangeReply& reply) {
    Operation& op = *m_operation;
    op.result.status = reply.payload.empty() ? 0 : reply.payload[0];
    const bool accepted = op.result.status == cmd::kAccepted;
    if (op.handlers.written)
        op.handlers.written(op.current, accepted);
    if (!accepted) {
        Finish(Outcome::Refused);
        return;
    }
    op.result.pagesDone.push_back(op.current);
    ++op.next;
    SendPage();
}

void DeviceClient::Finish(Outcome outcome) {
    // The operation is over before its caller hears of it: whatever the
    // caller does next, this one sends nothing more.
    std::unique_ptr<Operation> op = std::move(m_operation);
    op->result.outcome = outcome;
    if (outcome != Outcome::Ok && op->result.kind != OperationKind::Command)
        op->result.failedPage = op->current;
    if (op->loginDone)
        op->loginDone(op->result, op->firstPage);
    else if (op->done)
        op->done(op->result);
}

void DeviceClient::BusyChanged(bool busy) {
    if (m_observer)
        m_observer->BusyChanged(busy);
}

void DeviceClient::ReplyStarted() {
    if (m_observer)
        m_observer->ReplyStarted();
}

} // namespace gsm
