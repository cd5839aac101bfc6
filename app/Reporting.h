#pragma once
// What a sheet or a file exchange may use of the window to tell the user
// what it does: the parent of its dialogs, the status text and the progress
// bar. The window owns all of them.

#include "Controllers.h"
#include "Link.h"

class QProgressBar;
class QWidget;

struct Reporting {
    QWidget* window;             // parent of dialogs and message boxes
    Tstatusbar_ctrl* status;     // status text, cleared by the status timer
    Tprogressbar_ctrl* progress; // the window's progress controller
    QProgressBar* progressBar;   // for an operation's own progress controller
    gsm::IStatusSink* sink;      // the status text as the codecs write it
};
