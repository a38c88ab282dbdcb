#include "workareapainter.h"

#include "shapeicons.h"
#include "twips.h"

#include <QPainter>

namespace WorkAreaPainter {

QRect boxRect(int cell)
{
    const int column = Cell::column(static_cast<int16_t>(cell));
    const int row = Cell::row(static_cast<int16_t>(cell));
    return Twips::rect(kBoxLeft + kBoxSize * column, kBoxTop + kBoxSize * row, kBoxSize, kBoxSize);
}

int cellAt(QPoint pixel)
{
    const QRect first = boxRect(0);
    const int x = pixel.x() - first.left();
    const int y = pixel.y() - first.top();
    if (x < 0 || y < 0)
        return -1;
    const int column = x / first.width();
    const int row = y / first.height();
    if (column >= MGLOBAL::kColumns || row >= MGLOBAL::kRows)
        return -1;
    return Cell::at(static_cast<int16_t>(row), static_cast<int16_t>(column));
}

void drawGridLines(QPainter &painter, const QColor &colour, int bottomTwips)
{
    // Each line is a one-pixel-wide rectangle rather than a stroked line, so that at any scale
    // factor it covers whole scaled pixels, as the icons do. A line ends one pixel short of its
    // end point, as lines on a window surface do.
    const int left = Twips::toPx(kBoxLeft);
    const int right = Twips::toPx(kLinesRight);
    for (int k = 0; k <= MGLOBAL::kRows; ++k) {
        const int y = Twips::toPx(kBoxTop + kBoxSize * k);
        painter.fillRect(QRect(left, y, right - left, 1), colour);
    }
    const int top = Twips::toPx(kBoxTop);
    const int bottom = Twips::toPx(bottomTwips);
    for (int k = 0; k <= MGLOBAL::kColumns; ++k) {
        const int x = Twips::toPx(kBoxLeft + kBoxSize * k);
        painter.fillRect(QRect(x, top, 1, bottom - top), colour);
    }
}

void drawBoxes(QPainter &painter, const BoxPictures &boxes)
{
    for (int cell = 0; cell < MGLOBAL::kCells; ++cell) {
        const int16_t back = boxes.PicTarget2[cell];
        const int16_t front = boxes.PicTarget[cell];
        if (back == 0 && front == 0)
            continue;
        const QPoint at = boxRect(cell).topLeft();
        if (back != 0)
            painter.drawImage(at, ShapeIcons::image(back));
        if (front != 0)
            painter.drawImage(at, ShapeIcons::image(front));
    }
}

QImage renderModel(const BoxPictures &boxes, const QColor &background, bool withGrid)
{
    QImage image(Twips::size(kClientWidth, kClientHeight), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    if (withGrid)
        drawGridLines(painter, kGridColour, kLinesBottomShown);
    drawBoxes(painter, boxes);
    return image;
}

} // namespace WorkAreaPainter
