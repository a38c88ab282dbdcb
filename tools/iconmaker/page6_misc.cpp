// Page 6, miscellaneous (shapes 201 to 240): weather, arrows and signs, plants, and things
// about the house.

#include "motifs.h"
#include "pages.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

using namespace Motifs;

namespace {

// ---- Weather ----------------------------------------------------------------------------------

void sunAt(Icon &i, double cx, double cy, double r, double rays)
{
    for (int k = 0; k < 8; ++k) {
        const double a = k * std::numbers::pi / 4;
        i.stroke({cx + (r + 2) * std::cos(a), cy + (r + 2) * std::sin(a)},
                 {cx + (r + rays) * std::cos(a), cy + (r + rays) * std::sin(a)}, 2, Yellow);
    }
    i.disc(cx, cy, r, Yellow);
    i.bevel(Yellow, White, DarkYellow);
}

// A cloud: a flat bottom with three bumps, light on top and grey underneath.
void cloudAt(Icon &i, double x, double y, double scale, Colour c, Colour under)
{
    QPainterPath cloud;
    cloud.setFillRule(Qt::WindingFill);
    cloud.addEllipse(QPointF(x + 7 * scale, y + 11 * scale), 6 * scale, 5 * scale);
    cloud.addEllipse(QPointF(x + 15 * scale, y + 7 * scale), 8 * scale, 7 * scale);
    cloud.addEllipse(QPointF(x + 23 * scale, y + 11 * scale), 6 * scale, 5 * scale);
    cloud.addRect(QRectF(x + 7 * scale, y + 9 * scale, 16 * scale, 7 * scale));
    i.fillPath(cloud.simplified(), c);
    i.bevel(c, White, under);
}

Icon sun()
{
    Icon i;
    sunAt(i, 16, 16, 8, 14.5);
    return i;
}

Icon cloud()
{
    Icon i;
    cloudAt(i, 0.5, 5, 1.0, White, LightGrey);
    return i;
}

Icon rainCloud()
{
    Icon i;
    cloudAt(i, 1, 0, 0.95, LightGrey, DarkGrey);
    for (int k = 0; k < 5; ++k) {
        const int x = 6 + 5 * k, y = 19 + (k % 2) * 4;
        i.line(x, y, x - 2, y + 4, Cyan);
        i.line(x + 1, y, x - 1, y + 4, Blue);
    }
    return i;
}

Icon snowflake()
{
    Icon i;
    for (int k = 0; k < 6; ++k) {
        QTransform t;
        t.translate(16, 16).rotate(60 * k);
        QPainterPath arm;
        arm.moveTo(0, 0);
        arm.lineTo(0, -14);
        arm.moveTo(0, -8);
        arm.lineTo(-4, -12);
        arm.moveTo(0, -8);
        arm.lineTo(4, -12);
        i.strokePath(t.map(arm), 1.6, White);
    }
    i.outline(Cyan);
    i.disc(16, 16, 2, Cyan);
    return i;
}

Icon thunderstorm()
{
    Icon i;
    cloudAt(i, 1, 0, 0.95, DarkGrey, DarkGrey);
    i.outline(LightGrey);
    i.polygon({{16, 12}, {11, 22}, {16, 22}, {12, 31}, {23, 18}, {18, 18}, {21, 12}}, Yellow);
    i.line(16, 13, 12, 21, White);
    return i;
}

Icon sunAndCloud()
{
    Icon i;
    sunAt(i, 11, 11, 6, 10.5);
    cloudAt(i, 4, 10, 0.9, White, LightGrey);
    return i;
}

Icon umbrella()
{
    Icon i;
    QPainterPath canopy;
    canopy.moveTo(1, 15);
    canopy.cubicTo(1, 0, 31, 0, 31, 15);
    for (int k = 0; k < 4; ++k)
        canopy.quadTo(31 - 7.5 * k - 3.75, 12, 31 - 7.5 * (k + 1), 15);
    canopy.closeSubpath();
    i.fillPath(canopy, Red);
    QPainterPath stripes;
    stripes.addRect(QRectF(8.5, 0, 4, 16));
    stripes.addRect(QRectF(19.5, 0, 4, 16));
    i.fillPath(canopy.intersected(stripes), White);
    i.rect(15, 14, 2, 13, DarkGrey);
    QPainterPath handle;
    handle.moveTo(16, 26);
    handle.cubicTo(16, 32, 10, 32, 10, 27);
    i.strokePath(handle, 2, DarkYellow);
    i.rect(15, 0, 2, 2, DarkGrey);
    return i;
}

Icon snowman()
{
    Icon i;
    i.disc(16, 24, 8, White);
    i.disc(16, 13, 6, White);
    i.bevel(White, White, LightGrey);
    Icon hat; // black, so it needs a light rim to stand out
    hat.rect(12, 0, 8, 6, Black);
    hat.rect(9, 6, 14, 2, Black);
    hat.outline(LightGrey);
    hat.rect(12, 4, 8, 1, Red);
    i.overlay(hat);
    i.rect(13, 11, 2, 2, Black);
    i.rect(18, 11, 2, 2, Black);
    i.polygon({{16, 14}, {23, 15}, {16, 16}}, Red); // carrot
    i.rect(10, 18, 12, 2, Red);                     // scarf
    i.rect(18, 19, 3, 5, Red);
    for (int y : {22, 26})
        i.rect(15, y, 2, 2, Black);
    i.line(8, 21, 2, 16, DarkYellow); // arms
    i.line(24, 21, 30, 16, DarkYellow);
    return i;
}

Icon thermometer()
{
    Icon i;
    QPainterPath tube;
    tube.addRoundedRect(QRectF(12, 1, 8, 24), 4, 4);
    i.fillPath(tube, White);
    i.disc(16, 25, 6, White);
    i.outline(LightGrey);
    i.disc(16, 25, 4.5, Red);
    i.rect(15, 8, 3, 17, Red);
    for (int y = 4; y < 22; y += 3)
        i.rect(20, y, 3, 1, LightGrey);
    i.rect(13, 3, 1, 16, LightGrey);
    return i;
}

Icon windsock()
{
    Icon i;
    i.rect(3, 1, 2, 31, LightGrey); // pole
    i.rect(3, 1, 1, 31, White);
    for (int k = 0; k < 4; ++k) { // the sock, narrowing away from the pole
        const double x0 = 5 + 6 * k, x1 = x0 + 6;
        const double h0 = 12 - 2 * k, h1 = 12 - 2 * (k + 1);
        i.polygon({{x0, 4 + k * 1.5}, {x1, 4 + (k + 1) * 1.5}, {x1, 4 + (k + 1) * 1.5 + h1},
                   {x0, 4 + k * 1.5 + h0}},
                  k % 2 ? White : Red);
    }
    for (int k = 0; k < 3; ++k) // gusts
        i.line(10 + 4 * k, 22 + 3 * k, 22 + 4 * k, 22 + 3 * k, Cyan);
    return i;
}

// ---- Arrows and signs -------------------------------------------------------------------------

// A fat arrow pointing right, drawn across the box and turned into place.
Icon arrowRight(Colour c, Colour light, Colour dark)
{
    Icon i;
    i.polygon({{2, 11}, {16, 11}, {16, 3}, {30, 16}, {16, 29}, {16, 21}, {2, 21}}, c);
    i.bevel(c, light, dark);
    return i;
}

Icon doubleArrow(Colour c, Colour light, Colour dark)
{
    Icon i;
    i.polygon({{1, 16}, {10, 6}, {10, 12}, {22, 12}, {22, 6}, {31, 16}, {22, 26}, {22, 20}, {10, 20},
               {10, 26}},
              c);
    i.bevel(c, light, dark);
    return i;
}

Icon roundArrow()
{
    // Three quarters of a circle clockwise, the head at its end pointing along the way.
    Icon i;
    const QRectF circle(6, 7, 20, 20);
    QPainterPath arc;
    arc.arcMoveTo(circle, 120);
    arc.arcTo(circle, 120, -265);
    i.strokePath(arc, 5, Magenta);
    const double end = 215 * std::numbers::pi / 180;
    const QPointF at(16 + 10 * std::cos(end), 17 - 10 * std::sin(end));
    const QPointF along(std::sin(end), std::cos(end)), across(-along.y(), along.x());
    i.polygon({at + 7 * along, at + 6.5 * across, at - 6.5 * across}, Magenta);
    i.bevel(Magenta, White, DarkMagenta);
    return i;
}

Icon uTurnArrow()
{
    Icon i;
    QPainterPath u;
    u.moveTo(8, 31);
    u.lineTo(8, 14);
    u.cubicTo(8, 2, 24, 2, 24, 14);
    u.lineTo(24, 20);
    i.strokePath(u, 5, Cyan);
    i.polygon({{17, 19}, {31, 19}, {24, 29}}, Cyan);
    i.bevel(Cyan, White, DarkCyan);
    return i;
}

Icon tick()
{
    Icon i;
    QPainterPath t;
    t.moveTo(4, 17);
    t.lineTo(12, 25);
    t.lineTo(28, 6);
    i.strokePath(t, 5.5, Green);
    i.bevel(Green, White, DarkGreen);
    return i;
}



Icon stopSign()
{
    Icon i;
    i.polygon({{10, 1}, {22, 1}, {31, 10}, {31, 22}, {22, 31}, {10, 31}, {1, 22}, {1, 10}}, White);
    i.polygon({{10.5, 3}, {21.5, 3}, {29, 10.5}, {29, 21.5}, {21.5, 29}, {10.5, 29}, {3, 21.5},
               {3, 10.5}},
              Red);
    i.rect(7, 14, 18, 4, White);
    return i;
}

// ---- Plants -----------------------------------------------------------------------------------

Icon tree()
{
    Icon i;
    i.polygon({{13, 31}, {14, 18}, {18, 18}, {19, 31}}, DarkYellow);
    i.line(16, 22, 21, 17, DarkYellow);
    i.disc(16, 10, 9, Green);
    i.disc(8, 15, 6.5, Green);
    i.disc(24, 15, 6.5, Green);
    i.disc(16, 17, 6, Green);
    i.bevel(Green, White, DarkGreen);
    for (auto [x, y] : {std::pair{11, 8}, {20, 11}, {7, 16}, {24, 17}, {15, 18}})
        i.rect(x, y, 2, 2, Red); // apples
    i.rect(13, 31, 7, 1, DarkYellow);
    return i;
}

Icon firTree()
{
    Icon i;
    i.rect(14, 26, 4, 6, DarkYellow);
    i.polygon({{16, 0}, {24, 10}, {8, 10}}, Green);
    i.polygon({{16, 5}, {27, 18}, {5, 18}}, Green);
    i.polygon({{16, 11}, {30, 27}, {2, 27}}, Green);
    i.bevel(Green, White, DarkGreen);
    i.fillPath(star(16, 2, 3, 1.2, 5), Yellow);
    for (auto [x, y, c] : {std::tuple{12, 14, Red}, {19, 21, Blue}, {11, 23, Yellow}, {21, 13, Yellow}})
        i.rect(x, y, 2, 2, c);
    return i;
}

Icon palmTree()
{
    Icon i;
    QPainterPath trunk;
    trunk.moveTo(15, 10);
    trunk.cubicTo(18, 18, 18, 25, 14, 31);
    i.strokePath(trunk, 3, DarkYellow);
    for (int y = 14; y < 30; y += 3)
        i.rect(14, y, 4, 1, Yellow);
    const double fronds[][4] = {{15, 9, 1, 15}, {15, 9, 4, 3}, {15, 9, 27, 3}, {15, 9, 30, 15},
                                {15, 9, 16, 1}};
    for (const auto &f : fronds) {
        QPainterPath leaf;
        leaf.moveTo(f[0], f[1]);
        leaf.quadTo((f[0] + f[2]) / 2, std::min(f[1], f[3]) - 4, f[2], f[3]);
        i.strokePath(leaf, 3, Green);
    }
    i.bevel(Green, White, DarkGreen);
    i.disc(13, 11, 1.8, DarkRed); // coconuts
    i.disc(17, 11, 1.8, DarkRed);
    i.rect(0, 30, 32, 2, Yellow); // sand
    return i;
}

Icon daisy()
{
    Icon i;
    i.rect(15, 18, 2, 14, Green);
    i.ellipse(17, 22, 9, 4, Green);
    for (int k = 0; k < 8; ++k) {
        QTransform t;
        t.translate(16, 11).rotate(45 * k);
        QPainterPath petal;
        petal.addEllipse(QRectF(-2.5, -11, 5, 9));
        i.fillPath(t.map(petal), White);
    }
    i.outline(LightGrey);
    i.disc(16, 11, 4, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    return i;
}

Icon tulip()
{
    Icon i;
    i.rect(15, 16, 2, 16, Green);
    i.polygon({{15, 31}, {6, 18}, {9, 17}, {15, 26}}, Green); // leaves
    i.polygon({{17, 31}, {26, 20}, {23, 19}, {17, 27}}, Green);
    i.bevel(Green, White, DarkGreen);
    QPainterPath bloom;
    bloom.moveTo(8, 4);
    bloom.lineTo(12, 8);
    bloom.lineTo(16, 2);
    bloom.lineTo(20, 8);
    bloom.lineTo(24, 4);
    bloom.cubicTo(25, 14, 22, 18, 16, 18);
    bloom.cubicTo(10, 18, 7, 14, 8, 4);
    i.fillPath(bloom, Red);
    i.bevel(Red, Yellow, DarkRed);
    i.polygon({{16, 4}, {19, 9}, {16, 16}, {13, 9}}, DarkRed);
    return i;
}

Icon sunflower()
{
    Icon i;
    i.rect(15, 20, 2, 12, Green);
    i.ellipse(4, 23, 11, 5, Green);
    for (int k = 0; k < 12; ++k) {
        QTransform t;
        t.translate(16, 12).rotate(30 * k);
        QPainterPath petal;
        petal.moveTo(-2.5, -6);
        petal.lineTo(0, -12);
        petal.lineTo(2.5, -6);
        i.fillPath(t.map(petal), Yellow);
    }
    i.disc(16, 12, 7, Yellow);
    i.disc(16, 12, 6, DarkYellow);
    for (int y = 8; y < 17; y += 2)
        for (int x = 12 + (y / 2) % 2; x < 21; x += 2)
            if (std::hypot(x + 0.5 - 16, y + 0.5 - 12) < 5)
                i.set(x, y, DarkRed);
    return i;
}

Icon mushroom()
{
    Icon i;
    i.polygon({{11, 17}, {21, 17}, {22, 30}, {10, 30}}, White); // stalk
    i.rect(19, 17, 3, 13, LightGrey);
    QPainterPath cap;
    cap.moveTo(1, 19);
    cap.cubicTo(1, 0, 31, 0, 31, 19);
    cap.closeSubpath();
    i.fillPath(cap, Red);
    i.bevel(Red, Yellow, DarkRed);
    for (auto [x, y, r] : {std::tuple{9.0, 10.0, 2.5}, {19.0, 7.0, 2.0}, {24.0, 13.0, 2.2},
                           {14.0, 15.0, 1.8}, {5.0, 16.0, 1.3}})
        i.disc(x, y, r, White);
    return i;
}

Icon cactus()
{
    Icon i;
    QPainterPath c;
    c.setFillRule(Qt::WindingFill);
    c.addRoundedRect(QRectF(12, 2, 8, 26), 4, 4);
    c.addRoundedRect(QRectF(3, 8, 6, 12), 3, 3);
    c.addRect(QRectF(5, 16, 8, 4));
    c.addRoundedRect(QRectF(23, 5, 6, 12), 3, 3);
    c.addRect(QRectF(19, 13, 6, 4));
    i.fillPath(c.simplified(), Green);
    i.bevel(Green, White, DarkGreen);
    for (int y = 5; y < 26; y += 4)
        i.set(16, y, DarkGreen);
    i.polygon({{8, 27}, {24, 27}, {22, 32}, {10, 32}}, Red); // pot
    i.rect(8, 27, 16, 1, Yellow);
    i.disc(16, 2, 1.5, Magenta); // flower
    return i;
}

Icon apple()
{
    Icon i;
    QPainterPath body;
    body.moveTo(16, 8);
    body.cubicTo(24, 3, 31, 9, 29, 19);
    body.cubicTo(27, 29, 20, 31, 16, 29);
    body.cubicTo(12, 31, 5, 29, 3, 19);
    body.cubicTo(1, 9, 8, 3, 16, 8);
    i.fillPath(body, Red);
    i.bevel(Red, White, DarkRed);
    i.ellipse(7, 10, 4, 6, White);
    i.stroke({16, 9}, {17, 2}, 1.6, DarkYellow);
    QPainterPath leaf;
    leaf.moveTo(17, 4);
    leaf.cubicTo(20, 0, 26, 1, 27, 3);
    leaf.cubicTo(24, 6, 20, 6, 17, 4);
    i.fillPath(leaf, Green);
    return i;
}

Icon leaf()
{
    Icon i;
    QPainterPath l;
    l.moveTo(3, 29);
    l.cubicTo(2, 14, 12, 3, 30, 2);
    l.cubicTo(30, 18, 20, 29, 3, 29);
    i.fillPath(l, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    QPainterPath veins;
    veins.moveTo(3, 29);
    veins.quadTo(14, 18, 27, 5);
    veins.moveTo(12, 20);
    veins.lineTo(12, 12);
    veins.moveTo(18, 14);
    veins.lineTo(18, 7);
    veins.moveTo(12, 20);
    veins.lineTo(21, 21);
    veins.moveTo(18, 14);
    veins.lineTo(25, 14);
    i.strokePath(veins, 1, Red);
    i.stroke({0, 32}, {4, 28}, 1.5, DarkRed);
    return i;
}

// ---- About the house --------------------------------------------------------------------------

Icon clock()
{
    Icon i;
    i.disc(16, 16, 15, Red);
    i.bevel(Red, Yellow, DarkRed);
    i.disc(16, 16, 12, White);
    for (int k = 0; k < 12; ++k) {
        const double a = k * std::numbers::pi / 6;
        const int x = int(std::floor(16 + 10.2 * std::cos(a)));
        const int y = int(std::floor(16 + 10.2 * std::sin(a)));
        i.set(x, y, k % 3 ? DarkGrey : Black);
        if (k % 3 == 0)
            i.set(x + (k == 6 ? 1 : 0), y + (k == 9 ? 1 : 0), Black);
    }
    i.stroke({16, 16}, {16, 7}, 1.5, Black);  // minute hand
    i.stroke({16, 16}, {22, 19}, 2, Black);   // hour hand
    i.disc(16, 16, 1.5, Red);
    return i;
}

Icon key()
{
    Icon i;
    i.ring(9, 10, 8, 4, Yellow);
    i.rect(14, 14, 4, 4, Yellow);
    i.stroke({13, 14}, {28, 29}, 4, Yellow, false);
    i.polygon({{22, 26}, {25, 23}, {29, 21}, {27, 19}}, Clear);
    i.stroke({22, 23}, {26, 19}, 3, Yellow, false); // bits
    i.stroke({26, 27}, {29, 24}, 3, Yellow, false);
    i.bevel(Yellow, White, DarkYellow);
    return i;
}

Icon bell()
{
    Icon i;
    QPainterPath b;
    b.moveTo(16, 3);
    b.cubicTo(24, 3, 24, 12, 25, 18);
    b.cubicTo(26, 22, 30, 24, 30, 25);
    b.lineTo(2, 25);
    b.cubicTo(2, 24, 6, 22, 7, 18);
    b.cubicTo(8, 12, 8, 3, 16, 3);
    i.fillPath(b, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    i.rect(2, 24, 28, 2, DarkYellow);
    i.disc(16, 27.5, 3, DarkYellow); // clapper
    i.ring(16, 2, 2.5, 1.2, DarkYellow);
    i.line(9, 10, 8, 18, White);
    return i;
}

Icon lightBulb()
{
    Icon i;
    i.disc(16, 12, 10, Yellow);
    i.polygon({{10, 18}, {22, 18}, {20, 23}, {12, 23}}, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    i.art(12, 8, {"..d....d..", "..d.dd.d..", "...d..d...", "...d..d...", "...d..d...",
                  "...d..d..."}); // filament
    for (int y = 23; y < 29; y += 2) {
        i.rect(12, y, 8, 2, LightGrey);
        i.rect(12, y + 1, 8, 1, DarkGrey);
    }
    i.rect(14, 29, 4, 2, DarkGrey);
    i.ellipse(9, 7, 3, 5, White);
    return i;
}

Icon candle()
{
    Icon i;
    i.ellipse(3, 26, 26, 6, Yellow); // holder
    i.ellipse(3, 25, 26, 5, DarkYellow);
    i.rect(11, 10, 10, 18, White);
    i.rect(18, 10, 3, 18, LightGrey);
    i.ellipse(11, 8, 10, 4, White);
    i.rect(15, 6, 2, 4, DarkGrey); // wick
    i.ellipse(13, 0, 6, 8, Yellow); // flame
    i.ellipse(14.5, 3, 3, 4, Red);
    i.rect(12, 12, 2, 5, White);
    i.rect(12, 11, 2, 1, LightGrey);
    return i;
}

Icon teacup()
{
    Icon i;
    i.ring(25, 17, 5, 2, White); // handle
    QPainterPath cup;
    cup.moveTo(3, 10);
    cup.lineTo(25, 10);
    cup.cubicTo(25, 24, 20, 27, 14, 27);
    cup.cubicTo(8, 27, 3, 24, 3, 10);
    i.fillPath(cup, White);
    i.bevel(White, White, LightGrey);
    i.ellipse(3, 8, 22, 5, LightGrey);
    i.ellipse(4, 9, 20, 3, DarkRed); // tea
    i.ellipse(0, 26, 30, 5, LightGrey); // saucer
    i.ellipse(1, 26, 28, 3, White);
    i.rect(9, 17, 10, 2, Blue);
    QPainterPath steam;
    steam.moveTo(10, 6);
    steam.cubicTo(7, 3, 13, 2, 10, -1);
    steam.moveTo(17, 6);
    steam.cubicTo(14, 3, 20, 2, 17, -1);
    i.strokePath(steam, 1, LightGrey);
    return i;
}

Icon book()
{
    Icon i;
    i.polygon({{3, 7}, {23, 3}, {29, 6}, {9, 10}}, White); // pages from above
    i.polygon({{3, 7}, {9, 10}, {9, 30}, {3, 27}}, Blue);  // spine
    i.polygon({{9, 10}, {29, 6}, {29, 26}, {9, 30}}, Blue); // cover
    i.bevel(Blue, Cyan, DarkBlue);
    i.polygon({{29, 6}, {30, 7}, {30, 26}, {29, 26}}, White);
    i.polygon({{13, 13}, {25, 11}, {25, 17}, {13, 19}}, Yellow); // label
    i.line(15, 15, 23, 13, DarkYellow);
    i.line(4, 12, 8, 14, Yellow);
    i.line(4, 23, 8, 25, Yellow);
    return i;
}

Icon envelope()
{
    Icon i;
    i.rect(1, 7, 30, 19, White);
    i.frame(1, 7, 30, 19, LightGrey);
    i.line(1, 7, 16, 18, LightGrey);
    i.line(31, 7, 16, 18, LightGrey);
    i.line(1, 25, 12, 15, LightGrey);
    i.line(30, 25, 20, 15, LightGrey);
    i.rect(23, 9, 6, 6, Red); // stamp
    i.frame(23, 9, 6, 6, DarkRed);
    i.fillPath(heart(4, 19, 6, 5), Red);
    return i;
}

Icon telephone()
{
    Icon i;
    i.polygon({{5, 14}, {27, 14}, {30, 29}, {2, 29}}, Red);
    i.bevel(Red, Yellow, DarkRed);
    i.disc(16, 21, 6, White);
    for (int k = 0; k < 8; ++k) {
        const double a = -2.2 + k * 0.62;
        i.set(int(16 + 4 * std::cos(a)), int(21 + 4 * std::sin(a)), DarkGrey);
    }
    i.disc(16, 21, 1.5, Red);
    QPainterPath handset;
    handset.moveTo(4, 11);
    handset.cubicTo(8, 5, 24, 5, 28, 11);
    i.strokePath(handset, 4, DarkRed);
    i.strokePath(handset, 2, Red);
    i.ellipse(1, 8, 8, 6, Red);
    i.ellipse(23, 8, 8, 6, Red);
    i.rect(13, 12, 6, 2, DarkRed);
    return i;
}

Icon television()
{
    Icon i;
    i.line(11, 0, 15, 5, LightGrey); // aerial
    i.line(21, 0, 17, 5, LightGrey);
    QPainterPath box;
    box.addRoundedRect(QRectF(1, 5, 30, 23), 3, 3);
    i.fillPath(box, DarkYellow);
    i.bevel(DarkYellow, Yellow, DarkRed);
    QPainterPath screen;
    screen.addRoundedRect(QRectF(4, 8, 19, 17), 3, 3);
    i.fillPath(screen, Blue);
    i.ellipse(6, 10, 6, 4, Cyan);
    i.disc(27, 12, 1.8, LightGrey);
    i.disc(27, 18, 1.8, LightGrey);
    i.rect(5, 28, 4, 3, DarkGrey);
    i.rect(23, 28, 4, 3, DarkGrey);
    return i;
}

} // namespace

Page miscellaneous()
{
    return {
        {"sun", sun},
        {"cloud", cloud},
        {"rain", rainCloud},
        {"snowflake", snowflake},
        {"thunderstorm", thunderstorm},
        {"sun and cloud", sunAndCloud},
        {"umbrella", umbrella},
        {"snowman", snowman},
        {"thermometer", thermometer},
        {"windsock", windsock},

        {"arrow right", [] { return arrowRight(Green, White, DarkGreen); }},
        {"arrow left", [] { return arrowRight(Green, White, DarkGreen).mirrored(); }},
        {"arrow up", [] { return arrowRight(Blue, Cyan, DarkBlue).rotated().flipped(); }},
        {"arrow down", [] { return arrowRight(Blue, Cyan, DarkBlue).rotated(); }},
        {"arrow left and right", [] { return doubleArrow(Yellow, White, DarkYellow); }},
        {"arrow up and down", [] { return doubleArrow(Red, Yellow, DarkRed).rotated(); }},
        {"round arrow", roundArrow},
        {"u-turn arrow", uTurnArrow},
        {"tick", tick},
        {"stop sign", stopSign},

        {"tree", tree},
        {"fir tree", firTree},
        {"palm tree", palmTree},
        {"daisy", daisy},
        {"tulip", tulip},
        {"sunflower", sunflower},
        {"mushroom", mushroom},
        {"cactus", cactus},
        {"apple", apple},
        {"autumn leaf", leaf},

        {"clock", clock},
        {"key", key},
        {"bell", bell},
        {"light bulb", lightBulb},
        {"candle", candle},
        {"teacup", teacup},
        {"book", book},
        {"envelope", envelope},
        {"telephone", telephone},
        {"television", television},
    };
}
