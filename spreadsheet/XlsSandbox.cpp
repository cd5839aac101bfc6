#include "XlsSandbox.h"

#include "XlsStreamParser.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>

// AddressSanitizer reserves terabytes of address space at start-up, so a
// reader built with it cannot run under an address-space limit; it is held
// to the same memory through the sanitizer's own allocator limits instead.
#if defined(__SANITIZE_ADDRESS__)
#define GSM_XLS_READER_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define GSM_XLS_READER_SANITIZED 1
#endif
#endif

namespace gsm {

namespace {

// The reader needs its file, the libraries it loads and its pipes.
constexpr rlim_t kOpenFiles = 64;
constexpr int kStopWaitMs = 2000;

QString ProgramFolder() {
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

void SetLimit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit limit{soft, hard};
    ::setrlimit(resource, &limit);
}

// Runs in the child between fork and exec: only calls that are safe there.
void LimitChild(const XlsReaderLimits& limits) {
#ifndef GSM_XLS_READER_SANITIZED
    SetLimit(RLIMIT_AS, rlim_t(limits.addressSpaceBytes), rlim_t(limits.addressSpaceBytes));
#endif
    // SIGXCPU at the limit, SIGKILL a second later if it is caught.
    SetLimit(RLIMIT_CPU, rlim_t(limits.cpuSeconds), rlim_t(limits.cpuSeconds) + 1);
    SetLimit(RLIMIT_FSIZE, 0, 0); // it writes no file; a pipe is not one
    SetLimit(RLIMIT_CORE, 0, 0);
    SetLimit(RLIMIT_NOFILE, kOpenFiles, kOpenFiles);
}

QProcessEnvironment ChildEnvironment([[maybe_unused]] const XlsReaderLimits& limits) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
#ifdef GSM_XLS_READER_SANITIZED
    const QString megabytes = QString::number(limits.addressSpaceBytes / (1024 * 1024));
    QString options = environment.value(QStringLiteral("ASAN_OPTIONS"));
    if (!options.isEmpty())
        options += QLatin1Char(':');
    options += QStringLiteral("hard_rss_limit_mb=%1:max_allocation_size_mb=%1:"
                              "allocator_may_return_null=1")
                   .arg(megabytes);
    environment.insert(QStringLiteral("ASAN_OPTIONS"), options);
#endif
    return environment;
}

SheetRead Unreadable(const QString& why) {
    return {std::nullopt, UnreadableReason(why)};
}

void Stop(QProcess& child) {
    child.kill();
    child.waitForFinished(kStopWaitMs);
}

// Why a reader that ended without a whole answer did so.
QString EndOf(const QProcess& child, const XlsReaderLimits& limits) {
    if (child.exitStatus() == QProcess::CrashExit) {
        const int signal = child.exitCode();
        if (signal == SIGXCPU || signal == SIGKILL)
            return QStringLiteral("its reader used more than %1 s of processor time")
                .arg(limits.cpuSeconds);
        return QStringLiteral("its reader crashed, signal %1").arg(signal);
    }
    return QStringLiteral("its reader failed, status %1").arg(child.exitCode());
}

} // namespace

XlsReaderLimits XlsReaderLimits::FromEnvironment() {
    XlsReaderLimits limits;
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue(kXlsSecondsVariable, &ok);
    if (ok && seconds >= 1) {
        limits.cpuSeconds = qMin(limits.cpuSeconds, seconds);
        limits.wallSeconds = qMin(limits.wallSeconds, seconds);
    }
    return limits;
}

QString XlsReaderProgram() {
    const QString named = qEnvironmentVariable(kXlsReaderVariable);
    if (!named.isEmpty())
        return named;
    const QDir folder(ProgramFolder());
    const QString name = QString::fromLatin1(kXlsReaderName);
    for (const QString& candidate :
         {folder.filePath(name), folder.filePath(QStringLiteral("../libexec/gsmgate/") + name)}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return info.absoluteFilePath();
    }
    return {};
}

SheetRead ReadXlsInSandbox(const QString& path, const SheetBounds& bounds) {
    const QString program = XlsReaderProgram();
    if (program.isEmpty())
        return Unreadable(QStringLiteral("%1 is not installed").arg(kXlsReaderName));
    const XlsReaderLimits limits = XlsReaderLimits::FromEnvironment();
    QProcess child;
    child.setProgram(program);
    child.setArguments({QFileInfo(path).absoluteFilePath(), QString::number(bounds.rows),
                        QString::number(bounds.columns)});
    child.setProcessEnvironment(ChildEnvironment(limits));
    child.setStandardInputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    child.setChildProcessModifier([limits] { LimitChild(limits); });
    const QDeadlineTimer deadline(std::chrono::seconds(limits.wallSeconds));
    child.start(QIODevice::ReadOnly);
    if (!child.waitForStarted(int(deadline.remainingTime())))
        return Unreadable(QStringLiteral("its reader did not start: %1").arg(child.errorString()));

    QByteArray answer;
    for (;;) {
        const bool more = child.waitForReadyRead(int(qMax<qint64>(deadline.remainingTime(), 0)));
        answer += child.readAllStandardOutput();
        if (answer.size() > limits.outputBytes) {
            Stop(child);
            return Unreadable(QStringLiteral("its reader wrote more than %1 MiB")
                                  .arg(limits.outputBytes / (1024 * 1024)));
        }
        if (more)
            continue;
        // No more output: the reader has ended, closed its output, or run out of time.
        if (child.state() != QProcess::NotRunning)
            child.waitForFinished(int(qMax<qint64>(deadline.remainingTime(), 0)));
        if (child.state() != QProcess::NotRunning) {
            Stop(child);
            return Unreadable(
                QStringLiteral("its reader took more than %1 s").arg(limits.wallSeconds));
        }
        answer += child.readAllStandardOutput();
        break;
    }
    if (answer.size() > limits.outputBytes)
        return Unreadable(QStringLiteral("its reader wrote more than %1 MiB")
                              .arg(limits.outputBytes / (1024 * 1024)));
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return Unreadable(EndOf(child, limits));
    return ParseXlsAnswer(answer, bounds);
}

} // namespace gsm
