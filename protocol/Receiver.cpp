#include "Receiver.h"

#include <algorithm>

namespace gsm {

void TOperationGate::SetLoggedIn(bool loggedIn) {
    loggedIn_ = loggedIn;
    Apply();
}

void TOperationGate::RequestSent() {
    outstanding_ = true;
    Apply();
}

void TOperationGate::Settled() {
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
} // namespace

void TReceivePath::TakeByte(std::uint8_t b) {
    link_.status.ShowStatus(status::kDataCommunication);
    const ByteResult result = o_.rec.TakeByte(b);
    // Noise outside a frame answers nothing: the request stays outstanding
    // and its timeout keeps running.
    if (result == ByteResult::Dropped)
        return;
    if (result == ByteResult::Started)
        solicited_ = gate_.Outstanding();
    link_.timer.Disable();
    switch (result) {
    case ByteResult::Dropped:
    case ByteResult::Started:
    case ByteResult::Collecting:
        // A reply that stops part-way must still run into the timeout.
        link_.timer.Enable();
        return;
    case ByteResult::FrameInvalid:
    case ByteResult::Oversized:
        link_.status.ShowStatus(status::kInvalidData);
        o_.login.Abandon();
        SettleIfIdle();
        return;
    case ByteResult::FrameValid:
        o_.valid.Fill(o_.rec);
        // A reply whose request already ran into the timeout (or that nobody
        // asked for) was reported as missing: acting on it now would fill a
        // grid or continue a transfer behind the user's back.
        if (solicited_)
            Dispatch();
        o_.rec.Reset();
        SettleIfIdle();
        return;
    }
}

void TReceivePath::SettleIfIdle() {
    // A handler that sent the next page keeps the exchange going.
    if (!link_.timer.Enabled())
        gate_.Settled();
}

void TReceivePath::Timeout() {
    link_.timer.Disable();
    o_.rec.Reset();
    o_.login.Abandon();
    ui_.showMessage(message::kReceiveTimeout);
    ui_.clearStatusText();
    ui_.setProgress(100);
    SettleIfIdle();
}

void TReceivePath::CopyInto(TTemplate& target) const {
    target.Address = o_.valid.Address;
    const std::size_t n = std::min<std::size_t>(o_.valid.Length, target.Data.size());
    std::copy_n(o_.valid.Data.begin(), n, target.Data.begin());
    // A short reply must not leave the previous page's bytes to be decoded again.
    std::fill(target.Data.begin() + static_cast<std::ptrdiff_t>(n), target.Data.end(), 0);
}

void TReceivePath::Dispatch() {
    const addr::Area area = addr::Classify(o_.valid.Address);
    switch (o_.valid.Command) {
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
        if (o_.login.Verifying) {
            o_.login.TakeDevicePassword({o_.valid.Data.data(), frame::kMaxPayload});
            return;
        }
        CopyInto(o_.basic);
        if (handlers.decodeSettingsPage)
            handlers.decodeSettingsPage();
        return;
    case addr::Area::Numbers:
        link_.status.ShowStatus(PageStatus(status::kReadingNumberList, o_.numbers));
        ui_.setProgress(o_.numbers.Percent());
        CopyInto(o_.numbers);
        if (handlers.decodeNumberPage)
            handlers.decodeNumberPage();
        return;
    case addr::Area::History:
        link_.status.ShowStatus(PageStatus(status::kReadingHistory, o_.history));
        if (o_.history.NextPage != 0)
            ui_.setProgress(o_.history.Percent());
        CopyInto(o_.history);
        if (handlers.decodeHistoryPage)
            handlers.decodeHistoryPage();
        return;
    }
}

void TReceivePath::DispatchWrite(addr::Area area) {
    switch (area) {
    case addr::Area::Settings:
        link_.status.ShowStatus(status::kSaveBasicSettings);
        CopyInto(o_.basic);
        if (o_.basic.Data[0] != cmd::kAccepted)
            ui_.showReplyMessage(message::kBasicSettingError);
        else if (handlers.settingsSaveStep)
            handlers.settingsSaveStep();
        return;
    case addr::Area::Numbers:
        link_.status.ShowStatus(PageStatus(status::kSaveNumberList, o_.numbers));
        ui_.setProgress(o_.numbers.Percent());
        CopyInto(o_.numbers);
        if (o_.numbers.Data[0] != cmd::kAccepted)
            ui_.showReplyMessage(message::kNumberListError);
        else if (handlers.numbersSaveStep)
            handlers.numbersSaveStep();
        return;
    case addr::Area::History:
        link_.status.ShowStatus(status::kUndefinedAddress);
        return;
    }
}

} // namespace gsm
