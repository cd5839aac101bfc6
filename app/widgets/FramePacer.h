#pragma once
// Shows changes with the next frame: the first change after a quiet spell on
// the next pass of the event loop, later ones at most once per frame. A
// transfer changes the window with every page and a sort with every row;
// painting each change would take longer than the work itself.

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

class FramePacer {
public:
    // About one screen refresh.
    static constexpr int kFrameMs = 16;

    explicit FramePacer(std::function<void()> show);

    // Something changed: `show` runs with the next frame.
    void Request();
    // Runs `show` now if a change waits for it.
    void ShowNow();
    // Whether a change waits for the next frame.
    bool Pending() const { return m_timer.isActive(); }

private:
    void Show();

    std::function<void()> m_show;
    QTimer m_timer;
    QElapsedTimer m_sinceShown;
};
