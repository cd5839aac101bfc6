// gsmgate-sim: the simulated device. See sim/README.md.

#include "Announcement.h"
#include "DeviceEngine.h"
#include "FrameLog.h"
#include "PtyPair.h"
#include "ScenarioJson.h"
#include "SignalWatcher.h"
#include "SimOptions.h"
#include "SimRunner.h"
#include "TimingLog.h"
#include "announce/AnnouncementFolder.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <memory>
#include <unistd.h>

using namespace gsm::sim;

namespace {

void PrintError(const QString& message) {
    std::fprintf(stderr, "gsmgate-sim: %s\n", message.toLocal8Bit().constData());
}

// Runs the device until a signal (or, on stdin, the end of input).
int Serve(QCoreApplication& app, const SimOptions& options, DeviceState& state) {
    std::unique_ptr<FrameLog> log;
    if (!options.logPath.isEmpty())
        log = std::make_unique<FrameLog>(options.logPath);
    std::unique_ptr<TimingLog> timingLog;
    if (!options.timingPath.isEmpty())
        timingLog = std::make_unique<TimingLog>(options.timingPath);
    DeviceEngine engine(state, options.faults);
    SignalWatcher watcher;
    QObject::connect(&watcher, &SignalWatcher::terminationRequested, &app,
                     [&app](int) { app.quit(); });

    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<Announcement> announcement;
    std::unique_ptr<SimRunner> runner;
    if (options.pty) {
        pty = std::make_unique<PtyPair>();
        const QString slave = QString::fromStdString(pty->SlavePath());
        announcement = std::make_unique<Announcement>(gsm::AnnouncementFolder(), slave);
        // Announced first: whoever reads the path finds the link in place.
        std::printf("%s\n", pty->SlavePath().c_str());
        std::fflush(stdout);
        runner = std::make_unique<SimRunner>(pty->MasterFd(), pty->MasterFd(), engine,
                                             options.timing, log.get(), timingLog.get());
    } else {
        runner = std::make_unique<SimRunner>(STDIN_FILENO, STDOUT_FILENO, engine, options.timing,
                                             log.get(), timingLog.get());
        QObject::connect(runner.get(), &SimRunner::inputDone, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    }
    app.exec();
    if (!options.dumpPath.isEmpty())
        scenario_json::WriteFile(state, options.dumpPath);
    return kExitClean;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    std::signal(SIGPIPE, SIG_IGN);

    const ParsedOptions parsed = ParseOptions(app.arguments());
    if (parsed.outcome == ParsedOptions::Outcome::Help) {
        std::fputs(HelpText().toLocal8Bit().constData(), stdout);
        return kExitClean;
    }
    if (parsed.outcome == ParsedOptions::Outcome::Error) {
        PrintError(parsed.error + " (see --help)");
        return kExitBadOptions;
    }

    DeviceState state;
    try {
        state = LoadScenario(parsed.options.scenario);
    } catch (const std::exception& e) {
        PrintError(QString::fromLocal8Bit(e.what()));
        return kExitBadOptions;
    }
    try {
        return Serve(app, parsed.options, state);
    } catch (const std::exception& e) {
        PrintError(QString::fromLocal8Bit(e.what()));
        return kExitFailure;
    }
}
