#pragma once
// Legacy .xls files are read in a process of their own. The legacy reader
// library trusts what a file says (a crafted one has made it read outside
// its buffers), so it never runs inside the programs: gsmgate-xls-reader
// reads the file under limits on address space, processor time and output
// set before it starts, and hands back the cells over a pipe, and the program
// checks every field of that answer (XlsStreamParser.h). A reader that
// crashes, reaches a limit, outlives its time or answers anything malformed
// makes the file "cannot be read"; nothing else happens.
//
// The reader is found beside the running program (in a build tree), or in
// ../libexec/gsmgate beside it (installed). Two environment variables are
// for tests:
//   GSMGATE_XLS_READER          the reader program to run instead
//   GSMGATE_XLS_READER_SECONDS  a shorter processor and wall-clock limit

#include "ReadLimits.h"
#include "Sheet.h"

#include <QString>

namespace gsm {

inline constexpr const char* kXlsReaderName = "gsmgate-xls-reader";
inline constexpr const char* kXlsReaderVariable = "GSMGATE_XLS_READER";
inline constexpr const char* kXlsSecondsVariable = "GSMGATE_XLS_READER_SECONDS";

struct XlsReaderLimits {
    qint64 addressSpaceBytes = limits::kXlsAddressSpaceBytes;
    int cpuSeconds = limits::kXlsCpuSeconds;
    int wallSeconds = limits::kXlsWallSeconds;
    qint64 outputBytes = limits::kXlsOutputBytes;

    // The defaults, with the time limits shortened (never lengthened) by
    // GSMGATE_XLS_READER_SECONDS.
    static XlsReaderLimits FromEnvironment();
};

// The reader program to start; empty when there is none.
QString XlsReaderProgram();

SheetRead ReadXlsInSandbox(const QString& path, const SheetBounds& bounds);

} // namespace gsm
