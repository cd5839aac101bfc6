#pragma once
// What a sheet or a file exchange may use of the window to tell the user
// what it does: the parent of its dialogs, the status text and the progress
// bar. The window owns all of them.

#include "app/widgets/ProgressDisplay.h"
#include "app/widgets/StatusDisplay.h"
#include "protocol/Link.h"

class QProgressBar;
class QWidget;

struct Reporting {
    QWidget* window;           // parent of dialogs and message boxes
    StatusDisplay* status;     // status text, cleared by the status timer
    ProgressDisplay* progress; // the window's progress controller
    QProgressBar* progressBar; // for an operation's own progress controller
    gsm::IStatusSink* sink;    // the status text as the codecs write it
};
