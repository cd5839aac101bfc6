// startup: times the program from exec to its first painted frame
// (`gsmgate --report-first-frame`) against a Qt hello-world built beside this
// benchmark the same way (startup_hello), on the same platform and style.
// Each child prints the monotonic clock at its first frame; this benchmark
// reads the same clock just before it starts the child. One warm-up run of
// each, then `runs` runs of each, taken in turn.
//
//   startup [runs]
//
// The programs are found as $GSM_APP_BIN and $GSM_HELLO_BIN, or the ones
// built beside this program.

#include "support/Environment.h"
#include "support/ProgramPath.h"
#include "support/Report.h"

#include <QCoreApplication>
#include <QProcess>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <vector>

namespace {

qint64 MonotonicNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Milliseconds from starting `program` to the first frame it reports.
std::optional<double> FirstFrameMs(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setProgram(program);
    process.setArguments(arguments);
    const qint64 startNs = MonotonicNs();
    process.start();
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "startup: %s did not report its first frame\n", qPrintable(program));
        return std::nullopt;
    }
    bool ok = false;
    const qint64 frameNs = process.readLine().trimmed().toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return (frameNs - startNs) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Environment environment; // the children inherit its platform and settings folder
    QCoreApplication app(argc, argv);
    const int runs = bench::RunsArgument(argc, argv, 10);
    const QString gsmgate = bench::ProgramPath({}, 0, "GSM_APP_BIN", GSM_APP_BUILT_PATH);
    const QString hello = bench::ProgramPath({}, 0, "GSM_HELLO_BIN", GSM_HELLO_BUILT_PATH);
    const QStringList gsmgateArgs{QStringLiteral("--report-first-frame")};

    std::printf("startup: exec to the first painted frame, platform %s, %d runs each after a "
                "warm-up\n  program     %s\n  hello-world %s\n\n",
                qPrintable(qEnvironmentVariable("QT_QPA_PLATFORM", QStringLiteral("default"))),
                runs, qPrintable(gsmgate), qPrintable(hello));
    std::vector<double> helloMs;
    std::vector<double> gsmgateMs;
    for (int i = 0; i <= runs; ++i) {
        const auto h = FirstFrameMs(hello, {});
        const auto g = FirstFrameMs(gsmgate, gsmgateArgs);
        if (!h || !g)
            return 1;
        if (i == 0)
            continue; // warm-up: caches filled
        helloMs.push_back(*h);
        gsmgateMs.push_back(*g);
    }
    const double helloMedian = bench::Median(helloMs);
    std::printf("reference: Qt hello-world to first frame, median %.2f ms (%s)\n\n", helloMedian,
                bench::Spread(helloMs).c_str());
    bench::PrintHeader();
    bench::Row("gsmgate to first frame, median", bench::Median(gsmgateMs), "ms")
        .Floor(helloMedian, 1.5, "hello-world")
        .Note(bench::Spread(gsmgateMs))
        .Print();
    return 0;
}
