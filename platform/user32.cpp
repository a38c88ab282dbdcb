#include "user32.h"

#include "windowplacement.h"

#include <QWidget>

namespace User32 {

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
        hWnd->show();
    hWnd->raise();
    return true;
}

} // namespace User32
