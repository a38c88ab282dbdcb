#include "user32.h"

#include "windowplacement.h"

#include <QWidget>

namespace User32 {

void showRestored(QWidget *hWnd)
{
    // Some window managers offer to minimize a window that asks for no minimize box: shown means
    // shown, or the user could never get it back from the program.
    if (hWnd->windowState() & Qt::WindowMinimized)
        hWnd->setWindowState(hWnd->windowState() & ~Qt::WindowMinimized);
    hWnd->show();
}

bool SetWindowPos(QWidget *hWnd, int hWndInsertAfter, int x, int y, int cx, int cy, uint32_t wFlags)
{
    Q_UNUSED(cx)
    Q_UNUSED(cy)
    if (!hWnd)
        return false;
    if (hWndInsertAfter == HWND_TOPMOST && !(hWnd->windowFlags() & Qt::WindowStaysOnTopHint))
        hWnd->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    hWnd->setAttribute(Qt::WA_ShowWithoutActivating, (wFlags & SWP_NOACTIVATE) != 0);
    WindowPlacement::moveFrameTo(hWnd, {x, y});
    if (wFlags & SWP_SHOWWINDOW)
        showRestored(hWnd);
    hWnd->raise();
    return true;
}

} // namespace User32
