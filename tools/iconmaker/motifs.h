#pragma once
// Drawing helpers shared by the pages: blocks seen at an angle, repeating patterns, stars,
// toothed wheels.

#include "icon.h"

#include <QPainterPath>
#include <QRect>

#include <functional>

namespace Motifs {

// A block in oblique view: the front face `front`, the top face above it and the right side
// face beside it, both `depth` pixels deep and slanting up to the right.
void block(Icon &i, QRect front, int depth, Colour top, Colour face, Colour side);

// Draws a pattern so that the picture repeats seamlessly when boxes sit side by side: the
// pattern is drawn at its own place and shifted by a whole box in every direction.
void tiled(Icon &i, const std::function<void(Icon &, int dx, int dy)> &draw);

// A one-colour stencil: every '#' in the rows becomes a pixel of `c` from (x, y).
void stencil(Icon &i, int x, int y, std::initializer_list<const char *> rows, Colour c);

// A star with `points` points, the first pointing up.
QPainterPath star(double cx, double cy, double outer, double inner, int points);

// A toothed wheel: `teeth` square-topped teeth between radius `root` and `outer`.
QPainterPath gearWheel(double cx, double cy, double outer, double root, int teeth, double phase = 0);

// A heart filling the rectangle.
QPainterPath heart(double x, double y, double w, double h);

} // namespace Motifs
