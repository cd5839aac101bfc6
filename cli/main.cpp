// gsmgate-cli: provisions, backs up and restores GSM gate openers from a shell.
#include "CliOptions.h"
#include "Runner.h"
#include "backup/AutomaticBackups.h"
#include "l10n/Language.h"

#include <QCoreApplication>

#include <unistd.h>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("gsmgate-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(GSM_VERSION));
    // Help, messages and the table in the user's language; files and --json never change.
    gsm::l10n::UseLanguage(gsm::l10n::ChosenLanguage(app.arguments()));
    const gsm::cli::Parsed parsed = gsm::cli::ParseCommandLine(app.arguments());
    if (!parsed.options)
        return parsed.exitCode;
    gsm::cli::Environment env;
    if (qEnvironmentVariableIsSet("GSMGATE_PASSWORD"))
        env.password = qEnvironmentVariable("GSMGATE_PASSWORD");
    env.stdinTerminal = ::isatty(STDIN_FILENO) != 0;
    env.stderrTerminal = ::isatty(STDERR_FILENO) != 0;
    env.defaultBackupDir = gsm::backup::DefaultBackupFolder();
    env.arguments = app.arguments();
    env.arguments[0] = QStringLiteral("gsmgate-cli");
    return gsm::cli::Run(*parsed.options, env);
}
