#include "Password.h"

#include <QFile>

#include <cstdio>
#include <iostream>
#include <termios.h>
#include <unistd.h>

namespace gsm::cli {

std::optional<std::string> ResolvePassword(const PasswordSource& source, QString* error) {
    if (!source.file.isEmpty()) {
        QFile file(source.file);
        if (!file.open(QIODevice::ReadOnly)) {
            *error = QStringLiteral("cannot read the password file %1: %2")
                         .arg(source.file, file.errorString());
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
        const std::string typed =
            PromptWithoutEcho("Device password (Enter for the factory one): ");
        if (!typed.empty())
            return typed;
    }
    return std::string(kFactoryPassword);
}

std::string PromptWithoutEcho(const char* prompt) {
    std::fputs(prompt, stderr);
    std::fflush(stderr);
    termios saved{};
    const bool tty = ::tcgetattr(STDIN_FILENO, &saved) == 0;
    if (tty) {
        termios quiet = saved;
        quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &quiet);
    }
    std::string line;
    std::getline(std::cin, line);
    if (tty)
        ::tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
    std::fputs("\n", stderr);
    return line;
}

} // namespace gsm::cli
