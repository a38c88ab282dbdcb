#pragma once
// The pictures of the shape numbers and the program icon, read from the resources the program
// carries. A picture is decoded the first time it is needed and kept.

#include <QImage>

namespace ShapeIcons {

// The icon of shape n (1..240); a null image for any other number.
const QImage &image(int n);

// The program's own icon.
const QImage &programIcon();

} // namespace ShapeIcons
