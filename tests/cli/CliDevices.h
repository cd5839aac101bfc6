#pragma once
// What the tool's device tests share: a busy simulated device and the pages
// it holds, a number list as the window writes it, the busy device's
// settings as a profile, and the check that a command was refused before it
// sent anything.

#include "CliRun.h"
#include "cli/DeviceFiles.h"
#include "numbers/NumberGrid.h"
#include "numbers/NumberListFiles.h"
#include "numbers/NumberPages.h"
#include "sim/NumberCodec.h"
#include "sim/Scenario.h"
#include "sim/ScenarioJson.h"
#include "spreadsheet/SheetGrid.h"
#include "spreadsheet/Workbook.h"
#include "support/SimProcess.h"

#include <QDir>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace gsm::test {

inline sim::DeviceMemory DumpedMemory(SimProcess& sim) {
    sim.Stop();
    return sim::scenario_json::ReadFile(sim.DumpPath()).memory;
}

inline Pages NumberPagesOf(const sim::DeviceMemory& memory) {
    Pages pages;
    for (int p = 1; p <= addr::kNumberPages; ++p)
        pages.push_back(memory.NumberPage(p));
    return pages;
}

inline Pages SettingsPagesOf(const sim::DeviceMemory& memory) {
    return {memory.SettingsPage(1), memory.SettingsPage(2)};
}

// A number list as the window's "Export .XLS" writes it: a few entries with
// marks and periods on different pages.
struct ListFile {
    TableGrid grid{gsm::numbers::kColumnCount, gsm::numbers::kRowCount};

    ListFile() {
        gsm::numbers::InitNumberGrid(grid);
        grid.SetCell(gsm::numbers::col::kNumber, 1, "+15555550100");
        grid.SetCell(gsm::numbers::col::kAlways, 1, gsm::numbers::kYes);
        grid.SetCell(gsm::numbers::col::kNumber, 9, "0123456");
        grid.SetCell(gsm::numbers::col::kStartDate, 9, "2015/03/05");
        grid.SetCell(gsm::numbers::col::kStartTime, 9, "08:30");
        grid.SetCell(gsm::numbers::col::kEndDate, 9, "2016/12/31");
        grid.SetCell(gsm::numbers::col::kEndTime, 9, "23:59");
        grid.SetCell(gsm::numbers::col::kNumber, 1000, "+861380013800012345678");
        grid.SetCell(gsm::numbers::col::kAlways, 1000, gsm::numbers::kYes);
    }

    QString Save(const QString& path) const {
        Workbook book;
        book.Add();
        SetColumnWidths(book, gsm::numbers::kXlsColumnWidths);
        WriteSheet(book, grid, gsm::numbers::kColumnCount, gsm::numbers::kRowCount, true);
        EXPECT_TRUE(book.SaveAs(path)) << book.LastError().toStdString();
        return path;
    }

    Pages Expected() const {
        const gsm::numbers::EncodedList list = gsm::numbers::EncodeNumberList(grid);
        EXPECT_TRUE(list.wrongSerials.empty());
        return {list.pages.begin(), list.pages.end()};
    }
};

inline Pages BusyPages(Area area) {
    const sim::DeviceMemory memory = sim::Scenario::Busy().memory;
    return area == Area::Settings ? SettingsPagesOf(memory) : NumberPagesOf(memory);
}

// Files the tool must refuse before it opens a port.
struct Refusal {
    const char* name;
    std::function<QStringList(const QString& dir)> args; // without --port
    QString says;
};

inline void PrintTo(const Refusal& refusal, std::ostream* out) {
    *out << refusal.name;
}

// Runs `args` against a busy device: the tool must refuse before it opens the
// port, with exit status 2 and every one of `says` on stderr; the device saw
// no request at all and holds what it held.
inline void ExpectRefusedBeforeSending(const QStringList& args, const QStringList& says) {
    SimProcess sim({"--scenario", "busy"});
    ASSERT_TRUE(sim.Running());
    const CliRun run = RunCli(args + QStringList{"--port", sim.PtyPath()});
    EXPECT_EQ(run.exitCode, 2);
    for (const QString& said : says + QStringList{"nothing sent"})
        EXPECT_TRUE(run.err.contains(said))
            << "\"" << said.toStdString() << "\" not in: " << run.err.toStdString();
    sim.Stop();
    EXPECT_TRUE(sim.Requests().empty());
    const sim::DeviceMemory memory = DumpedMemory(sim);
    EXPECT_EQ(SettingsPagesOf(memory), BusyPages(Area::Settings));
    EXPECT_EQ(NumberPagesOf(memory), BusyPages(Area::Numbers));
}

// The busy device's settings as a profile: JSON or a workbook, by `suffix`.
inline QString BusyProfile(const QString& dir, const char* suffix) {
    const QString path = QDir(dir).filePath(QStringLiteral("profile.") + suffix);
    QString failure;
    EXPECT_TRUE(cli::WriteSettingsProfile(BusyPages(Area::Settings), path, &failure))
        << failure.toStdString();
    return path;
}

} // namespace gsm::test
