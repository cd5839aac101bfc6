#pragma once
// One authorized number on the device: a 32-byte record, 8 to a page, 125
// pages. The layout below is the only description of the record; encoder and
// decoder both go through it.
//
//   0..21  the number's characters, then 0x00 up to offset 21
//   22..25 start month, day, hour, minute      26..29 the same for the end
//   30     start year within the century       31     end year within the century
//
// Three records have a form of their own: erased (32 x 0xFF), valid at all
// times (offsets 22..29 each 0x63, 30 is 0x00, 31 is 0x63) and empty (32 x 0x00).

#include "NumberEntry.h"
#include "protocol/Frame.h"
#include "protocol/Grid.h"

#include <array>
#include <cstdint>
#include <span>

namespace gsm::numbers {

namespace record {
inline constexpr std::size_t kSize = 32;
inline constexpr std::size_t kPerPage = addr::kPageSize / kSize;

inline constexpr Field kNumber{0, kNumberLength};

// The bytes of one end of the validity period.
struct EndFields {
    Field month;
    Field day;
    Field hour;
    Field minute;
    Field yearInCentury;
};
inline constexpr EndFields kStart{{22, 1}, {23, 1}, {24, 1}, {25, 1}, {30, 1}};
inline constexpr EndFields kEnd{{26, 1}, {27, 1}, {28, 1}, {29, 1}, {31, 1}};

// Offsets 22 to 29: the four bytes of each end but its year.
inline constexpr Field kPeriodBody{22, 8};
// Filler of the period bytes of an entry valid at all times.
inline constexpr std::uint8_t kAlwaysByte = 0x63;
inline constexpr std::uint8_t kErasedByte = 0xFF;
} // namespace record

using RecordBytes = std::span<std::uint8_t, record::kSize>;
using ConstRecordBytes = std::span<const std::uint8_t, record::kSize>;

// Writes all 32 bytes: 0xFF throughout for an erased entry; otherwise the
// number (at most its first 22 characters), then the always form or the
// period, each missing part as zero bytes. The entry is not checked here.
void EncodeNumberEntry(const NumberEntry& entry, RecordBytes out);

// The entry as a read shows it: the number is the "+" and digits up to the
// first other byte; a date only when its month and day are not 0; a time
// always; no period when byte 22 is 0xFF or there is no number; always (and
// no period) when offsets 22 to 29 are all 0x63. Never erased: that mark is
// the PC's own.
NumberEntry DecodeNumberEntry(ConstRecordBytes in);

bool IsAlwaysRecord(ConstRecordBytes in);

// Grid row `row` encoded as a save encodes it. False, with `out` left as it
// was, when some cell that goes on the wire cannot be stored faithfully (the
// number, or a date or time in form or range). Whether the period is whole
// is not looked at here.
bool EncodeNumberRecord(const IGrid& grid, int row, RecordBytes out);

// Writes the record into grid row `row`. The serial and the Delete mark are
// the PC's own and stay as they are.
void DecodeNumberRecord(ConstRecordBytes in, IGrid& grid, int row);

} // namespace gsm::numbers
