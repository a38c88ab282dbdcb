#include "motifs.h"

#include <cmath>
#include <numbers>

namespace Motifs {

void block(Icon &i, QRect front, int depth, Colour top, Colour face, Colour side)
{
    const double l = front.left(), t = front.top();
    const double r = front.right() + 1, b = front.bottom() + 1;
    i.polygon({{l, t}, {l + depth, t - depth}, {r + depth, t - depth}, {r, t}}, top);
    i.polygon({{r, t}, {r + depth, t - depth}, {r + depth, b - depth}, {r, b}}, side);
    i.rect(front.x(), front.y(), front.width(), front.height(), face);
}

void tiled(Icon &i, const std::function<void(Icon &, int, int)> &draw)
{
    for (int dy = -Icon::Size; dy <= Icon::Size; dy += Icon::Size)
        for (int dx = -Icon::Size; dx <= Icon::Size; dx += Icon::Size)
            draw(i, dx, dy);
}

void stencil(Icon &i, int x, int y, std::initializer_list<const char *> rows, Colour c)
{
    for (const char *row : rows) {
        for (int k = 0; row[k]; ++k)
            if (row[k] == '#')
                i.set(x + k, y, c);
        ++y;
    }
}

QPainterPath star(double cx, double cy, double outer, double inner, int points)
{
    QPainterPath path;
    for (int k = 0; k < 2 * points; ++k) {
        const double a = -std::numbers::pi / 2 + k * std::numbers::pi / points;
        const double r = k % 2 ? inner : outer;
        const QPointF p(cx + r * std::cos(a), cy + r * std::sin(a));
        if (k == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

QPainterPath gearWheel(double cx, double cy, double outer, double root, int teeth, double phase)
{
    // Each tooth takes a little under half its pitch, so the gaps read as gaps.
    QPainterPath path;
    const double pitch = 2 * std::numbers::pi / teeth;
    for (int k = 0; k < teeth; ++k) {
        const double a = phase + k * pitch;
        const double corners[4][2] = {{a - 0.30 * pitch, root}, {a - 0.20 * pitch, outer},
                                      {a + 0.20 * pitch, outer}, {a + 0.30 * pitch, root}};
        for (int c = 0; c < 4; ++c) {
            const QPointF p(cx + corners[c][1] * std::sin(corners[c][0]),
                            cy - corners[c][1] * std::cos(corners[c][0]));
            if (k == 0 && c == 0)
                path.moveTo(p);
            else
                path.lineTo(p);
        }
    }
    path.closeSubpath();
    return path;
}

QPainterPath heart(double x, double y, double w, double h)
{
    QPainterPath path;
    path.moveTo(x + w / 2, y + h * 0.28);
    path.cubicTo(x + w * 0.5, y - h * 0.05, x - w * 0.05, y - h * 0.02, x + w * 0.02, y + h * 0.38);
    path.cubicTo(x + w * 0.08, y + h * 0.62, x + w * 0.35, y + h * 0.78, x + w / 2, y + h);
    path.cubicTo(x + w * 0.65, y + h * 0.78, x + w * 0.92, y + h * 0.62, x + w * 0.98, y + h * 0.38);
    path.cubicTo(x + w * 1.05, y - h * 0.02, x + w * 0.5, y - h * 0.05, x + w / 2, y + h * 0.28);
    path.closeSubpath();
    return path;
}

} // namespace Motifs
