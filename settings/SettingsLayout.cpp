#include "SettingsLayout.h"

namespace gsm::settings {

std::span<const PageField> PageLayout(int page) {
    if (page == 1)
        return kPage1Layout;
    if (page == 2)
        return kPage2Layout;
    return {};
}

int PageOfRow(int row) {
    for (int page = 1; page <= kPageCount; ++page)
        for (const PageField& f : PageLayout(page))
            if (f.row == row)
                return page;
    return 0;
}

int PageAtAddress(std::int32_t address) {
    for (int page = 1; page <= kPageCount; ++page)
        if (address == static_cast<std::int32_t>(addr::SettingsPage(page)))
            return page;
    return 0;
}

} // namespace gsm::settings
