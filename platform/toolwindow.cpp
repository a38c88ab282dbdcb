#include "toolwindow.h"

#include "westonxwm.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <optional>

namespace ToolWindow {

namespace {

constexpr const char *kCaptionHeight = "brickloomCaptionHeight";

// The title bar the window would have had: its title, whole, and a close button; pressing
// anywhere else lets the compositor move the window, or, with no window manager to ask, moves it
// here.
class Caption : public QWidget {
public:
    explicit Caption(QWidget *tool)
        : QWidget(tool)
    {
        setObjectName(QStringLiteral("ToolCaption"));
    }
    int preferredHeight() const { return fontMetrics().height() + 6; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        // The application's colours, not the tool's own (the palette's are black).
        const QPalette colours = QApplication::palette();
        QPainter p(this);
        p.fillRect(rect(), colours.color(QPalette::Window));
        p.fillRect(QRect(0, height() - 1, width(), 1), colours.color(QPalette::Mid));
        p.setPen(colours.color(QPalette::WindowText));
        p.drawText(rect().adjusted(height(), 0, -height(), 0), Qt::AlignCenter, window()->windowTitle());
        const QRectF cross = QRectF(closeRect()).adjusted(5.5, 5.5, -5.5, -5.5);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(colours.color(QPalette::WindowText), 1.5));
        p.drawLine(cross.topLeft(), cross.bottomRight());
        p.drawLine(cross.bottomLeft(), cross.topRight());
    }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        closing_ = closeRect().contains(event->position().toPoint());
        if (closing_)
            return;
        if (window()->windowFlags() & Qt::BypassWindowManagerHint)
            grabbedAt_ = event->globalPosition().toPoint() - window()->pos();
        else
            window()->windowHandle()->startSystemMove();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (grabbedAt_)
            window()->move(event->globalPosition().toPoint() - *grabbedAt_);
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (closing_ && closeRect().contains(event->position().toPoint()))
            window()->close();
        closing_ = false;
        grabbedAt_.reset();
    }

private:
    QRect closeRect() const { return {width() - height(), 0, height(), height()}; }

    bool closing_ = false;
    std::optional<QPoint> grabbedAt_;
};

// Nothing in the tool takes Qt's keyboard focus, not even on a click: while the owner is Qt's
// active window, a focused button of the tool would keep the owner's shortcuts from matching.
void takeNoFocus(QWidget *widget)
{
    widget->setFocusPolicy(Qt::NoFocus);
    for (QWidget *child : widget->findChildren<QWidget *>())
        child->setFocusPolicy(Qt::NoFocus);
}

// Compositors give the keyboard to the windows they map, and to the tool when it is clicked
// (weston also when its owner is); the program gives it back to its owner, in a queued call, as
// the activation is still being delivered. Keys the compositor keeps sending to the tool go on to
// the window the program made active.
// When the owner minimizes itself (through Qt's own title bar) the tool goes too, until the
// owner is active again: not every compositor takes a transient window along, and Qt never
// learns that its window came back.
class Attachment : public QObject {
public:
    Attachment(QWidget *tool, QWidget *owner)
        : QObject(tool)
        , tool_(tool)
        , owner_(owner)
    {
        tool->installEventFilter(this);
        tool->windowHandle()->installEventFilter(this);
        owner->installEventFilter(this);
        connect(owner->windowHandle(), &QWindow::windowStateChanged, this, [this](Qt::WindowState state) {
            if (state == Qt::WindowMinimized && tool_ && tool_->isVisible()) {
                tool_->hide();
                hiddenWithOwner_ = true;
            }
        });
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::WindowActivate:
            if (watched == tool_)
                QMetaObject::invokeMethod(this, &Attachment::handBack, Qt::QueuedConnection);
            if (watched == owner_ && hiddenWithOwner_ && tool_) {
                hiddenWithOwner_ = false;
                tool_->show();
            }
            return false;
        case QEvent::ChildPolished:
            if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()); child && watched == tool_)
                takeNoFocus(child);
            return false;
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
            if (QWidget *active = QApplication::activeWindow();
                tool_ && watched == tool_->windowHandle() && active && active != tool_ && active->windowHandle()) {
                QCoreApplication::sendEvent(active->windowHandle(), event);
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    void handBack()
    {
        QWidget *to = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : owner_.data();
        if (!tool_ || QApplication::activeWindow() != tool_ || !to || !to->isVisible())
            return;
        // Qt's own idea of the active window decides where keys and shortcuts go. Asking the
        // compositor instead (activateWindow) needs xdg-activation, which weston 10 lacks: there
        // it only prints a warning.
        QT_WARNING_PUSH
        QT_WARNING_DISABLE_DEPRECATED
        QApplication::setActiveWindow(to);
        QT_WARNING_POP
    }

    QPointer<QWidget> tool_;
    QPointer<QWidget> owner_;
    bool hiddenWithOwner_ = false;
};

} // namespace

bool onWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void floatOver(QWidget *tool, QWidget *owner)
{
    if (!owner)
        return;
    // weston's X11 window manager draws a tool window away from where X has it (westonxwm.h):
    // there the tool does without it, with a caption of its own as on Wayland.
    const bool bypass = !onWayland() && WestonXwm::isRunning();
    if (!onWayland() && !bypass)
        return;
    // Qt drops the frameless hint while any title bar button is asked for.
    const Qt::WindowFlags titleBar = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                                     | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint;
    tool->setWindowFlags((tool->windowFlags() & ~titleBar) | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus
                         | (bypass ? Qt::BypassWindowManagerHint : Qt::WindowFlags()));

    takeNoFocus(tool);
    auto *caption = new Caption(tool);
    const int height = caption->preferredHeight();
    for (QWidget *child : tool->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child != caption)
            child->move(child->x(), child->y() + height);
    }
    caption->setGeometry(0, 0, tool->width(), height);
    tool->setFixedSize(tool->width(), tool->height() + height);
    tool->setProperty(kCaptionHeight, height);

    // The transient parent goes to the compositor with the window itself, so it is set before
    // the first show.
    tool->winId();
    owner->window()->winId();
    tool->windowHandle()->setTransientParent(owner->window()->windowHandle());
    new Attachment(tool, owner->window());
    if (bypass)
        WestonXwm::keepAbove(tool, owner->window());
}

int captionHeight(const QWidget *tool)
{
    return tool->property(kCaptionHeight).toInt();
}

QPoint openingSpot(const QWidget *tool, QPoint designed)
{
    const QWindow *window = tool->windowHandle();
    const QWindow *owner = window && onWayland() ? window->transientParent() : nullptr;
    return owner ? owner->frameGeometry().topRight() + QPoint(1, 0) : designed;
}

} // namespace ToolWindow
