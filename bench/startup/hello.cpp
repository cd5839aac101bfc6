// startup_hello: the reference the program's start-up is held to. A label in
// a widget, in the program's style, that prints the monotonic clock
// (std::chrono::steady_clock, nanoseconds) once its first frame has been
// painted and quits, exactly as `gsmgate --report-first-frame` does.

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

class FirstFrameReport : public QObject {
public:
    explicit FirstFrameReport(const QWidget& window) : m_window(window) {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &m_window) {
            m_seen = true;
            QMetaObject::invokeMethod(this, &FirstFrameReport::Report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void Report() {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        std::printf("%lld\n",
                    static_cast<long long>(
                        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
        QCoreApplication::exit(0);
    }

    const QWidget& m_window;
    bool m_seen = false;
};

} // namespace

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
