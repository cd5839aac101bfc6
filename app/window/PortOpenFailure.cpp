#include "PortOpenFailure.h"

#include <QStringList>

QString PortOpenFailureDetails(const QString& failure, const QString& systemReason,
                               bool permissionDenied) {
    QStringList lines;
    if (!failure.trimmed().isEmpty())
        lines << failure.trimmed();
    const QString reason =
        permissionDenied ? QString::fromUtf8(kDialoutHint) : systemReason.trimmed();
    if (!reason.isEmpty() && !lines.contains(reason))
        lines << reason;
    return lines.join(QLatin1Char('\n'));
}
