#pragma once
// Runs gsmgate-cli as a shell would and keeps what it printed.

#include "support/SimProcess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace gsm::test {

struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;

    // The --json summary's row for `port`.
    QJsonObject Device(const QString& port) const {
        const QJsonArray devices =
            QJsonDocument::fromJson(out.toUtf8()).object()["devices"].toArray();
        for (const auto& d : devices)
            if (d.toObject()["port"].toString() == port)
                return d.toObject();
        return {};
    }
};

inline CliRun RunCli(const QStringList& args, const QString& password = {}) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("GSMGATE_PASSWORD"));
    if (!password.isEmpty())
        env.insert(QStringLiteral("GSMGATE_PASSWORD"), password);
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(GSM_CLI_BIN_PATH), args);
    CliRun run;
    if (!process.waitForFinished(120000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace gsm::test
