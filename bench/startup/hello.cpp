// startup_hello: the reference the program's start-up is held to. A label in
// a widget, in the program's style, that prints the monotonic clock
// (std::chrono::steady_clock, nanoseconds) once its first frame has been
// painted and quits, exactly as `gsmgate --report-first-frame` does.

#include "app/window/FirstFrameReport.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Hello, world")));
    FirstFrameReport report(window);
    window.show();
    return app.exec();
}
