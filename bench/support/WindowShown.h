#pragma once
// Handles events until the window shows everything the program wrote into it:
// the status texts and grid cells, which it takes with the next frame, and the
// repaints they cause. What a user waits for ends there.

#include "Form1Ui.h"
#include "FramePacer.h"
#include "GridModel.h"
#include "StallMeter.h"
#include "StatusBar.h"
#include "StringGrid.h"
#include "Unit1.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace bench {

inline bool WrittenAllShown(const TForm1& form) {
    const Form1Ui& ui = form.Ui();
    return ui.stat1->TextsShown() && ui.strngrd_write->Model().AllAnnounced() &&
           ui.strngrd3->Model().AllAnnounced() && ui.strngrd4->Model().AllAnnounced();
}

// Runs the event loop for a quiet spell longer than a frame, as passes between
// a user's clicks: the window shows the first change after such a spell on the
// next pass, and later ones at most once per frame.
inline void QuietSpell() {
    QEventLoop loop;
    QTimer::singleShot(FramePacer::kFrameMs * 2, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void ProcessUntilShown(const TForm1& form, int limitMs = 10000) {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    while (!WrittenAllShown(form) && clock.elapsed() < limitMs)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    ProcessUntilIdle();
}

} // namespace bench
