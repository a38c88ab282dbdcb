#pragma once
// weston's own X11 window manager (weston 10, on Xwayland). It draws a utility window where the
// window stood before it was framed (for one moved before mapping: at (32, 32)), but leaves the
// frame at the X server's (0, 0), so X hands the pointer over it to whatever lies there; and it
// lets no one move such a window. A window that bypasses it (override-redirect) weston draws where
// the X server has it, above every window it manages, and never gives the keyboard. Only the
// stacking is then left to mend: weston raises each window it activates to the top of the X
// server's stack, while it keeps drawing the bypassing one on top.

class QWidget;

namespace WestonXwm {

// True when the program runs on X11 and weston's window manager manages its windows.
bool isRunning();

// Raises `tool`, a window that bypasses the window manager, in the X server's stack whenever
// weston restacks `owner`'s frame, so that X gives the pointer over the tool to the tool.
void keepAbove(QWidget *tool, QWidget *owner);

} // namespace WestonXwm
