#include "shapepage.h"

#include "shapeicons.h"
#include "twips.h"

#include <QMouseEvent>
#include <QPainter>

namespace {
// Geometry in twips, relative to the frame.
constexpr int kImageLeft = 30;
constexpr int kImageTop = 240;
constexpr int kImageSize = 510;
constexpr int kLinesRight = 2100;
const QColor kCaptionColour{0x00, 0xFF, 0xFF};
} // namespace

ShapePage::ShapePage(int index, const QString &caption, QWidget *parent)
    : QWidget(parent)
    , index_(index)
    , caption_(caption)
{
    setObjectName(QStringLiteral("IconFrame%1").arg(index));
    setGeometry(Twips::rect(0, 20, 2080, 5360));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QRect ShapePage::imageRect(int n) const
{
    const int i = (n - 1) % kShapesPerPage;
    const int column = i / kRowsPerColumn;
    const int row = i % kRowsPerColumn;
    return Twips::rect(kImageLeft + kImageSize * column, kImageTop + kImageSize * row, kImageSize, kImageSize);
}

int ShapePage::shapeAt(QPoint point) const
{
    const int first = kShapesPerPage * index_ + 1;
    for (int n = first; n < first + kShapesPerPage; ++n) {
        if (imageRect(n).contains(point))
            return n;
    }
    return 0;
}

void ShapePage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);

    // The frame's border starts half-way down its caption, as a group box's does.
    const QFontMetrics metrics(font());
    const int captionMiddle = metrics.height() / 2;
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, captionMiddle, -1, -1));
    const QRect captionRect(6, 0, metrics.horizontalAdvance(caption_) + 4, metrics.height());
    painter.fillRect(captionRect, Qt::black);
    painter.setPen(kCaptionColour);
    painter.drawText(captionRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);

    const int first = kShapesPerPage * index_ + 1;
    for (int n = first; n < first + kShapesPerPage; ++n)
        painter.drawImage(imageRect(n).topLeft(), ShapeIcons::image(n));

    // One-pixel rectangles rather than stroked lines: they cover whole pixels at any scale.
    // The vertical lines reach the bottom border on every page (pages 5 and 6 were laid out
    // 25 twips longer, which the frame cuts off).
    const int top = Twips::toPx(kImageTop);
    const int downTo = Twips::toPx(5350);
    for (int k = 0; k < 3; ++k)
        painter.fillRect(QRect(Twips::toPx(540 + kImageSize * k), top, 1, downTo - top), Qt::white);
    const int left = Twips::toPx(kImageLeft);
    for (int k = 0; k < kRowsPerColumn; ++k)
        painter.fillRect(QRect(left, Twips::toPx(kImageTop + kImageSize * k), Twips::toPx(kLinesRight) - left, 1), Qt::white);
}

void ShapePage::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const int n = shapeAt(event->position().toPoint()))
        emit imagePressed(n);
}
