#pragma once
// Counts paint events: of one widget, or of every widget of the application,
// so that a benchmark can tell that a repaint happened inside what it timed.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

namespace bench {

class PaintCounter : public QObject {
public:
    // Every widget's paints.
    PaintCounter() : m_watched(QCoreApplication::instance()) {
        m_watched->installEventFilter(this);
    }
    explicit PaintCounter(QWidget& widget) : m_watched(&widget) {
        m_watched->installEventFilter(this);
    }
    ~PaintCounter() override { m_watched->removeEventFilter(this); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }

private:
    QObject* m_watched;
};

} // namespace bench
