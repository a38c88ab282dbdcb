#include "windowplacement.h"

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QMargins>
#include <QWidget>

#include <cstdlib>
#include <optional>
#include <xcb/xcb.h>

namespace WindowPlacement {

namespace {
xcb_connection_t *x11()
{
    // Only on X11 itself: the offscreen platform answers for X11 too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
}

xcb_atom_t frameExtentsAtom(xcb_connection_t *c)
{
    static const xcb_atom_t atom = [c] {
        static constexpr char kName[] = "_NET_FRAME_EXTENTS";
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, sizeof kName - 1, kName), nullptr);
        const xcb_atom_t found = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
        std::free(reply);
        return found;
    }();
    return atom;
}

// The frame's extents as the window manager has announced them on the window, in the window's own
// pixels; none until it has framed the window. Qt's own idea of the frame can miss the
// announcement and stay at none for good.
std::optional<QMargins> frameExtents(const QWidget *window)
{
    xcb_connection_t *c = x11();
    const WId id = window->internalWinId();
    if (!c || !id)
        return std::nullopt;
    xcb_get_property_reply_t *reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, xcb_window_t(id), frameExtentsAtom(c), XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<QMargins> extents;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto *v = static_cast<const uint32_t *>(xcb_get_property_value(reply)); // left, right, top, bottom
        const qreal ratio = window->devicePixelRatioF();
        extents = QMargins(qRound(v[0] / ratio), qRound(v[2] / ratio), qRound(v[1] / ratio), qRound(v[3] / ratio));
    }
    std::free(reply);
    return extents;
}

// Where the X server has the window's client area now; Qt's own idea lags behind what the window
// manager has done.
std::optional<QPoint> clientOnScreen(const QWidget *window)
{
    xcb_connection_t *c = x11();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_translate_coordinates_reply_t *reply = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, xcb_window_t(window->internalWinId()), root, 0, 0), nullptr);
    std::optional<QPoint> at;
    if (reply)
        at = QPointF(QPointF(reply->dst_x, reply->dst_y) / window->devicePixelRatioF()).toPoint();
    std::free(reply);
    return at;
}

// Puts a window's client area the frame's extents inside the wanted corner once the window manager
// has announced them, and again whenever its next configure has the window elsewhere. A child of
// the window that stays with it, listening only while it places: it goes with the window, so it
// can never touch a window that is gone (windows are created and destroyed on every show).
class FramePlacer : public QObject, public QAbstractNativeEventFilter {
public:
    static constexpr const char *kName = "brickloomFramePlacer";

    explicit FramePlacer(QWidget *window)
        : QObject(window)
        , window_(window)
        , extentsAtom_(frameExtentsAtom(x11()))
    {
        setObjectName(QLatin1String(kName));
    }

    void place(QPoint corner)
    {
        // A placement to this very corner goes on as it is: asking the X server now would wait
        // for the window manager, which holds the server while it takes in a window just shown.
        if (listening_ && corner == corner_)
            return;
        corner_ = corner;
        placings_ = 0;
        if (!listening_)
            qApp->installNativeEventFilter(this);
        listening_ = true;
        if (frameExtents(window_))
            check();
        else
            window_->move(corner); // as if it had no frame, until the window manager has spoken
    }

    // Where the frame's corner is going while a placement is under way.
    std::optional<QPoint> pendingCorner() const { return listening_ ? std::optional<QPoint>(corner_) : std::nullopt; }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        const WId own = window_->internalWinId();
        if (type != "xcb_generic_event_t" || !own)
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        switch (event->response_type & 0x7f) {
        case XCB_PROPERTY_NOTIFY: {
            const auto *notify = reinterpret_cast<const xcb_property_notify_event_t *>(event);
            if (notify->window == own && notify->atom == extentsAtom_)
                checkLater();
            break;
        }
        case XCB_CONFIGURE_NOTIFY:
            if (reinterpret_cast<const xcb_configure_notify_event_t *>(event)->window == own) {
                answered_ = true;
                checkLater();
            }
            break;
        }
        return false; // Qt still handles it, and must have done so before the check
    }

private:
    // A window manager that keeps the window elsewhere has the last word after this many tries.
    static constexpr int kMaxPlacings = 4;

    void checkLater()
    {
        if (!checkQueued_)
            QMetaObject::invokeMethod(this, [this] { check(); }, Qt::QueuedConnection);
        checkQueued_ = true;
    }

    void check()
    {
        checkQueued_ = false;
        // A move of ours is under way until the window manager's configure answers it.
        if (!listening_ || !answered_)
            return;
        const std::optional<QMargins> extents = frameExtents(window_);
        const std::optional<QPoint> at = extents ? clientOnScreen(window_) : std::nullopt;
        if (!at)
            return;
        const QPoint client = corner_ + QPoint(extents->left(), extents->top());
        // At a scale factor a frame corner between two of Qt's pixels is as near as it gets.
        const int slack = window_->devicePixelRatioF() > 1 ? 1 : 0;
        const QPoint off = *at - client;
        if ((std::abs(off.x()) <= slack && std::abs(off.y()) <= slack) || ++placings_ > kMaxPlacings) {
            qApp->removeNativeEventFilter(this);
            listening_ = false;
            return;
        }
        answered_ = false;
        window_->setGeometry(QRect(client, window_->size()));
    }

    QWidget *const window_;
    const xcb_atom_t extentsAtom_;
    QPoint corner_;
    int placings_ = 0;
    bool listening_ = false;
    bool answered_ = true;
    bool checkQueued_ = false;
};
} // namespace

void moveFrameTo(QWidget *window, QPoint screenPixel)
{
    // Offscreen and similar platforms have no frames at all: there the client area is the frame.
    if (!x11()) {
        window->move(screenPixel);
        return;
    }
    QObject *placer = window->findChild<QObject *>(QLatin1String(FramePlacer::kName), Qt::FindDirectChildrenOnly);
    if (!placer)
        placer = new FramePlacer(window);
    static_cast<FramePlacer *>(placer)->place(screenPixel);
}

namespace {
std::optional<QPoint> pendingCorner(const QWidget *window)
{
    const QObject *placer = window->findChild<QObject *>(QLatin1String(FramePlacer::kName), Qt::FindDirectChildrenOnly);
    return placer ? static_cast<const FramePlacer *>(placer)->pendingCorner() : std::nullopt;
}
} // namespace

QRect frameGeometry(const QWidget *window)
{
    const std::optional<QMargins> extents = window->isVisible() ? frameExtents(window) : std::nullopt;
    QRect frame = extents ? window->geometry().marginsAdded(*extents) : window->frameGeometry();
    // A window on its way stands where it is going: Qt's idea of the client area lags behind.
    if (const std::optional<QPoint> corner = pendingCorner(window))
        frame.moveTopLeft(*corner);
    return frame;
}

QPoint framePosition(const QWidget *window)
{
    if (const std::optional<QPoint> corner = pendingCorner(window))
        return *corner;
    return frameGeometry(window).topLeft();
}

} // namespace WindowPlacement
