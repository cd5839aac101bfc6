#pragma once
// How long the event loop is kept from waiting: a stall lasts from the moment
// the loop starts handling something to the moment it turns to wait again
// (QAbstractEventDispatcher::aboutToBlock). The start is the dispatcher's
// `awake` or the first event delivered after aboutToBlock, whichever comes
// first: the glib dispatcher (Qt's default on Linux) emits `awake` only after
// it has dispatched an iteration's events, the plain Unix one before them.
//
//   StallMeter meter;          // after the QApplication
//   meter.Reset();
//   ... run the event loop ...
//   meter.LongestMs();
//
// Work a benchmark starts itself, outside any event (a click made from main),
// is bracketed with BeginBusy() and EndBusy().

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QObject>

#include <algorithm>

namespace bench {

class StallMeter : public QObject {
public:
    StallMeter() {
        m_clock.start();
        QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
        connect(dispatcher, &QAbstractEventDispatcher::awake, this, [this] { Wake(); });
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] { Block(); });
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~StallMeter() override { QCoreApplication::instance()->removeEventFilter(this); }
    StallMeter(const StallMeter&) = delete;
    StallMeter& operator=(const StallMeter&) = delete;

    // Forgets the stalls so far; a stall under way counts from now.
    void Reset() {
        m_longestNs = 0;
        m_resetNs = m_sinceNs = m_clock.nsecsElapsed();
        m_longestFromNs = m_resetNs;
    }
    void BeginBusy() { Wake(); }
    void EndBusy() { Block(); }

    double LongestMs() const { return m_longestNs / 1e6; }
    // When the longest stall began, in milliseconds after Reset().
    double LongestBeganMs() const { return (m_longestFromNs - m_resetNs) / 1e6; }

protected:
    bool eventFilter(QObject*, QEvent*) override {
        Wake();
        return false;
    }

private:
    void Wake() {
        if (m_busy)
            return;
        m_busy = true;
        m_sinceNs = m_clock.nsecsElapsed();
    }
    void Block() {
        if (!m_busy)
            return;
        m_busy = false;
        const qint64 stallNs = m_clock.nsecsElapsed() - m_sinceNs;
        if (stallNs > m_longestNs) {
            m_longestNs = stallNs;
            m_longestFromNs = m_sinceNs;
        }
    }

    QElapsedTimer m_clock;
    bool m_busy = true; // until the loop first waits
    qint64 m_sinceNs = 0;
    qint64 m_longestNs = 0;
    qint64 m_longestFromNs = 0;
    qint64 m_resetNs = 0;
};

// Handles whatever is pending, the paints an operation caused included, until
// nothing is left (or `limitMs` has passed). Never waits for new events.
inline void ProcessUntilIdle(int limitMs = 10000) {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    while (loop.processEvents(QEventLoop::AllEvents) && clock.elapsed() < limitMs) {
    }
}

} // namespace bench
