#include "Receiver.h"

#include <algorithm>

namespace gsm {

void TOperationGate::SetLoggedIn(bool loggedIn) {
    loggedIn_ = loggedIn;
    Apply();
}

void TOperationGate::RequestSent() {
    if (outstanding_)
        return;
    outstanding_ = true;
    Apply();
}

void TOperationGate::Settled() {
    if (!outstanding_)
        return;
    outstanding_ = false;
    Apply();
}

void TOperationGate::Apply() {
    apply_(loggedIn_ && !outstanding_);
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

TReceivePath::TReceivePath(DeviceLink& link, CommandObjects objects, ReceiverUi ui,
                           TOperationGate& gate)
    : link_(link), objects_(objects), ui_(std::move(ui)), gate_(gate) {
    link_.onNotSent = [this](const LinkRequest& request, Verdict verdict) {
        NotSent(request, verdict);
    };
}

void TReceivePath::TakeByte(std::uint8_t b) {
    // A frame begun before the latest request went out cannot be its reply:
    // without this, a stray partial frame would swallow the reply's bytes.
    if (frameSerial_ != link_.requests.Serial()) {
        frameSerial_ = link_.requests.Serial();
        objects_.rec.Reset();
    }
    const ByteResult result = objects_.rec.TakeByte(b);
    const bool waiting = link_.requests.Waiting();
    switch (result) {
    case ByteResult::Dropped:
        // Noise outside a frame answers nothing and keeps no request alive.
        return;
    case ByteResult::Started:
        if (waiting)
            link_.status.ShowStatus(status::kDataCommunication);
        [[fallthrough]];
    case ByteResult::Collecting:
        // Each byte of a reply being collected gives the next one the full
        // time; bytes on an idle line never arm the timeout.
        if (waiting) {
            link_.timer.Disable();
            link_.timer.Enable();
        }
        return;
    case ByteResult::FrameValid:
    case ByteResult::FrameInvalid:
    case ByteResult::Oversized:
        TakeFrame(result);
        return;
    }
}

void TReceivePath::TakeFrame(ByteResult result) {
    const bool waiting = link_.requests.Waiting();
    if (result != ByteResult::FrameValid) {
        const Verdict verdict =
            result == ByteResult::Oversized ? Verdict::FailedOversized : Verdict::FailedChecksum;
        TraceReceived(result, waiting ? verdict : Verdict::DroppedUnasked);
        // A spoilt frame may be the waited-for reply: the exchange cannot go on.
        if (waiting)
            Fail(status::kInvalidData);
        return;
    }
    objects_.valid.Fill(objects_.rec);
    switch (link_.requests.Classify(objects_.valid.Command,
                                    static_cast<std::uint32_t>(objects_.valid.Address))) {
    case TRequestBook::Match::Answers:
        TakeAnswer();
        return;
    case TRequestBook::Match::Late:
        TraceReceived(result, Verdict::DroppedLateReply);
        return;
    case TRequestBook::Match::Unasked:
        TraceReceived(result, Verdict::DroppedUnasked);
        return;
    case TRequestBook::Match::WrongAddress:
        TraceReceived(result, Verdict::FailedWrongAddress);
        Fail(status::kInvalidData);
        return;
    }
}

void TReceivePath::TakeAnswer() {
    // The device answers every page read with the whole page; anything
    // shorter would be decoded as a page of zeros.
    if (objects_.valid.Command == cmd::kReadPage && objects_.valid.Length != frame::kMaxPayload) {
        TraceReceived(ByteResult::FrameValid, Verdict::FailedShortPage);
        Fail(status::kInvalidData);
        return;
    }
    TraceReceived(ByteResult::FrameValid, Verdict::Dispatched);
    link_.timer.Disable();
    link_.requests.Answered();
    Dispatch();
    SettleIfIdle();
}

void TReceivePath::TraceReceived(ByteResult result, Verdict verdict) {
    if (!link_.trace)
        return;
    const TRecData& rec = objects_.rec;
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
    link_.Trace(MakeTraceEvent(TraceEvent::Direction::In, bytes, verdict));
}

void TReceivePath::SettleIfIdle() {
    // A handler that sent the next page keeps the exchange going.
    if (!link_.requests.Waiting())
        gate_.Settled();
}

bool TReceivePath::GiveUpWaiting(std::optional<Verdict> traced) {
    link_.timer.Disable();
    objects_.rec.Reset();
    const std::optional<LinkRequest> request = link_.requests.Pending();
    if (!request)
        return false;
    if (traced) {
        TraceEvent event;
        event.command = request->command;
        event.address = request->address;
        event.verdict = *traced;
        link_.Trace(event);
    }
    link_.requests.GiveUp();
    EndExchangeOf(*request);
    SettleIfIdle();
    return true;
}

void TReceivePath::Fail(const char* text) {
    GiveUpWaiting(std::nullopt); // the frame was traced with its verdict
    // Only now, with nothing left to continue, is the user told.
    link_.status.ShowStatus(text);
    ui_.setProgress(100);
    ui_.showMessage(text);
}

void TReceivePath::Timeout() {
    // A countdown that outlived its request has nothing to report.
    if (!GiveUpWaiting(Verdict::Timeout))
        return;
    ui_.showMessage(message::kReceiveTimeout);
    ui_.clearStatusText();
    ui_.setProgress(100);
}

void TReceivePath::StopExchange(Verdict why) {
    if (GiveUpWaiting(why))
        ui_.setProgress(100);
}

void TReceivePath::NotSent(const LinkRequest& request, Verdict verdict) {
    EndExchangeOf(request);
    SettleIfIdle();
    ui_.setProgress(100);
    if (verdict == Verdict::NotSentPortClosed)
        ui_.showMessage(message::kOpenPortFirst);
    else if (ui_.linkLost)
        ui_.linkLost();
}

Tsend_rec_command* TReceivePath::TransferOf(const LinkRequest& request) {
    if (!IsPageCommand(request.command))
        return nullptr;
    switch (addr::Classify(static_cast<std::int32_t>(request.address))) {
    case addr::Area::Settings:
        return &objects_.basic;
    case addr::Area::Numbers:
        return &objects_.numbers;
    case addr::Area::History:
        return &objects_.history;
    }
    return nullptr;
}

void TReceivePath::EndExchangeOf(const LinkRequest& request) {
    // The login's read of page 1 is no part of a settings transfer.
    if (request.command == cmd::kReadPage && objects_.login.Verifying) {
        objects_.login.Abandon();
        return;
    }
    if (Tsend_rec_command* transfer = TransferOf(request))
        EndTransfer(*transfer, request.command);
}

void TReceivePath::EndTransfer(Tsend_rec_command& transfer, std::uint8_t command) {
    if (transfer.NextPage == 0)
        return;
    const std::uint16_t page = transfer.CurrentPage();
    // A grid or a device filled only part-way says so until the transfer runs again.
    if (page > 1 && page <= transfer.PageCount) {
        const char* what = command == cmd::kWritePage ? "Save" : "Read";
        noticeOf_ = &transfer;
        if (ui_.setNotice)
            ui_.setNotice(std::string(what) + " stopped at page " + std::to_string(page) + " of " +
                          std::to_string(transfer.PageCount));
    }
    // The paging step asks for nothing while NextPage is 0.
    transfer.NextPage = 0;
}

void TReceivePath::Refused(Tsend_rec_command& transfer, const char* text) {
    EndTransfer(transfer, cmd::kWritePage);
    ui_.setProgress(100);
    ui_.showReplyMessage(text);
}

void TReceivePath::ClearNoticeOnFirstPage(const Tsend_rec_command& transfer) {
    if (noticeOf_ != &transfer || transfer.CurrentPage() != 1)
        return;
    noticeOf_ = nullptr;
    if (ui_.setNotice)
        ui_.setNotice({});
}

void TReceivePath::CopyInto(TTemplate& target) const {
    target.Address = objects_.valid.Address;
    const std::size_t n = std::min<std::size_t>(objects_.valid.Length, target.Data.size());
    std::copy_n(objects_.valid.Data.begin(), n, target.Data.begin());
    // A short reply must not leave the previous page's bytes to be decoded again.
    std::fill(target.Data.begin() + static_cast<std::ptrdiff_t>(n), target.Data.end(), 0);
}

ReplyPage TReceivePath::Page() const {
    return {objects_.valid.Command, objects_.valid.Address,
            std::span<const std::uint8_t>(objects_.valid.Data.data(), objects_.valid.Length)};
}

void TReceivePath::Run(const PageHandlers::Handler& handler, const ReplyPage& page) {
    if (handler)
        handler(page);
}

void TReceivePath::Dispatch() {
    const addr::Area area = addr::Classify(objects_.valid.Address);
    switch (objects_.valid.Command) {
    case cmd::kReadPage:
        DispatchRead(area);
        break;
    case cmd::kWritePage:
        DispatchWrite(area);
        break;
    case cmd::kSetClock:
        link_.status.ShowStatus(status::kClockReply);
        ui_.showReplyMessage(Status() == cmd::kAccepted ? message::kClockSet
                                                        : message::kClockError);
        break;
    case cmd::kCheckMode:
        link_.status.ShowStatus(status::kCheckingMode);
        ui_.showReplyMessage(Status() == cmd::kAccepted ? message::kCheckModeEntered
                                                        : message::kCheckModeError);
        break;
    case cmd::kDeleteHistory:
        link_.status.ShowStatus(status::kDeleteCommand);
        ui_.showReplyMessage(Status() == cmd::kAccepted ? message::kHistoryDeleted
                                                        : message::kHistoryDeleteError);
        break;
    default:
        link_.status.ShowStatus(status::kUndefinedData);
        break;
    }
}

void TReceivePath::DispatchRead(addr::Area area) {
    switch (area) {
    case addr::Area::Settings:
        link_.status.ShowStatus(status::kReadingBasicSetting);
        if (objects_.login.Verifying) {
            objects_.login.TakeDevicePassword({objects_.valid.Data.data(), frame::kMaxPayload});
            return;
        }
        ClearNoticeOnFirstPage(objects_.basic);
        CopyInto(objects_.basic);
        Run(handlers.decodeSettingsPage, Page());
        return;
    case addr::Area::Numbers:
        link_.status.ShowStatus(PageStatus(status::kReadingNumberList, objects_.numbers));
        ui_.setProgress(objects_.numbers.Percent());
        ClearNoticeOnFirstPage(objects_.numbers);
        CopyInto(objects_.numbers);
        Run(handlers.decodeNumberPage, Page());
        return;
    case addr::Area::History:
        link_.status.ShowStatus(PageStatus(status::kReadingHistory, objects_.history));
        if (objects_.history.NextPage != 0)
            ui_.setProgress(objects_.history.Percent());
        ClearNoticeOnFirstPage(objects_.history);
        CopyInto(objects_.history);
        Run(handlers.decodeHistoryPage, Page());
        return;
    }
}

void TReceivePath::DispatchWrite(addr::Area area) {
    switch (area) {
    case addr::Area::Settings:
        link_.status.ShowStatus(status::kSaveBasicSettings);
        ClearNoticeOnFirstPage(objects_.basic);
        CopyInto(objects_.basic);
        if (objects_.basic.Data[0] != cmd::kAccepted)
            Refused(objects_.basic, message::kBasicSettingError);
        else
            Run(handlers.settingsSaveStep, Page());
        return;
    case addr::Area::Numbers:
        link_.status.ShowStatus(PageStatus(status::kSaveNumberList, objects_.numbers));
        ui_.setProgress(objects_.numbers.Percent());
        ClearNoticeOnFirstPage(objects_.numbers);
        CopyInto(objects_.numbers);
        if (objects_.numbers.Data[0] != cmd::kAccepted)
            Refused(objects_.numbers, message::kNumberListError);
        else
            Run(handlers.numbersSaveStep, Page());
        return;
    case addr::Area::History:
        link_.status.ShowStatus(status::kUndefinedAddress);
        return;
    }
}

} // namespace gsm
