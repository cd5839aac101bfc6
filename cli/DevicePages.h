#pragma once
// The device memory as the command-line tool moves it: whole pages of the
// settings, number and history areas, counted from 1.

#include "Frame.h"

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace gsm::cli {

using Page = std::array<std::uint8_t, addr::kPageSize>;
using Pages = std::vector<Page>;

enum class Area { Settings, Numbers, History };

inline constexpr std::array<Area, 3> kAreas = {Area::Settings, Area::Numbers, Area::History};

// "settings", "numbers", "history": the area's name in files and messages.
const char* AreaName(Area area);
std::uint16_t PageCount(Area area);
std::uint32_t PageAddress(Area area, int page);
// The page an address of `area` names; 0 when it names none.
int PageAt(Area area, std::uint32_t address);

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
