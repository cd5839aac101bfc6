#include "NumberDiff.h"

namespace gsm::numbers {

namespace {

bool HoldsEntry(const NumberEntry& e) {
    return !e.erased && !e.number.empty();
}

std::string EndText(const PeriodEnd& end) {
    const std::string date = end.date ? DeviceDateText(*end.date) : "-";
    const std::string time = end.time ? DeviceTimeText(*end.time) : "-";
    return date + " " + time;
}

bool SameValidity(const NumberEntry& a, const NumberEntry& b) {
    if (a.always || b.always)
        return a.always == b.always;
    return a.start == b.start && a.end == b.end;
}

} // namespace

const char* KindText(EntryChangeKind kind) {
    switch (kind) {
    case EntryChangeKind::Added:
        return "added";
    case EntryChangeKind::Removed:
        return "removed";
    case EntryChangeKind::NumberChanged:
        return "number changed";
    case EntryChangeKind::ValidityChanged:
        return "validity changed";
    case EntryChangeKind::Cleared:
        return "cleared";
    }
    return "";
}

std::string ValidityText(const NumberEntry& entry) {
    if (entry.always)
        return "always";
    return EndText(entry.start) + " to " + EndText(entry.end);
}

std::string EntryText(const NumberEntry& entry) {
    if (entry.erased)
        return "erased";
    if (entry.number.empty())
        return "empty";
    return entry.number + ", " + ValidityText(entry);
}

std::vector<EntryChange> DiffNumbers(const NumberList& before, const NumberList& after) {
    std::vector<EntryChange> changes;
    const std::size_t slots = std::max(before.size(), after.size());
    const NumberEntry none;
    for (std::size_t i = 0; i < slots; ++i) {
        const NumberEntry& a = i < before.size() ? before[i] : none;
        const NumberEntry& b = i < after.size() ? after[i] : none;
        if (a == b)
            continue;
        const int slot = static_cast<int>(i) + 1;
        if (!HoldsEntry(a) && HoldsEntry(b)) {
            changes.push_back({slot, EntryChangeKind::Added, std::nullopt, EntryText(b)});
        } else if (HoldsEntry(a) && !HoldsEntry(b)) {
            changes.push_back({slot, EntryChangeKind::Removed, EntryText(a), std::nullopt});
        } else if (!HoldsEntry(a)) {
            changes.push_back({slot, EntryChangeKind::Cleared, EntryText(a), EntryText(b)});
        } else {
            if (a.number != b.number)
                changes.push_back({slot, EntryChangeKind::NumberChanged, a.number, b.number});
            if (!SameValidity(a, b))
                changes.push_back(
                    {slot, EntryChangeKind::ValidityChanged, ValidityText(a), ValidityText(b)});
        }
    }
    return changes;
}

} // namespace gsm::numbers
