#pragma once
// The one routine that draws the work area: the grid lines and the two layers of every box, into
// any QPainter. The window, the printout and the command-line renderer all draw through it, so a
// model can never look different between them.

#include "boxpictures.h"

#include <QColor>
#include <QImage>
#include <QRect>

class QPainter;

namespace WorkAreaPainter {

// Window geometry of the work area, in twips.
inline constexpr int kClientWidth = 9510;
inline constexpr int kClientHeight = 6825;
inline constexpr int kBoxLeft = 170;
inline constexpr int kBoxTop = 80;
inline constexpr int kBoxSize = 480;
inline constexpr int kLinesRight = 9300;
inline constexpr int kLinesBottomShown = 6330;
inline constexpr int kLinesBottomErased = 6360;

inline const QColor kGridColour{0x00, 0x80, 0x00};

// The box of a cell, in window pixels, and the cell under a window pixel (-1 when none).
QRect boxRect(int cell);
int cellAt(QPoint pixel);

// The 14 horizontal and 20 vertical lines between the boxes, in `colour`, the vertical ones down to
// `bottomTwips`.
void drawGridLines(QPainter &painter, const QColor &colour, int bottomTwips);

// Every box: the back picture, then the front one over it.
void drawBoxes(QPainter &painter, const BoxPictures &boxes);

// A picture of a whole model, as the work area shows it with its grid drawn or not.
QImage renderModel(const BoxPictures &boxes, const QColor &background, bool withGrid);

} // namespace WorkAreaPainter
