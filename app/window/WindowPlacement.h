#pragma once
// Where the program's windows open on a screen of sw x sh pixels. Integer
// halves truncate toward zero, also when the window is larger than the screen.

#include <QPoint>
#include <QRect>
#include <QSize>

#include <algorithm>

// The main window sits centred, 40 pixels of taskbar taken off the height.
constexpr QPoint CentredTopLeft(int screenW, int screenH, int winW, int winH) {
    return {(screenW - winW) / 2, (screenH - winH - 40) / 2};
}

// Read confirmations open at a fixed spot near the middle of the screen.
constexpr QPoint ConfirmDialogTopLeft(int screenW, int screenH) {
    return {(screenW - 200) / 2, (screenH - 200) / 2};
}

// Room a window manager takes around the client area: frame and title bar.
inline constexpr QSize kWindowFrameAllowance{16, 40};

// Where the main window's client area of `layout` size goes on a screen of
// `screen` whose free area (without panels and task bars) is `area`.
struct WindowFit {
    QRect client;   // position of the window and size of its client area
    bool resizable; // the layout did not fit whole
};

// Where the area holds the whole layout the window opens at its given size,
// centred as ever. Otherwise it takes as much of the area as the layout
// needs, centred in it, and the user may resize it: the sheets scroll.
constexpr WindowFit FitWindow(const QRect& screen, const QRect& area, const QSize& layout) {
    const QSize room = area.size() - kWindowFrameAllowance;
    if (room.width() >= layout.width() && room.height() >= layout.height())
        return {
            QRect(CentredTopLeft(screen.width(), screen.height(), layout.width(), layout.height()),
                  layout),
            false};
    const QSize size(std::min(room.width(), layout.width()),
                     std::min(room.height(), layout.height()));
    const QPoint topLeft(
        area.left() + (area.width() - size.width() - kWindowFrameAllowance.width()) / 2,
        area.top() + (area.height() - size.height() - kWindowFrameAllowance.height()) / 2);
    return {QRect(topLeft, size), true};
}
