#pragma once
// Command objects: one per kind of exchange, kept for the program's life.
// A paged transfer's whole state is PageCount and NextPage of its object.

#include "Frame.h"
#include "Link.h"

#include <array>
#include <cstdint>
#include <ctime>
#include <functional>
#include <span>
#include <string>

namespace gsm {

namespace status {
inline constexpr const char* kReadSettings = "Read settings";
inline constexpr const char* kSaveSettings = "Save settings";
inline constexpr const char* kSaveList = "Save list";
inline constexpr const char* kReadNumbers = "Reading telephone number information";
inline constexpr const char* kReadHistory = "Reading historical data";
inline constexpr const char* kSendClock = "发送同步时间命令";
} // namespace status

class TTemplate {
public:
    virtual ~TTemplate() = default;
    // Address of the last reply handed to this object.
    std::int32_t Address = 0;
    // The page last received or the page to send.
    std::array<std::uint8_t, frame::kMaxPayload> Data{};
};

class Tsend_rec_command : public TTemplate {
public:
    std::uint16_t PageCount = 0;
    // 1-based number of the next page to request.
    std::uint16_t NextPage = 0;

    // Number of the page whose reply is being handled (the paging step has
    // already moved NextPage on) and the share of the transfer done so far.
    std::uint16_t CurrentPage() const { return static_cast<std::uint16_t>(NextPage - 1); }
    std::uint16_t Percent() const {
        return PageCount == 0 ? 0 : static_cast<std::uint16_t>(NextPage * 100 / PageCount);
    }
};

class TBasicInf : public Tsend_rec_command {};
class TtelephoneSend : public Tsend_rec_command {};
class THistoryInf : public Tsend_rec_command {};

// The send step: build one frame, hand it to the port, record it as the
// request waiting for its reply, show the request's status text and start the
// receive timeout. An empty payload sends length 0. A frame the port does not
// take is reported through the link's onNotSent and starts no timeout (false).
bool SendRequest(DeviceLink& link, std::uint8_t command, std::uint32_t address,
                 std::span<const std::uint8_t> payload, const std::string& statusText);

using PageRequest = std::function<void(std::uint16_t page)>;
using TransferDone = std::function<void()>;

// The paging step: requests page NextPage and moves on, or runs the
// completion action once the last page has been handled. Does nothing for an
// object whose transfer was never started (NextPage 0).
void SendNextPage(Tsend_rec_command& transfer, const PageRequest& requestPage,
                  const TransferDone& complete);

// Starts a transfer at page 1, abandoning any unfinished one of the same object.
void StartTransfer(Tsend_rec_command& transfer, std::uint16_t pageCount,
                   const PageRequest& requestPage, const TransferDone& complete);

// A one-frame command answered with a single status byte.
class Tsingalcmd : public TTemplate {
public:
    explicit Tsingalcmd(std::uint8_t command) : Command(command) {}
    std::uint8_t Command;

    virtual bool Send(DeviceLink& link);
    // What the status bar shows while the command is outstanding.
    std::string PendingStatus() const;
};

// Sets the device clock from the PC's local time.
class Tsynchronizationtime_sc : public Tsingalcmd {
public:
    using Clock = std::function<std::tm()>;
    explicit Tsynchronizationtime_sc(std::uint8_t command = cmd::kSetClock);

    bool Send(DeviceLink& link) override;
    // Lets tests fix the time that is sent.
    void SetClock(Clock clock) { m_clock = std::move(clock); }

    // year - 2000, month, day, hour, minute, second: one byte each, the
    // year as every other date the device stores.
    static std::array<std::uint8_t, 6> ClockPayload(const std::tm& t);

private:
    Clock m_clock;
};

} // namespace gsm
