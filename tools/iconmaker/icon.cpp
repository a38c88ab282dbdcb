#include "icon.h"

#include "letters.h"

#include <QPainter>
#include <QPainterPath>

#include <array>

namespace {

constexpr std::array<QRgb, 16> palette = {
    0xff000000, 0xff800000, 0xff008000, 0xff808000, 0xff000080, 0xff800080, 0xff008080, 0xffc0c0c0,
    0xff808080, 0xffff0000, 0xff00ff00, 0xffffff00, 0xff0000ff, 0xffff00ff, 0xff00ffff, 0xffffffff,
};

void setUp(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
}

} // namespace

QRgb rgbOf(Colour c)
{
    return c == Clear ? 0u : palette[static_cast<size_t>(c)];
}

Colour Icon::colourOfChar(char ch)
{
    if (ch == '_')
        return Clear;
    const int index = Letters::indexOf(ch);
    if (index < 0)
        qFatal("pixel art: unknown colour letter '%c'", ch);
    return static_cast<Colour>(index);
}

Icon::Icon() : image_(Size, Size, QImage::Format_ARGB32)
{
    image_.fill(0);
}

Colour Icon::at(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Size || y >= Size)
        return Clear;
    const QRgb px = image_.pixel(x, y);
    if (qAlpha(px) == 0)
        return Clear;
    for (size_t i = 0; i < palette.size(); ++i)
        if (palette[i] == px)
            return static_cast<Colour>(i);
    // Only a blending painter could produce this; the pictures must stay in the sixteen colours.
    qFatal("pixel %d,%d is #%08x, not one of the sixteen colours", x, y, px);
}

void Icon::set(int x, int y, Colour c)
{
    if (x >= 0 && y >= 0 && x < Size && y < Size)
        image_.setPixel(x, y, rgbOf(c));
}

void Icon::rect(int x, int y, int w, int h, Colour c)
{
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i)
            set(i, j, c);
}

void Icon::frame(int x, int y, int w, int h, Colour c)
{
    rect(x, y, w, 1, c);
    rect(x, y + h - 1, w, 1, c);
    rect(x, y, 1, h, c);
    rect(x + w - 1, y, 1, h, c);
}

void Icon::ellipse(double x, double y, double w, double h, Colour c)
{
    QPainterPath path;
    path.addEllipse(QRectF(x, y, w, h));
    fillPath(path, c);
}

void Icon::ring(double cx, double cy, double r, double width, Colour c)
{
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), r, r);
    path.addEllipse(QPointF(cx, cy), r - width, r - width);
    fillPath(path, c);
}

void Icon::polygon(std::initializer_list<QPointF> points, Colour c)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    fillPath(path, c);
}

void Icon::fillPath(const QPainterPath &path, Colour c)
{
    paint([&](QPainter &p) {
        if (c == Clear)
            p.setCompositionMode(QPainter::CompositionMode_Source);
        p.fillPath(path, QColor::fromRgba(rgbOf(c)));
    });
}

void Icon::line(int x1, int y1, int x2, int y2, Colour c)
{
    paint([&](QPainter &p) {
        if (c == Clear)
            p.setCompositionMode(QPainter::CompositionMode_Source);
        p.setPen(QPen(QColor::fromRgba(rgbOf(c)), 1));
        p.drawLine(x1, y1, x2, y2);
    });
}

void Icon::stroke(QPointF a, QPointF b, double width, Colour c, bool roundEnds)
{
    QPainterPath path(a);
    path.lineTo(b);
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(roundEnds ? Qt::RoundCap : Qt::FlatCap);
    fillPath(stroker.createStroke(path), c);
}

void Icon::strokePath(const QPainterPath &path, double width, Colour c)
{
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::RoundCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    fillPath(stroker.createStroke(path), c);
}

void Icon::paint(const std::function<void(QPainter &)> &draw)
{
    QPainter p(&image_);
    setUp(p);
    draw(p);
}

void Icon::art(int x, int y, std::initializer_list<const char *> rows)
{
    int j = y;
    for (const char *row : rows) {
        for (int i = 0; row[i]; ++i)
            if (row[i] != '.' && row[i] != ' ')
                set(x + i, j, colourOfChar(row[i]));
        ++j;
    }
}

void Icon::outline(Colour c, bool corners)
{
    const Icon before = *this;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            if (before.opaque(x, y))
                continue;
            bool touches = before.opaque(x - 1, y) || before.opaque(x + 1, y)
                || before.opaque(x, y - 1) || before.opaque(x, y + 1);
            if (corners)
                touches = touches || before.opaque(x - 1, y - 1) || before.opaque(x + 1, y - 1)
                    || before.opaque(x - 1, y + 1) || before.opaque(x + 1, y + 1);
            if (touches)
                set(x, y, c);
        }
}

void Icon::recolour(Colour from, Colour to)
{
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (at(x, y) == from)
                set(x, y, to);
}

void Icon::bevel(Colour fill, Colour light, Colour dark)
{
    const Icon before = *this;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x) {
            if (before.at(x, y) != fill)
                continue;
            if (before.at(x + 1, y) != fill || before.at(x, y + 1) != fill)
                set(x, y, dark);
            else if (before.at(x - 1, y) != fill || before.at(x, y - 1) != fill)
                set(x, y, light);
        }
}

void Icon::overlay(const Icon &top)
{
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            if (top.opaque(x, y))
                set(x, y, top.at(x, y));
}

Icon Icon::mirrored() const
{
    Icon out;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            out.set(Size - 1 - x, y, at(x, y));
    return out;
}

Icon Icon::flipped() const
{
    Icon out;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            out.set(x, Size - 1 - y, at(x, y));
    return out;
}

Icon Icon::rotated() const
{
    Icon out;
    for (int y = 0; y < Size; ++y)
        for (int x = 0; x < Size; ++x)
            out.set(Size - 1 - y, x, at(x, y));
    return out;
}
