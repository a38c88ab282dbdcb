#include "paintahead.h"

#include <QGuiApplication>
#include <QImage>
#include <QWindow>
#include <QWidget>
#include <xcb/xcb.h>

namespace PaintAhead {

void now(QWidget *window)
{
    // Only an X11 window manager keeps a window waiting long enough to be worth it. (Qt's offscreen
    // platform answers for X11 too, without a connection.)
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection() || !window->isVisible()
        || window->windowHandle()->isExposed())
        return;
    // The request to map the window goes out first, so that the window manager works meanwhile.
    xcb_flush(x11->connection());
    const qreal ratio = window->devicePixelRatioF();
    QImage image(window->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    window->render(&image);
}

} // namespace PaintAhead
