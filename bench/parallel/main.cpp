// parallel: times `gsmgate-cli numbers set --all-pages` on 1, 4 and 8
// simulators at once, each paced at the device's 115200 baud, with and
// without the read-back, against the one-device wire floor, and the tool's
// CPU time; then a list with one entry changed, written as a user would
// (backup, compare, write what differs, read it back), against its floor.
//
//   parallel [path/to/gsmgate-cli [path/to/gsmgate-sim]]
//
// The programs are found as the arguments, $GSM_CLI_BIN and $GSM_SIM_BIN,
// or the ones built beside this program.

#include "numbers/NumberGrid.h"
#include "numbers/NumberListFiles.h"
#include "spreadsheet/SheetGrid.h"
#include "spreadsheet/Workbook.h"

#include "support/ProgramPath.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <memory>
#include <sys/resource.h>
#include <vector>

namespace {

constexpr int kPages = 125;
constexpr double kBaud = 115200;
// A page write is 265 bytes out and 10 back; a read-back 9 out and 265 back.
constexpr double kWriteFloorS = kPages * (265.0 + 10.0) * 10 / kBaud;
constexpr double kVerifyFloorS = kWriteFloorS + kPages * 274.0 * 10 / kBaud;
// One entry changed: the 125 pages read to compare (9 bytes out, 265 back
// each), one page written and one read back. The login's read is not counted.
constexpr double kReadS = 274.0 * 10 / kBaud;
constexpr double kOneEntryFloorS = kPages * kReadS + (265.0 + 10.0) * 10 / kBaud + kReadS;
// The same change before pages were compared: read, write and read back all 125.
constexpr double kAllPagesOneEntryFloorS = kPages * kReadS + kVerifyFloorS;
constexpr double kGoal = 1.05;
constexpr int kGiveUpMs = 300000;

// A simulator on its own pty, paced at the device's baud rate.
class PacedSim {
public:
    explicit PacedSim(const QString& program) {
        m_process.setProgram(program);
        m_process.setArguments({"--pty", "--baud-pace", "115200"});
        m_process.start();
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(10000))
            m_pty = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~PacedSim() {
        ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    PacedSim(const PacedSim&) = delete;
    PacedSim& operator=(const PacedSim&) = delete;
    QString Pty() const { return m_pty; }

private:
    QProcess m_process;
    QString m_pty;
};

// A full list: every entry has a number valid at all times; `changed` gets
// another number.
QString WriteList(const QString& path, int changed = 0) {
    gsm::TableGrid grid(gsm::numbers::kColumnCount, gsm::numbers::kRowCount);
    gsm::numbers::InitNumberGrid(grid);
    for (int r = 1; r <= gsm::numbers::kEntryCount; ++r) {
        grid.SetCell(gsm::numbers::col::kNumber, r,
                     "+86138" + std::to_string(10000000 + r + (r == changed ? 5000 : 0)));
        grid.SetCell(gsm::numbers::col::kAlways, r, gsm::numbers::kYes);
    }
    gsm::Workbook book;
    book.Add();
    gsm::WriteSheet(book, grid, gsm::numbers::kColumnCount, gsm::numbers::kRowCount, true);
    return book.SaveAs(path) ? path : QString();
}

double ChildrenCpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Timing {
    double wall = 0;
    double cpu = 0;
    int exitCode = -1;
};

Timing RunCli(const QString& cli, QStringList args) {
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    const double cpuBefore = ChildrenCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    process.start(cli, args);
    process.waitForFinished(kGiveUpMs);
    Timing t;
    t.wall = clock.nsecsElapsed() / 1e9;
    t.cpu = ChildrenCpuSeconds() - cpuBefore;
    t.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return t;
}

// Every page written, blind, as a fleet provisioning run does.
Timing WriteAllPages(const QString& cli, const QString& list, const std::vector<QString>& ports,
                     bool verify) {
    QStringList args{"numbers",     "set",         list,
                     "--no-backup", "--all-pages", verify ? "--verify" : "--no-verify"};
    for (const QString& port : ports)
        args << "--port" << port;
    return RunCli(cli, args);
}

// A device holding the full list gets it again with one entry changed, then
// back, five times; the median is held to the goal. False when a run failed.
bool OneEntryChanged(const QString& cli, const QString& sim, const QTemporaryDir& dir,
                     const QString& list) {
    constexpr int kRuns = 5;
    const PacedSim device(sim);
    const QString changed = WriteList(dir.filePath("changed.xlsx"), 500);
    const QString backups = dir.filePath("backup");
    if (WriteAllPages(cli, list, {device.Pty()}, false).exitCode != 0 || changed.isEmpty())
        return false;
    std::vector<double> walls;
    for (int run = 0; run < kRuns; ++run) {
        const Timing t = RunCli(cli, {"numbers", "set", run % 2 == 0 ? changed : list, "--port",
                                      device.Pty(), "--backup-dir", backups});
        if (t.exitCode != 0) {
            std::printf("\none entry changed: run %d FAILED\n", run + 1);
            return false;
        }
        walls.push_back(t.wall);
    }
    std::sort(walls.begin(), walls.end());
    const double median = walls[kRuns / 2];
    const bool met = median <= kGoal * kOneEntryFloorS;
    std::printf("\none entry changed, backup and read-back on, %d runs: median %.2f s (%.3f x), "
                "fastest %.2f s, slowest %.2f s (%.3f x)\n",
                kRuns, median, median / kOneEntryFloorS, walls.front(), walls.back(),
                walls.back() / kOneEntryFloorS);
    std::printf("floor %.2f s (125 pages read, 1 written, 1 read back); goal: median within "
                "%.2f x: %s\n",
                kOneEntryFloorS, kGoal, met ? "met" : "MISSED");
    std::printf("the same change writing all pages would need at least %.2f s: %.2f x faster\n",
                kAllPagesOneEntryFloorS, kAllPagesOneEntryFloorS / median);
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString cli = bench::ProgramPath(args, 1, "GSM_CLI_BIN", GSM_CLI_BUILT_PATH);
    const QString sim = bench::ProgramPath(args, 2, "GSM_SIM_BIN", GSM_SIM_BUILT_PATH);
    QTemporaryDir dir;
    const QString list = WriteList(dir.filePath("list.xlsx"));
    if (list.isEmpty()) {
        std::fprintf(stderr, "parallel: cannot write the number list\n");
        return 1;
    }

    std::printf("gsmgate-cli numbers set: %d pages per device, simulators paced at %.0f baud\n",
                kPages, kBaud);
    std::printf("one-device wire floor: %.2f s without read-back, %.2f s with it\n\n", kWriteFloorS,
                kVerifyFloorS);
    std::printf("the simulators pace requests and replies alike; every row is held to %.2f x its "
                "floor\n\n",
                kGoal);
    std::printf("%-8s %-7s %9s %9s %9s %11s %9s  %s\n", "devices", "verify", "wall (s)",
                "floor (s)", "x floor", "x 1 device", "CPU (s)", "verdict");
    double single[2] = {0, 0};
    bool goalMet = false;
    int failures = 0;
    for (const int count : {1, 4, 8}) {
        std::vector<std::unique_ptr<PacedSim>> sims;
        std::vector<QString> ports;
        for (int i = 0; i < count; ++i) {
            sims.push_back(std::make_unique<PacedSim>(sim));
            ports.push_back(sims.back()->Pty());
        }
        for (const bool verify : {false, true}) {
            const Timing t = WriteAllPages(cli, list, ports, verify);
            const double floor = verify ? kVerifyFloorS : kWriteFloorS;
            if (count == 1)
                single[verify] = t.wall;
            const bool met = t.exitCode == 0 && t.wall <= kGoal * floor;
            std::printf("%-8d %-7s %9.2f %9.2f %9.3f %11.2f %9.2f  %s%s\n", count,
                        verify ? "yes" : "no", t.wall, floor, t.wall / floor,
                        t.wall / single[verify], t.cpu, met ? "met" : "MISSED",
                        t.exitCode == 0 ? "" : " (FAILED)");
            if (t.exitCode != 0)
                ++failures;
            if (count == 8 && !verify)
                goalMet = t.exitCode == 0 && t.wall <= kGoal * kWriteFloorS;
        }
    }
    std::printf("\ngoal: 8 devices within %.2f x the one-device floor (%.2f s): %s\n", kGoal,
                kGoal * kWriteFloorS, goalMet ? "met" : "MISSED");
    if (!OneEntryChanged(cli, sim, dir, list))
        ++failures;
    return failures == 0 ? 0 : 1;
}
