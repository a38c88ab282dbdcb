#include "user32.h"

#include "windowplacement.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace User32 {

namespace {
class KeptRestored : public QObject {
public:
    KeptRestored(QWidget *window, QWidget *frame)
        : QObject(window)
        , window_(window)
        , frame_(frame)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // The frame's own change may arrive just after the window's.
        if (event->type() == QEvent::WindowStateChange && window_->isMinimized())
            QTimer::singleShot(kFrameSettlesMs, this, [this] {
                if (!window_->isMinimized() || !window_->isVisible() || (frame_ && frame_->isMinimized()))
                    return;
                // Some window managers (openbox) give the keyboard to a window they bring back:
                // while the program has it, it stays with the frame or its dialog.
                const bool programHasKeyboard = QApplication::activeWindow() != nullptr;
                showRestored(window_);
                QWidget *keyboard = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : frame_.data();
                if (programHasKeyboard && keyboard)
                    keyboard->activateWindow();
            });
        return false;
    }

private:
    static constexpr int kFrameSettlesMs = 150;
    QWidget *window_;
    QPointer<QWidget> frame_;
};
} // namespace

void showRestored(QWidget *hWnd)
{
    // Some window managers offer to minimize a window that asks for no minimize box: shown means
    // shown, or the user could never get it back from the program.
    if (hWnd->windowState() & Qt::WindowMinimized)
        hWnd->setWindowState(hWnd->windowState() & ~Qt::WindowMinimized);
    hWnd->show();
}

void keepRestored(QWidget *hWnd, QWidget *frame)
{
    new KeptRestored(hWnd, frame);
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
