#pragma once
// A small window that floats over the program's frame, as a native Wayland client. There a
// program can neither place a window nor keep it above all others, and compositors give the
// keyboard to each window they map; Qt's title bar also cuts a short title on a narrow window.
// What remains is to tie the window to its owner and to hand the keyboard back. On X11 and
// offscreen nothing here changes anything, except under weston's window manager (westonxwm.h).

#include <QPoint>

class QWidget;

namespace ToolWindow {

// True when the program runs as a native Wayland client.
bool onWayland();

// On Wayland, ties `tool`, made but not shown yet, to `owner`: it becomes a tool window whose
// transient parent is the owner's window, so that the compositor keeps it above the owner; it
// hands the keyboard back to the owner (or to an open modal dialog) whenever the compositor gives
// it the keyboard; and instead of the compositor's title bar it gets a caption of its own, with
// the whole title, a close button and a place to drag it by. Its contents move down by the
// caption's height, and its fixed height grows by as much.
// On X11 under weston's window manager the tool gets the same caption, moves itself by it and
// bypasses the window manager: weston then draws it where the program puts it, above the owner,
// and never gives it the keyboard.
void floatOver(QWidget *tool, QWidget *owner);

// How far the contents of `tool` stand below its top: the caption's height, or 0 without one.
int captionHeight(const QWidget *tool);

// Where `tool` opens: `designed` on X11; on Wayland beside its owner's top-right corner, which
// only a compositor that honours a program's positions will use.
QPoint openingSpot(const QWidget *tool, QPoint designed);

} // namespace ToolWindow
