#pragma once
// The system's font configuration (fontconfig on Linux) takes a few
// milliseconds to load, and the first text the window measures would wait
// for it. Loaded on a thread of its own while the application connects to
// the display, it is ready by the time the window is built. Where the
// platform has no fontconfig this does nothing.

#include <thread>

class FontWarmUp {
public:
    FontWarmUp();
    // Waits for the load, so no font is asked for while it runs.
    ~FontWarmUp();

    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    std::thread m_thread;
};
