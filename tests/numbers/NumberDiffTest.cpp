// What a write of the number list changes, slot by slot.

#include "numbers/NumberDiff.h"

#include <gtest/gtest.h>

namespace gsm::numbers {
namespace {

NumberEntry Always(const std::string& number) {
    NumberEntry e;
    e.number = number;
    e.always = true;
    return e;
}

NumberEntry During(const std::string& number, std::uint8_t month) {
    NumberEntry e;
    e.number = number;
    e.start = {DeviceDate{26, month, 1}, DeviceTime{8, 0}};
    e.end = {DeviceDate{26, 12, 31}, DeviceTime{18, 30}};
    return e;
}

TEST(NumberDiff, AddedRemovedAndChangedEntriesBySlot) {
    NumberList before(1000);
    before[4] = Always("+8613800138000");
    before[9] = During("0123", 1);
    before[10] = Always("555");
    NumberList after = before;
    after[0] = Always("+15555550100"); // added
    after[1] = During("777", 2);       // added
    after[4] = NumberEntry{};          // removed
    after[9] = During("0124", 3);      // number and validity changed
    after[10].erased = true;           // removed by the Delete mark
    after[999].erased = true;          // an empty slot erased

    using K = EntryChangeKind;
    EXPECT_EQ(DiffNumbers(before, after),
              (std::vector<EntryChange>{
                  {1, K::Added, std::nullopt, "+15555550100, always"},
                  {2, K::Added, std::nullopt, "777, 2026-02-01 08:00 to 2026-12-31 18:30"},
                  {5, K::Removed, "+8613800138000, always", std::nullopt},
                  {10, K::NumberChanged, "0123", "0124"},
                  {10, K::ValidityChanged, "2026-01-01 08:00 to 2026-12-31 18:30",
                   "2026-03-01 08:00 to 2026-12-31 18:30"},
                  {11, K::Removed, "555, always", std::nullopt},
                  {1000, K::Cleared, "empty", "erased"},
              }));
    EXPECT_TRUE(DiffNumbers(after, after).empty());
}

TEST(NumberDiff, AMissingPartOfThePeriodShowsAsADash) {
    NumberEntry e = During("1", 1);
    e.end.time.reset();
    EXPECT_EQ(ValidityText(e), "2026-01-01 08:00 to 2026-12-31 -");
}

} // namespace
} // namespace gsm::numbers
