#include "westonxwm.h"

#include <QAbstractNativeEventFilter>
#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace WestonXwm {

namespace {

xcb_connection_t *connection()
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

// A reply, or none when the request failed: the error is dropped here, since Qt would print it.
template <typename T, typename Cookie>
Reply<T> reply(T *(*get)(xcb_connection_t *, Cookie, xcb_generic_error_t **), xcb_connection_t *c, Cookie cookie)
{
    xcb_generic_error_t *error = nullptr;
    Reply<T> answer(get(c, cookie, &error), &std::free);
    std::free(error);
    return answer;
}

struct Atoms {
    xcb_atom_t wmCheck, wmName, utf8;
};

// An atom's number lasts as long as the server: the three are asked for once, in one round trip
// (the palette asks whenever it is made, and it is made while its work area opens).
const Atoms &atoms(xcb_connection_t *c)
{
    static const Atoms known = [c] {
        const char *const names[] = {"_NET_SUPPORTING_WM_CHECK", "_NET_WM_NAME", "UTF8_STRING"};
        xcb_intern_atom_cookie_t cookies[3];
        for (int i = 0; i < 3; ++i)
            cookies[i] = xcb_intern_atom(c, 0, uint16_t(std::strlen(names[i])), names[i]);
        xcb_atom_t found[3];
        for (int i = 0; i < 3; ++i) {
            const auto answer = reply(xcb_intern_atom_reply, c, cookies[i]);
            found[i] = answer ? answer->atom : xcb_atom_t(XCB_ATOM_NONE);
        }
        return Atoms{found[0], found[1], found[2]};
    }();
    return known;
}

QByteArray property(xcb_connection_t *c, xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
{
    const auto answer = reply(xcb_get_property_reply, c, xcb_get_property(c, 0, window, name, type, 0, 64));
    if (!answer || answer->type != type)
        return {};
    return {static_cast<const char *>(xcb_get_property_value(answer.get())), xcb_get_property_value_length(answer.get())};
}

// The child of the root window that holds `window`: the window manager's frame, once it has one.
xcb_window_t topLevel(xcb_connection_t *c, xcb_window_t window)
{
    for (;;) {
        const auto tree = reply(xcb_query_tree_reply, c, xcb_query_tree(c, window));
        if (!tree || tree->parent == XCB_WINDOW_NONE)
            return XCB_WINDOW_NONE;
        if (tree->parent == tree->root)
            return window;
        window = tree->parent;
    }
}

class Raiser : public QObject, public QAbstractNativeEventFilter {
public:
    Raiser(QWidget *tool, QWidget *owner)
        : QObject(tool)
        , tool_(tool)
        , owner_(owner)
    {
        tool->installEventFilter(this);
        qApp->installNativeEventFilter(this);
    }

    bool nativeEventFilter(const QByteArray &type, void *message, qintptr *) override
    {
        if (type != "xcb_generic_event_t" || frame_ == XCB_WINDOW_NONE)
            return false;
        const auto *event = static_cast<const xcb_generic_event_t *>(message);
        if ((event->response_type & 0x7f) == XCB_CONFIGURE_NOTIFY
            && reinterpret_cast<const xcb_configure_notify_event_t *>(event)->event == frame_ && tool_->isVisible())
            tool_->raise();
        return false; // Qt has no window of that id and passes it by
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Show)
            watchFrame();
        return false;
    }

private:
    // The owner may have a new frame since the tool was last shown.
    void watchFrame()
    {
        xcb_connection_t *c = connection();
        if (!c || !owner_ || !owner_->windowHandle())
            return;
        const auto own = xcb_window_t(owner_->winId());
        const xcb_window_t frame = topLevel(c, own);
        // Unframed, the owner's own window: its events are Qt's to ask for.
        if (frame == XCB_WINDOW_NONE || frame == own || frame == frame_)
            return;
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        std::free(xcb_request_check(c, xcb_change_window_attributes_checked(c, frame, XCB_CW_EVENT_MASK, &mask)));
        frame_ = frame;
    }

    QWidget *const tool_;
    QPointer<QWidget> owner_;
    xcb_window_t frame_ = XCB_WINDOW_NONE;
};

} // namespace

bool isRunning()
{
    xcb_connection_t *c = connection();
    if (!c)
        return false;
    // Xwayland has one screen.
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const Atoms &atom = atoms(c);
    const QByteArray check = property(c, root, atom.wmCheck, XCB_ATOM_WINDOW);
    if (check.size() != sizeof(xcb_window_t))
        return false;
    xcb_window_t wm;
    std::memcpy(&wm, check.constData(), sizeof wm);
    return property(c, wm, atom.wmName, atom.utf8) == "Weston WM";
}

void keepAbove(QWidget *tool, QWidget *owner)
{
    new Raiser(tool, owner);
}

} // namespace WestonXwm
