#pragma once
// A window that has just been shown waits for the window manager to map it before it can paint.
// Meanwhile it is drawn once into an image, so that what its first paint needs (the fonts and
// their glyphs, the style's pictures) is made by the time it is exposed, and the first paint on
// the screen only copies it. The program's first window alone: for a window shown later, such as
// the palette, it gained nothing measurable.

class QWidget;

namespace PaintAhead {

// At once: for the first window, shown before the event loop runs.
void now(QWidget *window);

} // namespace PaintAhead
