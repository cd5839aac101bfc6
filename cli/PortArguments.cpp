#include "PortArguments.h"

#include <QCoreApplication>

#include "serial/PortList.h"

#include <QRegularExpression>

#include <cstdio>
#include <glob.h>

namespace gsm::cli {

PortExpansion ExpandPorts(const QStringList& values) {
    PortExpansion out;
    for (const QString& value : values) {
        if (!value.contains(QRegularExpression(QStringLiteral("[*?\\[]")))) {
            if (!out.ports.contains(value))
                out.ports.append(value);
            continue;
        }
        glob_t found{};
        const QByteArray pattern = value.toLocal8Bit();
        if (::glob(pattern.constData(), 0, nullptr, &found) == 0) {
            for (std::size_t i = 0; i < found.gl_pathc; ++i) {
                const QString path = QString::fromLocal8Bit(found.gl_pathv[i]);
                if (!out.ports.contains(path))
                    out.ports.append(path);
            }
        } else {
            out.unmatched.append(value);
        }
        ::globfree(&found);
    }
    return out;
}

QString PortTable() {
    if (const QString problem = PortList::AnnouncementProblem(); !problem.isEmpty())
        std::fprintf(
            stderr, "gsmgate-cli: %s\n",
            qPrintable(QCoreApplication::translate("PortArguments", "simulators not listed: %1")
                           .arg(problem)));
    QString text;
    for (const PortEntry& entry : PortList().ListPortEntries())
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(entry.path,
                         entry.description.isEmpty() ? QStringLiteral("-") : entry.description,
                         entry.usbId.isEmpty() ? QStringLiteral("-") : entry.usbId);
    return text;
}

} // namespace gsm::cli
