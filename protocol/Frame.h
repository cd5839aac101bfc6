#pragma once
// Wire frame shared by both directions of the device link:
//   0x23 | command | address (4, big-endian) | length N (2, big-endian) | N payload bytes | XOR
// The checksum covers everything after the start byte.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace gsm {

// One field of a byte layout: where it starts and how many bytes it spans.
struct Field {
    std::size_t offset;
    std::size_t width;
};

namespace frame {
inline constexpr std::uint8_t kStartByte = 0x23;
inline constexpr Field kStart{0, 1};
inline constexpr Field kCommand{1, 1};
inline constexpr Field kAddress{2, 4};
inline constexpr Field kLength{6, 2};
inline constexpr std::size_t kPayloadOffset = 8;
inline constexpr std::size_t kMaxPayload = 256;
// start byte, command, address, length and checksum
inline constexpr std::size_t kOverhead = 9;
inline constexpr std::size_t kMaxFrame = kMaxPayload + kOverhead;
// Bytes after the start byte: command, address, length, payload, checksum.
inline constexpr std::size_t kMaxRaw = kMaxFrame - 1;
} // namespace frame

namespace cmd {
inline constexpr std::uint8_t kReadPage = 0x83;
inline constexpr std::uint8_t kWritePage = 0x82;
inline constexpr std::uint8_t kSetClock = 0x03;
inline constexpr std::uint8_t kCheckMode = 0x04;
inline constexpr std::uint8_t kDeleteHistory = 0x85;
// Status byte the device puts first in the reply to a write or a single command.
inline constexpr std::uint8_t kAccepted = 1;
} // namespace cmd

// The device memory is a sequence of 256-byte pages; page numbers are 1-based.
namespace addr {
inline constexpr std::uint32_t kPageSize = 0x100;
inline constexpr std::uint32_t kSettingsBase = 0x0;
inline constexpr std::uint32_t kNumbersBase = 0x1000;
inline constexpr std::uint32_t kHistoryBase = 0x10000;
inline constexpr std::uint16_t kSettingsPages = 2;
inline constexpr std::uint16_t kNumberPages = 125;
inline constexpr std::uint16_t kHistoryPages = 500;

constexpr std::uint32_t SettingsPage(int p) {
    return kSettingsBase + (p - 1) * kPageSize;
}
constexpr std::uint32_t NumberPage(int p) {
    return kNumbersBase + (p - 1) * kPageSize;
}
constexpr std::uint32_t HistoryPage(int p) {
    return kHistoryBase + (p - 1) * kPageSize;
}

} // namespace addr

// Big-endian field access within a byte buffer.
void PutBigEndian(std::span<std::uint8_t> bytes, Field field, std::uint32_t value);
std::uint32_t GetBigEndian(std::span<const std::uint8_t> bytes, Field field);

// Outgoing frame builder: set the fields in order, then BuildFrame.
class FrameBuilder {
public:
    std::uint8_t Command = 0;
    std::array<std::uint8_t, 4> Address{};
    std::array<std::uint8_t, 2> Length{};
    std::array<std::uint8_t, frame::kMaxPayload> Payload{};
    std::uint8_t Checksum = 0;
    std::array<std::uint8_t, frame::kMaxFrame> Frame{};
    std::int32_t FrameLength = 0;

    virtual ~FrameBuilder() = default;

    void SetCommand(std::uint8_t code);
    // Keeps the low 16 bits of n, high byte first.
    void SetLength(int n);
    void SetAddress(std::uint32_t a);
    // Copies Length bytes from the start of bytes; must follow SetLength.
    void SetPayload(std::span<const std::uint8_t> bytes);
    void BuildFrame();
    void CalcChecksum();

    std::uint16_t PayloadLength() const;
    std::uint32_t AddressValue() const;
    std::span<const std::uint8_t> Bytes() const {
        return {Frame.data(), static_cast<std::size_t>(FrameLength)};
    }

protected:
    // The payload area holds at most 256 bytes whatever the length field says.
    std::size_t UsablePayloadLength() const;
};

// What one received byte did to the receiver.
enum class ByteResult {
    Dropped,      // outside a frame and not a start byte
    Started,      // a start byte opened a frame
    Collecting,   // stored inside a frame that is not complete yet
    FrameValid,   // the frame is complete and its checksum holds
    FrameInvalid, // the frame is complete and its checksum does not hold
    Oversized,    // the header announced more than 256 payload bytes; frame dropped
};

// The receive-side record: collects one frame byte by byte.
class FrameCollector : public FrameBuilder {
public:
    std::uint8_t InFrame = 0;
    std::int32_t ReceivedChecksum = 0;
    std::array<std::uint8_t, frame::kMaxRaw> RawBytes{};
    std::int32_t ByteCount = 0;
    std::int32_t ExpectedLength = 0;

    // Takes one byte from the wire. On FrameValid the fields Command, Address,
    // Length and Payload hold the frame, and the receiver is back to idle.
    ByteResult TakeByte(std::uint8_t b);
    // Drops a partly collected frame and returns to idle.
    void Reset();

private:
    ByteResult CheckFrame();
};

// The last frame that passed the checksum.
class ReceivedFrame {
public:
    std::uint8_t Command = 0;
    std::int32_t Address = 0;
    std::uint16_t Length = 0;
    // The payload followed by the checksum byte.
    std::array<std::uint8_t, frame::kMaxPayload + 1> Data{};

    void Fill(const FrameCollector& rec);
};

} // namespace gsm
