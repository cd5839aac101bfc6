#pragma once
// The three areas of the device memory, each a run of 256-byte pages counted
// from 1: two settings pages, 125 number pages and 500 history pages.

#include "Frame.h"

#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace gsm {

enum class Area { Settings, Numbers, History };

inline constexpr std::array<Area, 3> kAreas = {Area::Settings, Area::Numbers, Area::History};

using Page = std::array<std::uint8_t, addr::kPageSize>;
using Pages = std::vector<Page>;
// Some areas of one device, each complete.
using AreaPages = std::map<Area, Pages>;

// "settings", "numbers", "history": the area's name in files and messages.
const char* AreaName(Area area);
std::uint16_t PageCount(Area area);
std::uint32_t PageAddress(Area area, int page);
// The page of `area` that starts at `address`; 0 when it names none.
int PageAt(Area area, std::uint32_t address);

// One page to write and where it goes.
struct PageWrite {
    int page = 0;
    Page bytes{};
};

// Pages 1 to pages.size() of an area, in order.
std::vector<PageWrite> NumberedPages(const std::vector<Page>& pages);

// The pages of `wanted` that differ from the same pages of `current`, in
// order: what a write must send to make the device hold `wanted`. A page
// `current` lacks counts as differing.
std::vector<PageWrite> ChangedPages(const std::vector<Page>& current,
                                    const std::vector<Page>& wanted);

} // namespace gsm
