#include "Commands.h"

#include "LocalTime.h"

namespace gsm {

bool SendRequest(DeviceLink& link, std::uint8_t command, std::uint32_t address,
                 std::span<const std::uint8_t> payload, const std::string& statusText) {
    const LinkRequest request{command, address};
    bool written = false;
    {
        TDataPackage package;
        package.SetCommand(command);
        package.SetLength(static_cast<int>(payload.size()));
        package.SetAddress(address);
        if (!payload.empty())
            package.SetPayload(payload);
        package.BuildFrame();
        written = link.port.WriteData(package.Frame.data(),
                                      static_cast<std::uint16_t>(package.FrameLength));
        const Verdict verdict = written              ? Verdict::Sent
                                : link.port.IsOpen() ? Verdict::NotSentWriteFailed
                                                     : Verdict::NotSentPortClosed;
        link.Trace(MakeTraceEvent(TraceEvent::Direction::Out, package.Bytes(), verdict));
        if (!written) {
            // Nothing went out, so nothing will answer: no timeout to wait for.
            if (link.onNotSent)
                link.onNotSent(request, verdict);
            return false;
        }
    }
    link.requests.Sent(request);
    link.status.ShowStatus(statusText);
    // Each request waits its own full time for the first byte of its reply.
    link.timer.Disable();
    link.timer.SetInterval(link.timeoutMs);
    link.timer.Enable();
    return true;
}

void SendNextPage(Tsend_rec_command& transfer, const PageRequest& requestPage,
                  const TransferDone& complete) {
    // Pages count from 1: an object whose transfer was never started has no
    // page to ask for, so a stray reply (one that came after its timeout)
    // must not make it request "page 0" below the start of its area.
    if (transfer.NextPage == 0)
        return;
    const int afterLast = transfer.PageCount + 1;
    if (transfer.NextPage < afterLast) {
        const std::uint16_t page = transfer.NextPage;
        ++transfer.NextPage;
        requestPage(page);
    } else if (transfer.NextPage == afterLast) {
        complete();
    }
}

void StartTransfer(Tsend_rec_command& transfer, std::uint16_t pageCount,
                   const PageRequest& requestPage, const TransferDone& complete) {
    transfer.PageCount = pageCount;
    transfer.NextPage = 1;
    SendNextPage(transfer, requestPage, complete);
}

std::string Tsingalcmd::PendingStatus() const {
    switch (Command) {
    case cmd::kDeleteHistory:
        return "Deleting historical data";
    case cmd::kCheckMode:
        return "Entering checking mode";
    case cmd::kSetClock:
        return status::kSendClock;
    default:
        return "Sending command";
    }
}

bool Tsingalcmd::Send(DeviceLink& link) {
    return SendRequest(link, Command, 0, {}, PendingStatus());
}

Tsynchronizationtime_sc::Tsynchronizationtime_sc(std::uint8_t command)
    : Tsingalcmd(command), m_clock([] { return LocalNow(); }) {}

std::array<std::uint8_t, 6> Tsynchronizationtime_sc::ClockPayload(const std::tm& t) {
    const int year = t.tm_year + 1900;
    return {static_cast<std::uint8_t>(year - 2000), static_cast<std::uint8_t>(t.tm_mon + 1),
            static_cast<std::uint8_t>(t.tm_mday),   static_cast<std::uint8_t>(t.tm_hour),
            static_cast<std::uint8_t>(t.tm_min),    static_cast<std::uint8_t>(t.tm_sec)};
}

bool Tsynchronizationtime_sc::Send(DeviceLink& link) {
    const auto payload = ClockPayload(m_clock());
    return SendRequest(link, Command, 0, payload, status::kSendClock);
}

} // namespace gsm
