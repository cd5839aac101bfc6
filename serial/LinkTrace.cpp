#include "LinkTrace.h"

#include "files/PrivateFolder.h"

#include <QJsonDocument>
#include <QJsonObject>

Q_LOGGING_CATEGORY(lcLink, "gsm.link", QtWarningMsg)

namespace {

QString DirectionText(gsm::TraceEvent::Direction direction) {
    switch (direction) {
    case gsm::TraceEvent::Direction::Out:
        return QStringLiteral("out");
    case gsm::TraceEvent::Direction::In:
        return QStringLiteral("in");
    case gsm::TraceEvent::Direction::None:
        break;
    }
    return QStringLiteral("none");
}

QString HexNumber(quint32 value, int digits) {
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

} // namespace

LinkTrace::LinkTrace() {
    m_clock.start();
}

bool LinkTrace::OpenFile(const QString& path, QString* failure) {
    return gsm::files::OpenPrivateStream(m_file, path, failure);
}

bool LinkTrace::Active() const {
    return m_file.isOpen() || lcLink().isDebugEnabled();
}

QByteArray LinkTrace::Line(qint64 timeMs, const QString& port, const gsm::TraceEvent& event) {
    QJsonObject line{
        {QStringLiteral("time_ms"), timeMs},
        {QStringLiteral("port"), port},
        {QStringLiteral("direction"), DirectionText(event.direction)},
        {QStringLiteral("command"), HexNumber(event.command, 2)},
        {QStringLiteral("address"), HexNumber(event.address, 8)},
        {QStringLiteral("length"), event.length},
        {QStringLiteral("bytes"), QString::fromStdString(event.hex)},
        {QStringLiteral("verdict"), QString::fromStdString(gsm::VerdictText(event.verdict))},
    };
    return QJsonDocument(line).toJson(QJsonDocument::Compact);
}

void LinkTrace::Record(const QString& port, const gsm::TraceEvent& event) {
    const QByteArray line = Line(m_clock.elapsed(), port, event);
    qCDebug(lcLink).noquote() << line;
    if (!m_file.isOpen())
        return;
    m_file.write(line);
    m_file.write("\n");
    // A trace is read after something went wrong, often after a crash.
    m_file.flush();
}
