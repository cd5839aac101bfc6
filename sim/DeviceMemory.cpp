#include "DeviceMemory.h"

#include <algorithm>
#include <stdexcept>
#include <type_traits>

namespace gsm::sim {

namespace {

Page Filled(std::uint8_t value) {
    Page page;
    page.fill(value);
    return page;
}

struct AreaSpan {
    Area area;
    std::uint32_t base;
    int pages;
};

constexpr std::array<AreaSpan, 3> kAreas{{
    {Area::Settings, addr::kSettingsBase, addr::kSettingsPages},
    {Area::Numbers, addr::kNumbersBase, addr::kNumberPages},
    {Area::History, addr::kHistoryBase, addr::kHistoryPages},
}};

void CheckSlot(int slot, int slotCount) {
    if (slot < 1 || slot > slotCount)
        throw std::out_of_range("slot outside the device's list");
}

} // namespace

DeviceMemory::DeviceMemory()
    : m_settings(addr::kSettingsPages, Filled(kUnsetSettingsByte)),
      m_numbers(addr::kNumberPages, Filled(kClearedByte)),
      m_history(addr::kHistoryPages, Filled(kClearedByte)) {}

std::optional<PageLocation> DeviceMemory::Locate(std::uint32_t address) {
    for (const auto& area : kAreas) {
        if (address < area.base || address % addr::kPageSize != 0)
            continue;
        const auto index = (address - area.base) / addr::kPageSize;
        if (index < static_cast<std::uint32_t>(area.pages))
            return PageLocation{area.area, static_cast<int>(index) + 1};
    }
    return std::nullopt;
}

template <typename Memory> auto* DeviceMemory::Find(Memory& memory, std::uint32_t address) {
    using PagePtr = decltype(&memory.SettingsPage(1));
    const auto where = Locate(address);
    if (!where)
        return PagePtr{nullptr};
    switch (where->area) {
    case Area::Settings:
        return &memory.SettingsPage(where->page);
    case Area::Numbers:
        return &memory.NumberPage(where->page);
    case Area::History:
        return &memory.HistoryPage(where->page);
    }
    return PagePtr{nullptr};
}

std::optional<Page> DeviceMemory::ReadPage(std::uint32_t address) const {
    if (const Page* page = Find(*this, address))
        return *page;
    return std::nullopt;
}

bool DeviceMemory::WritePage(std::uint32_t address,
                             std::span<const std::uint8_t, addr::kPageSize> bytes) {
    Page* page = Find(*this, address);
    if (page == nullptr)
        return false;
    std::copy(bytes.begin(), bytes.end(), page->begin());
    return true;
}

template <std::size_t Size, typename Pages> auto DeviceMemory::Record(Pages& pages, int slot) {
    constexpr std::size_t perPage = addr::kPageSize / Size;
    CheckSlot(slot, static_cast<int>(pages.size() * perPage));
    const auto index = static_cast<std::size_t>(slot - 1);
    auto& page = pages[index / perPage];
    using Byte = std::remove_reference_t<decltype(page[0])>;
    return std::span<Byte, Size>(page.data() + (index % perPage) * Size, Size);
}

std::span<std::uint8_t, kNumberRecordSize> DeviceMemory::NumberRecord(int slot) {
    return Record<kNumberRecordSize>(m_numbers, slot);
}

std::span<const std::uint8_t, kNumberRecordSize> DeviceMemory::NumberRecord(int slot) const {
    return Record<kNumberRecordSize>(m_numbers, slot);
}

std::span<std::uint8_t, kHistoryRecordSize> DeviceMemory::HistoryRecord(int slot) {
    return Record<kHistoryRecordSize>(m_history, slot);
}

std::span<const std::uint8_t, kHistoryRecordSize> DeviceMemory::HistoryRecord(int slot) const {
    return Record<kHistoryRecordSize>(m_history, slot);
}

void DeviceMemory::ClearNumbers() {
    std::ranges::fill(m_numbers, Filled(kClearedByte));
}

void DeviceMemory::ClearHistory() {
    std::ranges::fill(m_history, Filled(kClearedByte));
}

} // namespace gsm::sim
