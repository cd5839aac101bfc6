#include "ConfigPages.h"

#include "ConfigKeys.h"
#include "numbers/NumberPages.h"
#include "settings/SettingsLayout.h"
#include "settings/SettingsPages.h"

namespace gsm::config {
namespace {

bool SameValue(const settings::DeviceSettings& a, const settings::DeviceSettings& b, int r) {
    const settings::SettingMember& m = settings::MemberOfRow(r);
    if (m.text)
        return a.*m.text == b.*m.text;
    if (m.number)
        return a.*m.number == b.*m.number;
    return a.*m.list == b.*m.list;
}

bool PageKeepsItsValues(int page, const settings::DeviceSettings& now,
                        const settings::DeviceSettings& wanted) {
    for (const settings::PageField& f : settings::PageLayout(page))
        if (!SameValue(now, wanted, f.row))
            return false;
    return true;
}

void TakeNamedSettings(const Configuration& config, settings::DeviceSettings& into) {
    for (int r = settings::kFirstRow; r <= settings::kLastRow; ++r) {
        if (!config.named[static_cast<std::size_t>(r)])
            continue;
        const settings::SettingMember& m = settings::MemberOfRow(r);
        if (m.text)
            into.*m.text = config.settings.*m.text;
        else if (m.number)
            into.*m.number = config.settings.*m.number;
        else
            into.*m.list = config.settings.*m.list;
    }
}

} // namespace

std::vector<Area> AreasOf(const Configuration& config) {
    std::vector<Area> areas;
    if (config.NamesAnySetting())
        areas.push_back(Area::Settings);
    if (config.numbers)
        areas.push_back(Area::Numbers);
    return areas;
}

settings::DeviceSettings SettingsOf(const Pages& settingsPages, const CodePage& codePage) {
    settings::DeviceSettings now;
    for (int page = 1; page <= static_cast<int>(settingsPages.size()); ++page)
        settings::DecodeSettingsPage(page, settingsPages[static_cast<std::size_t>(page - 1)],
                                     codePage, now);
    return now;
}

WantedPages PagesToWrite(const Configuration& config, const AreaPages& device,
                         const CodePage& codePage) {
    AreaPages wanted;
    if (config.NamesAnySetting()) {
        const Pages& held = device.at(Area::Settings);
        const settings::DeviceSettings now = SettingsOf(held, codePage);
        settings::DeviceSettings next = now;
        TakeNamedSettings(config, next);
        Pages pages = held;
        for (int page = 1; page <= settings::kPageCount; ++page) {
            if (PageKeepsItsValues(page, now, next))
                continue;
            // The device's other settings on this page go back as a read shows
            // them, so they must pass the same validation as the file's.
            settings::EncodedPage encoded = settings::EncodeSettingsPage(next, page, codePage);
            if (encoded.error)
                return {std::nullopt, std::string("settings.") + KeyOfRow(encoded.error->row) +
                                          " as the device holds it cannot be written back (" +
                                          encoded.error->problem + "): name it in the file"};
            pages[static_cast<std::size_t>(page - 1)] = encoded.page;
        }
        wanted.emplace(Area::Settings, std::move(pages));
    }
    if (config.numbers) {
        const std::vector<numbers::PageBytes> pages = numbers::NumberListPages(*config.numbers);
        wanted.emplace(Area::Numbers, Pages(pages.begin(), pages.end()));
    }
    return {std::move(wanted), {}};
}

} // namespace gsm::config
