#include "ProgressBoard.h"

#include <QCoreApplication>

namespace gsm::cli {

namespace {
constexpr int kBarWidth = 30;
constexpr qint64 kRedrawMs = 100;
} // namespace

ProgressBoard::ProgressBoard(const QStringList& ports, bool live, std::FILE* out)
    : m_ports(ports), m_live(live), m_out(out) {
    for (const QString& port : ports) {
        m_lines.insert(port, Line{QCoreApplication::translate("ProgressBoard", "waiting"), 0, 0});
        m_width = std::max(m_width, static_cast<int>(port.size()));
    }
}

QString ProgressBoard::Render(const QString& port, const Line& line) const {
    QString text = port.leftJustified(m_width) + QStringLiteral("  ");
    if (line.total > 0) {
        const int filled = line.done * kBarWidth / line.total;
        text += QLatin1Char('[') + QString(filled, QLatin1Char('#')) +
                QString(kBarWidth - filled, QLatin1Char('.')) + QStringLiteral("] ") +
                QStringLiteral("%1/%2 ").arg(line.done, 3).arg(line.total);
    }
    return text + line.phase;
}

void ProgressBoard::Redraw() {
    // Back to the first line of the board, then every line anew.
    if (m_drawn)
        std::fprintf(m_out, "\033[%dA", static_cast<int>(m_ports.size()));
    for (const QString& port : m_ports)
        std::fprintf(m_out, "\r\033[2K%s\n", qPrintable(Render(port, m_lines.value(port))));
    std::fflush(m_out);
    m_drawn = true;
    m_sinceRedraw.start();
}

void ProgressBoard::Plain(const QString& text) {
    std::fprintf(m_out, "%s\n", qPrintable(text));
    std::fflush(m_out);
}

void ProgressBoard::Phase(const QString& port, const QString& phase) {
    m_lines[port] = Line{phase, 0, 0};
    if (m_live)
        Redraw();
    else
        Plain(QStringLiteral("%1: %2").arg(port, phase));
}

void ProgressBoard::Progress(const QString& port, int done, int total) {
    Line& line = m_lines[port];
    line.done = done;
    line.total = total;
    if (m_live && (!m_sinceRedraw.isValid() || m_sinceRedraw.elapsed() >= kRedrawMs))
        Redraw();
}

void ProgressBoard::Note(const QString& port, const QString& text) {
    if (!m_live) {
        Plain(QStringLiteral("%1: %2").arg(port, text));
        return;
    }
    m_lines[port].phase = text;
    Redraw();
}

void ProgressBoard::Finished(const JobResult& result) {
    m_lines[result.port] = Line{result.ok ? QCoreApplication::translate("ProgressBoard", "done")
                                          : QCoreApplication::translate("ProgressBoard", "FAILED"),
                                0, 0};
    if (m_live)
        Redraw();
    else
        Plain(QStringLiteral("%1: %2").arg(
            result.port, result.ok ? QCoreApplication::translate("ProgressBoard", "done")
                                   : QCoreApplication::translate("ProgressBoard", "failed")));
}

} // namespace gsm::cli
