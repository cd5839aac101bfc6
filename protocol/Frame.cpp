#include "Frame.h"

#include <algorithm>

namespace gsm {

void PutBigEndian(std::span<std::uint8_t> bytes, Field field, std::uint32_t value) {
    for (std::size_t i = 0; i < field.width; ++i) {
        const std::size_t shift = 8 * (field.width - 1 - i);
        bytes[field.offset + i] = static_cast<std::uint8_t>(value >> shift);
    }
}

std::uint32_t GetBigEndian(std::span<const std::uint8_t> bytes, Field field) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < field.width; ++i)
        value = (value << 8) | bytes[field.offset + i];
    return value;
}

void FrameBuilder::SetCommand(std::uint8_t code) {
    Command = code;
}

void FrameBuilder::SetLength(int n) {
    PutBigEndian(Length, Field{0, 2}, static_cast<std::uint32_t>(n) & 0xFFFFu);
}

void FrameBuilder::SetAddress(std::uint32_t a) {
    PutBigEndian(Address, Field{0, 4}, a);
}

void FrameBuilder::SetPayload(std::span<const std::uint8_t> bytes) {
    const std::size_t n = std::min(UsablePayloadLength(), bytes.size());
    std::copy_n(bytes.begin(), n, Payload.begin());
    std::fill(Payload.begin() + static_cast<std::ptrdiff_t>(n), Payload.end(), 0);
}

std::uint16_t FrameBuilder::PayloadLength() const {
    return static_cast<std::uint16_t>(GetBigEndian(Length, Field{0, 2}));
}

std::uint32_t FrameBuilder::AddressValue() const {
    return GetBigEndian(Address, Field{0, 4});
}

std::size_t FrameBuilder::UsablePayloadLength() const {
    return std::min<std::size_t>(PayloadLength(), frame::kMaxPayload);
}

void FrameBuilder::CalcChecksum() {
    std::uint8_t sum = Command;
    for (auto b : Address)
        sum ^= b;
    for (auto b : Length)
        sum ^= b;
    const std::size_t n = UsablePayloadLength();
    for (std::size_t i = 0; i < n; ++i)
        sum ^= Payload[i];
    Checksum = sum;
}

void FrameBuilder::BuildFrame() {
    const std::size_t n = UsablePayloadLength();
    FrameLength = static_cast<std::int32_t>(n + frame::kOverhead);
    Frame[frame::kStart.offset] = frame::kStartByte;
    Frame[frame::kCommand.offset] = Command;
    std::copy(Address.begin(), Address.end(), Frame.begin() + frame::kAddress.offset);
    std::copy(Length.begin(), Length.end(), Frame.begin() + frame::kLength.offset);
    std::copy_n(Payload.begin(), n, Frame.begin() + frame::kPayloadOffset);
    CalcChecksum();
    Frame[frame::kPayloadOffset + n] = Checksum;
}

// RawBytes holds the frame without its start byte, so every frame offset is one less.
namespace raw {
constexpr std::size_t At(Field f) {
    return f.offset - 1;
}
constexpr std::size_t kLengthHigh = At(frame::kLength);
constexpr std::size_t kLengthLow = kLengthHigh + 1;
constexpr std::size_t kPayload = frame::kPayloadOffset - 1;
} // namespace raw

ByteResult FrameCollector::TakeByte(std::uint8_t b) {
    if (InFrame == 0) {
        if (b != frame::kStartByte)
            return ByteResult::Dropped;
        InFrame = 1;
        ByteCount = 0;
        return ByteResult::Started;
    }
    RawBytes[static_cast<std::size_t>(ByteCount)] = b;
    if (static_cast<std::size_t>(ByteCount) == raw::kLengthLow) {
        ExpectedLength = RawBytes[raw::kLengthHigh] * 256 + RawBytes[raw::kLengthLow];
        if (ExpectedLength > static_cast<std::int32_t>(frame::kMaxPayload)) {
            Reset();
            return ByteResult::Oversized;
        }
    }
    ++ByteCount;
    if (ByteCount == ExpectedLength + static_cast<std::int32_t>(raw::kPayload + 1))
        return CheckFrame();
    return ByteResult::Collecting;
}

ByteResult FrameCollector::CheckFrame() {
    const auto n = static_cast<std::size_t>(ExpectedLength);
    ReceivedChecksum = RawBytes[raw::kPayload + n];
    Command = RawBytes[raw::At(frame::kCommand)];
    std::copy_n(RawBytes.begin() + raw::At(frame::kAddress), 4, Address.begin());
    std::copy_n(RawBytes.begin() + raw::At(frame::kLength), 2, Length.begin());
    std::copy_n(RawBytes.begin() + raw::kPayload, n, Payload.begin());
    CalcChecksum();
    Reset();
    return Checksum == ReceivedChecksum ? ByteResult::FrameValid : ByteResult::FrameInvalid;
}

void FrameCollector::Reset() {
    ByteCount = 0;
    InFrame = 0;
}

void ReceivedFrame::Fill(const FrameCollector& rec) {
    Command = rec.Command;
    Address = static_cast<std::int32_t>(rec.AddressValue());
    Length = static_cast<std::uint16_t>(rec.ExpectedLength);
    std::copy_n(rec.Payload.begin(), Length, Data.begin());
    Data[Length] = static_cast<std::uint8_t>(rec.ReceivedChecksum);
}

} // namespace gsm
