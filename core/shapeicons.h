#pragma once
// The pictures of the shape numbers and the program icon, from the icon atlas the program
// carries (the icons as decoded at build time).

#include <QImage>

namespace ShapeIcons {

// The icon of shape n (1..240); a null image for any other number.
const QImage &image(int n);

// The program's own icon.
const QImage &programIcon();

} // namespace ShapeIcons
