#pragma once
// Placing top-level windows by their outer frame, the way window positions are given in twips.

#include <QPoint>
#include <QRect>

class QWidget;

namespace WindowPlacement {

// Puts the top-left corner of the window's outer frame (title bar and border included) at
// `screenPixel`, before or after the window is shown. How large the frame is only the window
// manager knows, and it tells in its own time: until it has, the window stands as if it had no
// frame, and it moves to its place as soon as the window manager has spoken, however long that
// takes on a busy machine.
void moveFrameTo(QWidget *window, QPoint screenPixel);

// The window's outer frame on the screen as the window manager has drawn it; without a window
// manager's word, what Qt believes.
QRect frameGeometry(const QWidget *window);

// The top-left corner of that frame. A window being placed stands where it is going, which needs
// no word from the X server: a window just shown is not kept waiting while the window manager
// takes it in.
QPoint framePosition(const QWidget *window);

} // namespace WindowPlacement
