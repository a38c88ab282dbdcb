#pragma once
// Placing top-level windows by their outer frame, the way window positions are given in twips.

#include <QPoint>

class QWidget;

namespace WindowPlacement {

// Puts the top-left corner of the window's outer frame (title bar and border included) at
// `screenPixel`. Works before and after the window is shown: the window manager is asked to
// place the frame, not the client area.
void moveFrameTo(QWidget *window, QPoint screenPixel);

} // namespace WindowPlacement
