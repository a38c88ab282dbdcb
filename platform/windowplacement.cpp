#include "windowplacement.h"

#include <QEvent>
#include <QTimerEvent>
#include <QWidget>

namespace WindowPlacement {

namespace {
// Until the window manager has framed a new window, Qt cannot tell how far its client area lies
// from the frame's corner, and a move places the client area; no event tells when the frame
// arrives. So once the window is shown this looks every few milliseconds, for a second at most,
// and moves the window again as soon as its frame is known, until the frame stands where asked.
class FramePlacer : public QObject {
public:
    static constexpr const char *kName = "brickloomFramePlacer";

    // A child of the window that stays with it, idle between placements: it goes with the
    // window, timer and all, so it can never touch a window that is gone (windows are created
    // and destroyed on every show).
    FramePlacer(QWidget *window, QPoint target)
        : QObject(window)
        , window_(window)
    {
        setObjectName(QLatin1String(kName));
        window->installEventFilter(this);
        retarget(target);
    }
    void retarget(QPoint target)
    {
        target_ = target;
        if (window_->isVisible())
            start();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            start();
        return false;
    }
    void timerEvent(QTimerEvent *) override
    {
        if (!window_->isVisible() || ++ticks_ > kMaxTicks) {
            finish();
            return;
        }
        if (window_->frameGeometry() == window_->geometry())
            return; // not framed yet
        if (window_->frameGeometry().topLeft() == target_)
            finish();
        else
            window_->move(target_);
    }

private:
    static constexpr int kIntervalMs = 10;
    static constexpr int kMaxTicks = 100;

    void start()
    {
        ticks_ = 0;
        if (timer_ == 0)
            timer_ = startTimer(kIntervalMs);
    }
    void finish()
    {
        killTimer(timer_);
        timer_ = 0;
    }

    QWidget *const window_;
    QPoint target_;
    int timer_ = 0;
    int ticks_ = 0;
};
} // namespace

void moveFrameTo(QWidget *window, QPoint screenPixel)
{
    window->move(screenPixel);
    const bool framed = window->isVisible() && window->frameGeometry() != window->geometry();
    if (framed)
        return;
    // Offscreen and similar platforms have no frames at all: there the client area is the frame.
    if (QObject *placer = window->findChild<QObject *>(QLatin1String(FramePlacer::kName), Qt::FindDirectChildrenOnly))
        static_cast<FramePlacer *>(placer)->retarget(screenPixel);
    else
        new FramePlacer(window, screenPixel);
}

} // namespace WindowPlacement
