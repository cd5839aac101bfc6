#include "PortOpenFailure.h"

#include <QCoreApplication>
#include <QStringList>

QString PortOpenFailureDetails(const QString& failure, const QString& systemReason,
                               bool permissionDenied) {
    QStringList lines;
    const QString shown =
        QCoreApplication::translate("SerialPort", failure.toUtf8().constData()).trimmed();
    if (!shown.isEmpty())
        lines << shown;
    const QString reason = permissionDenied
                               ? QCoreApplication::translate("PortController", kDialoutHint)
                               : systemReason.trimmed();
    if (!reason.isEmpty() && !lines.contains(reason))
        lines << reason;
    return lines.join(QLatin1Char('\n'));
}
