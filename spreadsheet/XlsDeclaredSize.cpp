#include "XlsDeclaredSize.h"

#include <cstddef>

namespace gsm {

namespace {

// A BIFF record: type and length, both 16 bits, then the length's bytes.
constexpr std::size_t kRecordHead = 4;
constexpr std::uint16_t kDimensions = 0x0200;
// BIFF8 counts rows in 32 bits; BIFF5 and older in 16.
constexpr std::size_t kBiff8DimensionsLength = 14;
constexpr std::size_t kBiff5DimensionsLength = 10;

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t width) {
    std::uint32_t value = 0;
    for (std::size_t i = width; i-- > 0;)
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

// "Last row + 1" and "last column + 1": the counts the reader sizes its tables by.
std::optional<DeclaredSize> SizeOf(std::string_view record) {
    if (record.size() >= kBiff8DimensionsLength)
        return DeclaredSize{Little(record, 4, 4), Little(record, 10, 2)};
    if (record.size() >= kBiff5DimensionsLength)
        return DeclaredSize{Little(record, 2, 2), Little(record, 6, 2)};
    return std::nullopt;
}

} // namespace

DeclaredSheets ReadDeclaredSheets(std::string_view stream) {
    DeclaredSheets sheets;
    for (std::size_t at = 0; at + kRecordHead <= stream.size();) {
        const std::uint32_t type = Little(stream, at, 2);
        const std::size_t length = Little(stream, at + 2, 2);
        const std::string_view body = stream.substr(at + kRecordHead, length);
        if (type == kDimensions) {
            if (const std::optional<DeclaredSize> size = SizeOf(body)) {
                if (!sheets.first)
                    sheets.first = size;
                sheets.cells += std::uint64_t(size->rows) * size->columns;
            }
        }
        at += kRecordHead + length;
    }
    return sheets;
}

} // namespace gsm
