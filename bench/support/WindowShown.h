#pragma once
// Handles events until the window shows everything the program wrote into it:
// the status texts and grid cells, which it takes with the next frame, and the
// repaints they cause. What a user waits for ends there.

#include "StallMeter.h"
#include "app/widgets/FramePacer.h"
#include "app/widgets/GridModel.h"
#include "app/widgets/StatusBar.h"
#include "app/widgets/StringGrid.h"
#include "app/window/MainWindow.h"
#include "app/window/MainWindowControls.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

namespace bench {

inline bool WrittenAllShown(const MainWindow& form) {
    const MainWindowControls& ui = form.Controls();
    return ui.statusPanels->TextsShown() && ui.settingsGrid->Model().AllAnnounced() &&
           ui.numbersGrid->Model().AllAnnounced() && ui.historyGrid->Model().AllAnnounced();
}

// Runs the event loop for a quiet spell longer than a frame, as passes between
// a user's clicks: the window shows the first change after such a spell on the
// next pass, and later ones at most once per frame.
inline void QuietSpell() {
    QEventLoop loop;
    QTimer::singleShot(FramePacer::kFrameMs * 2, &loop, &QEventLoop::quit);
    loop.exec();
}

inline void ProcessUntilShown(const MainWindow& form, int limitMs = 10000) {
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    while (!WrittenAllShown(form) && clock.elapsed() < limitMs)
        loop.processEvents(QEventLoop::WaitForMoreEvents);
    ProcessUntilIdle();
}

} // namespace bench
