#include "Receiver.h"

#include <algorithm>

namespace gsm {

void OperationGate::SetLoggedIn(bool loggedIn) {
    m_loggedIn = loggedIn;
    Apply();
}

void OperationGate::RequestSent() {
    if (m_outstanding)
        return;
    m_outstanding = true;
    Apply();
}

void OperationGate::Settled() {
    if (!m_outstanding)
        return;
    m_outstanding = false;
    Apply();
}

void OperationGate::Apply() {
    m_apply(m_loggedIn && !m_outstanding);
}

namespace {
std::string PageStatus(const char* prefix, const Tsend_rec_command& transfer) {
    return prefix + std::to_string(transfer.CurrentPage()) + "/" +
           std::to_string(transfer.PageCount);
}

bool IsPageCommand(std::uint8_t command) {
    return command == cmd::kReadPage || command == cmd::kWritePage;
}
} // namespace

ReceivePath::ReceivePath(DeviceLink& link, CommandObjects objects, ReceiverUi ui,
                         OperationGate& gate)
    : m_link(link), m_objects(objects), m_ui(std::move(ui)), m_gate(gate) {
    m_link.onNotSent = [this](const LinkRequest& request, Verdict verdict) {
        NotSent(request, verdict);
    };
}

void ReceivePath::TakeByte(std::uint8_t b) {
    // A frame begun before the latest request went out cannot be its reply:
    // without this, a stray partial frame would swallow the reply's bytes.
    if (m_frameSerial != m_link.requests.Serial()) {
        m_frameSerial = m_link.requests.Serial();
        m_objects.rec.Reset();
    }
    const ByteResult result = m_objects.rec.TakeByte(b);
    const bool waiting = m_link.requests.Waiting();
    switch (result) {
    case ByteResult::Dropped:
        // Noise outside a frame answers nothing and keeps no request alive.
        return;
    case ByteResult::Started:
        if (waiting)
            m_link.status.ShowStatus(status::kDataCommunication);
        [[fallthrough]];
    case ByteResult::Collecting:
        // Each byte of a reply being collected gives the next one the full
        // time; bytes on an idle line never arm the timeout.
        if (waiting)
            m_link.timer.Restart();
        return;
    case ByteResult::FrameValid:
    case ByteResult::FrameInvalid:
    case ByteResult::Oversized:
        TakeFrame(result);
        return;
    }
}

void ReceivePath::TakeFrame(ByteResult result) {
    const bool waiting = m_link.requests.Waiting();
    if (result != ByteResult::FrameValid) {
        const Verdict verdict =
            result == ByteResult::Oversized ? Verdict::FailedOversized : Verdict::FailedChecksum;
        TraceReceived(result, waiting ? verdict : Verdict::DroppedUnasked);
        // A spoilt frame may be the waited-for reply: the exchange cannot go on.
        if (waiting)
            Fail(status::kInvalidData);
        return;
    }
    m_objects.valid.Fill(m_objects.rec);
    switch (m_link.requests.Classify(m_objects.valid.Command,
                                     static_cast<std::uint32_t>(m_objects.valid.Address))) {
    case RequestBook::Match::Answers:
        TakeAnswer();
        return;
    case RequestBook::Match::Late:
        TraceReceived(result, Verdict::DroppedLateReply);
        return;
    case RequestBook::Match::Unasked:
        TraceReceived(result, Verdict::DroppedUnasked);
        return;
    case RequestBook::Match::WrongAddress:
        TraceReceived(result, Verdict::FailedWrongAddress);
        Fail(status::kInvalidData);
        return;
    }
}

void ReceivePath::TakeAnswer() {
    // The device answers every page read with the whole page; anything
    // shorter would be decoded as a page of zeros.
    if (m_objects.valid.Command == cmd::kReadPage && m_objects.valid.Length != frame::kMaxPayload) {
        TraceReceived(ByteResult::FrameValid, Verdict::FailedShortPage);
        Fail(status::kInvalidData);
        return;
    }
    TraceReceived(ByteResult::FrameValid, Verdict::Dispatched);
    m_link.timer.Disable();
    m_link.requests.Answered();
    Dispatch();
    SettleIfIdle();
}

void ReceivePath::TraceReceived(ByteResult result, Verdict verdict) {
    if (!m_link.trace)
        return;
    const TRecData& rec = m_objects.rec;
    // The receiver keeps the bytes after the start byte; an oversized frame
    // was dropped right after its header.
    const std::size_t raw =
        result == ByteResult::Oversized
            ? frame::kPayloadOffset - 1
            : static_cast<std::size_t>(rec.ExpectedLength) + frame::kOverhead - 1;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(raw + 1);
    bytes.push_back(frame::kStartByte);
    bytes.insert(bytes.end(), rec.RawBytes.begin(),
                 rec.RawBytes.begin() + static_cast<std::ptrdiff_t>(raw));
    m_link.Trace(MakeTraceEvent(TraceEvent::Direction::In, bytes, verdict));
}

void ReceivePath::SettleIfIdle() {
    // A handler that sent the next page keeps the exchange going.
    if (!m_link.requests.Waiting())
        m_gate.Settled();
}

bool ReceivePath::GiveUpWaiting(std::optional<Verdict> traced) {
    m_link.timer.Disable();
    m_objects.rec.Reset();
    const std::optional<LinkRequest> request = m_link.requests.Pending();
    if (!request)
        return false;
    if (traced) {
        TraceEvent event;
        event.command = request->command;
        event.address = request->address;
        event.verdict = *traced;
        m_link.Trace(event);
    }
    m_link.requests.GiveUp();
    EndExchangeOf(*request);
    SettleIfIdle();
    return true;
}

void ReceivePath::Fail(const char* text) {
    GiveUpWaiting(std::nullopt); // the frame was traced with its verdict
    // Only now, with nothing left to continue, is the user told.
    m_link.status.ShowStatus(text);
    m_ui.setProgress(100);
    m_ui.showMessage(text);
}

void ReceivePath::Timeout() {
    // A countdown that outlived its request has nothing to report.
    if (!GiveUpWaiting(Verdict::Timeout))
        return;
    m_ui.showMessage(message::kReceiveTimeout);
    m_ui.clearStatusText();
    m_ui.setProgress(100);
}

void ReceivePath::StopExchange(Verdict why) {
    if (GiveUpWaiting(why))
        m_ui.setProgress(100);
}

void ReceivePath::NotSent(const LinkRequest& request, Verdict verdict) {
    EndExchangeOf(request);
    SettleIfIdle();
    m_ui.setProgress(100);
    if (verdict == Verdict::NotSentPortClosed)
        m_ui.showMessage(message::kOpenPortFirst);
    else if (m_ui.linkLost)
        m_ui.linkLost();
}

Tsend_rec_command* ReceivePath::TransferOf(const LinkRequest& request) {
    if (!IsPageCommand(request.command))
        return nullptr;
    switch (addr::Classify(static_cast<std::int32_t>(request.address))) {
    case addr::Area::Settings:
        return &m_objects.basic;
    case addr::Area::Numbers:
        return &m_objects.numbers;
    case addr::Area::History:
        return &m_objects.history;
    }
    return nullptr;
}

void ReceivePath::EndExchangeOf(const LinkRequest& request) {
    // The login's read of page 1 is no part of a settings transfer.
    if (request.command == cmd::kReadPage && m_objects.login.Verifying) {
        m_objects.login.Abandon();
        return;
    }
    if (Tsend_rec_command* transfer = TransferOf(request))
        EndTransfer(*transfer, request.command);
}

void ReceivePath::EndTransfer(Tsend_rec_command& transfer, std::uint8_t command) {
    if (transfer.NextPage == 0)
        return;
    const std::uint16_t page = transfer.CurrentPage();
    // A grid or a device filled only part-way says so until the transfer runs again.
    if (page > 1 && page <= transfer.PageCount) {
        const char* what = command == cmd::kWritePage ? "Save" : "Read";
        m_noticeOf = &transfer;
        if (m_ui.setNotice)
            m_ui.setNotice(std::string(what) + " stopped at page " + std::to_string(page) + " of " +
                           std::to_string(transfer.PageCount));
    }
    // The paging step asks for nothing while NextPage is 0.
    transfer.NextPage = 0;
}

void ReceivePath::Refused(Tsend_rec_command& transfer, const char* text) {
    EndTransfer(transfer, cmd::kWritePage);
    m_ui.setProgress(100);
    m_ui.showReplyMessage(text);
}

void ReceivePath::ClearNoticeOnFirstPage(const Tsend_rec_command& transfer) {
    if (m_noticeOf != &transfer || transfer.CurrentPage() != 1)
        return;
    m_noticeOf = nullptr;
    if (m_ui.setNotice)
        m_ui.setNotice({});
}

void ReceivePath::CopyInto(TTemplate& target) const {
    target.Address = m_objects.valid.Address;
    const std::size_t n = std::min<std::size_t>(m_objects.valid.Length, target.Data.size());
    std::copy_n(m_objects.valid.Data.begin(), n, target.Data.begin());
    // A short reply must not leave the previous page's bytes to be decoded again.
    std::fill(target.Data.begin() + static_cast<std::ptrdiff_t>(n), target.Data.end(), 0);
}

ReplyPage ReceivePath::Page() const {
    return {m_objects.valid.Command, m_objects.valid.Address,
            std::span<const std::uint8_t>(m_objects.valid.Data.data(), m_objects.valid.Length)};
}

void ReceivePath::Run(const PageHandlers::Handler& handler, const ReplyPage& page) {
    if (handler)
        handler(page);
}

void ReceivePath::Dispatch() {
    const addr::Area area = addr::Classify(m_objects.valid.Address);
    switch (m_objects.valid.Command) {
    case cmd::kReadPage:
        DispatchRead(area);
        break;
    case cmd::kWritePage:
        DispatchWrite(area);
        break;
    case cmd::kSetClock:
        m_link.status.ShowStatus(status::kClockReply);
        m_ui.showReplyMessage(Status() == cmd::kAccepted ? message::kClockSet
                                                         : message::kClockError);
        break;
    case cmd::kCheckMode:
        m_link.status.ShowStatus(status::kCheckingMode);
        m_ui.showReplyMessage(Status() == cmd::kAccepted ? message::kCheckModeEntered
                                                         : message::kCheckModeError);
        break;
    case cmd::kDeleteHistory:
        m_link.status.ShowStatus(status::kDeleteCommand);
        m_ui.showReplyMessage(Status() == cmd::kAccepted ? message::kHistoryDeleted
                                                         : message::kHistoryDeleteError);
        break;
    default:
        m_link.status.ShowStatus(status::kUndefinedData);
        break;
    }
}

void ReceivePath::DispatchRead(addr::Area area) {
    switch (area) {
    case addr::Area::Settings:
        m_link.status.ShowStatus(status::kReadingBasicSetting);
        if (m_objects.login.Verifying) {
            m_objects.login.TakeDevicePassword({m_objects.valid.Data.data(), frame::kMaxPayload});
            return;
        }
        ClearNoticeOnFirstPage(m_objects.basic);
        CopyInto(m_objects.basic);
        Run(handlers.decodeSettingsPage, Page());
        return;
    case addr::Area::Numbers:
        m_link.status.ShowStatus(PageStatus(status::kReadingNumberList, m_objects.numbers));
        m_ui.setProgress(m_objects.numbers.Percent());
        ClearNoticeOnFirstPage(m_objects.numbers);
        CopyInto(m_objects.numbers);
        Run(handlers.decodeNumberPage, Page());
        return;
    case addr::Area::History:
        m_link.status.ShowStatus(PageStatus(status::kReadingHistory, m_objects.history));
        if (m_objects.history.NextPage != 0)
            m_ui.setProgress(m_objects.history.Percent());
        ClearNoticeOnFirstPage(m_objects.history);
        CopyInto(m_objects.history);
        Run(handlers.decodeHistoryPage, Page());
        return;
    }
}

void ReceivePath::DispatchWrite(addr::Area area) {
    switch (area) {
    case addr::Area::Settings:
        m_link.status.ShowStatus(status::kSaveBasicSettings);
        ClearNoticeOnFirstPage(m_objects.basic);
        CopyInto(m_objects.basic);
        if (m_objects.basic.Data[0] != cmd::kAccepted)
            Refused(m_objects.basic, message::kBasicSettingError);
        else
            Run(handlers.settingsSaveStep, Page());
        return;
    case addr::Area::Numbers:
        m_link.status.ShowStatus(PageStatus(status::kSaveNumberList, m_objects.numbers));
        m_ui.setProgress(m_objects.numbers.Percent());
        ClearNoticeOnFirstPage(m_objects.numbers);
        CopyInto(m_objects.numbers);
        if (m_objects.numbers.Data[0] != cmd::kAccepted)
            Refused(m_objects.numbers, message::kNumberListError);
        else
            Run(handlers.numbersSaveStep, Page());
        return;
    case addr::Area::History:
        m_link.status.ShowStatus(status::kUndefinedAddress);
        return;
    }
}

} // namespace gsm
