#include "ProgramOptions.h"
#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const std::optional<int> code = AnswerWithoutWindow(argc, argv))
        return *code;
    QApplication app(argc, argv);
    [[maybe_unused]] const ProgramOptions options = ProgramOptionsOrExit(app.arguments());
    QApplication::setStyle(QStringLiteral("Fusion"));

    QCommandLineParser parser;
    const QCommandLineOption trace(
        QStringLiteral("trace"),
        QStringLiteral("Write one JSON line per frame sent or received to FILE, for support."),
        QStringLiteral("FILE"));
    parser.addOption(trace);
    parser.process(app);

    TForm1 form1;
    if (parser.isSet(trace)) {
        QString failure;
        if (!form1.StartTrace(parser.value(trace), &failure)) {
            std::fprintf(stderr, "gsmgate: cannot write the trace %s: %s\n",
                         qPrintable(parser.value(trace)), qPrintable(failure));
            return 2;
        }
    }
    TForm7 form7;
    form1.Form7 = &form7;
    form1.show();
    return app.exec();
}
