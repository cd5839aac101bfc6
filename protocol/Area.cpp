#include "Area.h"

namespace gsm {

const char* AreaName(Area area) {
    switch (area) {
    case Area::Settings:
        return "settings";
    case Area::Numbers:
        return "numbers";
    case Area::History:
        return "history";
    }
    return "";
}

std::uint16_t PageCount(Area area) {
    switch (area) {
    case Area::Settings:
        return addr::kSettingsPages;
    case Area::Numbers:
        return addr::kNumberPages;
    case Area::History:
        return addr::kHistoryPages;
    }
    return 0;
}

std::uint32_t PageAddress(Area area, int page) {
    switch (area) {
    case Area::Settings:
        return addr::SettingsPage(page);
    case Area::Numbers:
        return addr::NumberPage(page);
    case Area::History:
        return addr::HistoryPage(page);
    }
    return 0;
}

int PageAt(Area area, std::uint32_t address) {
    const std::uint32_t base = PageAddress(area, 1);
    if (address < base || (address - base) % addr::kPageSize != 0)
        return 0;
    const auto page = static_cast<int>((address - base) / addr::kPageSize) + 1;
    return page <= PageCount(area) ? page : 0;
}

std::vector<PageWrite> NumberedPages(const std::vector<Page>& pages) {
    std::vector<PageWrite> writes;
    writes.reserve(pages.size());
    for (std::size_t i = 0; i < pages.size(); ++i)
        writes.push_back({static_cast<int>(i) + 1, pages[i]});
    return writes;
}

std::vector<PageWrite> ChangedPages(const std::vector<Page>& current,
                                    const std::vector<Page>& wanted) {
    std::vector<PageWrite> writes;
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (i >= current.size() || current[i] != wanted[i])
            writes.push_back({static_cast<int>(i) + 1, wanted[i]});
    return writes;
}

} // namespace gsm
