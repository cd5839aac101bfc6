#include "ProgramOptions.h"
#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    if (const std::optional<int> code = AnswerWithoutWindow(argc, argv))
        return *code;
    QApplication app(argc, argv);
    [[maybe_unused]] const ProgramOptions options = ProgramOptionsOrExit(app.arguments());
    QApplication::setStyle(QStringLiteral("Fusion"));
    TForm1 form1;
    TForm7 form7;
    form1.Form7 = &form7;
    form1.show();
    return app.exec();
}
