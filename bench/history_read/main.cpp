// history_read: times "Read data" of the real window against gsmgate-sim over
// a pseudo-terminal, once as fast as the simulator answers and once paced at
// the device's 115200 baud, and measures how long the event loop is ever kept
// from running during the read.
//
//   history_read [path/to/gsmgate-sim]
//
// The simulator is found as the argument, $GSM_SIM_BIN, or the one built
// beside this program.

#include "ModalAnswer.h"
#include "Unit1.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

namespace {

constexpr int kPages = 500;
// A request is 9 bytes and its reply 265; each byte is 10 bits on the line.
constexpr double kBytesPerExchange = 9 + 265;
constexpr double kBaud = 115200;
constexpr double kWireFloorS = kPages * kBytesPerExchange * 10 / kBaud;
constexpr int kProbeIntervalMs = 2;
constexpr int kGiveUpMs = 120000;

struct RunResult {
    double seconds = 0;
    double longestStallMs = 0;
    int pagesRead = 0;
};

// Runs the event loop until `done` holds, noting the longest gap between two
// ticks of a short timer: the longest the loop was kept busy.
bool RunUntil(const std::function<bool()>& done, int timeoutMs, double* longestStallMs) {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    qint64 lastTickNs = clock.nsecsElapsed();
    bool finished = false;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(kProbeIntervalMs);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        if (longestStallMs)
            *longestStallMs = std::max(*longestStallMs, (now - lastTickNs) / 1e6);
        lastTickNs = now;
        if (done()) {
            finished = true;
            loop.quit();
        } else if (clock.elapsed() > timeoutMs) {
            loop.quit();
        }
    });
    probe.start();
    loop.exec();
    return finished;
}

class Simulator {
public:
    Simulator(const QString& program, const QStringList& extraArgs) {
        m_process.setProgram(program);
        m_process.setArguments(QStringList{"--pty", "--scenario", "busy"} + extraArgs);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(10000))
            return;
        m_pty = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~Simulator() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000))
            m_process.kill();
    }
    QString Pty() const { return m_pty; }

private:
    QProcess m_process;
    QString m_pty;
};

std::optional<RunResult> ReadOnce(const QString& simProgram, const QStringList& simArgs) {
    Simulator sim(simProgram, simArgs);
    if (sim.Pty().isEmpty()) {
        std::fprintf(stderr, "history_read: the simulator did not start\n");
        return std::nullopt;
    }
    TForm1 form;
    form.show();
    gsm::test::ModalAnswer answers;
    form.Ui().cbb9->setEditText(sim.Pty());
    form.Ui().btn8->click();
    answers.Queue(gsm::test::ModalAnswer::Ok());
    form.Ui().btn1->click();
    if (!answers.WaitUntilAnswered(10000) ||
        !RunUntil([&] { return form.Ui().btn19->isEnabled(); }, 5000, nullptr)) {
        std::fprintf(stderr, "history_read: login failed\n");
        return std::nullopt;
    }

    RunResult result;
    QElapsedTimer clock;
    clock.start();
    form.Ui().btn19->click();
    const bool finished = RunUntil(
        [&] { return form.HistoryInf.NextPage == kPages + 1 && !form.Ui().tmr1->isActive(); },
        kGiveUpMs, &result.longestStallMs);
    result.seconds = clock.nsecsElapsed() / 1e9;
    result.pagesRead = form.HistoryInf.NextPage - 1;
    if (!finished) {
        std::fprintf(stderr, "history_read: the read stopped at page %d\n", result.pagesRead);
        return std::nullopt;
    }
    return result;
}

QString SimulatorProgram(const QStringList& args) {
    if (args.size() > 1)
        return args.at(1);
    const QByteArray fromEnv = qgetenv("GSM_SIM_BIN");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    return QStringLiteral(GSM_SIM_BUILT_PATH);
}

void Report(const char* name, const RunResult& r, double floorS) {
    std::printf("%-22s %8.3f s", name, r.seconds);
    if (floorS > 0)
        std::printf("   floor %6.3f s   ratio %5.3f", floorS, r.seconds / floorS);
    else
        std::printf("%35s", "");
    std::printf("   longest event-loop stall %6.1f ms\n", r.longestStallMs);
}

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    const QString sim = SimulatorProgram(app.arguments());

    std::printf("history_read: %d pages of the busy scenario through the window, simulator %s\n",
                kPages, qPrintable(sim));
    std::printf("wire-time floor at %.0f baud: %d x %.0f bytes x 10 bits / %.0f = %.3f s\n", kBaud,
                kPages, kBytesPerExchange, kBaud, kWireFloorS);

    const auto unpaced = ReadOnce(sim, {});
    if (!unpaced)
        return 1;
    Report("(a) unpaced", *unpaced, 0);
    const auto paced = ReadOnce(sim, {"--baud-pace", "115200"});
    if (!paced)
        return 1;
    Report("(b) paced 115200 baud", *paced, kWireFloorS);

    const bool fast = unpaced->seconds < 1.0;
    const bool nearFloor = paced->seconds <= kWireFloorS * 1.05;
    const bool responsive = std::max(unpaced->longestStallMs, paced->longestStallMs) <= 50.0;
    std::printf("targets: unpaced under 1 s %s; paced within 5 %% of the floor %s; "
                "no stall over 50 ms %s\n",
                fast ? "met" : "MISSED", nearFloor ? "met" : "MISSED",
                responsive ? "met" : "MISSED");
    return 0;
}
