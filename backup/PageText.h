#pragma once
// Pages as backup files hold them: a checksum and hex digits per page, and
// page numbers as ranges for messages.

#include "protocol/Area.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace gsm::backup {

// CRC-32 as zip and PNG compute it.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
std::string HexOf(const Page& page);
// False when `hex` is not exactly one page of hex digits.
bool PageFromHex(const std::string& hex, Page& page);

// "1-36", "1-3, 7": page numbers as ranges.
std::string PageRanges(const std::vector<int>& pages);

} // namespace gsm::backup
