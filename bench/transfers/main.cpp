// transfers: times the device transfers a user waits for, through the real
// window (shown) against gsmgate-sim on a pseudo-terminal loaded with the
// busy scenario:
//
//   (a) "Read data" of the history, 500 pages, unpaced: 10 runs, from the
//       click until the compacted grid has been repainted
//   (b) the same paced at the device's 115200 baud: 3 runs, against the wire
//       floor of each run (every byte that crossed the line in either
//       direction, 10 bits each, as the simulator recorded them)
//   (c) "Read" of the number list, 125 pages, paced: 3 runs, against its floor
//   (d) the program's turnaround per page, from the simulator's record: the
//       time from a reply's last byte to the next request's first byte
//   (e) the longest event-loop stall during the paced history reads
//
//   transfers [path/to/gsmgate-sim]
//
// The simulator is found as the argument, $GSM_SIM_BIN, or the one built
// beside this program.

#include "app/widgets/PageControl.h"
#include "app/widgets/PortBox.h"
#include "app/window/DeviceReporter.h"
#include "app/window/MainWindow.h"
#include "protocol/Outcome.h"
#include "support/Environment.h"
#include "support/Report.h"
#include "support/StallMeter.h"
#include "support/WindowShown.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr int kHistoryPages = 500;
constexpr int kNumberPages = 125;
constexpr quint32 kHistoryStart = 0x10000;
constexpr quint32 kNumberStart = 0x1000;
constexpr quint32 kPageSize = 0x100;
constexpr int kReadPage = 0x83;
constexpr double kBaud = 115200;
constexpr int kUnpacedRuns = 10;
constexpr int kPacedRuns = 3;
constexpr int kGiveUpMs = 120000;
const QString kNumbersRead = QStringLiteral("Authorized number list read to PC software success.");

// One request and its reply as the simulator recorded them.
struct Exchange {
    int command = 0;
    quint32 address = 0;
    int bytesIn = 0;
    int bytesOut = 0;
    double arrivedNs = 0;
    double replyEndNs = 0;
    std::optional<double> turnaroundNs;
};

// gsmgate-sim on its own pty, recording its exchanges.
class Simulator {
public:
    Simulator(const QString& program, const QStringList& extraArgs) {
        m_process.setProgram(program);
        m_process.setArguments(
            QStringList{"--pty", "--scenario", "busy", "--timing", TimingPath()} + extraArgs);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
        if (m_process.waitForStarted(5000) && m_process.waitForReadyRead(10000))
            m_pty = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~Simulator() { Stop(); }
    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    QString Pty() const { return m_pty; }

    // Ends the simulator and reads back every exchange it answered.
    std::vector<Exchange> Stop() {
        if (m_process.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
            if (!m_process.waitForFinished(5000))
                m_process.kill();
        }
        std::vector<Exchange> exchanges;
        QFile file(TimingPath());
        if (!file.open(QIODevice::ReadOnly))
            return exchanges;
        while (!file.atEnd()) {
            const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
            if (line.isEmpty())
                continue;
            Exchange e;
            e.command = line["command"].toString().toInt(nullptr, 16);
            e.address = line["address"].toString().toUInt(nullptr, 16);
            e.bytesIn = line["in"].toInt();
            e.bytesOut = line["out"].toInt();
            e.arrivedNs = line["arrivedNs"].toDouble();
            e.replyEndNs = line["replyEndNs"].toDouble();
            if (line["turnaroundNs"].isDouble())
                e.turnaroundNs = line["turnaroundNs"].toDouble();
            exchanges.push_back(e);
        }
        return exchanges;
    }

private:
    QString TimingPath() const { return m_dir.filePath(QStringLiteral("timing.jsonl")); }

    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_pty;
};

// The page reads of one area, in the order they were answered.
std::vector<Exchange> PageReads(const std::vector<Exchange>& all, quint32 start, int pages) {
    std::vector<Exchange> reads;
    for (const Exchange& e : all)
        if (e.command == kReadPage && e.address >= start && e.address < start + pages * kPageSize)
            reads.push_back(e);
    return reads;
}

// The least time those exchanges can take on the line: every byte in both
// directions, 10 bits each, with no pause anywhere.
double WireFloorSeconds(const std::vector<Exchange>& exchanges) {
    double bytes = 0;
    for (const Exchange& e : exchanges)
        bytes += e.bytesIn + e.bytesOut;
    return bytes * 10 / kBaud;
}

// The turnarounds between the pages of a transfer (the first page's request
// follows the click, not a reply of the transfer).
std::vector<double> TurnaroundsMs(const std::vector<Exchange>& exchanges) {
    std::vector<double> ms;
    for (std::size_t i = 1; i < exchanges.size(); ++i)
        if (exchanges[i].turnaroundNs)
            ms.push_back(*exchanges[i].turnaroundNs / 1e6);
    return ms;
}

// How late, on average, the simulator handed out a reply's last byte after
// the line would have carried it: a part of the time over the floor that is
// not the program's. Every reply here starts as soon as its request has
// arrived.
double SimulatorLateMs(const std::vector<Exchange>& exchanges) {
    double lateNs = 0;
    for (const Exchange& e : exchanges)
        lateNs += e.replyEndNs - (e.arrivedNs + e.bytesOut * 10 * 1e9 / kBaud);
    return exchanges.empty() ? 0 : lateNs / exchanges.size() / 1e6;
}

// Answers every message box as soon as it shows: "OK(&Y)" where the box has
// it, else OK. Notes when each box showed and when it was answered.
class BoxAnswers : public QObject {
public:
    struct Box {
        QString text;
        qint64 shownNs = 0;
        qint64 answeredNs = 0;
    };

    explicit BoxAnswers(const QElapsedTimer& clock) : m_clock(clock) {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~BoxAnswers() override { QCoreApplication::instance()->removeEventFilter(this); }

    const std::vector<Box>& Seen() const { return m_seen; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QMessageBox*>(watched);
        if (!box || event->type() != QEvent::Show)
            return false;
        m_seen.push_back({box->text(), m_clock.nsecsElapsed(), 0});
        const std::size_t index = m_seen.size() - 1;
        QMetaObject::invokeMethod(
            this,
            [this, box, index] {
                QAbstractButton* button = box->button(QMessageBox::Ok);
                for (QAbstractButton* b : box->buttons())
                    if (b->text() == QStringLiteral("OK(&Y)"))
                        button = b;
                if (!button && !box->buttons().isEmpty())
                    button = box->buttons().first();
                m_seen[index].answeredNs = m_clock.nsecsElapsed();
                if (button)
                    button->click();
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    const QElapsedTimer& m_clock;
    std::vector<Box> m_seen;
};

// Runs the event loop until `done` holds, checked each time the loop is about
// to wait; returns the clock's time at that moment, or nothing on timeout.
std::optional<qint64> RunUntil(const QElapsedTimer& clock, const std::function<bool()>& done,
                               int timeoutMs) {
    if (done())
        return clock.nsecsElapsed();
    QEventLoop loop;
    std::optional<qint64> doneNs;
    QObject guard;
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &guard, [&] {
                         if (!doneNs && done()) {
                             doneNs = clock.nsecsElapsed();
                             loop.quit();
                         }
                     });
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    loop.exec();
    return doneNs;
}

struct RunResult {
    double seconds = 0;
    double floorSeconds = 0;
    double longestStallMs = 0;
    double longestStallAtS = 0; // after the click
    double simulatorLateMs = 0;
    std::vector<double> turnaroundsMs;
};

enum class Transfer { History, Numbers };

// One transfer on a fresh window logged in to a fresh simulator.
std::optional<RunResult> RunOnce(const QString& simProgram, Transfer transfer, bool paced,
                                 bench::StallMeter& meter) {
    Simulator sim(simProgram,
                  paced ? QStringList{"--baud-pace", QString::number(kBaud)} : QStringList{});
    if (sim.Pty().isEmpty()) {
        std::fprintf(stderr, "transfers: the simulator did not start\n");
        return std::nullopt;
    }
    QElapsedTimer clock;
    clock.start();
    BoxAnswers boxes(clock);
    MainWindow form;
    const MainWindowControls& ui = form.Controls();
    ui.pageControl->setCurrentWidget(transfer == Transfer::History ? ui.historyPage
                                                                   : ui.numbersPage);
    if (!bench::ShowAndSettle(form)) {
        std::fprintf(stderr, "transfers: the window was never exposed\n");
        return std::nullopt;
    }
    ui.portBox->setEditText(sim.Pty());
    ui.portButton->click();
    ui.passwordBox->setText(QStringLiteral("7145"));
    ui.loginButton->click();
    QPushButton* read = transfer == Transfer::History ? ui.readHistoryButton : ui.readNumbersButton;
    if (!RunUntil(
            clock, [&] { return read->isEnabled() && !ui.receiveTimer->isActive(); }, 10000)) {
        std::fprintf(stderr, "transfers: login failed\n");
        return std::nullopt;
    }
    bench::ProcessUntilIdle();

    RunResult result;
    std::optional<qint64> doneNs;
    qint64 startNs = 0;
    meter.Reset();
    if (transfer == Transfer::History) {
        startNs = clock.nsecsElapsed();
        meter.BeginBusy(); // the click
        read->click();
        doneNs = RunUntil(
            clock,
            [&] {
                const auto& last = form.Reporter().LastResult();
                return last && last->kind == gsm::OperationKind::Read &&
                       last->area == gsm::Area::History && last->Ok() &&
                       !ui.receiveTimer->isActive();
            },
            kGiveUpMs);
        if (doneNs) {
            // The last page is in and the grid compacted; its repaint is
            // still to come.
            meter.BeginBusy();
            bench::ProcessUntilShown(form);
            meter.EndBusy();
            doneNs = clock.nsecsElapsed();
        }
    } else {
        // The read starts when its question is answered and ends when the
        // closing message shows.
        const std::size_t before = boxes.Seen().size();
        meter.BeginBusy();
        read->click();
        if (boxes.Seen().size() > before)
            startNs = boxes.Seen()[before].answeredNs;
        const auto closing = [&]() -> const BoxAnswers::Box* {
            for (std::size_t i = before; i < boxes.Seen().size(); ++i)
                if (boxes.Seen()[i].text == kNumbersRead)
                    return &boxes.Seen()[i];
            return nullptr;
        };
        if (RunUntil(
                clock, [&] { return closing() != nullptr; }, kGiveUpMs))
            doneNs = closing()->shownNs;
    }
    result.longestStallMs = meter.LongestMs();
    result.longestStallAtS = meter.LongestBeganMs() / 1e3;
    if (!doneNs || startNs == 0) {
        std::fprintf(stderr, "transfers: the read did not finish\n");
        return std::nullopt;
    }
    result.seconds = (*doneNs - startNs) / 1e9;
    bench::ProcessUntilIdle();
    form.Controls().portButton->click(); // close the port before the simulator goes

    const std::vector<Exchange> reads = transfer == Transfer::History
                                            ? PageReads(sim.Stop(), kHistoryStart, kHistoryPages)
                                            : PageReads(sim.Stop(), kNumberStart, kNumberPages);
    const int expected = transfer == Transfer::History ? kHistoryPages : kNumberPages;
    if (static_cast<int>(reads.size()) != expected)
        std::fprintf(stderr, "transfers: %zu page reads recorded, %d expected\n", reads.size(),
                     expected);
    result.floorSeconds = WireFloorSeconds(reads);
    result.turnaroundsMs = TurnaroundsMs(reads);
    result.simulatorLateMs = SimulatorLateMs(reads);
    return result;
}

std::optional<std::vector<RunResult>> Runs(const QString& sim, Transfer transfer, bool paced,
                                           int count, bench::StallMeter& meter) {
    std::vector<RunResult> runs;
    for (int i = 0; i < count; ++i) {
        auto run = RunOnce(sim, transfer, paced, meter);
        if (!run)
            return std::nullopt;
        runs.push_back(std::move(*run));
    }
    return runs;
}

QString SimulatorProgram(const QStringList& args) {
    if (args.size() > 1)
        return args.at(1);
    const QByteArray fromEnv = qgetenv("GSM_SIM_BIN");
    if (!fromEnv.isEmpty())
        return QString::fromLocal8Bit(fromEnv);
    return QStringLiteral(GSM_SIM_BUILT_PATH);
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Environment environment;
    QApplication app(argc, argv);
    bench::UseProgramStyle();
    bench::StallMeter meter;
    const QString sim = SimulatorProgram(app.arguments());
    std::printf("transfers: the window against gsmgate-sim (busy scenario), %s\n", qPrintable(sim));
    std::printf("platform %s; floors count every byte of the run on the line, 10 bits each, "
                "at %.0f baud\n\n",
                qPrintable(QGuiApplication::platformName()), kBaud);

    const auto unpaced = Runs(sim, Transfer::History, false, kUnpacedRuns, meter);
    if (!unpaced)
        return 1;
    const auto pacedHistory = Runs(sim, Transfer::History, true, kPacedRuns, meter);
    if (!pacedHistory)
        return 1;
    const auto pacedNumbers = Runs(sim, Transfer::Numbers, true, kPacedRuns, meter);
    if (!pacedNumbers)
        return 1;

    const auto collect = [](const std::vector<RunResult>& runs, auto field) {
        std::vector<double> values;
        for (const RunResult& r : runs)
            values.push_back(field(r));
        return values;
    };
    const auto seconds = [](const RunResult& r) { return r.seconds; };
    const auto floors = [](const RunResult& r) { return r.floorSeconds; };
    const auto ratio = [](const RunResult& r) { return r.seconds / r.floorSeconds; };
    const auto stall = [](const RunResult& r) { return r.longestStallMs; };
    const auto late = [](const RunResult& r) { return r.simulatorLateMs; };
    const auto turnarounds = [](const std::vector<RunResult>& runs) {
        std::vector<double> all;
        for (const RunResult& r : runs)
            all.insert(all.end(), r.turnaroundsMs.begin(), r.turnaroundsMs.end());
        return all;
    };

    bench::PrintHeader();
    const std::vector<double> unpacedS = collect(*unpaced, seconds);
    bench::Row("(a) history read, unpaced, median", bench::Median(unpacedS), "s").Goal(0.2).Print();
    bench::Row("(a) history read, unpaced, max", bench::Max(unpacedS), "s")
        .Goal(0.5)
        .Note(std::to_string(bench::CountOver(unpacedS, 0.5)) + " of " +
              std::to_string(unpacedS.size()) + " runs over 0.5 s; " +
              bench::Spread(unpacedS, "s", 3))
        .Print();

    for (const auto& [label, runs] :
         {std::pair{"(b) history read, paced, median", &*pacedHistory},
          std::pair{"(c) number list read, paced, median", &*pacedNumbers}}) {
        const std::vector<double> ratios = collect(*runs, ratio);
        // The run with the median ratio stands for the runs.
        const auto median = std::min_element(runs->begin(), runs->end(),
                                             [&](const RunResult& a, const RunResult& b) {
                                                 return std::abs(ratio(a) - bench::Median(ratios)) <
                                                        std::abs(ratio(b) - bench::Median(ratios));
                                             });
        bench::Row(label, median->seconds, "s")
            .Floor(median->floorSeconds, 1.02)
            .Note(bench::Spread(collect(*runs, seconds), "s", 3) + "; floors " +
                  bench::Spread(collect(*runs, floors), "s", 3).substr(5) +
                  "; the simulator's last reply byte late by " +
                  QString::number(bench::Median(collect(*runs, late)), 'f', 3).toStdString() +
                  " ms a page on average")
            .Print();
    }
    const std::vector<double> historyTurn = turnarounds(*pacedHistory);
    const std::vector<double> numbersTurn = turnarounds(*pacedNumbers);
    bench::Row("(d) turnaround per page, history, median", bench::Median(historyTurn), "ms")
        .Goal(0.4, true)
        .Note("max " + QString::number(bench::Max(historyTurn), 'f', 2).toStdString() +
              " ms over " + std::to_string(historyTurn.size()) + " pages")
        .Print();
    bench::Row("(d) turnaround per page, numbers, median", bench::Median(numbersTurn), "ms")
        .Goal(0.4, true)
        .Note("max " + QString::number(bench::Max(numbersTurn), 'f', 2).toStdString() +
              " ms over " + std::to_string(numbersTurn.size()) + " pages")
        .Print();
    const std::vector<double> stalls = collect(*pacedHistory, stall);
    const auto worst = std::max_element(
        pacedHistory->begin(), pacedHistory->end(),
        [](const RunResult& a, const RunResult& b) { return a.longestStallMs < b.longestStallMs; });
    bench::Row("(e) longest stall, paced history read", worst->longestStallMs, "ms")
        .Goal(50)
        .Note(bench::Spread(stalls, "ms", 1) + "; the longest began " +
              QString::number(worst->longestStallAtS, 'f', 3).toStdString() + " s after the click")
        .Print();
    return 0;
}
