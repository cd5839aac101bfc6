#include "FieldCodec.h"

#include <algorithm>

namespace gsm::sim {

void PutText(std::span<std::uint8_t> bytes, Field field, std::string_view text, TextForm form) {
    if (text.empty() && form == TextForm::ZeroEndedUnlessEmpty)
        return;
    auto out = bytes.subspan(field.offset, field.width);
    const std::size_t n = std::min(text.size(), field.width);
    std::copy_n(text.begin(), n, out.begin());
    const auto rest = out.subspan(n);
    if (rest.empty())
        return;
    switch (form) {
    case TextForm::ZeroEnded:
    case TextForm::ZeroEndedUnlessEmpty:
        rest[0] = 0;
        break;
    case TextForm::ZeroPadded:
        std::ranges::fill(rest, 0);
        break;
    case TextForm::FfPadded:
        std::ranges::fill(rest, 0xFF);
        break;
    }
}

std::string GetText(std::span<const std::uint8_t> bytes, Field field, TextForm form) {
    const auto in = bytes.subspan(field.offset, field.width);
    if (form == TextForm::ZeroEndedUnlessEmpty && AllBytesAre(in, 0xFF))
        return {};
    const std::uint8_t end = form == TextForm::FfPadded ? 0xFF : 0x00;
    const auto stop = std::ranges::find(in, end);
    return std::string(in.begin(), stop);
}

void PutLittleEndian(std::span<std::uint8_t> bytes, Field field, std::uint32_t value) {
    for (std::size_t i = 0; i < field.width; ++i)
        bytes[field.offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

std::uint32_t GetLittleEndian(std::span<const std::uint8_t> bytes, Field field) {
    std::uint32_t value = 0;
    for (std::size_t i = field.width; i-- > 0;)
        value = (value << 8) | bytes[field.offset + i];
    return value;
}

bool AllBytesAre(std::span<const std::uint8_t> bytes, std::uint8_t value) {
    return std::ranges::all_of(bytes, [value](std::uint8_t b) { return b == value; });
}

bool AllBytesAre(std::span<const std::uint8_t> bytes, Field field, std::uint8_t value) {
    return AllBytesAre(bytes.subspan(field.offset, field.width), value);
}

bool IsPlainText(std::string_view text) {
    return std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

} // namespace gsm::sim
