// files: times the spreadsheet and CSV exchanges of a full number list (1000
// entries) and a full history (1000 records) through the window's own
// operations, with the file dialogs answered by the program. Each operation
// runs several times; the best and the median are printed.
//
//   files [runs]

#include "ExchangeFiles.h"
#include "HistoryTab.h"
#include "NumberListExchange.h"
#include "StringGrid.h"
#include "Tcustomstringgrid_his.h"
#include "Unit1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kEntries = 1000;
constexpr double kTargetMs = 200.0;

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

// Runs `operation` `runs` times and prints its best and median times.
bool Time(const char* name, int runs, const std::function<bool()>& operation) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        if (!operation()) {
            std::printf("%-34s FAILED\n", name);
            return false;
        }
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("%-34s best %7.1f ms  median %7.1f ms  %s\n", name, ms.front(), median,
                median < kTargetMs ? "under 200 ms" : "OVER 200 ms");
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;

    QTemporaryDir dir;
    const QString listBook = dir.filePath(QStringLiteral("telinf_R.xlsx"));
    const QString historyBook = dir.filePath(QStringLiteral("hisinf_R.xlsx"));
    QString answer;
    InstallFileChooser([&answer](QWidget*, const FileRequest&) { return answer; });

    TForm1 form;
    FillNumberList(*form.Ui().strngrd3);
    FillHistory(*form.Ui().strngrd4);
    std::printf("files: %d entries and %d history records, %d runs each\n", kEntries, kEntries,
                runs);

    bool ok = true;
    ok &= Time("number list export .xlsx", runs, [&] {
        answer = listBook;
        return !form.NumberListFiles->ExportNumberListXls().isEmpty();
    });
    ok &= Time("number list import .xlsx", runs, [&] {
        answer = listBook;
        return form.NumberListFiles->ImportNumberListXls();
    });
    ok &= Time("number list export .csv", runs, [&] {
        const QString path = form.NumberListFiles->ExportNumberListCsv();
        return !path.isEmpty() && QFile::remove(path);
    });
    ok &= Time("history export .xlsx", runs, [&] {
        answer = historyBook;
        return !form.customstringgrid_his->ExportHistoryXls().isEmpty();
    });
    ok &= Time("history load .xlsx", runs, [&] {
        answer = historyBook;
        return form.customstringgrid_his->LoadHistoryXls();
    });
    ok &= Time("history export .csv", runs, [&] {
        const QString path = form.historyTab->ExportHistoryCsv();
        return !path.isEmpty() && QFile::remove(path);
    });
    std::printf("workbooks: number list %lld bytes, history %lld bytes\n", QFile(listBook).size(),
                QFile(historyBook).size());
    return ok ? 0 : 1;
}
