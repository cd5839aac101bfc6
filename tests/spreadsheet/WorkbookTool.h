#pragma once
// Runs workbook_tool.py (Debian's python3 with openpyxl) beside this file: the
// independent reader and writer the workbook tests check against. QProcess
// needs an application object: GUI tests have theirs, the others include
// CoreApp.h.

#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

namespace gsm::test {

inline QString WorkbookToolPath() {
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() + QStringLiteral("/workbook_tool.py");
}

// The tool's standard output; fails the test when it does not run cleanly.
inline QByteArray RunWorkbookTool(const QStringList& arguments) {
    QProcess tool;
    tool.start(QStringLiteral("/usr/bin/python3"), QStringList{WorkbookToolPath()} + arguments);
    const bool finished = tool.waitForFinished(30000);
    EXPECT_TRUE(finished && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0)
        << "workbook_tool.py " << arguments.join(QLatin1Char(' ')).toStdString() << ": "
        << tool.readAllStandardError().toStdString();
    return tool.readAllStandardOutput();
}

// {"sheets": [...], "cells": {"A1": {"value", "type", "format"}}, "widths": {"1": w}}
inline QJsonObject DumpWithOpenpyxl(const QString& path) {
    return QJsonDocument::fromJson(RunWorkbookTool({QStringLiteral("dump"), path})).object();
}

} // namespace gsm::test
