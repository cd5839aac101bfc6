#pragma once
// Starts `gsmgate-sim` on a pseudo-terminal for a test and reads back the
// frames it saw and the memory it dumped when it ended.
//
//   SimProcess sim({"--scenario", "busy"});
//   ... talk to sim.PtyPath() ...
//   sim.Stop();   // SIGTERM: the simulator writes its dump
//   sim.Dump();

#include "TestPaths.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <vector>

namespace gsm::test {

// Runs the event loop until `done` holds or `timeoutMs` passes.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs = 10000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// One frame as the simulator logged it.
struct LoggedFrame {
    QString direction; // "in" (from the program) or "out" (the reply)
    QString bytes;     // hex, blank-separated, upper case
    int command = 0;
    quint32 address = 0;
    bool valid = true;
};

class SimProcess {
public:
    // `args` are added to --pty --log FILE --dump FILE.
    explicit SimProcess(const QStringList& args = {}) {
        const QString bin = SimBinaryPath();
        if (bin.isEmpty() || !m_dir.isValid())
            return;
        m_process.setProgram(bin);
        m_process.setArguments(QStringList{"--pty", "--log", LogPath(), "--dump", DumpPath()} +
                               args);
        m_process.start();
        if (!m_process.waitForStarted(5000))
            return;
        WaitFor(
            [this] { return m_process.canReadLine() || m_process.state() == QProcess::NotRunning; },
            10000);
        m_pty = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimProcess() { Stop(); }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Running() const { return m_process.state() == QProcess::Running && !m_pty.isEmpty(); }
    QString PtyPath() const { return m_pty; }
    QString LogPath() const { return m_dir.filePath("frames.jsonl"); }
    QString DumpPath() const { return m_dir.filePath("dump.json"); }

    // Ends the simulator as a user would (SIGTERM), so it writes its dump.
    void Stop() {
        if (m_process.state() == QProcess::NotRunning)
            return;
        ::kill(static_cast<pid_t>(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(2000);
    }

    std::vector<LoggedFrame> Frames() const {
        std::vector<LoggedFrame> frames;
        QFile file(LogPath());
        if (!file.open(QIODevice::ReadOnly))
            return frames;
        while (!file.atEnd()) {
            const QJsonObject line = QJsonDocument::fromJson(file.readLine()).object();
            if (line.isEmpty())
                continue;
            LoggedFrame f;
            f.direction = line.value("direction").toString();
            f.bytes = line.value("bytes").toString().toUpper();
            f.command = line.value("command").toString().toInt(nullptr, 16);
            f.address = line.value("address").toString().toUInt(nullptr, 16);
            f.valid = line.value("valid").toBool(true);
            frames.push_back(f);
        }
        return frames;
    }

    // Frames the program sent, in order.
    std::vector<LoggedFrame> Requests() const {
        std::vector<LoggedFrame> in;
        for (const auto& f : Frames())
            if (f.direction == "in")
                in.push_back(f);
        return in;
    }

    QJsonObject Dump() const {
        QFile file(DumpPath());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

private:
    QTemporaryDir m_dir;
    QProcess m_process;
    QString m_pty;
};

} // namespace gsm::test
