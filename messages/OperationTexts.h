#pragma once
// Every text the device operations show, in one table: what the status bar
// says while a request waits and when its reply comes, and what the user is
// told when an operation ends. Both shells take their texts from here.

#include "protocol/DeviceClient.h"
#include "protocol/Outcome.h"

#include <cstdint>
#include <string>

namespace gsm {

namespace status {
inline constexpr const char* kReadSettings = "Read settings";
inline constexpr const char* kSaveSettings = "Save settings";
inline constexpr const char* kSaveList = "Save list";
inline constexpr const char* kReadNumbers = "Reading telephone number information";
inline constexpr const char* kReadHistory = "Reading historical data";
inline constexpr const char* kSendClock = "发送同步时间命令";
inline constexpr const char* kDeletingHistory = "Deleting historical data";
inline constexpr const char* kEnteringCheckMode = "Entering checking mode";
inline constexpr const char* kPasswordVerifying = "Password verifing";
inline constexpr const char* kDataCommunication = "Data communication";
inline constexpr const char* kInvalidData = "Invalid data";
inline constexpr const char* kReadingBasicSetting = "Reading basic setting";
inline constexpr const char* kReadingNumberList = "Reading number list:";
inline constexpr const char* kReadingHistory = "Reading historical data:";
inline constexpr const char* kSaveBasicSettings = "Save basic settings";
inline constexpr const char* kSaveNumberList = "Save number list:";
inline constexpr const char* kClockReply = "Receives the data synchronization command returns";
inline constexpr const char* kCheckingMode = "Checking mode";
inline constexpr const char* kDeleteCommand = "Delete command";
} // namespace status

namespace message {
// Asked before a read overwrites a grid, and before the history is deleted.
inline constexpr const char* kReadSettingsQuestion =
    "Read the GSM device basic parameters to PC software?";
inline constexpr const char* kReadListQuestion =
    "Read the Authorized number list from GSM device to PC software?";
inline constexpr const char* kDeleteHistoryWarning =
    "Warning: Thie operation will DELETE all of the historical data on GSM device! ";
inline constexpr const char* kPasswordConfirmed = "Password confirmed!";
inline constexpr const char* kPasswordError = "Password Error!";
inline constexpr const char* kReceiveTimeout = "Receive timeout";
inline constexpr const char* kInvalidData = "Invalid data";
inline constexpr const char* kSettingsRead = "Basic settings read to PC software success.";
inline constexpr const char* kSettingsSaved = "Basic setting saved success";
inline constexpr const char* kBasicSettingError = "Basic setting error";
inline constexpr const char* kListRead = "Authorized number list read to PC software success.";
inline constexpr const char* kListSaved = "Authorized number list saved success";
inline constexpr const char* kNumberListError = "Number list data error";
inline constexpr const char* kClockSet = "1同步时间返回正确";
inline constexpr const char* kClockError = "0同步时间返回错误";
inline constexpr const char* kCheckModeEntered = "Enter";
inline constexpr const char* kCheckModeError = "Error";
inline constexpr const char* kHistoryDeleted = "Historical data deleted";
inline constexpr const char* kHistoryDeleteError = "Historical data delet error";
inline constexpr const char* kOpenPortFirst =
    "The COM port is not open. Open it first, then try again.";
inline constexpr const char* kDeviceDisconnected =
    "The device was disconnected. Check the cable, open the port again and log in.";
inline constexpr const char* kStillWaiting =
    "The device has not answered the last request yet. Try again in a moment.";
} // namespace message

// What the status bar says while the request waits for its reply.
std::string RequestStatus(const SentRequest& request);

// What the status bar says when the reply to `page` has come:
// "Reading basic setting", "Reading number list:7/125", "Save basic settings".
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

} // namespace gsm
