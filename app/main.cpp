#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    TForm1 form1;
    TForm7 form7;
    form1.Form7 = &form7;
    form1.show();
    return app.exec();
}
