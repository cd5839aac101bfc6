#include "DeviceReporter.h"

#include "MessageBoxes.h"
#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"
#include "l10n/Shown.h"
#include "messages/OperationTexts.h"

using gsm::Area;
using gsm::OperationKind;
using gsm::Outcome;

namespace {
constexpr const char* kContext = "DeviceTexts";

// A text of the table and its numbers, in the user's language.
QString Shown(const gsm::CountedText& text) {
    const QString words = gsm::l10n::Shown(kContext, text.text);
    switch (text.shape) {
    case gsm::CountedText::Shape::Alone:
        return words;
    case gsm::CountedText::Shape::Counted:
        return words + QString::number(text.page) + QLatin1Char('/') + QString::number(text.count);
    case gsm::CountedText::Shape::Format:
        return words.arg(text.page).arg(text.count);
    }
    return words;
}

bool CountsPages(Area area) {
    return area == Area::Numbers || area == Area::History;
}
} // namespace

DeviceReporter::DeviceReporter(ReporterHooks hooks, gsm::OperationGate& gate)
    : m_hooks(std::move(hooks)), m_gate(gate) {}

void DeviceReporter::RequestSent(const gsm::SentRequest& request) {
    ShowStatus(gsm::RequestStatus(request));
    if (request.kind == OperationKind::LogIn)
        ShowStatus(gsm::status::kPasswordVerifying);
}

void DeviceReporter::ReplyStarted() {
    ShowStatus(gsm::status::kDataCommunication);
}

void DeviceReporter::BusyChanged(bool busy) {
    if (busy)
        m_gate.RequestSent();
    else
        m_gate.Settled();
}

void DeviceReporter::PageAnswered(OperationKind kind, Area area, int page) {
    ShowStatus(gsm::PageReplyText(kind, area, page));
    if (CountsPages(area))
        SetProgress(static_cast<quint16>((page + 1) * 100 / gsm::PageCount(area)));
    // The transfer runs again from its first page: its old stop is history.
    if (page == 1 && m_noticeOf == area) {
        m_noticeOf.reset();
        m_hooks.status->SetNotice({});
    }
}

void DeviceReporter::Ended(const gsm::OperationResult& result) {
    m_last = result;
    // A grid or a device filled only part-way says so until the transfer runs again.
    if (const gsm::CountedText notice = gsm::StoppedNoticeText(result); *notice.text) {
        m_noticeOf = result.area;
        m_hooks.status->SetNotice(Shown(notice));
    }
    const gsm::UserMessage told = gsm::OutcomeMessage(result);
    const bool command = result.kind == OperationKind::Command;
    switch (result.outcome) {
    case Outcome::Ok:
        if (command)
            ShowStatus(gsm::CommandReplyStatus(result.command));
        if (!told.text.empty())
            ShowMessage(told.text, told.titled);
        return;
    case Outcome::Refused:
        if (command)
            ShowStatus(gsm::CommandReplyStatus(result.command));
        else
            SetProgress(100);
        ShowMessage(told.text, told.titled);
        return;
    case Outcome::Timeout:
        ShowMessage(told.text);
        m_hooks.clearStatusText();
        SetProgress(100);
        return;
    case Outcome::InvalidData:
    case Outcome::WrongPage:
        ShowStatus(gsm::status::kInvalidData);
        SetProgress(100);
        ShowMessage(told.text);
        return;
    case Outcome::NotSent:
        SetProgress(100);
        ShowMessage(told.text);
        return;
    case Outcome::LinkLost:
        SetProgress(100);
        // A port closed by the user or by a hang-up has been dealt with;
        // one still open would not take the frame: its device has gone.
        if (m_hooks.portOpen())
            m_hooks.linkBroke();
        return;
    case Outcome::Busy:
        ShowMessage(told.text);
        return;
    case Outcome::Cancelled:
        SetProgress(100);
        return;
    }
}

void DeviceReporter::SetProgress(quint16 percent) {
    m_hooks.progress->SetProgress(percent);
}

void DeviceReporter::ShowStatus(const std::string& text) {
    m_hooks.status->ShowStatus(gsm::l10n::Shown(kContext, text));
}

void DeviceReporter::ShowStatus(const gsm::CountedText& text) {
    m_hooks.status->ShowStatus(Shown(text));
}

void DeviceReporter::ShowMessage(const std::string& text, bool titled) {
    const QString shown = gsm::l10n::Shown(kContext, text);
    if (titled)
        ShowTitledMessage(m_hooks.window, shown);
    else
        ::ShowMessage(m_hooks.window, shown);
}
