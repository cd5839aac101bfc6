#include "OperationTexts.h"

namespace gsm {

namespace {

std::string Counted(const char* prefix, int page, int count) {
    return prefix + std::to_string(page) + "/" + std::to_string(count);
}

const char* CommandSendingStatus(std::uint8_t command) {
    switch (command) {
    case cmd::kDeleteHistory:
        return status::kDeletingHistory;
    case cmd::kCheckMode:
        return status::kEnteringCheckMode;
    case cmd::kSetClock:
        return status::kSendClock;
    default:
        return "Sending command";
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

std::string PageReplyStatus(OperationKind kind, Area area, int page) {
    const int count = PageCount(area);
    if (kind == OperationKind::Write)
        return area == Area::Settings ? std::string(status::kSaveBasicSettings)
                                      : Counted(status::kSaveNumberList, page, count);
    switch (area) {
    case Area::Settings:
        return status::kReadingBasicSetting;
    case Area::Numbers:
        return Counted(status::kReadingNumberList, page, count);
    case Area::History:
        return Counted(status::kReadingHistory, page, count);
    }
    return {};
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

std::string StoppedNotice(const OperationResult& r) {
    if (r.Ok() || r.pagesDone.empty() || r.failedPage == 0)
        return {};
    if (r.kind != OperationKind::Read && r.kind != OperationKind::Write)
        return {};
    const char* what = r.kind == OperationKind::Write ? "Save" : "Read";
    return std::string(what) + " stopped at page " + std::to_string(r.failedPage) + " of " +
           std::to_string(PageCount(r.area));
}

} // namespace gsm
