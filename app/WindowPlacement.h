#pragma once
// Where the program's windows open on a screen of sw x sh pixels. Integer
// halves truncate toward zero, also when the window is larger than the screen.

#include <QPoint>

// The main window sits centred, 40 pixels of taskbar taken off the height.
constexpr QPoint CentredTopLeft(int screenW, int screenH, int winW, int winH) {
    return {(screenW - winW) / 2, (screenH - winH - 40) / 2};
}

// Read confirmations open at a fixed spot near the middle of the screen.
constexpr QPoint ConfirmDialogTopLeft(int screenW, int screenH) {
    return {(screenW - 200) / 2, (screenH - 200) / 2};
}
