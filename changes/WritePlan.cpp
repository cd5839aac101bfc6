#include "WritePlan.h"

#include "numbers/NumberDiff.h"
#include "numbers/NumberRecord.h"
#include "settings/SettingsDiff.h"
#include "settings/SettingsPages.h"

#include <algorithm>
#include <set>

namespace gsm::changes {

namespace {

settings::DeviceSettings SettingsOf(const Pages& pages, const CodePage& codePage) {
    settings::DeviceSettings s;
    for (std::size_t i = 0; i < pages.size(); ++i)
        settings::DecodeSettingsPage(static_cast<int>(i) + 1, pages[i], codePage, s);
    return s;
}

numbers::NumberEntry EntryAt(const Pages& pages, std::size_t slot) {
    const std::size_t page = slot / numbers::record::kPerPage;
    const std::size_t offset = (slot % numbers::record::kPerPage) * numbers::record::kSize;
    numbers::ConstRecordBytes bytes(pages.at(page).data() + offset, numbers::record::kSize);
    numbers::NumberEntry entry = numbers::DecodeNumberEntry(bytes);
    // A read shows an erased record as an empty row; a change from or to one
    // is told as what it is.
    entry.erased = std::all_of(bytes.begin(), bytes.end(),
                               [](std::uint8_t b) { return b == numbers::record::kErasedByte; });
    return entry;
}

numbers::NumberList EntriesOf(const Pages& pages) {
    numbers::NumberList list(pages.size() * numbers::record::kPerPage);
    for (std::size_t slot = 0; slot < list.size(); ++slot)
        list[slot] = EntryAt(pages, slot);
    return list;
}

bool RecordDiffers(const Pages& a, const Pages& b, std::size_t slot) {
    const std::size_t page = slot / numbers::record::kPerPage;
    const std::size_t offset = (slot % numbers::record::kPerPage) * numbers::record::kSize;
    return !std::equal(a.at(page).begin() + offset,
                       a.at(page).begin() + offset + numbers::record::kSize,
                       b.at(page).begin() + offset);
}

void AddSettingChanges(const Pages& device, const Pages& wanted, const CodePage& codePage,
                       std::vector<Change>& out) {
    const std::vector<settings::SettingChange> diff =
        settings::DiffSettings(SettingsOf(device, codePage), SettingsOf(wanted, codePage));
    for (const settings::SettingChange& c : diff)
        out.push_back({Area::Settings, c.item, 0, "changed", c.from, c.to});
    if (!diff.empty())
        return;
    // Pages that differ only where no setting lives are still written.
    for (std::size_t i = 0; i < wanted.size(); ++i)
        if (device[i] != wanted[i])
            out.push_back({Area::Settings, "page " + std::to_string(i + 1), 0,
                           "bytes that hold no setting changed", std::nullopt, std::nullopt});
}

void AddNumberChanges(const Pages& device, const Pages& wanted, std::vector<Change>& out) {
    const numbers::NumberList before = EntriesOf(device);
    const numbers::NumberList after = EntriesOf(wanted);
    std::set<int> told;
    for (const numbers::EntryChange& c : numbers::DiffNumbers(before, after)) {
        out.push_back({Area::Numbers, {}, c.slot, numbers::KindText(c.kind), c.from, c.to});
        told.insert(c.slot);
    }
    // A record whose bytes differ though it reads the same (bytes after the
    // number's end, say) is written too, and said so.
    for (std::size_t slot = 0; slot < after.size(); ++slot) {
        const int number = static_cast<int>(slot) + 1;
        if (!told.count(number) && RecordDiffers(device, wanted, slot))
            out.push_back({Area::Numbers,
                           {},
                           number,
                           "record bytes changed",
                           numbers::EntryText(before[slot]),
                           numbers::EntryText(after[slot])});
    }
}

} // namespace

int WritePlan::PagesToWrite() const {
    int pages = 0;
    for (const AreaWrite& w : writes)
        pages += static_cast<int>(w.pages.size());
    return pages;
}

WritePlan PlanWrite(const AreaPages& device, const AreaPages& wanted, const CodePage& codePage,
                    bool allPages) {
    WritePlan plan;
    for (const auto& [area, pages] : wanted) {
        const Pages& now = device.at(area);
        std::vector<PageWrite> writes = ChangedPages(now, pages);
        plan.pagesDiffering += static_cast<int>(writes.size());
        if (!writes.empty() && area == Area::Settings)
            AddSettingChanges(now, pages, codePage, plan.changes);
        else if (!writes.empty() && area == Area::Numbers)
            AddNumberChanges(now, pages, plan.changes);
        if (allPages)
            writes = NumberedPages(pages);
        if (!writes.empty())
            plan.writes.push_back({area, std::move(writes)});
    }
    return plan;
}

std::string ChangeLine(const Change& c) {
    const std::string area = AreaName(c.area);
    const std::string from = c.from.value_or("");
    const std::string to = c.to.value_or("");
    if (c.area == Area::Settings) {
        if (!c.from && !c.to)
            return area + ": " + c.item + ": " + c.kind;
        return area + ": " + c.item + ": \"" + from + "\" -> \"" + to + "\"";
    }
    const std::string slot = area + ": slot " + std::to_string(c.slot) + " " + c.kind;
    if (!c.from)
        return slot + ": " + to;
    if (!c.to)
        return slot + ": " + from;
    return slot + ": " + from + " -> " + to;
}

int ThingsChanged(const std::vector<Change>& changes, Area area) {
    std::set<std::string> things;
    for (const Change& c : changes)
        if (c.area == area)
            things.insert(area == Area::Numbers ? std::to_string(c.slot) : c.item);
    return static_cast<int>(things.size());
}

} // namespace gsm::changes
