// Page 1, mechanical parts (shapes 1 to 40): wheels and gears, fasteners, springs and links,
// and hand tools, one group to a column.

#include "motifs.h"
#include "pages.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>
#include <tuple>

using namespace Motifs;

namespace {

// A toothed wheel in metal: lit rim, shaded lower right, hub hole.
void gearAt(Icon &i, double cx, double cy, double outer, double root, int teeth, Colour body,
            Colour light, Colour dark, double phase = 0)
{
    i.fillPath(gearWheel(cx, cy, outer, root, teeth, phase), body);
    i.bevel(body, light, dark);
}

// ---- Wheels and gears -------------------------------------------------------------------------

Icon gear()
{
    Icon i;
    gearAt(i, 16, 16, 15, 11, 10, LightGrey, White, DarkGrey);
    i.ring(16, 16, 8, 1, DarkGrey);
    i.disc(16, 16, 4, DarkGrey);
    i.disc(16, 16, 3, Black);
    i.rect(15, 11, 2, 2, Black); // key way
    return i;
}

Icon brassGear()
{
    Icon i;
    gearAt(i, 16, 16, 14, 10.5, 12, Yellow, White, DarkYellow);
    i.ring(16, 16, 8, 1, DarkYellow);
    i.disc(16, 16, 3, DarkYellow);
    i.disc(16, 16, 2, Black);
    return i;
}

Icon spokedWheel()
{
    Icon i;
    gearAt(i, 16, 16, 15, 12, 14, LightGrey, White, DarkGrey);
    i.disc(16, 16, 10, Clear);
    i.ring(16, 16, 11, 2, DarkGrey);
    for (int k = 0; k < 6; ++k) {
        const double a = k * std::numbers::pi / 3;
        i.stroke({16, 16}, {16 + 10 * std::cos(a), 16 + 10 * std::sin(a)}, 2, LightGrey, false);
    }
    i.disc(16, 16, 4, LightGrey);
    i.disc(16, 16, 2, Black);
    return i;
}

Icon sprocket()
{
    Icon i;
    QPainterPath teeth = star(16, 16, 15, 12, 16);
    i.fillPath(teeth, DarkYellow);
    i.disc(16, 16, 12, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    for (int k = 0; k < 5; ++k) {
        const double a = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
        i.disc(16 + 7 * std::cos(a), 16 + 7 * std::sin(a), 2.6, Black);
    }
    i.disc(16, 16, 2.5, Black);
    return i;
}

Icon meshingGears()
{
    Icon i;
    gearAt(i, 11, 11, 10.5, 7.5, 8, LightGrey, White, DarkGrey);
    i.disc(11, 11, 2.5, Black);
    gearAt(i, 22, 22, 9.5, 6.5, 7, Yellow, White, DarkYellow, 0.2);
    i.disc(22, 22, 2.5, Black);
    return i;
}

Icon rackAndPinion()
{
    Icon i;
    i.rect(0, 24, 32, 6, LightGrey); // rack
    for (int x = 0; x < 32; x += 6)
        i.polygon({{x + 0.0, 24}, {x + 1.5, 20}, {x + 4.5, 20}, {x + 6.0, 24}}, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    gearAt(i, 16, 11, 10, 7, 9, Yellow, White, DarkYellow, 0.35);
    i.disc(16, 11, 2.5, Black);
    return i;
}

Icon ratchet()
{
    Icon i;
    QPainterPath wheel;
    for (int k = 0; k < 12; ++k) {
        const double a0 = k * std::numbers::pi / 6, a1 = a0 + std::numbers::pi / 6;
        const QPointF root(15 + 9 * std::cos(a0), 17 + 9 * std::sin(a0));
        const QPointF tip(15 + 13 * std::cos(a1), 17 + 13 * std::sin(a1));
        if (k == 0)
            wheel.moveTo(root);
        else
            wheel.lineTo(root);
        wheel.lineTo(tip);
        wheel.lineTo(QPointF(15 + 9 * std::cos(a1), 17 + 9 * std::sin(a1)));
    }
    wheel.closeSubpath();
    i.fillPath(wheel, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.disc(15, 17, 3, Black);
    i.stroke({29, 3}, {21, 4}, 3, Red); // the pawl
    i.disc(29, 3, 2, DarkRed);
    return i;
}

Icon pulley()
{
    Icon i;
    i.rect(14, 0, 4, 6, DarkGrey); // bracket
    i.polygon({{10, 4}, {22, 4}, {20, 16}, {12, 16}}, LightGrey);
    i.disc(16, 15, 10, DarkGrey);
    i.disc(16, 15, 9, LightGrey);
    i.ring(16, 15, 7, 1, DarkGrey);
    i.disc(16, 15, 2, Black);
    i.rect(5, 15, 2, 17, Yellow);   // rope
    i.rect(25, 15, 2, 12, Yellow);
    i.rect(6, 15, 1, 17, DarkYellow);
    i.rect(26, 15, 1, 12, DarkYellow);
    i.rect(22, 26, 8, 6, DarkGrey);  // weight
    i.rect(22, 26, 8, 1, LightGrey);
    return i;
}

// The outline round two wheels on one line, as a belt lies round them.
QPainterPath beltPath(QPointF a, double ra, QPointF b, double rb)
{
    QPainterPath path;
    path.addEllipse(a, ra, ra);
    QPainterPath other;
    other.addEllipse(b, rb, rb);
    QPainterPath between;
    between.addPolygon(QPolygonF({{a.x(), a.y() - ra}, {b.x(), b.y() - rb}, {b.x(), b.y() + rb},
                                  {a.x(), a.y() + ra}}));
    return path.united(other).united(between);
}

Icon beltDrive()
{
    Icon i;
    const QPointF big(9, 16), small(25, 16);
    i.fillPath(beltPath(big, 9.5, small, 6).subtracted(beltPath(big, 7.5, small, 4)), DarkYellow);
    i.bevel(DarkYellow, Yellow, DarkYellow);
    for (auto [c, r] : {std::pair{big, 7.5}, {small, 4.0}}) {
        i.disc(c.x(), c.y(), r, LightGrey);
        i.bevel(LightGrey, White, DarkGrey);
        i.disc(c.x(), c.y(), r / 3, Black);
    }
    i.ring(big.x(), big.y(), 5, 1, DarkGrey);
    return i;
}

Icon bearing()
{
    Icon i;
    i.disc(16, 16, 15, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.disc(16, 16, 12, DarkGrey);
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4;
        const double x = 16 + 9 * std::cos(a), y = 16 + 9 * std::sin(a);
        i.disc(x, y, 3, White);
        i.disc(x + 0.5, y + 0.5, 2, LightGrey);
    }
    i.disc(16, 16, 6, LightGrey);
    i.disc(16, 16, 4, Black);
    return i;
}

// ---- Fasteners --------------------------------------------------------------------------------

Icon hexNut()
{
    Icon i;
    i.polygon({{9, 3}, {23, 3}, {30, 16}, {23, 29}, {9, 29}, {2, 16}}, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.disc(16, 16, 9, DarkGrey);
    i.disc(16, 16, 7.5, Black);
    i.ring(16, 16, 5.5, 1, DarkGrey); // thread
    return i;
}

Icon squareNut()
{
    Icon i;
    block(i, {4, 10, 20, 18}, 6, White, LightGrey, DarkGrey);
    i.ellipse(9, 5, 14, 5, Black);
    i.rect(4, 10, 20, 1, White);
    i.rect(4, 10, 1, 18, White);
    return i;
}

Icon wingNut()
{
    Icon i;
    QPainterPath wings;
    wings.moveTo(10, 22);
    wings.cubicTo(2, 20, 0, 6, 3, 3);
    wings.cubicTo(8, 4, 12, 12, 13, 16);
    wings.lineTo(19, 16);
    wings.cubicTo(20, 12, 24, 4, 29, 3);
    wings.cubicTo(32, 6, 30, 20, 22, 22);
    wings.closeSubpath();
    i.fillPath(wings, LightGrey);
    i.rect(10, 16, 12, 13, LightGrey);
    i.ellipse(10, 26, 12, 5, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.rect(13, 17, 6, 10, White);
    return i;
}

Icon washer()
{
    Icon i;
    i.ring(16, 16, 14, 7, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.ring(16, 16, 7.5, 1, DarkGrey);
    return i;
}

Icon nail()
{
    Icon i;
    for (const auto &[x, c, shade] : {std::tuple{9, LightGrey, DarkGrey}, {20, Yellow, DarkYellow}}) {
        i.rect(x - 5, 2, 11, 3, c); // head
        i.rect(x - 5, 2, 11, 1, White);
        i.rect(x - 1, 5, 3, 21, c);
        i.polygon({{x - 1.0, 26}, {x + 2.0, 26}, {x + 0.5, 31}}, c);
        i.rect(x - 1, 5, 1, 21, White);
        i.rect(x + 1, 5, 1, 21, shade);
        i.rect(x - 5, 4, 11, 1, shade);
    }
    return i;
}

Icon hexBolt()
{
    Icon i;
    // Head, then a threaded shank running down to the right.
    i.stroke({11, 11}, {27, 27}, 7, LightGrey, false);
    for (int k = 0; k < 7; ++k) {
        const double t = 14 + 2 * k;
        i.stroke({t - 2.5, t + 2.5}, {t + 2.5, t - 2.5}, 1, DarkGrey, false);
    }
    i.polygon({{2, 10}, {6, 4}, {14, 3}, {19, 9}, {15, 16}, {7, 17}}, LightGrey);
    i.polygon({{14, 3}, {19, 9}, {15, 16}, {11, 10}}, DarkGrey);
    i.polygon({{2, 10}, {6, 4}, {14, 3}, {11, 10}}, White);
    return i;
}

Icon eyeBolt()
{
    Icon i;
    i.ring(16, 8, 7, 3, LightGrey);
    i.rect(14, 14, 4, 17, LightGrey);
    i.rect(14, 14, 1, 17, White);
    i.rect(17, 14, 1, 17, DarkGrey);
    for (int y = 19; y < 31; y += 2)
        i.rect(14, y, 4, 1, DarkGrey);
    i.rect(10, 14, 12, 3, Yellow); // collar
    i.rect(10, 16, 12, 1, DarkYellow);
    i.ring(16, 8, 7, 1, White);
    return i;
}

Icon woodScrew()
{
    Icon i;
    i.polygon({{8, 2}, {24, 2}, {20, 7}, {12, 7}}, Yellow); // countersunk head
    i.rect(15, 2, 2, 3, DarkYellow);
    i.polygon({{12, 7}, {20, 7}, {19, 24}, {16, 31}, {13, 24}}, Yellow);
    for (int y = 9; y < 27; y += 3)
        i.stroke({11, y + 2.0}, {21, y - 1.0}, 1, DarkYellow, false);
    i.rect(13, 8, 1, 16, White);
    i.rect(8, 2, 16, 1, White);
    return i;
}

Icon machineScrew()
{
    Icon i;
    i.ellipse(7, 2, 18, 10, LightGrey); // cheese head
    i.rect(7, 7, 18, 4, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.rect(15, 2, 2, 5, Black); // slot
    i.rect(12, 11, 8, 20, LightGrey);
    i.rect(12, 11, 2, 20, White);
    i.rect(19, 11, 1, 20, DarkGrey);
    for (int y = 13; y < 31; y += 3)
        i.rect(12, y, 8, 1, DarkGrey);
    return i;
}

Icon crossHead()
{
    Icon i;
    i.disc(16, 16, 14, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.disc(16, 16, 11, LightGrey);
    i.rect(14, 6, 4, 20, DarkGrey);
    i.rect(6, 14, 20, 4, DarkGrey);
    i.rect(15, 7, 2, 18, Black);
    i.rect(7, 15, 18, 2, Black);
    return i;
}

// ---- Springs, links and levers ----------------------------------------------------------------

// An upright coil: each turn an ellipse seen a little from above, its far half dark and drawn
// first, its near half light, so the turns stack like a real coil.
void coil(Icon &i, double cx, double y0, int turns, double pitch, double rx, Colour c, Colour back)
{
    auto turn = [&](int k, bool nearHalf) {
        const double cy = y0 + k * pitch;
        QPainterPath ring;
        ring.addEllipse(QPointF(cx, cy), rx, 3.5);
        ring.addEllipse(QPointF(cx, cy), rx - 1.6, 2);
        QPainterPath half;
        half.addRect(QRectF(cx - rx - 1, nearHalf ? cy : cy - 5, 2 * rx + 2, 5));
        return ring.intersected(half);
    };
    for (int k = 0; k < turns; ++k)
        i.fillPath(turn(k, false), back);
    QPainterPath lit; // the left of each near half catches the light
    lit.addRect(QRectF(cx - rx - 1, 0, rx * 0.8, 32));
    for (int k = 0; k < turns; ++k) {
        i.fillPath(turn(k, true), c);
        i.fillPath(turn(k, true).intersected(lit), White);
    }
}

Icon coilSpring()
{
    Icon i;
    coil(i, 16, 5, 6, 4.2, 10, LightGrey, DarkGrey);
    i.rect(5, 0, 22, 3, LightGrey);
    i.rect(5, 29, 22, 3, LightGrey);
    i.rect(5, 0, 22, 1, White);
    i.rect(5, 31, 22, 1, DarkGrey);
    return i;
}

Icon compressionSpring()
{
    Icon i;
    coil(i, 16, 6, 6, 4, 9, Yellow, DarkYellow);
    i.recolour(White, Yellow);
    i = i.rotated();
    i.rect(0, 6, 3, 20, Yellow);
    i.rect(29, 6, 3, 20, DarkYellow);
    return i;
}

Icon tensionSpring()
{
    Icon i;
    coil(i, 16, 10, 5, 3, 8, LightGrey, DarkGrey);
    i.ring(16, 5, 4, 1.5, LightGrey);
    i.ring(16, 27.5, 4, 1.5, LightGrey);
    i.rect(15, 8, 2, 2, LightGrey);
    i.rect(15, 22, 2, 2, LightGrey);
    return i;
}

void link(Icon &i, QRectF r, Colour c, Colour shade)
{
    QPainterPath outer;
    outer.addRoundedRect(r, std::min(r.width(), r.height()) / 2, std::min(r.width(), r.height()) / 2);
    QPainterPath inner;
    inner.addRoundedRect(r.adjusted(3, 3, -3, -3), std::min(r.width(), r.height()) / 2 - 3,
                         std::min(r.width(), r.height()) / 2 - 3);
    i.fillPath(outer - inner, c);
    i.bevel(c, White, shade);
}

Icon chainLink()
{
    Icon i;
    link(i, {9, 1, 14, 30}, LightGrey, DarkGrey);
    return i;
}

Icon chain()
{
    Icon i;
    // Face-on links at the ends, the middle one edge on, threaded through both.
    QTransform turn;
    turn.translate(16, 16).rotate(45).translate(-16, -16);
    for (double c : {-10.5, 10.5}) {
        QPainterPath ring;
        ring.addRoundedRect(QRectF(16 + c - 8, 12, 16, 8), 4, 4);
        ring.addRoundedRect(QRectF(16 + c - 5, 14.5, 10, 3), 1.5, 1.5);
        i.fillPath(turn.map(ring), LightGrey);
    }
    i.bevel(LightGrey, White, DarkGrey);
    QPainterPath middle;
    middle.addRoundedRect(QRectF(8.5, 14, 15, 4), 2, 2);
    i.fillPath(turn.map(middle), DarkGrey);
    middle = QPainterPath();
    middle.addRoundedRect(QRectF(9, 15, 14, 2), 1, 1);
    i.fillPath(turn.map(middle), White);
    return i;
}

Icon hinge()
{
    Icon i;
    i.rect(2, 5, 12, 22, LightGrey);
    i.rect(18, 5, 12, 22, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.rect(13, 3, 6, 26, DarkGrey); // knuckle
    i.rect(14, 3, 4, 26, White);
    i.rect(16, 3, 2, 26, LightGrey);
    for (int y : {10, 19})
        i.rect(13, y, 6, 1, DarkGrey);
    for (auto [x, y] : {std::pair{7, 9}, {7, 22}, {24, 9}, {24, 22}}) {
        i.disc(x + 0.5, y + 0.5, 2, DarkGrey);
        i.set(x, y, Black);
    }
    return i;
}

Icon lever()
{
    Icon i;
    i.polygon({{16, 18}, {23, 30}, {9, 30}}, Yellow); // fulcrum
    i.bevel(Yellow, White, DarkYellow);
    i.stroke({1, 22}, {31, 12}, 3, LightGrey, false);
    i.stroke({1, 21}, {31, 11}, 1, White, false);
    block(i, {2, 14, 7, 6}, 0, Red, Red, Red); // the load
    i.rect(2, 14, 7, 1, Yellow);
    i.rect(2, 19, 7, 1, DarkRed);
    i.polygon({{26, 2}, {29, 2}, {29, 9}, {31, 9}, {27.5, 13}, {24, 9}, {26, 9}}, Green);
    return i;
}

Icon crank()
{
    Icon i;
    i.rect(0, 22, 10, 4, LightGrey); // shaft
    i.rect(0, 22, 10, 1, White);
    i.disc(10, 24, 4, DarkGrey);
    i.stroke({10, 24}, {22, 8}, 4, LightGrey);
    i.stroke({9, 23}, {21, 7}, 1, White);
    i.disc(22, 8, 3, DarkGrey);
    i.rect(21, 1, 10, 5, Red); // handle
    i.rect(21, 1, 10, 1, Yellow);
    i.rect(21, 5, 10, 1, DarkRed);
    return i;
}

Icon piston()
{
    Icon i;
    i.rect(7, 1, 18, 14, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    for (int y : {3, 6})
        i.rect(7, y, 18, 1, DarkGrey); // rings
    i.disc(16, 11, 2, DarkGrey);
    i.stroke({16, 11}, {16, 26}, 4, DarkGrey);
    i.stroke({16, 11}, {16, 26}, 2, LightGrey);
    i.ring(16, 26, 5, 2, LightGrey);
    i.disc(16, 26, 1.5, Black);
    return i;
}

Icon shackle()
{
    Icon i;
    QPainterPath bow;
    bow.moveTo(8, 14);
    bow.lineTo(8, 20);
    bow.cubicTo(8, 32, 24, 32, 24, 20);
    bow.lineTo(24, 14);
    i.strokePath(bow, 5, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.rect(3, 9, 26, 5, Yellow); // the pin
    i.rect(3, 9, 26, 1, White);
    i.rect(3, 13, 26, 1, DarkYellow);
    i.disc(4.5, 11.5, 3.5, Yellow);
    i.disc(27.5, 11.5, 3, DarkYellow);
    i.rect(4, 10, 1, 3, DarkYellow);
    i.ring(16, 5, 4, 2, DarkGrey); // and a ring hanging in it
    return i;
}

// ---- Tools ------------------------------------------------------------------------------------

Icon spanner()
{
    Icon i;
    i.stroke({8, 24}, {24, 8}, 5, LightGrey, false);
    i.disc(25, 7, 6.5, LightGrey);
    i.polygon({{25, 7}, {31, 3}, {29, -1}, {22, 2}}, Clear);
    i.rect(24, 0, 8, 6, Clear);
    i.disc(7, 25, 6, LightGrey);
    i.disc(7, 25, 3, Clear);
    i.bevel(LightGrey, White, DarkGrey);
    return i;
}

Icon adjustableWrench()
{
    Icon i;
    i.stroke({6, 26}, {19, 13}, 6, Red);
    i.stroke({5, 25}, {18, 12}, 1, Yellow);
    QPainterPath head;
    head.addEllipse(QPointF(23, 9), 8, 8);
    i.fillPath(head, LightGrey);
    i.polygon({{21, 1}, {32, 1}, {32, 10}, {26, 10}, {23, 7}}, Clear);
    i.rect(25, 4, 6, 4, LightGrey); // moving jaw
    i.bevel(LightGrey, White, DarkGrey);
    i.rect(17, 12, 5, 2, Yellow);   // worm
    return i;
}

Icon hammer()
{
    Icon i;
    i.stroke({10, 12}, {27, 30}, 4, DarkYellow);
    i.stroke({9, 11}, {26, 29}, 1, Yellow);
    i.polygon({{1, 11}, {13, 0}, {19, 6}, {7, 17}}, LightGrey);
    i.polygon({{13, 0}, {19, 6}, {21, 4}, {15, -2}}, DarkGrey);
    i.polygon({{1, 11}, {7, 17}, {5, 19}, {-1, 13}}, White);
    i.bevel(LightGrey, White, DarkGrey);
    return i;
}

Icon pliers()
{
    Icon i;
    i.stroke({13, 15}, {4, 30}, 4, Red);   // handles
    i.stroke({19, 15}, {28, 30}, 4, Red);
    i.stroke({12, 15}, {3, 29}, 1, Yellow);
    i.stroke({18, 15}, {27, 29}, 1, Yellow);
    i.polygon({{12, 16}, {13, 2}, {16, 1}, {17, 16}}, LightGrey); // jaws
    i.polygon({{15, 16}, {16, 1}, {19, 2}, {20, 16}}, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.line(16, 3, 16, 12, DarkGrey);
    i.disc(16, 16, 3, DarkGrey);
    i.disc(16, 16, 1.5, White);
    return i;
}

Icon screwdriver()
{
    Icon i;
    i.stroke({4, 28}, {13, 19}, 7, Yellow);
    i.stroke({3, 27}, {12, 18}, 2, White);
    i.stroke({5, 31}, {16, 20}, 2, DarkYellow);
    for (int k = 0; k < 3; ++k)
        i.stroke({5.0 + 3 * k, 23.0 + 3 * k - 3}, {8.0 + 3 * k, 26.0 + 3 * k - 3}, 1, DarkYellow);
    i.stroke({14, 18}, {27, 5}, 2.5, LightGrey, false);
    i.stroke({13.5, 17.5}, {26.5, 4.5}, 1, White, false);
    i.polygon({{26, 3}, {30, 1}, {31, 2}, {29, 6}}, DarkGrey);
    return i;
}

Icon hacksaw()
{
    Icon i;
    QPainterPath frame;
    frame.moveTo(4, 22);
    frame.lineTo(4, 8);
    frame.lineTo(28, 8);
    frame.lineTo(28, 22);
    i.strokePath(frame, 2.5, DarkBlue);
    i.strokePath(frame, 1.2, Blue);
    i.rect(3, 21, 27, 3, White); // blade
    for (int x = 3; x < 30; x += 2)
        i.set(x, 24, LightGrey);
    i.polygon({{1, 22}, {6, 22}, {7, 31}, {2, 31}}, Red);
    i.rect(2, 22, 1, 9, Yellow);
    return i;
}

Icon handSaw()
{
    Icon i;
    i.polygon({{9, 6}, {31, 14}, {31, 20}, {9, 20}}, LightGrey);
    i.rect(9, 6, 1, 14, White);
    for (int x = 10; x < 32; x += 2)
        i.polygon({{x + 0.0, 20}, {x + 1.0, 22}, {x + 2.0, 20}}, LightGrey);
    i.line(10, 7, 30, 14, White);
    QPainterPath grip;
    grip.addRoundedRect(QRectF(0, 6, 11, 15), 3, 3);
    i.fillPath(grip, DarkYellow);
    i.rect(3, 10, 5, 7, Clear);
    i.rect(0, 7, 10, 1, Yellow);
    i.rect(0, 7, 1, 13, Yellow);
    i.disc(12, 9, 1, DarkGrey);
    i.disc(12, 17, 1, DarkGrey);
    return i;
}

Icon drill()
{
    Icon i;
    QPainterPath body;
    body.addRoundedRect(QRectF(4, 5, 20, 11), 4, 4);
    i.fillPath(body, Green);
    i.polygon({{9, 14}, {17, 14}, {15, 28}, {8, 28}}, Green); // grip
    i.bevel(Green, White, DarkGreen);
    i.rect(7, 26, 10, 4, DarkGrey); // battery
    i.rect(7, 26, 10, 1, LightGrey);
    i.rect(24, 7, 4, 7, DarkGrey); // chuck
    i.rect(24, 7, 4, 1, LightGrey);
    i.rect(28, 9, 4, 3, LightGrey); // bit
    i.set(29, 9, DarkGrey);
    i.set(31, 11, DarkGrey);
    i.rect(16, 15, 2, 3, Black); // trigger
    return i;
}

Icon oilCan()
{
    Icon i;
    i.polygon({{3, 16}, {20, 16}, {23, 30}, {0, 30}}, Red);
    i.ellipse(1, 10, 21, 10, Red);
    i.bevel(Red, Yellow, DarkRed);
    i.polygon({{18, 15}, {31, 2}, {31, 4}, {20, 18}}, LightGrey); // spout
    i.line(19, 15, 30, 3, White);
    i.rect(9, 8, 5, 3, LightGrey);
    i.ellipse(6, 21, 11, 6, Yellow);
    i.set(31, 6, Yellow); // a drop
    i.set(31, 7, Yellow);
    return i;
}

Icon toolbox()
{
    Icon i;
    i.rect(2, 13, 28, 17, Red);
    i.rect(2, 13, 28, 1, Yellow);
    i.rect(2, 13, 1, 17, Yellow);
    i.rect(29, 13, 1, 17, DarkRed);
    i.rect(2, 29, 28, 1, DarkRed);
    i.rect(2, 17, 28, 2, DarkRed); // lid line
    i.rect(13, 16, 6, 4, LightGrey); // latch
    QPainterPath handle;
    handle.moveTo(10, 13);
    handle.lineTo(11, 6);
    handle.lineTo(21, 6);
    handle.lineTo(22, 13);
    i.strokePath(handle, 2, DarkGrey);
    i.stroke({4, 12}, {9, 6}, 2, LightGrey); // a spanner sticking out
    i.disc(9, 5, 2.5, LightGrey);
    i.set(10, 4, Clear);
    return i;
}

} // namespace

Page mechanicalParts()
{
    return {
        {"gear", gear},
        {"brass gear", brassGear},
        {"spoked wheel", spokedWheel},
        {"sprocket", sprocket},
        {"meshing gears", meshingGears},
        {"rack and pinion", rackAndPinion},
        {"ratchet", ratchet},
        {"pulley", pulley},
        {"belt drive", beltDrive},
        {"ball bearing", bearing},

        {"hexagon nut", hexNut},
        {"square nut", squareNut},
        {"wing nut", wingNut},
        {"washer", washer},
        {"nails", nail},
        {"hexagon bolt", hexBolt},
        {"eye bolt", eyeBolt},
        {"wood screw", woodScrew},
        {"machine screw", machineScrew},
        {"cross-head screw", crossHead},

        {"coil spring", coilSpring},
        {"compression spring", compressionSpring},
        {"tension spring", tensionSpring},
        {"chain link", chainLink},
        {"chain", chain},
        {"hinge", hinge},
        {"lever", lever},
        {"crank", crank},
        {"piston", piston},
        {"shackle", shackle},

        {"spanner", spanner},
        {"adjustable wrench", adjustableWrench},
        {"hammer", hammer},
        {"pliers", pliers},
        {"screwdriver", screwdriver},
        {"hacksaw", hacksaw},
        {"hand saw", handSaw},
        {"drill", drill},
        {"oil can", oilCan},
        {"toolbox", toolbox},
    };
}
