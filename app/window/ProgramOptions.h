#pragma once
// The program's command line: --help, --version, --trace FILE,
// --language CODE and --report-first-frame. The language (--language, else
// the user's locale) is put in place before anything is said.
//
//   int main(int argc, char* argv[]) {
//       if (const std::optional<int> code = AnswerWithoutWindow(argc, argv))
//           return *code;
//       QApplication app(argc, argv);
//       const ProgramOptions options = ProgramOptionsOrExit(app.arguments());
//
// --help, --version and wrong command lines are answered before the window's
// application object exists, so they need no display at all. Qt's own
// window-system options (-platform NAME, -style NAME, ...) are let through.

#include <QString>
#include <QStringList>

#include <optional>

struct ProgramOptions {
    QString traceFile; // empty: no frame trace
    // Print when the window's first frame was painted, then quit (start-up
    // benchmarks).
    bool reportFirstFrame = false;
};

struct OptionsParse {
    enum class Outcome { Run, Help, Version, Error };
    Outcome outcome = Outcome::Run;
    ProgramOptions options;
    QString text; // printed for Help and Version (stdout) and Error (stderr)
};

// Parses `arguments` (the program name first). Needs a QCoreApplication.
OptionsParse ParseProgramOptions(const QStringList& arguments);

// Prints the help, the version or what is wrong with the command line and
// returns the exit code (0, or 2 for a wrong one); nullopt when the program
// is to start.
std::optional<int> AnswerWithoutWindow(int argc, char* argv[]);

// The options of the program about to start, read again once the window's
// application object took its own; a wrong command line is reported on
// stderr and ends the process with exit code 2.
ProgramOptions ProgramOptionsOrExit(const QStringList& arguments);
