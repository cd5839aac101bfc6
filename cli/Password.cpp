#include "Password.h"

#include <QCoreApplication>

#include <QFile>

#include <array>
#include <csignal>
#include <cstdio>
#include <iostream>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace gsm::cli {

namespace {

// Group or others may read or write it: the password in it is no secret.
constexpr mode_t kSharedBits = S_IRGRP | S_IWGRP | S_IROTH | S_IWOTH;

// Signals that end the process while it prompts; the terminal gets its echo
// back first.
constexpr std::array kEndingSignals{SIGINT, SIGTERM, SIGHUP, SIGQUIT};

// The terminal as it was before the prompt, for a signal handler to put back.
termios g_before{};
volatile std::sig_atomic_t g_echoOff = 0;

void RestoreEchoAndEnd(int signalNumber) {
    if (g_echoOff) {
        ::tcsetattr(STDIN_FILENO, TCSANOW, &g_before);
        (void)!::write(STDERR_FILENO, "\n", 1);
    }
    // Ended by the signal itself, as the shell expects of an interrupt.
    ::signal(signalNumber, SIG_DFL);
    ::raise(signalNumber);
}

// Echo off while it lives; put back however the prompt ends: a line, the
// end of input, or a signal.
class EchoOff {
public:
    EchoOff() {
        if (::tcgetattr(STDIN_FILENO, &g_before) != 0)
            return;
        struct sigaction handler {};
        handler.sa_handler = RestoreEchoAndEnd;
        sigemptyset(&handler.sa_mask);
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
            ::sigaction(kEndingSignals[i], &handler, &m_previous[i]);
        termios quiet = g_before;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        g_echoOff = 1;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    ~EchoOff() {
        if (!g_echoOff)
            return;
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &g_before);
        g_echoOff = 0;
        for (std::size_t i = 0; i < kEndingSignals.size(); ++i)
            ::sigaction(kEndingSignals[i], &m_previous[i], nullptr);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;

private:
    std::array<struct sigaction, kEndingSignals.size()> m_previous{};
};

} // namespace

std::optional<std::string> ResolvePassword(const PasswordSource& source, QString* error) {
    if (!source.file.isEmpty()) {
        QFile file(source.file);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QCoreApplication::translate("Password", "cannot read the password file %1: %2")
                         .arg(source.file, file.errorString());
            return std::nullopt;
        }
        struct stat info {};
        if (::fstat(file.handle(), &info) == 0 && (info.st_mode & kSharedBits) != 0) {
            *error = QCoreApplication::translate(
                         "Password", "the password file %1 may be read or written by other users "
                                     "(mode 0%2): make it the owner's alone (chmod 600)")
                         .arg(source.file, QString::number(info.st_mode & 0777, 8));
            return std::nullopt;
        }
        QByteArray line = file.readLine();
        while (line.endsWith('\n') || line.endsWith('\r'))
            line.chop(1);
        return line.toStdString();
    }
    if (source.environment && !source.environment->isEmpty())
        return source.environment->toStdString();
    if (source.terminal) {
        const std::string typed = PromptWithoutEcho(qPrintable(QCoreApplication::translate(
            "Password", "Device password (Enter for the factory one): ")));
        if (!typed.empty())
            return typed;
    }
    return std::string(kFactoryPassword);
}

std::string PromptWithoutEcho(const char* prompt) {
    std::fputs(prompt, stderr);
    std::fflush(stderr);
    std::string line;
    {
        const EchoOff quiet;
        std::getline(std::cin, line);
    }
    std::fputs("\n", stderr);
    return line;
}

} // namespace gsm::cli
