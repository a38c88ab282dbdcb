#include "pointer.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdlib>
#include <xcb/xcb.h>

namespace Pointer {

QPoint dropPosition(const QWidget *widget, QPointF eventPosition)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    const QWidget *top = widget->window();
    if (!x11 || !top->windowHandle())
        return eventPosition.toPoint();
    xcb_connection_t *connection = x11->connection();
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
