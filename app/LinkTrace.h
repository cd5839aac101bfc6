#pragma once
// The frame trace for support: one JSON line per frame sent or received, and
// per request that timed out or lost its link, written to a file given with
// --trace and to the logging category "gsm.link".

#include "Exchange.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QString>

Q_DECLARE_LOGGING_CATEGORY(lcLink)

class LinkTrace : public gsm::ILinkTrace {
public:
    LinkTrace();

    // Starts writing to `path` (truncated). False, with the reason in
    // `failure`, when the file cannot be opened.
    bool OpenFile(const QString& path, QString* failure);
    // True when anything would be written: a file is open or the category
    // is enabled for debug output.
    bool Active() const;

    void Record(const gsm::TraceEvent& event) override;

    // The JSON object of one event, without the line break.
    static QByteArray Line(qint64 timeMs, const gsm::TraceEvent& event);

private:
    QElapsedTimer m_clock;
    QFile m_file;
};
