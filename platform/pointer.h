#pragma once
// Where the pointer is over a window, as the window system itself knows it.

#include <QPoint>
#include <QPointF>

class QWidget;

namespace Pointer {

// The position of a drag over `widget`. On X11 it is asked of the X server, which knows where the
// window manager has put the window even when the window manager never said so (weston's does
// not): Qt maps the pointer from the screen by the last place it was told, which could then name
// another box. Elsewhere it is the event's own position.
QPoint dropPosition(const QWidget *widget, QPointF eventPosition);

} // namespace Pointer
