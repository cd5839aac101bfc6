// files: times the spreadsheet and CSV exchanges of a full number list (1000
// entries) and a full history (1000 records) through the shown window's own
// operations, with the file dialogs answered by the program. Each operation
// is timed from its call until the event loop has handled what it caused,
// the repaints included; the median, the maximum and the longest event-loop
// stall are printed.
//
//   files [runs]

#include "app/files/ExchangeFiles.h"
#include "app/files/HistoryFiles.h"
#include "app/files/NumberFiles.h"
#include "app/sheets/history/HistoryTab.h"
#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "support/Environment.h"
#include "support/PaintCounter.h"
#include "support/Report.h"
#include "support/StallMeter.h"
#include "support/WindowShown.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

constexpr int kEntries = 1000;

void FillNumberList(StringGrid& grid) {
    for (int r = 1; r <= kEntries; ++r) {
        grid.SetCells(1, r, QStringLiteral("+86138%1").arg(r, 8, 10, QLatin1Char('0')));
        grid.SetCells(2, r, QStringLiteral("2015/03/%1").arg(r % 28 + 1, 2, 10, QLatin1Char('0')));
        grid.SetCells(3, r, QStringLiteral("08:30"));
        grid.SetCells(4, r, QStringLiteral("2016/12/31"));
        grid.SetCells(5, r, QStringLiteral("23:59"));
        grid.SetCells(6, r, QStringLiteral("no"));
        grid.SetCells(7, r, QStringLiteral("no"));
    }
}

void FillHistory(StringGrid& grid) {
    for (int r = 1; r <= kEntries; ++r) {
        grid.SetCells(1, r, QString::number(r));
        grid.SetCells(2, r, QStringLiteral("2015-03-%1").arg(r % 28 + 1, 2, 10, QLatin1Char('0')));
        grid.SetCells(3, r, QStringLiteral("09:05:%1").arg(r % 60, 2, 10, QLatin1Char('0')));
        grid.SetCells(4, r, QStringLiteral("Telephone"));
        grid.SetCells(5, r, QStringLiteral("Relay ON"));
        grid.SetCells(6, r, QStringLiteral("+8613800001111"));
        grid.SetCells(7, r, QStringLiteral("Opened by an authorized number"));
    }
}

class Timer {
public:
    Timer(const MainWindow& form, bench::StallMeter& meter, int runs)
        : m_form(form), m_meter(meter), m_runs(runs) {}

    // Runs `operation` (then `tidy`, untimed) `runs` times and prints its
    // median and maximum against `goalMs`, and its longest stall.
    bool Time(const char* name, double goalMs, const std::function<bool()>& operation,
              const std::function<void()>& tidy = {}) {
        std::vector<double> ms;
        double longestStallMs = 0;
        int paints = 0;
        for (int i = 0; i < m_runs; ++i) {
            bench::ProcessUntilShown(m_form);
            bench::QuietSpell();
            m_meter.Reset();
            bench::PaintCounter painted;
            QElapsedTimer clock;
            clock.start();
            m_meter.BeginBusy(); // the click
            const bool ok = operation();
            bench::ProcessUntilShown(m_form);
            ms.push_back(clock.nsecsElapsed() / 1e6);
            m_meter.EndBusy();
            paints += painted.count;
            longestStallMs = std::max(longestStallMs, m_meter.LongestMs());
            if (!ok) {
                std::printf("%-46s FAILED\n", name);
                return false;
            }
            if (tidy)
                tidy();
        }
        const std::string what = name;
        bench::Row(what + ", median", bench::Median(ms), "ms")
            .Goal(goalMs)
            .Note(bench::Spread(ms) + "; " + std::to_string(paints / m_runs) +
                  " widget paints a run")
            .Print();
        bench::Row(what + ", max", bench::Max(ms), "ms").Goal(goalMs).Print();
        bench::Row(what + ", longest stall", longestStallMs, "ms").Goal(50).Print();
        return true;
    }

private:
    const MainWindow& m_form;
    bench::StallMeter& m_meter;
    int m_runs;
};

} // namespace

int main(int argc, char* argv[]) {
    bench::Environment environment;
    QApplication app(argc, argv);
    bench::UseProgramStyle();
    bench::StallMeter meter;
    const int runs = bench::RunsArgument(argc, argv, 10);

    QTemporaryDir dir;
    const QString listBook = dir.filePath(QStringLiteral("telinf_R.xlsx"));
    const QString historyBook = dir.filePath(QStringLiteral("hisinf_R.xlsx"));
    QString answer;
    InstallFileChooser([&answer](QWidget*, const FileRequest&) { return answer; });

    MainWindow form;
    const MainWindowControls& ui = form.Controls();
    FillNumberList(*ui.numbersGrid);
    FillHistory(*ui.historyGrid);
    ui.pageControl->setCurrentWidget(ui.numbersPage);
    if (!bench::ShowAndSettle(form)) {
        std::fprintf(stderr, "files: the window was never exposed\n");
        return 1;
    }
    std::printf("files: %d entries and %d history records in the shown window (platform %s), "
                "%d runs each,\ncall to the event loop idle with the repaints done\n\n",
                kEntries, kEntries, qPrintable(QGuiApplication::platformName()), runs);
    bench::PrintHeader();

    Timer timer(form, meter, runs);
    QString written;
    const auto removeWritten = [&written] { QFile::remove(written); };
    bool ok = true;
    ok &= timer.Time("number list export .xlsx", 30, [&] {
        answer = listBook;
        return !form.NumberListFiles().ExportNumberListXls().isEmpty();
    });
    ok &= timer.Time("number list import .xlsx", 200, [&] {
        answer = listBook;
        return form.NumberListFiles().ImportNumberListXls();
    });
    ok &= timer.Time(
        "number list export .csv", 10,
        [&] {
            written = form.NumberListFiles().ExportNumberListCsv();
            return !written.isEmpty();
        },
        removeWritten);

    ui.pageControl->setCurrentWidget(ui.historyPage);
    bench::ProcessUntilIdle();
    ok &= timer.Time("history export .xlsx", 30, [&] {
        answer = historyBook;
        return !form.HistoryExports().ExportHistoryXls().isEmpty();
    });
    ok &= timer.Time("history load .xlsx", 200, [&] {
        answer = historyBook;
        return form.HistoryExports().LoadHistoryXls();
    });
    ok &= timer.Time(
        "history export .csv", 10,
        [&] {
            written = form.History().ExportHistoryCsv();
            return !written.isEmpty();
        },
        removeWritten);
    std::printf("\nworkbooks: number list %lld bytes, history %lld bytes\n", QFile(listBook).size(),
                QFile(historyBook).size());
    return ok ? 0 : 1;
}
