#include "OperationTexts.h"

namespace gsm {

namespace {

CountedText Counted(const char* prefix, int page, int count) {
    return {prefix, CountedText::Shape::Counted, page, count};
}

void ReplaceAll(std::string& text, const std::string& marker, const std::string& by) {
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + by.size()))
        text.replace(at, marker.size(), by);
}

constexpr const char* kReadStopped =
    QT_TRANSLATE_NOOP("DeviceTexts", "Read stopped at page %1 of %2");
constexpr const char* kSaveStopped =
    QT_TRANSLATE_NOOP("DeviceTexts", "Save stopped at page %1 of %2");

const char* CommandSendingStatus(std::uint8_t command) {
    switch (command) {
    case cmd::kDeleteHistory:
        return status::kDeletingHistory;
    case cmd::kCheckMode:
        return status::kEnteringCheckMode;
    case cmd::kSetClock:
        return status::kSendClock;
    default:
        return QT_TRANSLATE_NOOP("DeviceTexts", "Sending command");
    }
}

// The success and refusal texts of each operation.
struct Answers {
    const char* done;
    const char* refused;
};

Answers AnswersOf(const OperationResult& r) {
    switch (r.kind) {
    case OperationKind::LogIn:
        return {"", message::kInvalidData};
    case OperationKind::Read:
        switch (r.area) {
        case Area::Settings:
            return {message::kSettingsRead, message::kInvalidData};
        case Area::Numbers:
            return {message::kListRead, message::kInvalidData};
        case Area::History:
            // The filled grid says it all.
            return {"", message::kInvalidData};
        }
        break;
    case OperationKind::Write:
        return r.area == Area::Settings
                   ? Answers{message::kSettingsSaved, message::kBasicSettingError}
                   : Answers{message::kListSaved, message::kNumberListError};
    case OperationKind::Command:
        switch (r.command) {
        case cmd::kDeleteHistory:
            return {message::kHistoryDeleted, message::kHistoryDeleteError};
        case cmd::kSetClock:
            return {message::kClockSet, message::kClockError};
        case cmd::kCheckMode:
            return {message::kCheckModeEntered, message::kCheckModeError};
        default:
            break;
        }
        break;
    }
    return {"", ""};
}

} // namespace

std::string RequestStatus(const SentRequest& request) {
    switch (request.kind) {
    case OperationKind::LogIn:
        return status::kReadSettings;
    case OperationKind::Read:
        switch (request.area) {
        case Area::Settings:
            return status::kReadSettings;
        case Area::Numbers:
            return status::kReadNumbers;
        case Area::History:
            return status::kReadHistory;
        }
        break;
    case OperationKind::Write:
        return request.area == Area::Settings ? status::kSaveSettings : status::kSaveList;
    case OperationKind::Command:
        return CommandSendingStatus(request.command);
    }
    return {};
}

std::string Rendered(const CountedText& text) {
    std::string out = text.text;
    switch (text.shape) {
    case CountedText::Shape::Alone:
        break;
    case CountedText::Shape::Counted:
        out += std::to_string(text.page) + "/" + std::to_string(text.count);
        break;
    case CountedText::Shape::Format:
        ReplaceAll(out, "%1", std::to_string(text.page));
        ReplaceAll(out, "%2", std::to_string(text.count));
        break;
    }
    return out;
}

CountedText PageReplyText(OperationKind kind, Area area, int page) {
    const int count = PageCount(area);
    if (kind == OperationKind::Write)
        return area == Area::Settings ? CountedText{status::kSaveBasicSettings}
                                      : Counted(status::kSaveNumberList, page, count);
    switch (area) {
    case Area::Settings:
        return {status::kReadingBasicSetting};
    case Area::Numbers:
        return Counted(status::kReadingNumberList, page, count);
    case Area::History:
        return Counted(status::kReadingHistory, page, count);
    }
    return {};
}

std::string PageReplyStatus(OperationKind kind, Area area, int page) {
    return Rendered(PageReplyText(kind, area, page));
}

std::string CommandReplyStatus(std::uint8_t command) {
    switch (command) {
    case cmd::kSetClock:
        return status::kClockReply;
    case cmd::kCheckMode:
        return status::kCheckingMode;
    case cmd::kDeleteHistory:
        return status::kDeleteCommand;
    default:
        return {};
    }
}

UserMessage OutcomeMessage(const OperationResult& r) {
    const bool isCommand = r.kind == OperationKind::Command;
    switch (r.outcome) {
    case Outcome::Ok:
        return {AnswersOf(r).done, isCommand};
    case Outcome::Refused:
        return {AnswersOf(r).refused, true};
    case Outcome::Timeout:
        return {message::kReceiveTimeout};
    case Outcome::InvalidData:
    case Outcome::WrongPage:
        return {message::kInvalidData};
    case Outcome::LinkLost:
        return {message::kDeviceDisconnected};
    case Outcome::NotSent:
        return {message::kOpenPortFirst};
    case Outcome::Busy:
        return {message::kStillWaiting};
    case Outcome::Cancelled:
        return {};
    }
    return {};
}

CountedText StoppedNoticeText(const OperationResult& r) {
    if (r.Ok() || r.pagesDone.empty() || r.failedPage == 0)
        return {};
    if (r.kind != OperationKind::Read && r.kind != OperationKind::Write)
        return {};
    return {r.kind == OperationKind::Write ? kSaveStopped : kReadStopped,
            CountedText::Shape::Format, r.failedPage, PageCount(r.area)};
}

std::string StoppedNotice(const OperationResult& r) {
    return Rendered(StoppedNoticeText(r));
}

} // namespace gsm
