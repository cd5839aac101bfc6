#pragma once
// What writing one number list over another changes, slot by slot, in the
// user's terms. A slot holds an entry when it has a number and is not
// erased; an erased slot and an empty one both hold none, but they are
// different bytes on the device, so one replacing the other is a change too.

#include "NumberEntry.h"

#include <optional>
#include <string>
#include <vector>

namespace gsm::numbers {

enum class EntryChangeKind {
    Added,           // from nothing to an entry
    Removed,         // from an entry to nothing
    NumberChanged,   // the same slot, another number
    ValidityChanged, // the same number, another period or mark
    Cleared,         // an erased slot made empty, or the other way round
};

struct EntryChange {
    int slot = 0;
    EntryChangeKind kind = EntryChangeKind::Added;
    std::optional<std::string> from; // none for an entry added
    std::optional<std::string> to;   // none for an entry removed

    bool operator==(const EntryChange&) const = default;
};

// "added", "removed", "number changed", "validity changed", "cleared".
const char* KindText(EntryChangeKind kind);

// "always", or "2026-01-01 08:00 to 2026-12-31 18:00" (a missing part as "-").
std::string ValidityText(const NumberEntry& entry);
// The number and its validity: "+8613800138000, always"; "erased" or
// "empty" for a slot without entry.
std::string EntryText(const NumberEntry& entry);

// The changes of the slots that differ, in slot order; a slot whose number
// and validity both change gives two.
std::vector<EntryChange> DiffNumbers(const NumberList& before, const NumberList& after);

} // namespace gsm::numbers
