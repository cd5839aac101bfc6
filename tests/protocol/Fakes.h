#pragma once
// Stand-ins for the port and the receive timer, and frames built as the
// device builds them, so that exchanges and whole operations run without a
// window or a device.

#include "protocol/Frame.h"
#include "protocol/Link.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gsm::test {

using Bytes = std::vector<std::uint8_t>;

class FakePort : public IPortWriter {
public:
    bool open = true;
    // An open port that takes nothing: its device has gone.
    bool broken = false;
    std::vector<Bytes> writes;

    bool WriteData(const std::uint8_t* data, std::uint16_t count) override {
        if (!open || broken || count == 0)
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
    int starts = 0;   // fresh countdowns begun
    int restarts = 0; // countdowns begun again by a reply's bytes

    void Enable() override {
        if (!enabled)
            ++starts;
        enabled = true;
    }
    void Disable() override { enabled = false; }
    void Restart() override {
        ++restarts;
        enabled = true;
    }
    void SetInterval(int ms) override { interval = ms; }
    bool Enabled() const override { return enabled; }
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

inline Bytes FrameOf(const FrameBuilder& p) {
    return {p.Frame.begin(), p.Frame.begin() + p.FrameLength};
}

// A whole frame, as the device or the program sends it.
inline Bytes FrameOf(std::uint8_t command, std::uint32_t address, const Bytes& payload) {
    FrameBuilder p;
    p.SetCommand(command);
    p.SetLength(static_cast<int>(payload.size()));
    p.SetAddress(address);
    p.SetPayload(payload);
    p.BuildFrame();
    return FrameOf(p);
}

// The command and address of a frame the program wrote.
struct SentFrame {
    std::uint8_t command = 0;
    std::uint32_t address = 0;
};

inline SentFrame Parse(const Bytes& frame) {
    FrameCollector rec;
    for (auto b : frame)
        rec.TakeByte(b);
    return {rec.Command, rec.AddressValue()};
}

} // namespace gsm::test
