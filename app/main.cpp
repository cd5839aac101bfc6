#include "app/window/FirstFrameReport.h"
#include "app/window/FontWarmUp.h"
#include "app/window/MainWindow.h"
#include "app/window/ProgramOptions.h"

#include <QApplication>

#include <cstdio>
#include <optional>

int main(int argc, char* argv[]) {
    if (const std::optional<int> code = AnswerWithoutWindow(argc, argv))
        return *code;
    std::optional<FontWarmUp> fonts(std::in_place);
    QApplication app(argc, argv);
    fonts.reset();
    const ProgramOptions options = ProgramOptionsOrExit(app.arguments());
    QApplication::setStyle(QStringLiteral("Fusion"));

    MainWindow window;
    if (!options.traceFile.isEmpty()) {
        QString failure;
        if (!window.StartTrace(options.traceFile, &failure)) {
            std::fprintf(stderr, "gsmgate: cannot write the trace %s: %s\n",
                         qPrintable(options.traceFile), qPrintable(failure));
            return 2;
        }
    }
    std::optional<FirstFrameReport> firstFrame;
    if (options.reportFirstFrame)
        firstFrame.emplace(window);
    window.show();
    return app.exec();
}
