#pragma once
// The device's memory: 2 settings pages, 125 number pages and 500 history
// pages of 256 bytes, addressed by the byte address of a page.

#include "protocol/Area.h"
#include "protocol/Frame.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gsm::sim {

using Page = std::array<std::uint8_t, addr::kPageSize>;

inline constexpr std::size_t kNumberRecordSize = 32;
inline constexpr std::size_t kHistoryRecordSize = 128;
inline constexpr int kNumberSlots = addr::kNumberPages * (addr::kPageSize / kNumberRecordSize);
inline constexpr int kHistorySlots = addr::kHistoryPages * (addr::kPageSize / kHistoryRecordSize);

// Byte a fresh or deleted history and number area holds: a zero year byte
// marks an empty history record and 32 zero bytes an empty number entry.
inline constexpr std::uint8_t kClearedByte = 0x00;
// Byte an unconfigured settings page holds.
inline constexpr std::uint8_t kUnsetSettingsByte = 0xFF;

// Which page of which area an address names; page numbers are 1-based.
struct PageLocation {
    Area area;
    int page;
};

class DeviceMemory {
public:
    DeviceMemory();

    // Only the exact start address of one of the 627 pages is part of the map.
    static std::optional<PageLocation> Locate(std::uint32_t address);

    std::optional<Page> ReadPage(std::uint32_t address) const;
    // False, and nothing stored, for an address outside the map.
    bool WritePage(std::uint32_t address, std::span<const std::uint8_t, addr::kPageSize> bytes);

    Page& SettingsPage(int page) { return m_settings.at(Index(page)); }
    const Page& SettingsPage(int page) const { return m_settings.at(Index(page)); }
    Page& NumberPage(int page) { return m_numbers.at(Index(page)); }
    const Page& NumberPage(int page) const { return m_numbers.at(Index(page)); }
    Page& HistoryPage(int page) { return m_history.at(Index(page)); }
    const Page& HistoryPage(int page) const { return m_history.at(Index(page)); }

    // Slots are 1-based in device order: number slot s is grid row s,
    // history slot s the s-th record of the history pages.
    std::span<std::uint8_t, kNumberRecordSize> NumberRecord(int slot);
    std::span<const std::uint8_t, kNumberRecordSize> NumberRecord(int slot) const;
    std::span<std::uint8_t, kHistoryRecordSize> HistoryRecord(int slot);
    std::span<const std::uint8_t, kHistoryRecordSize> HistoryRecord(int slot) const;

    void ClearNumbers();
    void ClearHistory();

    bool operator==(const DeviceMemory&) const = default;

private:
    static std::size_t Index(int page) { return static_cast<std::size_t>(page - 1); }
    // The page at address in a const or non-const memory; null outside the map.
    template <typename Memory> static auto* Find(Memory& memory, std::uint32_t address);
    template <std::size_t Size, typename Pages> static auto Record(Pages& pages, int slot);

    std::vector<Page> m_settings;
    std::vector<Page> m_numbers;
    std::vector<Page> m_history;
};

// The clock as the set-clock command carried it: year byte, month, day,
// hour, minute, second.
using ClockBytes = std::array<std::uint8_t, 6>;

// Everything the device keeps.
struct DeviceState {
    DeviceMemory memory;
    std::optional<ClockBytes> clock;

    bool operator==(const DeviceState&) const = default;
};

} // namespace gsm::sim
