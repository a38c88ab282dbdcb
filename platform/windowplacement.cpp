#include "windowplacement.h"

#include <QEvent>
#include <QTimerEvent>
#include <QVariant>
#include <QWidget>

namespace WindowPlacement {

namespace {
// Until the window manager has framed a new window, Qt cannot tell how far its client area lies
// from the frame's corner, and a move places the client area; no event tells when the frame
// arrives. So once the window is shown this looks every few milliseconds, for a second at most,
// and moves the window again as soon as its frame is known, until the frame stands where asked.
class FramePlacer : public QObject {
public:
    static constexpr const char *kProperty = "brickloomFramePlacer";

    FramePlacer(QWidget *window, QPoint target)
        : window_(window)
        , target_(target)
    {
        window->installEventFilter(this);
        window->setProperty(kProperty, QVariant::fromValue<QObject *>(this));
        connect(window, &QObject::destroyed, this, &QObject::deleteLater);
        if (window->isVisible())
            start();
    }
    void retarget(QPoint target) { target_ = target; }

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
        window_->removeEventFilter(this);
        window_->setProperty(kProperty, QVariant());
        deleteLater();
        killTimer(timer_);
        timer_ = 0;
    }

    QWidget *window_;
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
    if (auto *placer = static_cast<FramePlacer *>(window->property(FramePlacer::kProperty).value<QObject *>()))
        placer->retarget(screenPixel);
    else
        new FramePlacer(window, screenPixel);
}

} // namespace WindowPlacement
