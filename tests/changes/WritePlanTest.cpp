// The pages a write sends and how it tells the change, where the bytes and
// the values the user reads disagree.
#include "changes/WritePlan.h"
#include "numbers/NumberRecord.h"
#include "text/CodePage.h"

#include <gtest/gtest.h>

namespace gsm::changes {
namespace {

Pages NumberPages() {
    return Pages(addr::kNumberPages, Page{});
}

void PutEntry(Pages& pages, int slot, const numbers::NumberEntry& entry) {
    const std::size_t index = static_cast<std::size_t>(slot - 1);
    Page& page = pages[index / numbers::record::kPerPage];
    const std::size_t offset = (index % numbers::record::kPerPage) * numbers::record::kSize;
    numbers::EncodeNumberEntry(entry, numbers::RecordBytes(page.data() + offset,
                                                           numbers::record::kSize));
}

numbers::NumberEntry Always(const std::string& number) {
    numbers::NumberEntry e;
    e.number = number;
    e.always = true;
    return e;
}

std::vector<int> PagesOf(const WritePlan& plan, Area area) {
    std::vector<int> pages;
    for (const AreaWrite& w : plan.writes)
        if (w.area == area)
            for (const PageWrite& p : w.pages)
                pages.push_back(p.page);
    return pages;
}

TEST(WritePlan, BytesThatReadTheSameAreStillWrittenAndSaidSo) {
    const CodePage& codePage = SystemCodePageInstance();
    Page blank;
    blank.fill(0xFF);
    const Pages settingsPages{blank, blank};
    Pages padded = settingsPages;
    padded[1].back() = 0x00; // a byte no setting uses
    Pages numbers = NumberPages();
    PutEntry(numbers, 12, Always("555"));
    Pages junk = numbers;
    junk[1][3 * numbers::record::kSize + 20] = 0x7A; // after the number's end

    const WritePlan plan = PlanWrite({{Area::Settings, padded}, {Area::Numbers, junk}},
                                     {{Area::Settings, settingsPages}, {Area::Numbers, numbers}},
                                     codePage);
    EXPECT_TRUE(plan.Changed());
    EXPECT_EQ(PagesOf(plan, Area::Settings), std::vector<int>{2});
    EXPECT_EQ(PagesOf(plan, Area::Numbers), std::vector<int>{2});
    ASSERT_EQ(plan.changes.size(), 2u);
    EXPECT_EQ(ChangeLine(plan.changes[0]), "settings: page 2: bytes that hold no setting changed");
    EXPECT_EQ(plan.changes[1].slot, 12);
    EXPECT_EQ(plan.changes[1].kind, "record bytes changed");
}

TEST(WritePlan, AllPagesWritesEveryPageYetTellsNoChangeWhereNoneIs) {
    const Pages numbers = NumberPages();
    const WritePlan same = PlanWrite({{Area::Numbers, numbers}}, {{Area::Numbers, numbers}},
                                     SystemCodePageInstance(), true);
    EXPECT_FALSE(same.Changed());
    EXPECT_TRUE(same.changes.empty());
    EXPECT_EQ(same.PagesToWrite(), addr::kNumberPages);
    EXPECT_EQ(PlanWrite({{Area::Numbers, numbers}}, {{Area::Numbers, numbers}},
                        SystemCodePageInstance())
                  .PagesToWrite(),
              0);
}

TEST(WritePlan, ASlotWhoseNumberAndValidityChangeIsOneEntryChanged) {
    Pages before = NumberPages();
    PutEntry(before, 1, Always("555"));
    Pages after = NumberPages();
    numbers::NumberEntry during;
    during.number = "556";
    during.start = {numbers::DeviceDate{26, 1, 1}, numbers::DeviceTime{8, 0}};
    during.end = {numbers::DeviceDate{26, 12, 31}, numbers::DeviceTime{18, 0}};
    PutEntry(after, 1, during);
    PutEntry(after, 9, Always("777"));
    const WritePlan plan =
        PlanWrite({{Area::Numbers, before}}, {{Area::Numbers, after}}, SystemCodePageInstance());
    ASSERT_EQ(plan.changes.size(), 3u);
    EXPECT_EQ(ThingsChanged(plan.changes, Area::Numbers), 2);
    EXPECT_EQ(ThingsChanged(plan.changes, Area::Settings), 0);
    EXPECT_EQ(ChangeLine(plan.changes[0]), "numbers: slot 1 number changed: 555 -> 556");
    EXPECT_EQ(ChangeLine(plan.changes[2]), "numbers: slot 9 added: 777, always");
}

} // namespace
} // namespace gsm::changes
