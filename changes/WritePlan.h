#pragma once
// What writing some areas' pages over what a device holds changes. The
// device has no other write than the whole page, so a change is always a set
// of pages; the same change is also told in the user's terms: a setting by
// its item caption, a number entry by its slot.

#include "protocol/Area.h"
#include "text/CodePage.h"

#include <optional>
#include <string>
#include <vector>

namespace gsm::changes {

struct Change {
    Area area = Area::Settings;
    std::string item;                // settings: the item caption
    int slot = 0;                    // numbers: 1 to 1000
    std::string kind;                // numbers: "added", "removed", "number changed", ...
    std::optional<std::string> from; // none for an entry added
    std::optional<std::string> to;   // none for an entry removed

    bool operator==(const Change&) const = default;
};

struct AreaWrite {
    Area area = Area::Settings;
    std::vector<PageWrite> pages; // in page order
};

struct WritePlan {
    std::vector<AreaWrite>
        writes; // settings before numbers; an area with nothing to write is left out
    std::vector<Change> changes;
    int pagesDiffering = 0;

    bool Changed() const { return pagesDiffering > 0; }
    int PagesToWrite() const;
};

// The plan that makes the device, whose pages `device` holds, hold `wanted`.
// Every area of `wanted` must be in `device`, whole. `allPages` writes every
// page of each area, as a write did before pages were compared; the changes
// are the same.
WritePlan PlanWrite(const AreaPages& device, const AreaPages& wanted, const CodePage& codePage,
                    bool allPages = false);

// One line of a change for people: "settings: 7.Auto Arm ...: 10 -> 30",
// "numbers: slot 5 added: +8613800138000, always".
std::string ChangeLine(const Change& change);

// How many settings or number entries the changes touch (a slot whose number
// and validity both change counts once).
int ThingsChanged(const std::vector<Change>& changes, Area area);

} // namespace gsm::changes
