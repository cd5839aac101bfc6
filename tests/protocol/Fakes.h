#pragma once
// Stand-ins for the port, the receive timer and the status bar, so that
// requests and whole transfers run without a window or a device.

#include "Frame.h"
#include "Link.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gsm::test {

using Bytes = std::vector<std::uint8_t>;

class FakePort : public IPortWriter {
public:
    bool open = true;
    std::vector<Bytes> writes;

    bool WriteData(const std::uint8_t* data, std::uint16_t count) override {
        if (!open || count == 0)
            return false;
        writes.emplace_back(data, data + count);
        return true;
    }
    bool IsOpen() const override { return open; }
};

class FakeTimer : public IReceiveTimer {
public:
    bool enabled = false;
    int interval = kReceiveTimeoutMs;
    int starts = 0; // fresh countdowns begun
    // As in the program: arming the timeout means a request is outstanding.
    std::function<void()> onEnable;

    void Enable() override {
        if (!enabled)
            ++starts;
        enabled = true;
        if (onEnable)
            onEnable();
    }
    void Disable() override { enabled = false; }
    void SetInterval(int ms) override { interval = ms; }
    bool Enabled() const override { return enabled; }
};

class FakeStatus : public IStatusSink {
public:
    std::vector<std::string> texts;
    void ShowStatus(const std::string& text) override { texts.push_back(text); }
};

struct FakeLink {
    FakePort port;
    FakeTimer timer;
    FakeStatus status;
    DeviceLink link{port, timer, status};
};

inline Bytes Hex(const std::string& text) {
    Bytes out;
    unsigned value = 0;
    int digits = 0;
    for (char c : text) {
        int v = -1;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        if (v < 0)
            continue;
        value = value * 16 + static_cast<unsigned>(v);
        if (++digits == 2) {
            out.push_back(static_cast<std::uint8_t>(value));
            value = 0;
            digits = 0;
        }
    }
    return out;
}

inline Bytes FrameOf(const TDataPackage& p) {
    return {p.Frame.begin(), p.Frame.begin() + p.FrameLength};
}

// A whole frame, as the device or the program sends it.
inline Bytes FrameOf(std::uint8_t command, std::uint32_t address, const Bytes& payload) {
    TDataPackage p;
    p.SetCommand(command);
    p.SetLength(static_cast<int>(payload.size()));
    p.SetAddress(address);
    p.SetPayload(payload);
    p.BuildFrame();
    return FrameOf(p);
}

} // namespace gsm::test
