#pragma once
// The one system call the work area makes to keep the palette above every other window.

#include <cstdint>

class QWidget;

namespace User32 {

inline constexpr int HWND_TOPMOST = -1;
inline constexpr uint32_t SWP_NOACTIVATE = 0x10;
inline constexpr uint32_t SWP_SHOWWINDOW = 0x40;

// Shows `hWnd` with its outer frame at pixel (x, y), above all other windows, without taking the
// focus from the window that has it. The window keeps a fixed client size, so (cx, cy) only tell
// the outer size it was designed for. The window must have been created with
// Qt::WindowStaysOnTopHint; the window manager keeps it above the others from then on.
bool SetWindowPos(QWidget *hWnd, int hWndInsertAfter, int x, int y, int cx, int cy, uint32_t wFlags);

// Shows `hWnd`, taking it out of the minimized state first if a window manager put it there.
void showRestored(QWidget *hWnd);

// From now on `hWnd` comes back at once whenever a window manager minimizes it while it is shown,
// unless `frame` went down with it: the two come back together.
void keepRestored(QWidget *hWnd, QWidget *frame);

} // namespace User32
