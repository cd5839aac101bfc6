#pragma once
// --report-first-frame: prints the monotonic clock (std::chrono::steady_clock,
// nanoseconds) once the window's first frame has been painted, and ends the
// program. The call is queued from the first paint of any of the window's
// widgets, so it runs once the whole frame has been painted and flushed.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <chrono>
#include <cstdio>

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
