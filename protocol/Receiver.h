#pragma once
// The receive path: bytes from the port become frames, a frame whose checksum
// holds is recorded and handed to the handler for its command and address.

#include "Commands.h"
#include "Exchange.h"
#include "Frame.h"
#include "Link.h"
#include "Login.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
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
inline constexpr const char* kOpenPortFirst =
    "The COM port is not open. Open it first, then try again.";
} // namespace message

// Keeps the device operations locked while a request is outstanding, so two
// exchanges never interleave; afterwards they follow the login state.
class OperationGate {
public:
    explicit OperationGate(std::function<void(bool enabled)> apply) : m_apply(std::move(apply)) {}

    void SetLoggedIn(bool loggedIn);
    // Both are idempotent: the buttons are switched only when the state changes.
    void RequestSent();
    void Settled();
    bool LoggedIn() const { return m_loggedIn; }
    bool Outstanding() const { return m_outstanding; }

private:
    void Apply();
    std::function<void(bool)> m_apply;
    bool m_loggedIn = false;
    bool m_outstanding = false;
};

// A reply handed to its handler: its command, address and payload. The
// payload is also copied into Data of the transfer's command object.
struct ReplyPage {
    std::uint8_t command = 0;
    std::int32_t address = 0;
    std::span<const std::uint8_t> bytes;
};

// The page handlers that the settings, number list and history sheets attach,
// each through an AttachTo(PageHandlers&) of its own. A decoder runs its
// transfer's paging step when done.
struct PageHandlers {
    using Handler = std::function<void(const ReplyPage&)>;
    Handler decodeSettingsPage;
    Handler decodeNumberPage;
    Handler decodeHistoryPage;
    Handler settingsSaveStep; // paging step of the settings save
    Handler numbersSaveStep;  // paging step of the number list save
};

struct ReceiverUi {
    // Empty caption: the receive timeout and every other failed exchange.
    std::function<void(const std::string&)> showMessage;
    // Captioned with the program's title: the answers to writes and single commands.
    std::function<void(const std::string&)> showReplyMessage;
    std::function<void(std::uint16_t)> setProgress;
    // Empties the status text without touching the status timer.
    std::function<void()> clearStatusText;
    // What stays in the status bar after a transfer stopped part-way, until
    // that transfer runs again; empty clears it.
    std::function<void(const std::string&)> setNotice;
    // A request could not be written to an open port: the link is broken.
    std::function<void()> linkLost;
};

struct CommandObjects {
    TRecData& rec;
    TRecValidCom& valid;
    TBasicInf& basic;
    TtelephoneSend& numbers;
    THistoryInf& history;
    Tpasswordverify& login;
};

// Turns received bytes into frames, hands a frame to its handler only when it
// answers the request that waits for it, and ends an exchange that failed
// (timeout, bad frame, refused write, lost link) before anyone is told, so
// nothing that arrives while a message is open can continue a transfer.
class ReceivePath {
public:
    ReceivePath(DeviceLink& link, CommandObjects objects, ReceiverUi ui, OperationGate& gate);

    PageHandlers handlers;

    // One received byte.
    void TakeByte(std::uint8_t b);
    // The receive timeout ran out.
    void Timeout();
    // The port went away (unplugged, closed by the user, program closing):
    // the exchange under way ends without a message.
    void StopExchange(Verdict why = Verdict::LinkLost);
    // A request waits for its reply.
    bool Busy() const { return m_link.requests.Waiting(); }

private:
    void TakeFrame(ByteResult result);
    void TakeAnswer();
    void Fail(const char* text);
    // Ends the exchange of the waiting request, if any, tracing `traced`;
    // false when no request was waiting.
    bool GiveUpWaiting(std::optional<Verdict> traced);
    void NotSent(const LinkRequest& request, Verdict verdict);
    // Ends the transfer the request belonged to: its next page is never sent.
    void EndExchangeOf(const LinkRequest& request);
    void EndTransfer(Tsend_rec_command& transfer, std::uint8_t command);
    // The transfer runs again from its first page: its old stop is history.
    void ClearNoticeOnFirstPage(const Tsend_rec_command& transfer);
    // A refused write ends its save before the user is told.
    void Refused(Tsend_rec_command& transfer, const char* text);
    Tsend_rec_command* TransferOf(const LinkRequest& request);
    void TraceReceived(ByteResult result, Verdict verdict);
    void Dispatch();
    void DispatchRead(addr::Area area);
    void DispatchWrite(addr::Area area);
    void CopyInto(TTemplate& target) const;
    ReplyPage Page() const;
    static void Run(const PageHandlers::Handler& handler, const ReplyPage& page);
    std::uint8_t Status() const { return m_objects.valid.Data[0]; }
    void SettleIfIdle();

    DeviceLink& m_link;
    CommandObjects m_objects;
    ReceiverUi m_ui;
    OperationGate& m_gate;
    // The request serial the frame being collected began under.
    std::uint32_t m_frameSerial = 0;
    // The transfer whose part-way stop the status bar tells of.
    const Tsend_rec_command* m_noticeOf = nullptr;
};

} // namespace gsm
