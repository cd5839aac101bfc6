// The simulator over a real pseudo-terminal, driven by the program's own
// serial component: in-process for whole transfers, and the gsmgate-sim
// program itself for what only the program does (announcement, signals,
// dump, exit codes).

#include "SimTestSupport.h"
#include "serial/SerialPort.h"
#include "sim/DeviceEngine.h"
#include "sim/FrameLog.h"
#include "sim/PtyPair.h"
#include "sim/Scenario.h"
#include "sim/ScenarioJson.h"
#include "sim/SettingsCodec.h"
#include "sim/SimRunner.h"
#include "sim/TimingLog.h"
#include "support/TestPaths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <optional>

using namespace gsm;
using namespace gsm::sim;
using namespace gsm::sim::test;

namespace {

// The PC's end of the line: the serial component and the PC's receiver.
class PcPort {
public:
    explicit PcPort(const QString& path) {
        m_comm.SetCommName(path);
        m_comm.SetBaudRate(115200);
        m_comm.OnReceiveData = [this](SerialPort*, const char* buffer, quint16 length) {
            for (quint16 i = 0; i < length; ++i)
                Take(static_cast<std::uint8_t>(buffer[i]));
        };
        m_comm.OpenPort();
    }

    // Sends the request and waits for one valid reply frame.
    std::optional<ReceivedReply> Exchange(const Bytes& request) {
        m_frames.clear();
        m_comm.WriteData(reinterpret_cast<const char*>(request.data()),
                         static_cast<quint16>(request.size()));
        if (!WaitUntil([this] { return !m_frames.empty(); }))
            return std::nullopt;
        return m_frames.front();
    }

    SerialPort& Comm() { return m_comm; }

private:
    void Take(std::uint8_t b) {
        if (m_receiver.TakeByte(b) == ByteResult::FrameValid)
            m_frames.push_back({m_receiver.Command, m_receiver.AddressValue(),
                                Bytes(m_receiver.Payload.begin(),
                                      m_receiver.Payload.begin() + m_receiver.PayloadLength())});
    }

    SerialPort m_comm;
    FrameCollector m_receiver;
    std::vector<ReceivedReply> m_frames;
};

// A simulated device on a pty inside the test process.
struct InProcessDevice {
    explicit InProcessDevice(DeviceState initial, ReplyTiming timing = {},
                             TimingLog* timingLog = nullptr)
        : state(std::move(initial)), engine(state),
          runner(pty.MasterFd(), pty.MasterFd(), engine, timing, nullptr, timingLog) {}

    QString Path() const { return QString::fromStdString(pty.SlavePath()); }

    DeviceState state;
    DeviceEngine engine;
    PtyPair pty;
    SimRunner runner;
};

Bytes PageAt(const DeviceMemory& memory, std::uint32_t address) {
    const auto page = memory.ReadPage(address);
    return Bytes(page->begin(), page->end());
}

// Reads every page of one area and checks each reply against the device memory.
void ReadWholeArea(PcPort& port, const DeviceMemory& memory, int pages,
                   std::uint32_t (*address)(int)) {
    for (int p = 1; p <= pages; ++p) {
        const auto reply = port.Exchange(Request(cmd::kReadPage, address(p)));
        ASSERT_TRUE(reply) << "no reply to page " << p;
        ASSERT_EQ(reply->command, cmd::kReadPage);
        ASSERT_EQ(reply->address, address(p));
        ASSERT_EQ(reply->payload, PageAt(memory, address(p))) << "page " << p;
    }
}

QString SimBinary() {
    const QString path = gsm::test::SimBinaryPath();
    return QFileInfo(path).isExecutable() ? path : QString();
}

// gsmgate-sim started with its announcement folder inside a temporary folder.
class SimProcess {
public:
    explicit SimProcess(const QTemporaryDir& dir) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_RUNTIME_DIR", dir.path());
        m_process.setProcessEnvironment(env);
    }
    ~SimProcess() {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    // Starts the program; for --pty returns the path it printed first.
    QString Start(const QStringList& arguments) {
        m_process.start(SimBinary(), arguments);
        if (!m_process.waitForStarted(5000))
            return {};
        if (!arguments.contains("--pty"))
            return {};
        while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }

    // SIGTERM, then the exit code (-1 for a crash or a hang).
    int Terminate() {
        m_process.terminate();
        return Finish();
    }
    int Finish() {
        if (!m_process.waitForFinished(10000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        return m_process.exitCode();
    }

    QProcess& Process() { return m_process; }

private:
    QProcess m_process;
};

#define REQUIRE_SIM_BINARY()                                                                       \
    if (SimBinary().isEmpty())                                                                     \
    GTEST_SKIP() << "gsmgate-sim not found: set GSM_SIM_BIN"

} // namespace

TEST(OverPty, EveryNumberAndHistoryPageReadsBackThroughTheSerialComponent) {
    InProcessDevice device(Scenario::Busy());
    PcPort port(device.Path());
    ASSERT_TRUE(port.Comm().PortOpen());
    ReadWholeArea(port, device.state.memory, addr::kNumberPages, addr::NumberPage);
    ReadWholeArea(port, device.state.memory, addr::kHistoryPages, addr::HistoryPage);
    EXPECT_EQ(device.engine.RequestCount(),
              static_cast<std::uint32_t>(addr::kNumberPages + addr::kHistoryPages));
}

TEST(OverPty, ThePortCanBeClosedAndOpenedAgain) {
    InProcessDevice device(Scenario::Factory());
    for (int round = 0; round < 3; ++round) {
        PcPort port(device.Path());
        const auto reply = port.Exchange(Request(cmd::kReadPage, addr::SettingsPage(1)));
        ASSERT_TRUE(reply) << "round " << round;
        EXPECT_EQ(Bytes(reply->payload.begin(), reply->payload.begin() + 4), Text("7145"));
    }
}

TEST(OverPty, AWriteChangesWhatTheNextReadReturns) {
    InProcessDevice device(Scenario::Factory());
    PcPort port(device.Path());
    const Bytes page(256, 0x5A);
    const auto ack = port.Exchange(Request(cmd::kWritePage, addr::NumberPage(125), page));
    ASSERT_TRUE(ack);
    EXPECT_EQ(ack->payload, Hex("01"));
    const auto back = port.Exchange(Request(cmd::kReadPage, addr::NumberPage(125)));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->payload, page);
}

TEST(OverPty, AFrameBrokenOffIsGivenUpAfterAPause) {
    InProcessDevice device(Scenario::Factory());
    PcPort port(device.Path());
    const Bytes partial = Hex("23 83 00 00");
    port.Comm().WriteData(reinterpret_cast<const char*>(partial.data()), quint16(partial.size()));
    WaitUntil([] { return false; }, 700); // longer than the device waits for the rest
    const auto reply = port.Exchange(Hex("23 04 00 00 00 00 00 00 04"));
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->command, cmd::kCheckMode);
}

struct PacedExchange {
    const char* what;
    ReplyTiming timing;
    Bytes request;
    std::size_t replyBytes;
};

class PacedLine : public ::testing::TestWithParam<PacedExchange> {};

// The reply is complete no sooner than the request's bytes, the delay and
// the reply's bytes take on the line, ten bits each.
TEST_P(PacedLine, AReplyArrivesWholeAndNotBeforeBothWaysCrossedTheLine) {
    const PacedExchange& c = GetParam();
    InProcessDevice device(Scenario::Factory(), c.timing);
    PcPort port(device.Path());
    QElapsedTimer clock;
    clock.start();
    const auto reply = port.Exchange(c.request);
    const qint64 elapsedNs = clock.nsecsElapsed();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->command, c.request[1]);
    const qint64 floorNs =
        c.timing.delayMs * 1'000'000LL + LineTimeNs(c.request.size() + c.replyBytes, c.timing.baud);
    EXPECT_GE(elapsedNs, floorNs);
}

INSTANTIATE_TEST_SUITE_P(
    Exchanges, PacedLine,
    ::testing::Values(
        // 100 ms, then 9 + 265 bytes at 9600 baud: 385 ms
        PacedExchange{"DelayedPageRead", {100, 9600}, Request(cmd::kReadPage, 0), 265},
        // 9 + 10 bytes at 1200 baud: the request alone takes 75 ms
        PacedExchange{"SlowCheckMode", {0, 1200}, Request(cmd::kCheckMode, 0), 10}),
    [](const auto& info) { return std::string(info.param.what); });

TEST(Pacing, ByteTimesFollowTenBitsPerByte) {
    EXPECT_EQ(PacedByteTimeNs(500, 0, 115200), 500 + 86'805) << "a byte is out after its bits";
    EXPECT_EQ(PacedByteTimeNs(0, 11519, 115200), 1'000'000'000);
    EXPECT_EQ(PacedByteTimeNs(0, 95, 9600), 100'000'000);
    EXPECT_EQ(PacedByteTimeNs(7, 1000, 0), 7) << "no pacing";
    EXPECT_EQ(LineTimeNs(9, 115200), 781'250);
    EXPECT_EQ(LineTimeNs(265, 0), 0);
}

TEST(Timing, EachAnsweredRequestIsOneLineWithItsBytesAndThePcsTurnaround) {
    QTemporaryDir dir;
    const QString path = dir.filePath("timing.jsonl");
    TimingLog timing(path);
    InProcessDevice device(Scenario::Factory(), {}, &timing);
    PcPort port(device.Path());
    const Bytes noise = Hex("00 FF");
    port.Comm().WriteData(reinterpret_cast<const char*>(noise.data()), quint16(noise.size()));
    ASSERT_TRUE(port.Exchange(Request(cmd::kReadPage, addr::SettingsPage(2))));
    ASSERT_TRUE(port.Exchange(Request(cmd::kCheckMode, 0)));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 2);
    const QJsonObject read = QJsonDocument::fromJson(lines[0]).object();
    const QJsonObject check = QJsonDocument::fromJson(lines[1]).object();
    EXPECT_EQ(read["request"].toInt(), 1);
    EXPECT_EQ(read["command"].toString(), "0x83");
    EXPECT_EQ(read["address"].toString(), "0x00000100");
    EXPECT_EQ(read["in"].toInt(), 11) << "the stray bytes crossed the line too";
    EXPECT_EQ(read["out"].toInt(), 265);
    EXPECT_TRUE(read["turnaroundNs"].isNull()) << "no reply came before the first request";
    EXPECT_LE(read["receivedNs"].toDouble(), read["arrivedNs"].toDouble());
    EXPECT_LE(read["arrivedNs"].toDouble(), read["replyStartNs"].toDouble());
    EXPECT_LE(read["replyStartNs"].toDouble(), read["replyEndNs"].toDouble());

    EXPECT_EQ(check["request"].toInt(), 2);
    EXPECT_EQ(check["command"].toString(), "0x04");
    EXPECT_EQ(check["in"].toInt(), 9);
    EXPECT_EQ(check["out"].toInt(), 10);
    ASSERT_TRUE(check["turnaroundNs"].isDouble());
    EXPECT_EQ(check["turnaroundNs"].toDouble(),
              check["receivedNs"].toDouble() - read["replyEndNs"].toDouble());
    EXPECT_GE(check["turnaroundNs"].toDouble(), 0);
}

TEST(SimProgram, AWrittenSettingsPageShowsInTheDumpAndTheLinkComesAndGoes) {
    REQUIRE_SIM_BINARY();
    QTemporaryDir dir;
    const QString dump = dir.filePath("dump.json");
    SimProcess sim(dir);
    const QString path = sim.Start({"--pty", "--dump", dump});
    ASSERT_TRUE(path.startsWith("/dev/")) << path.toStdString();

    const QString link =
        dir.filePath("gsmgate/gsmgate-sim-" + QString::number(sim.Process().processId()));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(QFileInfo(link).symLinkTarget().toStdString(), path.toStdString());

    DeviceSettings settings = FactorySettings();
    settings.password = "2468";
    settings.gprsUser = "tester";
    Page page1;
    Page page2;
    EncodeSettings(settings, page1, page2);
    {
        PcPort port(path);
        const auto ack1 =
            port.Exchange(Request(cmd::kWritePage, 0, Bytes(page1.begin(), page1.end())));
        const auto ack2 =
            port.Exchange(Request(cmd::kWritePage, 0x100, Bytes(page2.begin(), page2.end())));
        ASSERT_TRUE(ack1 && ack2);
        EXPECT_EQ(ack1->payload, Hex("01"));
    }

    EXPECT_EQ(sim.Terminate(), 0);
    EXPECT_FALSE(QFileInfo(link).isSymLink()) << "the link outlived the simulator";
    QFile file(dump);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray json = file.readAll();
    EXPECT_TRUE(json.contains("\"password\": \"2468\"")) << json.left(400).toStdString();
    EXPECT_EQ(DecodeSettings(scenario_json::Read(json).memory), settings);
}

TEST(SimProgram, OnStdinItAnswersLogsAndDumpsAtTheEndOfInput) {
    REQUIRE_SIM_BINARY();
    QTemporaryDir dir;
    SimProcess sim(dir);
    sim.Start({"--scenario", "busy", "--log", dir.filePath("log.jsonl"), "--dump",
               dir.filePath("dump.json"), "--fault", "garbage@2"});
    const Bytes requests =
        Join({Hex("23 04 00 00 00 00 00 00 04"), Hex("23 85 00 00 00 00 00 00 85")});
    sim.Process().write(reinterpret_cast<const char*>(requests.data()), qint64(requests.size()));
    sim.Process().closeWriteChannel();
    ASSERT_EQ(sim.Finish(), 0);
    const QByteArray out = sim.Process().readAllStandardOutput();
    EXPECT_EQ(Bytes(out.begin(), out.end()),
              Hex("23 04 00 00 00 00 00 01 01 04 00 FF 41 23 85 00 00 00 00 00 01 01 85"));

    QFile log(dir.filePath("log.jsonl"));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = log.readAll().trimmed().split('\n');
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].contains("\"direction\":\"in\"") &&
                lines[0].contains("\"command\":\"0x04\""));
    EXPECT_TRUE(lines[3].contains("\"direction\":\"out\"") &&
                lines[3].contains("\"faults\":[\"garbage@2\"]") &&
                lines[3].contains("\"bytes\":\"00 FF 41 23 85"));
    const DeviceState dumped = scenario_json::ReadFile(dir.filePath("dump.json"));
    EXPECT_TRUE(dumped.memory.HistoryPage(1) == Scenario::Factory().memory.HistoryPage(1))
        << "the deleted history is what was dumped";
}

TEST(SimProgram, BadOptionsEndWithCode2AndHelpWith0) {
    REQUIRE_SIM_BINARY();
    QTemporaryDir dir;
    for (const QStringList& args :
         {QStringList{"--fault", "sometimes@3"}, QStringList{"--delay-ms", "-5"},
          QStringList{"--baud-pace", "fast"}, QStringList{"--scenario", dir.filePath("none.json")},
          QStringList{"--bogus"}, QStringList{"stray"}}) {
        SimProcess sim(dir);
        sim.Start(args);
        EXPECT_EQ(sim.Finish(), 2) << args.join(' ').toStdString();
    }
    SimProcess help(dir);
    help.Start({"--help"});
    EXPECT_EQ(help.Finish(), 0);
    const QByteArray text = help.Process().readAllStandardOutput();
    for (const char* option : {"--pty", "--scenario", "--dump", "--log", "--timing", "--fault",
                               "--delay-ms", "--baud-pace", "no-reply@N", "corrupt@N", "refuse@N",
                               "cut@N:K", "garbage@N", "wrong-address@N"})
        EXPECT_TRUE(text.contains(option)) << option;
}
