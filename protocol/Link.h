#pragma once
// The few things the device link needs from its surroundings: a port to
// write frames to, the receive-timeout timer and a status text. The shells
// supply real ones; tests supply fakes, so whole operations run without a
// window or a device.

#include <cstdint>
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

} // namespace gsm
