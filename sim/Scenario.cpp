#include "Scenario.h"

#include "HistoryCodec.h"
#include "NumberCodec.h"
#include "SettingsCodec.h"

#include <algorithm>
#include <chrono>
#include <numeric>
#include <string>

namespace gsm::sim {

namespace {

// A fixed linear congruential generator: the standard library's
// distributions may differ between library versions, this may not.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : m_state(seed) {}
    std::uint32_t Next() {
        m_state = m_state * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::uint32_t>(m_state >> 33);
    }
    // 0 <= result < bound
    int Below(int bound) { return static_cast<int>(Next() % static_cast<std::uint32_t>(bound)); }
    int Between(int low, int high) { return low + Below(high - low + 1); }
    std::string Digits(int count) {
        std::string text;
        for (int i = 0; i < count; ++i)
            text += static_cast<char>('0' + Below(10));
        return text;
    }

private:
    std::uint64_t m_state;
};

// The first `count` slots of a shuffled 1..slotCount, in ascending order.
std::vector<int> PickSlots(Generator& gen, int slotCount, int count, std::vector<int>& pool) {
    if (pool.empty()) {
        pool.resize(static_cast<std::size_t>(slotCount));
        std::iota(pool.begin(), pool.end(), 1);
    }
    std::vector<int> picked;
    for (int i = 0; i < count; ++i) {
        const auto remaining = static_cast<int>(pool.size());
        const auto j = static_cast<std::size_t>(gen.Below(remaining));
        picked.push_back(pool[j]);
        pool[j] = pool.back();
        pool.pop_back();
    }
    std::ranges::sort(picked);
    return picked;
}

std::string BusyPhoneNumber(Generator& gen, int k) {
    if (k % 25 == 4)
        return "+" + gen.Digits(21); // fills the 22-byte field, no terminator
    switch (k % 4) {
    case 0:
        return "+86" + gen.Digits(11);
    case 1:
        return "0" + gen.Digits(9);
    case 2:
        return "+1555" + gen.Digits(7);
    default:
        return gen.Digits(gen.Between(3, 8));
    }
}

NumberStamp RandomStamp(Generator& gen, int yearLow, int yearHigh) {
    return {gen.Between(yearLow, yearHigh), gen.Between(1, 12), gen.Between(1, 28),
            gen.Between(0, 23), gen.Between(0, 59)};
}

void FillBusyNumbers(DeviceMemory& memory, Generator& gen) {
    std::vector<int> pool;
    const auto numbers = PickSlots(gen, kNumberSlots, busy::kNumbers, pool);
    const auto erased = PickSlots(gen, kNumberSlots, busy::kErasedNumbers, pool);
    int k = 0;
    for (int slot : numbers) {
        NumberEntry entry;
        entry.number = BusyPhoneNumber(gen, k);
        if (k % 5 == 0 || k % 5 == 3) {
            entry.form = NumberEntry::Form::Always;
        } else {
            entry.form = NumberEntry::Form::Period;
            entry.start = RandomStamp(gen, 15, 26);
            entry.end = RandomStamp(gen, entry.start.year + 1, entry.start.year + 4);
        }
        EncodeNumber(entry, memory.NumberRecord(slot));
        ++k;
    }
    for (int slot : erased)
        EncodeNumber(NumberEntry{NumberEntry::Form::Erased, {}, {}, {}}, memory.NumberRecord(slot));
}

// Actions that name the number that caused them.
bool ActionHasExecutant(int action) {
    return action <= 3 || action == 7 || action == 8;
}

std::string BusyContent(int action, const std::string& executant, int k) {
    std::string text;
    switch (action) {
    case 0:
        text = "Added " + executant + ", slot " + std::to_string(k % 1000 + 1);
        break;
    case 1:
        text = "Deleted " + executant;
        break;
    case 2:
        text = "Relay ON";
        break;
    case 3:
        text = "Relay OFF";
        break;
    case 4:
        text = k % 2 == 0 ? "Unauthorized door opened" : "Door \"front\" opened";
        break;
    case 5:
        text = "DIN2 Alarm";
        break;
    case 6:
        text = "Power failure, running on battery";
        break;
    case 7:
        text = "Armed by " + executant;
        break;
    case 8:
        text = "Disarmed, by " + executant;
        break;
    case 9:
        text = "Power recovery";
        break;
    default:
        text = "Event " + std::to_string(action) + ", unknown";
        break;
    }
    return text.substr(0, 41);
}

void SetTime(HistoryEntry& entry, std::chrono::sys_seconds when) {
    using namespace std::chrono;
    const auto day = floor<days>(when);
    const year_month_day date{day};
    const hh_mm_ss time{when - day};
    entry.year = static_cast<int>(date.year()) - 2000;
    entry.month = static_cast<int>(static_cast<unsigned>(date.month()));
    entry.day = static_cast<int>(static_cast<unsigned>(date.day()));
    entry.hour = static_cast<int>(time.hours().count());
    entry.minute = static_cast<int>(time.minutes().count());
    entry.second = static_cast<int>(time.seconds().count());
}

void FillBusyHistory(DeviceMemory& memory, Generator& gen) {
    using namespace std::chrono;
    std::vector<int> pool;
    const auto empty = PickSlots(gen, kHistorySlots, kHistorySlots - busy::kHistoryRecords, pool);
    sys_seconds when = sys_days{2023y / January / 2} + 7h;
    int k = 0;
    for (int slot = 1; slot <= kHistorySlots; ++slot) {
        if (std::ranges::binary_search(empty, slot))
            continue;
        HistoryEntry entry;
        entry.recordNumber = k + 1;
        when += seconds{gen.Between(30, 86400)};
        SetTime(entry, when);
        // The first records show every code once; after that they are drawn.
        entry.action = k < kActionCodes ? k : gen.Below(kActionCodes);
        entry.source = k < kSourceCodes ? k : gen.Below(kSourceCodes);
        if (k % 97 == 50)
            entry.action = 12;
        if (k % 89 == 40)
            entry.source = 9;
        if (ActionHasExecutant(entry.action))
            entry.executant = k % 150 == 75 ? "+" + gen.Digits(21) : "+86" + gen.Digits(11);
        entry.content = BusyContent(entry.action, entry.executant, k);
        if (k == 300)
            entry.content = "Content of exactly forty-one characters.!";
        if (slot == busy::kSlotWithoutRecordNumber)
            entry.recordNumber.reset();
        if (slot == busy::kSlotInYear2080)
            entry.year = 80;
        EncodeHistory(entry, memory.HistoryRecord(slot));
        ++k;
    }
}

} // namespace

DeviceState Scenario::Factory() {
    DeviceState state;
    EncodeSettings(FactorySettings(), state.memory.SettingsPage(1), state.memory.SettingsPage(2));
    return state;
}

DeviceState Scenario::Busy() {
    DeviceState state;
    DeviceSettings settings = FactorySettings();
    settings.simNumber = "+8613800138000";
    settings.serverIp = "203.0.113.10";
    settings.serverPort = 5000;
    settings.gprsApn = "internet";
    settings.gprsUser = "gsmgate";
    settings.gprsPassword = "secret";
    EncodeSettings(settings, state.memory.SettingsPage(1), state.memory.SettingsPage(2));
    Generator gen(20240607);
    FillBusyNumbers(state.memory, gen);
    FillBusyHistory(state.memory, gen);
    return state;
}

std::optional<DeviceState> Scenario::BuiltIn(std::string_view name) {
    if (name == "factory")
        return Factory();
    if (name == "busy")
        return Busy();
    return std::nullopt;
}

std::vector<std::string_view> Scenario::BuiltInNames() {
    return {"factory", "busy"};
}

} // namespace gsm::sim
