#pragma once
// The few things a request needs from its surroundings: a port to write the
// frame to, the receive-timeout timer and the status text. The window supplies
// real ones; tests supply fakes, so whole transfers run without a window.

#include "Exchange.h"

#include <cstdint>
#include <functional>
#include <string>

namespace gsm {

class IPortWriter {
public:
    virtual ~IPortWriter() = default;
    // Queues count bytes; false when the port is closed or count is 0.
    virtual bool WriteData(const std::uint8_t* data, std::uint16_t count) = 0;
    // Tells a closed port (the user must open it) from a failed write (the
    // link broke).
    virtual bool IsOpen() const { return true; }
};

class IReceiveTimer {
public:
    virtual ~IReceiveTimer() = default;
    // Starts a fresh countdown only when the timer is stopped.
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    // A fresh countdown from now, whether or not one was running.
    virtual void Restart() {
        Disable();
        Enable();
    }
    virtual void SetInterval(int ms) = 0;
    virtual bool Enabled() const = 0;
};

class IStatusSink {
public:
    virtual ~IStatusSink() = default;
    virtual void ShowStatus(const std::string& text) = 0;
};

inline constexpr int kReceiveTimeoutMs = 3000;

struct DeviceLink {
    DeviceLink(IPortWriter& portWriter, IReceiveTimer& receiveTimer, IStatusSink& statusSink)
        : port(portWriter), timer(receiveTimer), status(statusSink) {}
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    IPortWriter& port;
    IReceiveTimer& timer;
    IStatusSink& status;
    // The request waiting for its reply and the ones given up on.
    RequestBook requests{};
    // How long a request waits for the first byte of its reply, and for each
    // following byte.
    int timeoutMs = kReceiveTimeoutMs;
    // Every frame sent or received, when a trace was asked for.
    ILinkTrace* trace = nullptr;
    // A request that could not be handed to the port; the receive path ends
    // the exchange it belonged to and tells the user.
    std::function<void(const LinkRequest&, Verdict)> onNotSent;

    void Trace(const TraceEvent& event) {
        if (trace)
            trace->Record(event);
    }
};

} // namespace gsm
