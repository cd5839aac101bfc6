#include "FirstFrameReport.h"
#include "ProgramOptions.h"
#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const std::optional<int> code = AnswerWithoutWindow(argc, argv))
        return *code;
    QApplication app(argc, argv);
    const ProgramOptions options = ProgramOptionsOrExit(app.arguments());
    QApplication::setStyle(QStringLiteral("Fusion"));

    TForm1 form1;
    if (!options.traceFile.isEmpty()) {
        QString failure;
        if (!form1.StartTrace(options.traceFile, &failure)) {
            std::fprintf(stderr, "gsmgate: cannot write the trace %s: %s\n",
                         qPrintable(options.traceFile), qPrintable(failure));
            return 2;
        }
    }
    TForm7 form7;
    form1.Form7 = &form7;
    std::optional<FirstFrameReport> firstFrame;
    if (options.reportFirstFrame)
        firstFrame.emplace(form1);
    form1.show();
    return app.exec();
}
