// filter: times "Filter" of the history sheet in the shown window, from the
// click until the grid has been repainted and the event loop has nothing
// left to do, on 1000 records of which 1000, then 500, lie in the period.
// The grid is filled again before each run (the filter sorts and compacts
// it), and that fill's repaint is over before the clock starts.
//
//   filter [runs]

#include "app/widgets/PageControl.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "support/Environment.h"
#include "support/PaintCounter.h"
#include "support/Report.h"
#include "support/StallMeter.h"
#include "support/WindowShown.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimeEdit>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kRecords = 1000;
constexpr int kWatchdogMs = 10000;

// Records in March 2015 lie in the period picked below; those in May do not.
// Every other record is in May when only half are to match.
void FillHistory(StringGrid& grid, bool halfMatch) {
    for (int r = 1; r <= kRecords; ++r) {
        const int month = halfMatch && r % 2 == 0 ? 5 : 3;
        grid.SetCells(1, r, QString::number(r));
        grid.SetCells(2, r,
                      QStringLiteral("2015-%1-%2")
                          .arg(month, 2, 10, QLatin1Char('0'))
                          .arg((r * 7) % 28 + 1, 2, 10, QLatin1Char('0')));
        grid.SetCells(3, r,
                      QStringLiteral("09:%1:%2")
                          .arg(r % 60, 2, 10, QLatin1Char('0'))
                          .arg((r * 13) % 60, 2, 10, QLatin1Char('0')));
        grid.SetCells(4, r, QStringLiteral("Telephone"));
        grid.SetCells(5, r, QStringLiteral("Relay ON"));
        grid.SetCells(6, r, QStringLiteral("+8613800001111"));
        grid.SetCells(7, r, QStringLiteral("Opened by an authorized number"));
    }
}

struct Timings {
    std::vector<double> ms;
    double longestStallMs = 0;
    bool ok = true;
};

Timings TimeFilter(MainWindow& form, bench::StallMeter& meter, int runs, bool halfMatch) {
    const MainWindowControls& ui = form.Controls();
    StringGrid& grid = *ui.historyGrid;
    bench::PaintCounter paints(*grid.viewport());
    const int matches = halfMatch ? kRecords / 2 : kRecords;
    Timings t;
    for (int i = 0; i < runs; ++i) {
        FillHistory(grid, halfMatch);
        bench::ProcessUntilShown(form);
        bench::QuietSpell();
        paints.count = 0;
        // A message box would mean the filter found nothing: close it.
        QTimer watchdog;
        watchdog.setSingleShot(true);
        QObject::connect(&watchdog, &QTimer::timeout, [&t] {
            t.ok = false;
            if (QWidget* box = QApplication::activeModalWidget())
                box->close();
        });
        watchdog.start(kWatchdogMs);

        meter.Reset();
        QElapsedTimer clock;
        clock.start();
        meter.BeginBusy(); // the click
        ui.filterButton->click();
        bench::ProcessUntilShown(form);
        const double ms = clock.nsecsElapsed() / 1e6;
        meter.EndBusy();
        t.longestStallMs = std::max(t.longestStallMs, meter.LongestMs());
        t.ms.push_back(ms);

        const bool filtered = !grid.Cells(1, matches).isEmpty() &&
                              (matches == kRecords || grid.Cells(1, matches + 1).isEmpty());
        if (!filtered || paints.count == 0) {
            std::fprintf(stderr, "filter: run %d %s\n", i + 1,
                         filtered ? "never repainted the grid" : "left the wrong rows");
            t.ok = false;
        }
    }
    return t;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Environment environment;
    QApplication app(argc, argv);
    bench::UseProgramStyle();
    bench::StallMeter meter;
    const int runs = bench::RunsArgument(argc, argv, 10);

    MainWindow form;
    const MainWindowControls& ui = form.Controls();
    ui.pageControl->setCurrentWidget(ui.historyPage);
    if (!bench::ShowAndSettle(form)) {
        std::fprintf(stderr, "filter: the window was never exposed\n");
        return 1;
    }
    // Filter is one of the buttons a login enables.
    form.EnableDeviceOperations();
    // From 1 March 2015 00:00 to 31 March 2015 23:59.
    ui.historyStartDatePicker->setDate(QDate(2015, 3, 1));
    ui.historyStartTimePicker->setTime(QTime(0, 0));
    ui.historyEndDatePicker->setDate(QDate(2015, 3, 31));
    ui.historyEndTimePicker->setTime(QTime(23, 59));
    bench::ProcessUntilIdle();

    std::printf("filter: %d history records in the shown window (platform %s), %d runs each,\n"
                "click to the grid repainted and the event loop idle\n\n",
                kRecords, qPrintable(QGuiApplication::platformName()), runs);
    bench::PrintHeader();
    bool ok = true;
    for (const bool half : {false, true}) {
        const Timings t = TimeFilter(form, meter, runs, half);
        ok &= t.ok;
        const double goalMs = half ? 10 : 20;
        const std::string what = half ? "500 of 1000 rows match" : "1000 rows match";
        bench::Row("filter, " + what + ", median", bench::Median(t.ms), "ms")
            .Goal(goalMs)
            .Note(bench::Spread(t.ms))
            .Print();
        bench::Row("filter, " + what + ", max", bench::Max(t.ms), "ms").Goal(goalMs).Print();
        bench::Row("filter, " + what + ", longest stall", t.longestStallMs, "ms").Goal(50).Print();
    }
    return ok ? 0 : 1;
}
