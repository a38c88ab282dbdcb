#include "pointer.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <xcb/xcb.h>

namespace Pointer {

QPoint dropPosition(const QWidget *widget, QPointF eventPosition)
{
    // Only on X11 itself: the offscreen platform answers for X11 too, without a connection.
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t *connection = x11 && QGuiApplication::platformName() == QLatin1String("xcb") ? x11->connection() : nullptr;
    const QWidget *top = widget->window();
    if (!connection || !top->windowHandle())
        return eventPosition.toPoint();
    xcb_query_pointer_reply_t *reply =
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, xcb_window_t(top->winId())), nullptr);
    if (!reply)
        return eventPosition.toPoint();
    const bool here = reply->same_screen;
    const QPointF device(reply->win_x, reply->win_y);
    std::free(reply);
    if (!here)
        return eventPosition.toPoint();
    return widget->mapFrom(top, (device / top->devicePixelRatioF()).toPoint());
}

} // namespace Pointer
