// A configuration file as "config apply" reads it: refused with the line and
// the key, or taken; a file taken makes pages that, exported and read again,
// ask for no further write.

#include "FuzzSupport.h"
#include "config/ConfigPages.h"
#include "config/ConfigReader.h"
#include "config/ConfigWriter.h"
#include "settings/SettingsPages.h"
#include "text/CodePage.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

// A device holding valid settings and an empty list.
const gsm::AreaPages& Device() {
    static const gsm::AreaPages device = [] {
        gsm::settings::DeviceSettings base;
        base.password = "7145";
        const auto encoded = gsm::settings::EncodeSettings(base, gsm::SystemCodePageInstance());
        return gsm::AreaPages{
            {gsm::Area::Settings, gsm::Pages(encoded.pages.begin(), encoded.pages.end())},
            {gsm::Area::Numbers, gsm::Pages(gsm::addr::kNumberPages, gsm::Page{})}};
    }();
    return device;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace gsm::config;
    const gsm::CodePage& codePage = gsm::SystemCodePageInstance();
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ReadResult read = ReadConfiguration(text, codePage);
    FUZZ_CHECK(read.configuration.has_value() == read.error.empty());
    if (!read.configuration)
        return 0;
    const WantedPages wanted = PagesToWrite(*read.configuration, Device(), codePage);
    FUZZ_CHECK(wanted.pages.has_value());
    gsm::AreaPages after = Device();
    for (const auto& [area, pages] : *wanted.pages)
        after[area] = pages;

    const std::string exported = ConfigurationText(
        SettingsOf(after.at(gsm::Area::Settings), codePage), after.at(gsm::Area::Numbers));
    const ReadResult again = ReadConfiguration(exported, codePage);
    FUZZ_CHECK(again.configuration.has_value());
    const WantedPages second = PagesToWrite(*again.configuration, after, codePage);
    FUZZ_CHECK(second.pages.has_value());
    FUZZ_CHECK(*second.pages == after);
    return 0;
}
