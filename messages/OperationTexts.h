#pragma once
// Every text the device operations show, in one table: what the status bar
// says while a request waits and when its reply comes, and what the user is
// told when an operation ends. Both shells take their texts from here.

#include "protocol/DeviceClient.h"
#include "protocol/Outcome.h"
#include "protocol/Translatable.h"

#include <cstdint>
#include <string>

namespace gsm {

namespace status {
inline constexpr const char* kReadSettings = QT_TRANSLATE_NOOP("DeviceTexts", "Read settings");
inline constexpr const char* kSaveSettings = QT_TRANSLATE_NOOP("DeviceTexts", "Save settings");
inline constexpr const char* kSaveList = QT_TRANSLATE_NOOP("DeviceTexts", "Save list");
inline constexpr const char* kReadNumbers =
    QT_TRANSLATE_NOOP("DeviceTexts", "Reading telephone number information");
inline constexpr const char* kReadHistory =
    QT_TRANSLATE_NOOP("DeviceTexts", "Reading historical data");
inline constexpr const char* kSendClock = "发送同步时间命令";
inline constexpr const char* kDeletingHistory =
    QT_TRANSLATE_NOOP("DeviceTexts", "Deleting historical data");
inline constexpr const char* kEnteringCheckMode =
    QT_TRANSLATE_NOOP("DeviceTexts", "Entering checking mode");
inline constexpr const char* kPasswordVerifying =
    QT_TRANSLATE_NOOP("DeviceTexts", "Password verifing");
inline constexpr const char* kDataCommunication =
    QT_TRANSLATE_NOOP("DeviceTexts", "Data communication");
inline constexpr const char* kInvalidData = QT_TRANSLATE_NOOP("DeviceTexts", "Invalid data");
inline constexpr const char* kReadingBasicSetting =
    QT_TRANSLATE_NOOP("DeviceTexts", "Reading basic setting");
//: Status bar; the page number and count follow: "Reading number list:7/125"
inline constexpr const char* kReadingNumberList =
    QT_TRANSLATE_NOOP("DeviceTexts", "Reading number list:");
inline constexpr const char* kReadingHistory =
    QT_TRANSLATE_NOOP("DeviceTexts", "Reading historical data:");
inline constexpr const char* kSaveBasicSettings =
    QT_TRANSLATE_NOOP("DeviceTexts", "Save basic settings");
inline constexpr const char* kSaveNumberList =
    QT_TRANSLATE_NOOP("DeviceTexts", "Save number list:");
inline constexpr const char* kClockReply =
    QT_TRANSLATE_NOOP("DeviceTexts", "Receives the data synchronization command returns");
inline constexpr const char* kCheckingMode = QT_TRANSLATE_NOOP("DeviceTexts", "Checking mode");
inline constexpr const char* kDeleteCommand = QT_TRANSLATE_NOOP("DeviceTexts", "Delete command");
} // namespace status

namespace message {
// Asked before a read overwrites a grid, and before the history is deleted.
inline constexpr const char* kReadSettingsQuestion =
    QT_TRANSLATE_NOOP("DeviceTexts", "Read the GSM device basic parameters to PC software?");
inline constexpr const char* kReadListQuestion = QT_TRANSLATE_NOOP(
    "DeviceTexts", "Read the Authorized number list from GSM device to PC software?");
inline constexpr const char* kDeleteHistoryWarning = QT_TRANSLATE_NOOP(
    "DeviceTexts",
    "Warning: Thie operation will DELETE all of the historical data on GSM device! ");
inline constexpr const char* kPasswordConfirmed =
    QT_TRANSLATE_NOOP("DeviceTexts", "Password confirmed!");
inline constexpr const char* kPasswordError = QT_TRANSLATE_NOOP("DeviceTexts", "Password Error!");
inline constexpr const char* kReceiveTimeout = QT_TRANSLATE_NOOP("DeviceTexts", "Receive timeout");
inline constexpr const char* kInvalidData = QT_TRANSLATE_NOOP("DeviceTexts", "Invalid data");
inline constexpr const char* kSettingsRead =
    QT_TRANSLATE_NOOP("DeviceTexts", "Basic settings read to PC software success.");
inline constexpr const char* kSettingsSaved =
    QT_TRANSLATE_NOOP("DeviceTexts", "Basic setting saved success");
inline constexpr const char* kBasicSettingError =
    QT_TRANSLATE_NOOP("DeviceTexts", "Basic setting error");
inline constexpr const char* kListRead =
    QT_TRANSLATE_NOOP("DeviceTexts", "Authorized number list read to PC software success.");
inline constexpr const char* kListSaved =
    QT_TRANSLATE_NOOP("DeviceTexts", "Authorized number list saved success");
inline constexpr const char* kNumberListError =
    QT_TRANSLATE_NOOP("DeviceTexts", "Number list data error");
inline constexpr const char* kClockSet = "1同步时间返回正确";
inline constexpr const char* kClockError = "0同步时间返回错误";
//: Message: the device answered that it entered its checking mode
inline constexpr const char* kCheckModeEntered = QT_TRANSLATE_NOOP("DeviceTexts", "Enter");
//: Message: the device refused to enter its checking mode
inline constexpr const char* kCheckModeError = QT_TRANSLATE_NOOP("DeviceTexts", "Error");
inline constexpr const char* kHistoryDeleted =
    QT_TRANSLATE_NOOP("DeviceTexts", "Historical data deleted");
inline constexpr const char* kHistoryDeleteError =
    QT_TRANSLATE_NOOP("DeviceTexts", "Historical data delet error");
inline constexpr const char* kOpenPortFirst =
    QT_TRANSLATE_NOOP("DeviceTexts", "The COM port is not open. Open it first, then try again.");
inline constexpr const char* kDeviceDisconnected = QT_TRANSLATE_NOOP(
    "DeviceTexts", "The device was disconnected. Check the cable, open the port again and log in.");
inline constexpr const char* kStillWaiting = QT_TRANSLATE_NOOP(
    "DeviceTexts", "The device has not answered the last request yet. Try again in a moment.");
} // namespace message

// What the status bar says while the request waits for its reply.
std::string RequestStatus(const SentRequest& request);

// A text of this table with the numbers that go with it, so a shell can
// show the text in the user's language and the numbers as they are.
struct CountedText {
    enum class Shape {
        Alone,   // the text as it stands
        Counted, // the text, then page "/" count: "Reading number list:7/125"
        Format,  // %1 is the page, %2 the count
    };
    const char* text = "";
    Shape shape = Shape::Alone;
    int page = 0;
    int count = 0;
};

// The text with its numbers in place.
std::string Rendered(const CountedText& text);

// What the status bar says when the reply to `page` has come:
// "Reading basic setting", "Reading number list:7/125", "Save basic settings".
CountedText PageReplyText(OperationKind kind, Area area, int page);
std::string PageReplyStatus(OperationKind kind, Area area, int page);

// What the status bar says when a single command's reply has come.
std::string CommandReplyStatus(std::uint8_t command);

struct UserMessage {
    std::string text; // empty: nothing is said
    // Captioned with the program's title: the device's own answers to writes
    // and single commands. The others have an empty caption.
    bool titled = false;
};

// What the user is told when an operation ends. A login's success is told
// by the password comparison, not here; a cancelled operation says nothing.
UserMessage OutcomeMessage(const OperationResult& result);

// "Read stopped at page 212 of 500" for a read or write that stopped after
// some pages had been done, so the user knows the grid or the device holds
// only part of it; empty otherwise.
std::string StoppedNotice(const OperationResult& result);
// The same as its text and numbers; an empty text when there is none.
CountedText StoppedNoticeText(const OperationResult& result);

} // namespace gsm
