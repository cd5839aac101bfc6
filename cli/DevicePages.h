#pragma once
// The device memory as the command-line tool moves it: whole areas of pages,
// and their text forms in backup files.

#include "protocol/Area.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace gsm::cli {

using gsm::Area;
using gsm::Page;
using Pages = std::vector<Page>;

// Some areas of one device, each complete.
using AreaPages = std::map<Area, Pages>;

// CRC-32 as zip and PNG compute it.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size);
std::string HexOf(const Page& page);
// False when `hex` is not exactly one page of hex digits.
bool PageFromHex(const std::string& hex, Page& page);

// "1-36", "1-3, 7": page numbers as ranges.
std::string PageRanges(const std::vector<int>& pages);

} // namespace gsm::cli
