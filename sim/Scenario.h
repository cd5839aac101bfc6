#pragma once
// Built-in device states: a device fresh from the factory and a busy one.

#include "DeviceMemory.h"

#include <optional>
#include <string_view>
#include <vector>

namespace gsm::sim {

class Scenario {
public:
    // Settings at their factory values, no numbers, no history, no clock.
    static DeviceState Factory();
    // Factory password, GPRS settings filled in, 300 numbers (Always and
    // period entries) and 40 erased entries scattered over the 1000 slots,
    // 900 history records with 100 empty slots between them. Built by a
    // fixed generator: the same bytes every time.
    static DeviceState Busy();

    static std::optional<DeviceState> BuiltIn(std::string_view name);
    static std::vector<std::string_view> BuiltInNames();
};

// Facts about the busy scenario that its tests and users rely on.
namespace busy {
inline constexpr int kNumbers = 300;
inline constexpr int kErasedNumbers = 40;
inline constexpr int kHistoryRecords = 900;
// The record whose number is FF FF FF FF and the one whose year byte is 80.
inline constexpr int kSlotWithoutRecordNumber = 123;
inline constexpr int kSlotInYear2080 = 456;
} // namespace busy

} // namespace gsm::sim
