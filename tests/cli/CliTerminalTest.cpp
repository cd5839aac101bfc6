// gsmgate-cli on a terminal: the password prompt turns the echo off, and
// whatever ends the prompt, a signal included, gives the terminal its echo
// back.
#include "support/SimProcess.h"

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace gsm::test {
namespace {

// A pseudo-terminal whose slave end the tool reads as its stdin.
class Terminal {
public:
    Terminal() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0)
            return;
        m_slavePath = QString::fromLocal8Bit(::ptsname(m_master));
        m_slave = ::open(::ptsname(m_master), O_RDWR | O_NOCTTY);
        termios tio{};
        ::tcgetattr(m_slave, &tio);
        tio.c_lflag |= ECHO | ICANON;
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    ~Terminal() {
        if (m_slave >= 0)
            ::close(m_slave);
        if (m_master >= 0)
            ::close(m_master);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool Valid() const { return m_slave >= 0; }
    QString SlavePath() const { return m_slavePath; }
    bool Echoes() const {
        termios tio{};
        return ::tcgetattr(m_slave, &tio) == 0 && (tio.c_lflag & ECHO) != 0;
    }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};

TEST(CliPrompt, ASignalWhilePromptingLeavesTheTerminalEchoing) {
    for (const int signalNumber : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signalNumber);
        Terminal terminal;
        ASSERT_TRUE(terminal.Valid());
        QProcess cli;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("GSMGATE_PASSWORD"));
        cli.setProcessEnvironment(env);
        cli.setStandardInputFile(terminal.SlavePath());
        cli.start(QStringLiteral(GSM_CLI_BIN_PATH),
                  {"clock", "sync", "--port", "/nonexistent/port"});
        QString err;
        ASSERT_TRUE(WaitFor([&] {
            err += QString::fromUtf8(cli.readAllStandardError());
            return err.contains("Device password") && !terminal.Echoes();
        })) << err.toStdString();
        ::kill(static_cast<pid_t>(cli.processId()), signalNumber);
        ASSERT_TRUE(cli.waitForFinished(10000));
        EXPECT_EQ(cli.exitStatus(), QProcess::CrashExit) << "ended by the signal itself";
        EXPECT_EQ(cli.exitCode(), signalNumber);
        EXPECT_TRUE(terminal.Echoes());
    }
}

} // namespace
} // namespace gsm::test
