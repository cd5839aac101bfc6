#pragma once
// What every benchmark sets up before its QApplication, and how it shows the
// window: the offscreen platform (unless there is a display) with the same
// laptop-sized screen the GUI tests use, and the program's remembered places
// in a folder of the benchmark's own, never in the user's settings.
//
//   bench::Environment environment;   // first thing in main()
//   QApplication app(argc, argv);
//   bench::UseProgramStyle();

#include "StallMeter.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QWidget>
#include <QWindow>

#include <cstdio>

namespace bench {

namespace detail {
inline QtMessageHandler previousHandler = nullptr;

// The offscreen platform says for every window that it cannot pass size
// hints on; nothing a benchmark reports.
inline void DropPlatformNotes(QtMsgType type, const QMessageLogContext& context,
                              const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints")))
        return;
    if (previousHandler)
        previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}
} // namespace detail

class Environment {
public:
    Environment() {
        detail::previousHandler = qInstallMessageHandler(detail::DropPlatformNotes);
        if (qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", Platform());
        qputenv("XDG_CONFIG_HOME", m_config.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", m_runtime.path().toLocal8Bit());
    }

    // The platform a benchmark and the programs it starts run on.
    static QByteArray Platform() {
        if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            return qgetenv("QT_QPA_PLATFORM");
        if (!qEnvironmentVariableIsEmpty("DISPLAY"))
            return "xcb";
        return QByteArray("offscreen:configfile=") + GSM_BENCH_SCREEN_CONFIG;
    }

private:
    QTemporaryDir m_config;
    QTemporaryDir m_runtime;
};

inline void UseProgramStyle() {
    QApplication::setStyle(QStringLiteral("Fusion"));
}

// Shows `window` and returns once it is exposed and its first frame painted.
inline bool ShowAndSettle(QWidget& window, int timeoutMs = 10000) {
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed())) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ProcessUntilIdle();
    return true;
}

} // namespace bench
