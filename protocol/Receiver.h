#pragma once
// The receive path: bytes from the port become frames, a frame whose checksum
// holds is recorded and handed to the handler for its command and address.

#include "Commands.h"
#include "Frame.h"
#include "Link.h"
#include "Login.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gsm {

namespace status {
inline constexpr const char* kDataCommunication = "Data communication";
inline constexpr const char* kInvalidData = "Invalid data";
inline constexpr const char* kUndefinedData = "Undefined data";
inline constexpr const char* kUndefinedAddress = "Undefined address";
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
inline constexpr const char* kReceiveTimeout = "Receive timeout";
inline constexpr const char* kBasicSettingError = "Basic setting error";
inline constexpr const char* kNumberListError = "Number list data error";
inline constexpr const char* kClockSet = "1同步时间返回正确";
inline constexpr const char* kClockError = "0同步时间返回错误";
inline constexpr const char* kCheckModeEntered = "Enter";
inline constexpr const char* kCheckModeError = "Error";
inline constexpr const char* kHistoryDeleted = "Historical data deleted";
inline constexpr const char* kHistoryDeleteError = "Historical data delet error";
} // namespace message

// Keeps the device operations locked while a request is outstanding, so two
// exchanges never interleave; afterwards they follow the login state.
class TOperationGate {
public:
    explicit TOperationGate(std::function<void(bool enabled)> apply) : apply_(std::move(apply)) {}

    void SetLoggedIn(bool loggedIn);
    void RequestSent();
    void Settled();
    bool LoggedIn() const { return loggedIn_; }
    bool Outstanding() const { return outstanding_; }

private:
    void Apply();
    std::function<void(bool)> apply_;
    bool loggedIn_ = false;
    bool outstanding_ = false;
};

// The page handlers that the settings, number list and history code attach.
// Each decoder finds its page in Data of its command object and runs its
// transfer's paging step when done.
struct PageHandlers {
    std::function<void()> decodeSettingsPage;
    std::function<void()> decodeNumberPage;
    std::function<void()> decodeHistoryPage;
    std::function<void()> settingsSaveStep; // paging step of the settings save
    std::function<void()> numbersSaveStep;  // paging step of the number list save
};

struct ReceiverUi {
    // Empty caption: the receive timeout.
    std::function<void(const std::string&)> showMessage;
    // Captioned with the program's title: the answers to writes and single commands.
    std::function<void(const std::string&)> showReplyMessage;
    std::function<void(std::uint16_t)> setProgress;
    // Empties the status text without touching the status timer.
    std::function<void()> clearStatusText;
};

struct CommandObjects {
    TRecData& rec;
    TRecValidCom& valid;
    TBasicInf& basic;
    TtelephoneSend& numbers;
    THistoryInf& history;
    Tpasswordverify& login;
};

class TReceivePath {
public:
    TReceivePath(DeviceLink& link, CommandObjects objects, ReceiverUi ui, TOperationGate& gate)
        : link_(link), o_(objects), ui_(std::move(ui)), gate_(gate) {}

    PageHandlers handlers;

    // One received byte (the serial component delivers them one per call).
    void TakeByte(std::uint8_t b);
    // The receive timeout ran out.
    void Timeout();

private:
    void Dispatch();
    void DispatchRead(addr::Area area);
    void DispatchWrite(addr::Area area);
    void CopyInto(TTemplate& target) const;
    std::uint8_t Status() const { return o_.valid.Data[0]; }
    void SettleIfIdle();

    DeviceLink& link_;
    CommandObjects o_;
    ReceiverUi ui_;
    TOperationGate& gate_;
    // The frame being collected began while a request was waiting for it.
    bool solicited_ = false;
};

} // namespace gsm
