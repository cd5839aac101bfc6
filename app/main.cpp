#include "ProgramOptions.h"
#include "Unit1.h"
#include "Unit7.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

#include <chrono>
#include <cstdio>

namespace {

// --report-first-frame: prints the monotonic clock (std::chrono::steady_clock,
// nanoseconds) once the window's first frame has been painted, and ends the
// program. The call is queued from the first paint of any of the window's
// widgets, so it runs once the whole frame has been painted and flushed.
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
