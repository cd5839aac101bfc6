#pragma once
// The few things a request needs from its surroundings: a port to write the
// frame to, the receive-timeout timer and the status text. The window supplies
// real ones; tests supply fakes, so whole transfers run without a window.

#include <cstdint>
#include <string>

namespace gsm {

class IPortWriter {
public:
    virtual ~IPortWriter() = default;
    // Queues count bytes; false when the port is closed or count is 0.
    virtual bool WriteData(const std::uint8_t* data, std::uint16_t count) = 0;
};

class IReceiveTimer {
public:
    virtual ~IReceiveTimer() = default;
    // Starts a fresh countdown only when the timer is stopped.
    virtual void Enable() = 0;
    virtual void Disable() = 0;
    virtual void SetInterval(int ms) = 0;
    virtual bool Enabled() const = 0;
};

class IStatusSink {
public:
    virtual ~IStatusSink() = default;
    virtual void ShowStatus(const std::string& text) = 0;
};

struct DeviceLink {
    IPortWriter& port;
    IReceiveTimer& timer;
    IStatusSink& status;
};

inline constexpr int kReceiveTimeoutMs = 3000;

} // namespace gsm
