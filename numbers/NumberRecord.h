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

#include "Frame.h"
#include "Grid.h"

#include <array>
#include <cstdint>
#include <span>

namespace gsm::numbers {

namespace record {
inline constexpr std::size_t kSize = 32;
inline constexpr std::size_t kPerPage = addr::kPageSize / kSize;

inline constexpr Field kNumber{0, 22};

// The bytes of one end of the validity period.
struct PeriodEnd {
    Field month;
    Field day;
    Field hour;
    Field minute;
    Field yearInCentury;
};
inline constexpr PeriodEnd kStart{{22, 1}, {23, 1}, {24, 1}, {25, 1}, {30, 1}};
inline constexpr PeriodEnd kEnd{{26, 1}, {27, 1}, {28, 1}, {29, 1}, {31, 1}};

// Offsets 22 to 29: the four bytes of each end but its year.
inline constexpr Field kPeriodBody{22, 8};
// Filler of the period bytes of an entry valid at all times.
inline constexpr std::uint8_t kAlwaysByte = 0x63;
inline constexpr std::uint8_t kErasedByte = 0xFF;
} // namespace record

using RecordBytes = std::span<std::uint8_t, record::kSize>;
using ConstRecordBytes = std::span<const std::uint8_t, record::kSize>;

// Writes grid row `row` into `out` (which the caller has zeroed). Returns
// false when some cell that goes on the wire cannot be stored faithfully: a
// number longer than the field or holding anything but "+" and digits, or a
// malformed date or time. The record is then not to be sent.
bool EncodeNumberRecord(const IGrid& grid, int row, RecordBytes out);

// Writes the record into grid row `row`. The serial and the Delete mark are
// the PC's own and stay as they are.
void DecodeNumberRecord(ConstRecordBytes in, IGrid& grid, int row);

} // namespace gsm::numbers
