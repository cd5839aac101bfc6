#pragma once
// One progress line per device on stderr: on a terminal the lines are
// redrawn in place with a bar; otherwise each change of phase, each backup
// path and each result is one plain line, so logs stay readable.

#include "DeviceJob.h"

#include <QElapsedTimer>
#include <QHash>
#include <QStringList>

#include <cstdio>

namespace gsm::cli {

class ProgressBoard : public JobReporter {
public:
    ProgressBoard(const QStringList& ports, bool live, std::FILE* out = stderr);

    void Phase(const QString& port, const QString& phase) override;
    void Progress(const QString& port, int done, int total) override;
    void Note(const QString& port, const QString& text) override;
    void Finished(const JobResult& result) override;

private:
    struct Line {
        QString phase;
        int done = 0;
        int total = 0;
    };
    QString Render(const QString& port, const Line& line) const;
    void Redraw();
    void Plain(const QString& text);

    QStringList m_ports;
    QHash<QString, Line> m_lines;
    bool m_live;
    std::FILE* m_out;
    bool m_drawn = false;
    // Page counts redraw the board at most this often; phases at once.
    QElapsedTimer m_sinceRedraw;
    int m_width = 0; // width of the port column
};

} // namespace gsm::cli
