#include "Runner.h"

#include "ChangeReport.h"
#include "DeviceFiles.h"
#include "DeviceJob.h"
#include "InterruptWatcher.h"
#include "Password.h"
#include "PortArguments.h"
#include "ProgressBoard.h"
#include "Summary.h"
#include "config/ConfigPages.h"
#include "files/FileWrite.h"
#include "l10n/Composed.h"
#include "serial/LinkTrace.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QStandardPaths>

#include <csignal>
#include <cstdio>
#include <memory>

namespace gsm::cli {

namespace {

int Refuse(const QString& text) {
    std::fprintf(stderr, "gsmgate-cli: %s\n", qPrintable(text));
    return 2;
}

QString ShellQuoted(const QStringList& arguments) {
    QStringList quoted;
    for (const QString& a : arguments) {
        static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_./:=@+-]+$"));
        quoted.append(plain.match(a).hasMatch()
                          ? a
                          : QLatin1Char('\'') + QString(a).replace("'", "'\\''") +
                                QLatin1Char('\''));
    }
    return quoted.join(QLatin1Char(' '));
}

// The pages the command writes, read from its file and checked as the
// window checks them; an error refuses the command.
QString PrepareWrites(const CliOptions& o, JobPlan& plan) {
    switch (o.operation) {
    case Operation::Restore:
    case Operation::Diff: {
        AreasOrError read =
            o.operation == Operation::Restore ? RestorableAreas(o.file) : AreasOfAnyFile(o.file);
        if (!read.areas)
            return QCoreApplication::translate("Runner", "%1 refused, nothing sent: %2")
                .arg(o.file, l10n::ShownComposed(read.error));
        plan.writes = std::move(*read.areas);
        return {};
    }
    case Operation::SettingsSet:
    case Operation::NumbersSet: {
        const bool settings = o.operation == Operation::SettingsSet;
        const PagesOrError loaded =
            settings ? SettingsPagesFromProfile(o.file) : NumberPagesFromList(o.file);
        if (!loaded.pages)
            return QCoreApplication::translate("Runner", "%1 refused, nothing sent: %2")
                .arg(o.file, l10n::ShownComposed(loaded.error));
        plan.writes.emplace(settings ? Area::Settings : Area::Numbers, *loaded.pages);
        return {};
    }
    case Operation::ConfigApply:
    case Operation::ConfigDiff: {
        ConfigurationOrError read = ReadConfigurationFile(o.file);
        if (!read.configuration)
            return QCoreApplication::translate("Runner", "%1 refused, nothing sent: %2")
                .arg(o.file, l10n::ShownComposed(read.error));
        // The device's pages come first: what is written depends on them.
        for (const Area area : config::AreasOf(*read.configuration))
            plan.writes.emplace(area, Pages{});
        plan.configuration = std::move(read.configuration);
        return {};
    }
    default:
        return {};
    }
}

std::vector<Area> ReadsOf(const CliOptions& o) {
    switch (o.operation) {
    case Operation::Backup:
        if (o.history)
            return {Area::Settings, Area::Numbers, Area::History};
        return {Area::Settings, Area::Numbers};
    case Operation::SettingsGet:
        return {Area::Settings};
    case Operation::NumbersGet:
        return {Area::Numbers};
    case Operation::HistoryGet:
        return {Area::History};
    case Operation::ConfigGet:
        return {Area::Settings, Area::Numbers};
    default:
        return {};
    }
}

// Where each device writes its file, in the order of `ports`; or why not,
// before any port is opened: two devices would write one file (the second
// would take the first's place), a file that is no regular one (a
// terminal, /dev/null) would take several devices' data, or a backup
// would take the place of a file that exists.
QString PlanOutputs(const CliOptions& o, const QString& output, const QStringList& ports,
                    QStringList* outputs) {
    const bool several = ports.size() > 1;
    if (output.isEmpty())
        return {};
    if (several && files::IsSpecialFile(output))
        return QCoreApplication::translate(
                   "Runner", "%1 is no regular file and takes the data of one device only")
            .arg(output);
    QHash<QString, QString> portOf; // absolute output -> port
    for (const QString& port : ports) {
        const QString out = OutputFor(output, port, several);
        outputs->append(out);
        if (IsStdout(out))
            continue;
        const QString absolute = QFileInfo(out).absoluteFilePath();
        if (const auto taken = portOf.constFind(absolute); taken != portOf.constEnd())
            return QCoreApplication::translate(
                       "Runner", "%1 and %2 would both write %3: give ports whose names differ, "
                                 "or one --port at a time")
                .arg(*taken, port, out);
        portOf.insert(absolute, port);
        if (o.operation == Operation::Backup && QFileInfo::exists(out) &&
            !files::IsSpecialFile(out))
            return QCoreApplication::translate(
                       "Runner", "%1 exists, and a backup never replaces a file: remove it or "
                                 "name another")
                .arg(out);
    }
    return {};
}

} // namespace

QString OutputFor(const QString& output, const QString& port, bool severalDevices) {
    if (!severalDevices || IsStdout(output))
        return output;
    const QFileInfo info(output);
    const QString name = QFileInfo(port).fileName();
    const QString suffix = info.suffix();
    const QString base = suffix.isEmpty() ? info.fileName() : info.completeBaseName();
    const QString file =
        base + QLatin1Char('-') + name + (suffix.isEmpty() ? QString() : QLatin1Char('.') + suffix);
    return info.dir().filePath(file);
}

int Run(const CliOptions& o, const Environment& env) {
    if (o.operation == Operation::Ports) {
        std::fputs(qPrintable(PortTable()), stdout);
        return 0;
    }
    const PortExpansion expansion = ExpandPorts(o.ports);
    for (const QString& glob : expansion.unmatched)
        std::fprintf(
            stderr, "gsmgate-cli: %s\n",
            qPrintable(QCoreApplication::translate("Runner", "no port matches %1").arg(glob)));
    if (expansion.ports.isEmpty())
        return Refuse(QCoreApplication::translate("Runner", "no port to work on"));
    const bool several = expansion.ports.size() > 1;
    const QString output = o.operation == Operation::Backup ? o.file : o.out;
    if (several && IsStdout(output))
        return Refuse(
            QCoreApplication::translate("Runner", "- (stdout) takes the data of one device only"));

    QStringList outputs;
    if (const QString error = PlanOutputs(o, output, expansion.ports, &outputs); !error.isEmpty())
        return Refuse(error);

    JobPlan plan;
    plan.operation = o.operation;
    plan.command = o.command;
    plan.backup = o.backup;
    plan.verify = o.verify;
    plan.check = o.check;
    plan.allPages = o.allPages;
    plan.force = o.force;
    plan.backupDir = o.backupDir.isEmpty() ? env.defaultBackupDir : o.backupDir;
    plan.rerun = ShellQuoted(env.arguments);
    plan.reads = ReadsOf(o);
    if (const QString error = PrepareWrites(o, plan); !error.isEmpty())
        return Refuse(error);
    LinkTrace trace;
    if (QString failure; !o.trace.isEmpty() && !trace.OpenFile(o.trace, &failure))
        return Refuse(QCoreApplication::translate("Runner", "cannot write the trace %1: %2")
                          .arg(o.trace, l10n::ShownComposed(failure)));
    if (trace.Active())
        plan.trace = &trace;
    QString passwordError;
    const std::optional<std::string> password = ResolvePassword(
        PasswordSource{o.passwordFile, env.password, env.stdinTerminal}, &passwordError);
    if (!password)
        return Refuse(passwordError);
    plan.password = *password;

    ProgressBoard board(expansion.ports, env.stderrTerminal);
    std::vector<std::unique_ptr<DeviceJob>> jobs;
    for (qsizetype i = 0; i < expansion.ports.size(); ++i)
        jobs.push_back(
            std::make_unique<DeviceJob>(expansion.ports[i], plan, outputs.value(i), board));
    QEventLoop loop;
    const auto allDone = [&jobs] {
        return std::all_of(jobs.begin(), jobs.end(), [](const auto& job) { return job->Done(); });
    };
    int interruptedBy = 0;
    const InterruptWatcher watcher([&](int signalNumber) {
        interruptedBy = signalNumber;
        const QString why = signalNumber == SIGINT ? QStringLiteral("interrupted by SIGINT")
                                                   : QStringLiteral("interrupted by SIGTERM");
        for (const auto& job : jobs)
            job->Interrupt(why);
    });
    for (const auto& job : jobs)
        job->Start();
    // Each job ends with its own queued step; poll between event batches.
    while (!allDone())
        loop.processEvents(QEventLoop::WaitForMoreEvents);

    std::vector<JobResult> results;
    for (const auto& job : jobs)
        results.push_back(job->Result());
    const int exitCode = ExitCodeOf(results);
    std::fputs(qPrintable(QStringLiteral("\n") + SummaryTable(results)), stderr);
    // A live board has redrawn the lines that named them.
    for (const JobResult& r : results)
        if (!r.backup.isEmpty())
            std::fprintf(stderr, "%s\n",
                         qPrintable(QCoreApplication::translate("Runner", "backup of %1: %2")
                                        .arg(r.port, r.backup)));
    const bool showsPlan = OnlyCompares(o.operation) || o.check;
    if (showsPlan && !o.json)
        std::fputs(qPrintable(ChangeText(results)), stdout);
    if (o.json) {
        const QByteArray json = showsPlan ? ChangeJson(results) : SummaryJson(results, exitCode);
        std::fwrite(json.constData(), 1, static_cast<std::size_t>(json.size()), stdout);
        std::fflush(stdout);
    }
    // As a shell reports a program a signal ended.
    return interruptedBy != 0 ? 128 + interruptedBy : exitCode;
}

} // namespace gsm::cli
