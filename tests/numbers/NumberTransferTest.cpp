#include "NumberTransfer.h"
#include "NumberGrid.h"
#include "Receiver.h"

#include "../protocol/ReceiveBench.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

using namespace gsm;
using namespace gsm::numbers;
using namespace gsm::test;

namespace {

// The number list transfer wired to the real receive path, with a device
// that answers every request the port receives.
struct Bench : ReceiveBench {
    TableGrid grid{kColumnCount, kRowCount};
    NumberListTransfer transfer{fake.link, numbers, grid,
                                [this](const std::string& m) { messages.push_back(m); }};

    // The device: its 125 pages, and the page whose write it refuses.
    std::map<std::uint32_t, Bytes> memory;
    std::uint32_t refuseAddress = 0;
    std::size_t answered = 0;

    Bench() {
        InitNumberGrid(grid);
        path.handlers.decodeNumberPage = [this](const ReplyPage&) { transfer.DecodeNumberPage(); };
        path.handlers.numbersSaveStep = [this](const ReplyPage&) { transfer.SaveStep(); };
    }

    void Answer(std::uint8_t command, std::uint32_t address, const Bytes& payload) {
        for (auto b : FrameOf(command, address, payload))
            path.TakeByte(b);
    }

    // Answers requests until the PC stops sending.
    void RunDevice() {
        while (answered < fake.port.writes.size()) {
            const Bytes request = fake.port.writes[answered++];
            TRecData parsed;
            for (auto b : request)
                parsed.TakeByte(b);
            const std::uint32_t address = parsed.AddressValue();
            if (parsed.Command == cmd::kReadPage) {
                auto it = memory.find(address);
                Answer(cmd::kReadPage, address, it == memory.end() ? Bytes(256, 0) : it->second);
            } else if (address == refuseAddress) {
                Answer(cmd::kWritePage, address, {0});
            } else {
                memory[address] = Bytes(parsed.Payload.begin(), parsed.Payload.end());
                Answer(cmd::kWritePage, address, {cmd::kAccepted});
            }
        }
    }

    void PutEntry(int row, const std::string& number) {
        grid.SetCell(col::kNumber, row, number);
        grid.SetCell(col::kStartDate, row, "2015/03/05");
        grid.SetCell(col::kStartTime, row, "08:30");
        grid.SetCell(col::kEndDate, row, "2016/12/31");
        grid.SetCell(col::kEndTime, row, "23:59");
    }

    bool StatusSeen(const std::string& text) const {
        const auto& t = fake.status.texts;
        return std::find(t.begin(), t.end(), text) != t.end();
    }
};

} // namespace

TEST(NumberTransfer, SaveSendsAllPagesThenReports) {
    Bench bench;
    bench.PutEntry(1, "+15555550100");
    bench.grid.SetCell(col::kNumber, 1000, "+4412");
    bench.grid.SetCell(col::kAlways, 1000, kYes);
    ASSERT_TRUE(bench.transfer.StartSave());
    bench.RunDevice();

    ASSERT_EQ(bench.fake.port.writes.size(), 125u);
    EXPECT_EQ(bench.memory.size(), 125u);
    EXPECT_EQ(bench.memory[addr::NumberPage(1)][22], 0x03);
    EXPECT_EQ(bench.memory[addr::NumberPage(125)][7 * 32 + 22], 0x63);
    EXPECT_TRUE(bench.StatusSeen("Save list"));
    EXPECT_TRUE(bench.StatusSeen("Save number list:7/125"));
    EXPECT_TRUE(bench.StatusSeen("Save number list:125/125"));
    EXPECT_EQ(bench.messages, (std::vector<std::string>{numbers::message::kListSaved}));
    EXPECT_EQ(bench.progress.back(), 100);
}

TEST(NumberTransfer, RefusedPageEndsTheSave) {
    Bench bench;
    bench.refuseAddress = addr::NumberPage(3);
    ASSERT_TRUE(bench.transfer.StartSave());
    bench.RunDevice();
    EXPECT_EQ(bench.fake.port.writes.size(), 3u);
    EXPECT_EQ(bench.messages, (std::vector<std::string>{"Number list data error"}));

    // The next save begins again at page 1.
    bench.refuseAddress = 0;
    ASSERT_TRUE(bench.transfer.StartSave());
    bench.RunDevice();
    ASSERT_EQ(bench.fake.port.writes.size(), 3u + 125u);
    EXPECT_EQ(bench.fake.port.writes[3][4], 0x10); // address 0x1000
    EXPECT_EQ(bench.messages.back(), numbers::message::kListSaved);
}

TEST(NumberTransfer, UnfilledPeriodSendsNothing) {
    Bench bench;
    bench.grid.SetCell(col::kNumber, 12, "+1");
    EXPECT_FALSE(bench.transfer.StartSave());
    EXPECT_TRUE(bench.fake.port.writes.empty());
    ASSERT_EQ(bench.messages.size(), 1u);
    EXPECT_NE(bench.messages[0].find("Total:1\rWrong serial number:12"), std::string::npos);
}

TEST(NumberTransfer, MalformedCellLateInTheListSendsNothing) {
    Bench bench;
    bench.PutEntry(1, "+15555550100");
    bench.PutEntry(900, "+15555550100");
    bench.grid.SetCell(col::kStartTime, 900, "0830");
    EXPECT_FALSE(bench.transfer.StartSave());
    EXPECT_TRUE(bench.fake.port.writes.empty());
    EXPECT_FALSE(bench.fake.timer.enabled);
    ASSERT_EQ(bench.messages.size(), 1u);
    EXPECT_NE(bench.messages[0].find("Total:1\rWrong serial number:900"), std::string::npos);
}

TEST(NumberTransfer, ReadFillsTheGridPageByPage) {
    Bench bench;
    Bytes page7(256, 0);
    const std::string number = "+15555550100";
    std::copy(number.begin(), number.end(), page7.begin() + 32);
    const Bytes period = {0x03, 0x05, 0x08, 0x1E, 0x0C, 0x1F, 0x17, 0x3B, 0x0F, 0x10};
    std::copy(period.begin(), period.end(), page7.begin() + 32 + 22);
    bench.memory[addr::NumberPage(7)] = page7;
    bench.grid.SetCell(col::kNumber, 1000, "stale");

    bench.transfer.StartRead();
    bench.RunDevice();

    EXPECT_EQ(bench.fake.port.writes.size(), 125u);
    EXPECT_EQ(bench.fake.port.writes[0], Hex("23 83 00 00 10 00 00 00 93"));
    EXPECT_EQ(bench.fake.port.writes[124], Hex("23 83 00 00 8C 00 00 00 0F"));
    EXPECT_EQ(bench.grid.Cell(col::kNumber, 50), "+15555550100");
    EXPECT_EQ(bench.grid.Cell(col::kStartDate, 50), "2015-03-05");
    EXPECT_EQ(bench.grid.Cell(col::kEndTime, 50), "23:59");
    EXPECT_EQ(bench.grid.Cell(col::kNumber, 1000), "");
    EXPECT_TRUE(bench.StatusSeen("Reading telephone number information"));
    EXPECT_TRUE(bench.StatusSeen("Reading number list:7/125"));
    EXPECT_EQ(bench.messages, (std::vector<std::string>{numbers::message::kListRead}));
}

TEST(NumberTransfer, ReadThenSaveStoresWhatWasRead) {
    Bench bench;
    for (int r = 1; r <= kEntryCount; r += 37)
        bench.PutEntry(r, "+49" + std::to_string(r));
    ASSERT_TRUE(bench.transfer.StartSave());
    bench.RunDevice();
    const auto saved = bench.memory;

    Bench other;
    other.memory = saved;
    other.transfer.StartRead();
    other.RunDevice();
    ASSERT_TRUE(other.transfer.StartSave());
    other.RunDevice();
    EXPECT_EQ(other.memory, saved);
}
