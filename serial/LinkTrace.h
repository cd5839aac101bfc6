#pragma once
// The frame trace for support: one JSON line per frame sent or received, and
// per request that timed out or lost its link, written to the file given
// with --trace (gsmgate and gsmgate-cli alike) and to the logging category
// "gsm.link". Each line names the port, so the lines of several devices
// written into one file can be told apart.

#include "protocol/Exchange.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QString>

#include <functional>

Q_DECLARE_LOGGING_CATEGORY(lcLink)

class LinkTrace {
public:
    LinkTrace();

    // Starts writing to `path`, emptied first and readable by its owner
    // alone. False, with the reason in `failure`, when it cannot be opened.
    bool OpenFile(const QString& path, QString* failure);
    // True when anything would be written: a file is open or the category
    // is enabled for debug output.
    bool Active() const;

    void Record(const QString& port, const gsm::TraceEvent& event);

    // The JSON object of one event, without the line break.
    static QByteArray Line(qint64 timeMs, const QString& port, const gsm::TraceEvent& event);

private:
    QElapsedTimer m_clock;
    QFile m_file;
};

// What the exchange of the device on one port records, into a shared trace.
class PortTrace : public gsm::ILinkTrace {
public:
    // `port` names the port at the time of each event: the window's may change.
    PortTrace(LinkTrace& trace, std::function<QString()> port)
        : m_trace(trace), m_port(std::move(port)) {}

    void Record(const gsm::TraceEvent& event) override { m_trace.Record(m_port(), event); }

private:
    LinkTrace& m_trace;
    std::function<QString()> m_port;
};
