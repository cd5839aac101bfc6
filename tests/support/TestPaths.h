#pragma once
// Where tests find the simulator program and their data files. The build
// compiles the paths in; the environment may override them.

#include <QString>
#include <QtGlobal>

namespace gsm::test {

inline QString SimBinaryPath() {
    const QString named = qEnvironmentVariable("GSM_SIM_BIN");
    if (!named.isEmpty())
        return named;
#ifdef GSM_SIM_BIN_PATH
    return QStringLiteral(GSM_SIM_BIN_PATH);
#else
    return {};
#endif
}

inline QString TestDataDir() {
    const QString named = qEnvironmentVariable("GSM_TEST_DATA");
    if (!named.isEmpty())
        return named;
    return QStringLiteral(GSM_TEST_DATA_DIR);
}

} // namespace gsm::test
