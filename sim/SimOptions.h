#pragma once
// The simulator program's command line.

#include "Faults.h"
#include "SimRunner.h"

#include <QString>
#include <QStringList>

namespace gsm::sim {

struct SimOptions {
    bool pty = false;
    QString scenario = "factory";
    QString dumpPath;
    QString logPath;
    QString timingPath;
    FaultPlan faults;
    ReplyTiming timing;
};

struct ParsedOptions {
    enum class Outcome { Run, Help, Error };
    Outcome outcome = Outcome::Run;
    SimOptions options;
    QString error; // for Error
};

// arguments include the program name first, as QCoreApplication gives them.
ParsedOptions ParseOptions(const QStringList& arguments);
QString HelpText();

// Exit codes of gsmgate-sim.
inline constexpr int kExitClean = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitBadOptions = 2;

} // namespace gsm::sim
