// Page 4, toys and things for children (shapes 121 to 160): balls and things that move, blocks
// and play things, music and vehicles, and treats.

#include "motifs.h"
#include "pages.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

using namespace Motifs;

namespace {

// ---- Balls, animals and things that move ----------------------------------------------------

Icon beachBall()
{
    Icon i;
    i.disc(16, 16, 14, White);
    // Coloured segments radiating from a pole at the upper left.
    const Colour segments[] = {Red, Yellow, Blue, Green, Red, Yellow};
    for (int k = 0; k < 6; ++k) {
        QPainterPath wedge;
        const double a0 = k * std::numbers::pi / 3, a1 = a0 + std::numbers::pi / 6;
        wedge.moveTo(11, 11);
        wedge.lineTo(11 + 40 * std::cos(a0), 11 + 40 * std::sin(a0));
        wedge.lineTo(11 + 40 * std::cos(a1), 11 + 40 * std::sin(a1));
        wedge.closeSubpath();
        QPainterPath ball;
        ball.addEllipse(QPointF(16, 16), 14, 14);
        i.fillPath(wedge.intersected(ball), segments[k]);
    }
    i.disc(11, 11, 3, White);
    i.ring(16, 16, 14, 1, LightGrey);
    i.set(8, 8, White);
    return i;
}

Icon football()
{
    Icon i;
    i.disc(16, 16, 14, White);
    i.ring(16, 16, 14, 1, LightGrey);
    // Black pentagons: one in the middle, parts of five round it.
    auto pentagon = [&](double cx, double cy, double r, double turn) {
        QPainterPath p;
        for (int k = 0; k < 5; ++k) {
            const double a = turn - std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5;
            const QPointF pt(cx + r * std::cos(a), cy + r * std::sin(a));
            if (k == 0)
                p.moveTo(pt);
            else
                p.lineTo(pt);
        }
        p.closeSubpath();
        return p;
    };
    QPainterPath ball;
    ball.addEllipse(QPointF(16, 16), 13.5, 13.5);
    i.fillPath(pentagon(16, 16, 5, 0), Black);
    for (int k = 0; k < 5; ++k) {
        const double a = -std::numbers::pi / 2 + k * 2 * std::numbers::pi / 5 + std::numbers::pi / 5;
        const double x = 16 + 13 * std::cos(a), y = 16 + 13 * std::sin(a);
        i.fillPath(pentagon(x, y, 5, std::numbers::pi / 5).intersected(ball), Black);
        i.line(int(16 + 5 * std::cos(a)), int(16 + 5 * std::sin(a)), int(16 + 9 * std::cos(a)),
               int(16 + 9 * std::sin(a)), DarkGrey);
    }
    i.set(10, 9, LightGrey);
    return i;
}

Icon kite()
{
    Icon i;
    i.polygon({{14, 0}, {25, 9}, {14, 22}, {3, 9}}, Red);
    i.polygon({{14, 0}, {25, 9}, {14, 9}}, Yellow);
    i.polygon({{3, 9}, {14, 22}, {14, 9}}, Blue);
    i.line(14, 0, 14, 22, White);
    i.line(3, 9, 25, 9, White);
    // Tail with bows.
    QPainterPath tail;
    tail.moveTo(14, 22);
    tail.cubicTo(12, 26, 20, 26, 18, 31);
    i.strokePath(tail, 1, White);
    i.polygon({{12, 25}, {16, 27}, {12, 29}}, Green);
    i.polygon({{20, 26}, {16, 27}, {20, 29}}, Green);
    i.line(25, 9, 31, 31, LightGrey); // string
    return i;
}

Icon teddy()
{
    Icon i;
    // Ears, head, body, arms and legs in one brown, then the lighter patches and the face.
    for (auto [x, y, r] : {std::tuple{8.5, 4.5, 3.5}, {23.5, 4.5, 3.5}, {16, 10, 8.0}}) 
        i.disc(x, y, r, DarkYellow);
    i.ellipse(8, 16, 16, 14, DarkYellow);
    i.ellipse(3, 17, 7, 5, DarkYellow);
    i.ellipse(22, 17, 7, 5, DarkYellow);
    i.ellipse(6, 25, 8, 7, DarkYellow);
    i.ellipse(18, 25, 8, 7, DarkYellow);
    i.outline(DarkRed);
    i.disc(8.5, 4.5, 1.5, Yellow);
    i.disc(23.5, 4.5, 1.5, Yellow);
    i.ellipse(12, 10, 8, 6, Yellow); // muzzle
    i.ellipse(11, 19, 10, 9, Yellow); // tummy
    i.ellipse(8, 27, 4, 4, Yellow);
    i.ellipse(20, 27, 4, 4, Yellow);
    i.rect(11, 7, 2, 2, Black);
    i.rect(19, 7, 2, 2, Black);
    i.rect(15, 11, 3, 2, Black);
    i.rect(16, 13, 1, 1, DarkRed);
    i.polygon({{11, 16}, {16, 18}, {21, 16}, {21, 19}, {16, 18}, {11, 19}}, Red); // bow tie
    return i;
}

Icon duck()
{
    Icon i;
    QPainterPath body;
    body.moveTo(3, 17);
    body.cubicTo(6, 18, 10, 18, 13, 17);
    body.lineTo(30, 14);
    body.cubicTo(31, 22, 26, 29, 16, 29);
    body.cubicTo(7, 29, 3, 24, 3, 17);
    i.fillPath(body, Yellow);
    i.disc(12, 10, 7, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    i.polygon({{1, 10}, {6, 8}, {7, 13}, {2, 13}}, Red); // beak
    i.rect(2, 12, 5, 1, DarkRed);
    i.rect(11, 7, 2, 2, Black);
    i.set(11, 7, White);
    QPainterPath wing;
    wing.moveTo(13, 20);
    wing.cubicTo(18, 18, 24, 18, 26, 20);
    wing.cubicTo(22, 25, 16, 24, 13, 20);
    i.fillPath(wing, DarkYellow);
    return i;
}

Icon sailingBoat()
{
    Icon i;
    i.rect(15, 2, 1, 21, DarkYellow); // mast
    i.polygon({{16, 2}, {27, 20}, {16, 20}}, White);
    i.polygon({{14, 5}, {14, 20}, {5, 20}}, Red);
    i.line(16, 2, 26, 19, LightGrey);
    i.polygon({{1, 22}, {31, 22}, {26, 28}, {5, 28}}, Blue);
    i.rect(2, 22, 28, 1, Cyan);
    i.rect(6, 27, 20, 1, DarkBlue);
    i.polygon({{15, 2}, {15, 0}, {20, 1}}, Yellow); // pennant
    for (int x = 0; x < 32; x += 6) // waves
        i.art(x, 29, {".CC...", "C..C.."});
    return i;
}

Icon toyCar()
{
    Icon i;
    QPainterPath body;
    body.addRoundedRect(QRectF(1, 15, 30, 9), 3, 3);
    i.fillPath(body, Red);
    i.polygon({{8, 15}, {11, 7}, {21, 7}, {25, 15}}, Red);
    i.bevel(Red, Yellow, DarkRed);
    i.polygon({{10, 15}, {12, 9}, {15, 9}, {15, 15}}, Cyan);
    i.polygon({{17, 15}, {17, 9}, {20, 9}, {23, 15}}, Cyan);
    i.rect(28, 17, 3, 2, Yellow); // lamp
    for (int x : {8, 24}) {
        i.disc(x, 24, 4.5, DarkGrey);
        i.disc(x, 24, 3.5, Black);
        i.disc(x, 24, 1.5, LightGrey);
    }
    i.ring(8, 24, 4.5, 1, LightGrey);
    i.ring(24, 24, 4.5, 1, LightGrey);
    return i;
}

// The rail and sleepers along the bottom of the train pieces, the same in every one.
void track(Icon &i)
{
    for (int x = 2; x < 32; x += 8)
        i.rect(x, 30, 4, 2, DarkYellow);
    i.rect(0, 29, 32, 1, LightGrey);
}

void trainWheel(Icon &i, int x, Colour c)
{
    i.disc(x, 25, 3.5, c);
    i.disc(x, 25, 1.2, Black);
}

Icon engine()
{
    Icon i;
    track(i);
    i.rect(2, 7, 10, 15, Blue); // cab
    i.rect(0, 5, 14, 3, DarkBlue);
    i.rect(4, 10, 6, 5, Cyan);
    i.rect(12, 12, 15, 10, Green); // boiler
    i.rect(12, 12, 15, 2, White);
    i.rect(12, 20, 15, 2, DarkGreen);
    i.rect(19, 5, 4, 7, DarkGrey); // funnel
    i.rect(18, 4, 6, 2, LightGrey);
    i.disc(25, 2, 2, LightGrey);   // steam
    i.disc(30, 1, 1.5, White);
    i.polygon({{27, 22}, {31, 22}, {31, 26}, {29, 28}}, Red); // cow catcher
    i.rect(0, 22, 27, 3, Red);
    i.rect(0, 22, 27, 1, Yellow);
    trainWheel(i, 6, Red);
    trainWheel(i, 15, Yellow);
    trainWheel(i, 23, Yellow);
    return i;
}

Icon carriage()
{
    Icon i;
    track(i);
    i.rect(2, 8, 28, 14, Red);
    i.rect(1, 6, 30, 3, DarkRed);
    i.rect(2, 9, 28, 1, Yellow);
    for (int x = 5; x < 28; x += 8)
        i.rect(x, 11, 5, 5, Yellow);
    i.rect(0, 22, 32, 3, DarkGrey); // the frame runs out to the couplings at both ends
    i.rect(0, 22, 32, 1, LightGrey);
    trainWheel(i, 7, Yellow);
    trainWheel(i, 25, Yellow);
    return i;
}

Icon drum()
{
    Icon i;
    i.rect(4, 10, 24, 15, Red);
    i.ellipse(4, 20, 24, 9, Red);
    for (int k = 0; k < 5; ++k) // zigzag cords
        i.line(4 + 5 * k, 12, 8 + 5 * k, 25, White);
    i.rect(4, 10, 24, 2, Yellow);
    i.rect(4, 23, 24, 2, Yellow);
    i.ellipse(4, 6, 24, 8, LightGrey);
    i.ellipse(5, 7, 22, 6, White);
    i.stroke({9, 1}, {16, 9}, 1.5, DarkYellow); // sticks
    i.stroke({25, 1}, {18, 9}, 1.5, DarkYellow);
    i.disc(9, 1.5, 1.5, Yellow);
    i.disc(25, 1.5, 1.5, Yellow);
    return i;
}

// ---- Blocks and play things -------------------------------------------------------------------

Icon rocket()
{
    Icon i;
    QPainterPath hull;
    hull.moveTo(16, 0);
    hull.cubicTo(22, 5, 22, 14, 21, 23);
    hull.lineTo(11, 23);
    hull.cubicTo(10, 14, 10, 5, 16, 0);
    i.fillPath(hull, White);
    i.bevel(White, White, LightGrey);
    i.polygon({{11, 15}, {5, 24}, {11, 23}}, Red);
    i.polygon({{21, 15}, {27, 24}, {21, 23}}, Red);
    i.polygon({{16, 0}, {19, 4}, {13, 4}}, Red);
    i.rect(14, 18, 4, 6, Red);
    i.disc(16, 10, 3, DarkBlue);
    i.disc(16, 10, 2, Cyan);
    i.polygon({{12, 24}, {20, 24}, {16, 32}}, Yellow); // flame
    i.polygon({{14, 24}, {18, 24}, {16, 29}}, Red);
    return i;
}

// A big letter for the toy blocks, nine pixels wide and eight high.
void blockLetter(Icon &i, int x, int y, char letter, Colour c)
{
    switch (letter) {
    case 'A':
        stencil(i, x, y, {"...###...", "..##.##..", ".##...##.", ".##...##.", ".#######.", "##.....##",
                          "##.....##", "##.....##"}, c);
        break;
    case 'B':
        stencil(i, x, y, {"#######..", "##....##.", "##....##.", "#######..", "##....##.", "##....##.",
                          "##....##.", "#######.."}, c);
        break;
    case 'C':
        stencil(i, x, y, {"..#####..", ".##...##.", "##.......", "##.......", "##.......", "##.......",
                          ".##...##.", "..#####.."}, c);
        break;
    }
}

Icon letterBlock(char letter, Colour face, Colour faceDark, Colour top, Colour side, Colour ink)
{
    Icon i;
    block(i, {2, 10, 20, 20}, 8, top, face, side);
    i.frame(2, 10, 20, 20, faceDark);
    i.rect(2, 10, 20, 1, White);
    blockLetter(i, 7, 16, letter, ink);
    return i;
}

Icon spinningTop()
{
    Icon i;
    i.rect(15, 0, 3, 6, DarkYellow); // handle
    i.polygon({{3, 12}, {29, 12}, {17, 31}, {15, 31}}, Red);
    i.ellipse(3, 6, 26, 12, Red);
    i.ellipse(5, 7, 22, 9, Yellow);
    i.ellipse(9, 9, 14, 5, Red);
    i.polygon({{5, 15}, {27, 15}, {23, 20}, {9, 20}}, Blue);
    i.line(14, 21, 16, 30, White);
    i.rect(15, 0, 1, 6, Yellow);
    return i;
}

Icon yoyo()
{
    Icon i;
    i.line(16, 0, 14, 12, White);
    i.disc(14, 20, 11, DarkBlue);
    i.disc(14, 20, 10, Blue);
    i.disc(14, 20, 6, Cyan);
    i.disc(14, 20, 2.5, White);
    i.ellipse(22, 11, 6, 18, DarkBlue);
    i.set(9, 15, White);
    i.set(10, 14, White);
    return i;
}

Icon rockingHorse()
{
    Icon i;
    QPainterPath rocker;
    rocker.moveTo(1, 24);
    rocker.quadTo(16, 34, 31, 24);
    i.strokePath(rocker, 2.5, Red);
    i.line(8, 20, 7, 27, DarkYellow);
    i.line(9, 20, 11, 28, DarkYellow);
    i.line(21, 20, 21, 28, DarkYellow);
    i.line(22, 20, 25, 27, DarkYellow);
    i.ellipse(6, 12, 19, 9, White);          // body
    i.polygon({{19, 14}, {22, 4}, {26, 3}, {28, 6}, {24, 9}, {24, 15}}, White); // neck and head
    i.polygon({{26, 3}, {31, 6}, {30, 9}, {27, 7}}, White);
    i.outline(LightGrey);
    i.polygon({{19, 5}, {22, 2}, {23, 10}, {20, 13}}, DarkYellow); // mane
    i.rect(24, 4, 2, 1, Black);
    i.polygon({{6, 14}, {2, 14}, {1, 19}, {4, 16}}, DarkYellow);   // tail
    i.rect(12, 11, 6, 3, Red);                                      // saddle
    return i;
}

Icon doll()
{
    Icon i;
    i.disc(16, 8, 6.5, Yellow); // hair
    i.rect(9, 8, 3, 9, Yellow);
    i.rect(20, 8, 3, 9, Yellow);
    i.disc(16, 9, 5, White);    // face
    i.rect(11, 5, 10, 2, Yellow);
    i.rect(13, 8, 1, 2, Blue);
    i.rect(18, 8, 1, 2, Blue);
    i.rect(14, 12, 4, 1, Red);
    i.set(12, 11, Magenta);
    i.set(19, 11, Magenta);
    i.polygon({{13, 15}, {19, 15}, {26, 29}, {6, 29}}, Magenta); // dress
    i.rect(6, 28, 20, 2, White);
    i.rect(12, 16, 8, 1, White);
    i.stroke({12, 17}, {8, 23}, 2, White);
    i.stroke({20, 17}, {24, 23}, 2, White);
    i.rect(11, 30, 3, 2, DarkMagenta);
    i.rect(18, 30, 3, 2, DarkMagenta);
    return i;
}

Icon balloons()
{
    Icon i;
    i.line(9, 14, 15, 31, White);
    i.line(22, 12, 16, 31, White);
    i.line(16, 19, 16, 31, LightGrey);
    i.ellipse(10, 8, 12, 14, Green);
    i.ellipse(2, 1, 13, 15, Red);
    i.ellipse(17, 0, 13, 15, Blue);
    i.ellipse(5, 4, 3, 4, White);
    i.ellipse(20, 3, 3, 4, Cyan);
    i.set(8, 16, DarkRed);
    i.set(23, 15, DarkBlue);
    return i;
}

Icon jackInTheBox()
{
    Icon i;
    i.polygon({{20, 16}, {29, 4}, {31, 6}, {24, 16}}, Red); // the lid, thrown back
    block(i, {2, 17, 20, 14}, 6, DarkBlue, Blue, DarkBlue);
    i.rect(2, 17, 20, 1, Cyan);
    i.polygon({{12, 19}, {17, 24}, {12, 29}, {7, 24}}, Yellow); // a diamond on the front
    for (int k = 0; k < 4; ++k) { // the spring
        const double y = 15 - 2.5 * k;
        i.stroke({11, y}, {17, y - 1.2}, 1.5, LightGrey);
    }
    i.disc(14, 6, 5, White); // the clown
    i.rect(12, 5, 1, 2, Black);
    i.rect(16, 5, 1, 2, Black);
    i.rect(13, 8, 3, 1, Red);
    i.disc(9, 6, 1.5, Red);
    i.disc(19, 6, 1.5, Red);
    i.polygon({{10, 2}, {18, 2}, {14, -3}}, Magenta); // hat
    i.rect(14, 0, 1, 1, Yellow);
    return i;
}

// ---- Music and vehicles -----------------------------------------------------------------------

Icon xylophone()
{
    Icon i;
    const Colour bars[] = {Red, Yellow, Green, Cyan, Blue, Magenta};
    for (int k = 0; k < 6; ++k) {
        const int x = 3 + 4 * k, len = 20 - 2 * k;
        i.rect(x, 16 - len / 2, 3, len, bars[k]);
        i.set(x + 1, 16 - len / 2 + 2, White);
        i.set(x + 1, 16 + len / 2 - 3, White);
    }
    i.line(1, 7, 27, 11, DarkYellow);
    i.line(1, 25, 27, 21, DarkYellow);
    i.stroke({20, 31}, {29, 22}, 1.5, DarkYellow); // beater
    i.disc(29.5, 21.5, 2, Red);
    return i;
}

Icon trumpet()
{
    Icon i;
    i.rect(2, 14, 18, 3, Yellow); // lead pipe
    i.rect(2, 14, 18, 1, White);
    QPainterPath loop;
    loop.addRoundedRect(QRectF(6, 14, 14, 9), 4, 4);
    i.strokePath(loop, 2, DarkYellow);
    i.polygon({{19, 13}, {30, 6}, {30, 25}, {19, 18}}, Yellow); // bell
    i.rect(29, 6, 2, 20, DarkYellow);
    i.bevel(Yellow, White, DarkYellow);
    for (int x : {9, 12, 15}) { // valves
        i.rect(x, 8, 2, 6, LightGrey);
        i.rect(x - 1, 7, 4, 1, White);
    }
    i.rect(0, 14, 2, 3, LightGrey);
    return i;
}

Icon robot()
{
    Icon i;
    i.rect(15, 0, 2, 3, LightGrey); // aerial
    i.disc(16, 1, 1.5, Red);
    i.rect(8, 3, 16, 11, LightGrey); // head
    i.rect(11, 6, 3, 3, Cyan);
    i.rect(18, 6, 3, 3, Cyan);
    i.rect(12, 11, 8, 1, DarkGrey);
    i.rect(6, 15, 20, 11, LightGrey); // body
    i.rect(10, 17, 12, 6, DarkBlue);
    i.rect(11, 18, 2, 2, Red);
    i.rect(14, 18, 2, 2, Yellow);
    i.rect(17, 18, 2, 2, Green);
    i.rect(11, 21, 10, 1, Cyan);
    i.rect(2, 15, 3, 10, DarkGrey); // arms
    i.rect(27, 15, 3, 10, DarkGrey);
    i.rect(9, 26, 5, 6, DarkGrey);  // legs
    i.rect(18, 26, 5, 6, DarkGrey);
    i.bevel(LightGrey, White, DarkGrey);
    return i;
}

Icon helicopter()
{
    Icon i;
    i.rect(2, 3, 28, 2, DarkGrey); // rotor
    i.rect(15, 4, 2, 5, DarkGrey);
    i.rect(19, 14, 12, 3, Yellow); // tail
    i.rect(28, 9, 2, 8, Yellow);
    i.ellipse(4, 8, 19, 15, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    i.ellipse(5, 10, 8, 7, Cyan);
    i.rect(5, 14, 9, 3, Yellow);
    i.rect(5, 26, 20, 2, LightGrey); // skids
    i.rect(9, 22, 2, 4, LightGrey);
    i.rect(18, 22, 2, 4, LightGrey);
    i.disc(29, 9, 3, DarkGrey);
    return i;
}

Icon pinwheel()
{
    Icon i;
    i.rect(15, 16, 2, 16, DarkYellow);
    const Colour blades[] = {Red, Blue, Yellow, Green};
    for (int k = 0; k < 4; ++k) {
        QTransform t;
        t.translate(16, 14).rotate(90 * k);
        i.fillPath(t.map([] {
            QPainterPath p;
            p.moveTo(0, 0);
            p.lineTo(0, -13);
            p.lineTo(10, -4);
            p.closeSubpath();
            return p;
        }()), blades[k]);
    }
    i.disc(16, 14, 2, White);
    return i;
}

Icon bucketAndSpade()
{
    Icon i;
    i.polygon({{3, 12}, {21, 12}, {19, 30}, {5, 30}}, Red);
    i.bevel(Red, Yellow, DarkRed);
    i.ellipse(3, 10, 18, 5, DarkRed);
    i.ellipse(4, 10, 16, 3, Yellow); // sand
    QPainterPath handle;
    handle.moveTo(3, 13);
    handle.cubicTo(3, 2, 21, 2, 21, 13);
    i.strokePath(handle, 1, LightGrey);
    i.stroke({29, 1}, {26, 20}, 2, Blue); // spade
    i.polygon({{22, 19}, {30, 20}, {29, 29}, {25, 31}, {21, 28}}, Blue);
    i.bevel(Blue, Cyan, DarkBlue);
    return i;
}

Icon skippingRope()
{
    Icon i;
    QPainterPath rope;
    rope.moveTo(7, 9);
    rope.cubicTo(4, 30, 28, 30, 25, 9);
    i.strokePath(rope, 1.5, Magenta);
    for (int x : {4, 22}) {
        QPainterPath grip;
        grip.addRoundedRect(QRectF(x, 1, 6, 10), 2, 2);
        i.fillPath(grip, Red);
        i.rect(x + 1, 2, 1, 8, Yellow);
    }
    return i;
}

Icon rollerSkate()
{
    Icon i;
    i.polygon({{6, 2}, {15, 2}, {16, 12}, {26, 15}, {29, 20}, {29, 23}, {4, 23}, {4, 5}}, Magenta);
    i.bevel(Magenta, White, DarkMagenta);
    for (int y = 6; y < 14; y += 3) // laces
        i.line(14, y, 19, y + 2, White);
    i.rect(4, 23, 26, 2, LightGrey);
    for (int x : {8, 24}) {
        i.disc(x, 27.5, 3.5, Yellow);
        i.disc(x, 27.5, 1, DarkYellow);
    }
    return i;
}

Icon tricycle()
{
    Icon i;
    i.ring(22, 22, 8, 2, DarkGrey);
    i.ring(22, 22, 8, 1, LightGrey);
    i.disc(22, 22, 1.5, LightGrey);
    i.ring(5, 26, 4, 2, DarkGrey);
    i.ring(5, 26, 4, 1, LightGrey);
    i.stroke({6, 26}, {20, 14}, 2.5, Red); // frame
    i.stroke({22, 22}, {19, 6}, 2.5, Red);
    i.rect(6, 11, 8, 3, Blue);  // seat
    i.stroke({10, 14}, {12, 20}, 2, Red);
    i.rect(15, 5, 8, 2, LightGrey); // handlebars
    i.rect(14, 4, 3, 3, Blue);
    i.rect(22, 4, 3, 3, Blue);
    return i;
}

Icon aeroplane()
{
    Icon i;
    i.polygon({{2, 13}, {27, 12}, {31, 15}, {27, 18}, {2, 17}}, White); // fuselage
    i.polygon({{13, 13}, {21, 13}, {10, 2}, {7, 2}}, Red);               // wings
    i.polygon({{13, 17}, {21, 17}, {10, 30}, {7, 30}}, Red);
    i.polygon({{2, 13}, {6, 13}, {3, 6}, {1, 6}}, Blue);                 // tail fin
    i.bevel(White, White, LightGrey);
    i.rect(25, 13, 3, 2, Cyan);
    for (int x = 10; x < 24; x += 3)
        i.set(x, 14, Blue);
    return i;
}

// ---- Drawing, games and treats ----------------------------------------------------------------

Icon crayons()
{
    Icon i;
    const Colour colours[][2] = {{Red, DarkRed}, {Yellow, DarkYellow}, {Blue, DarkBlue},
                                 {Green, DarkGreen}};
    for (int k = 0; k < 4; ++k) {
        const int x = 3 + 7 * k, top = 3 + (k % 2) * 4;
        i.polygon({{x + 0.0, top + 6.0}, {x + 2.5, top + 0.0}, {x + 5.0, top + 6.0}}, colours[k][0]);
        i.rect(x, top + 6, 5, 24 - top, colours[k][0]);
        i.rect(x + 4, top + 6, 1, 24 - top, colours[k][1]);
        i.rect(x, top + 10, 5, 10, White); // paper
        i.rect(x + 1, top + 12, 3, 1, colours[k][1]);
        i.rect(x + 1, top + 17, 3, 1, colours[k][1]);
    }
    return i;
}

Icon paintbox()
{
    Icon i;
    i.rect(1, 12, 30, 16, White);
    i.rect(1, 27, 30, 1, LightGrey);
    i.rect(1, 10, 30, 2, LightGrey);
    const Colour paints[] = {Red, Yellow, Blue, Green, Magenta, Cyan};
    for (int k = 0; k < 6; ++k) {
        const int x = 3 + (k % 3) * 9, y = 14 + (k / 3) * 7;
        i.rect(x, y, 8, 5, paints[k]);
        i.set(x + 1, y + 1, White);
    }
    i.stroke({18, 1}, {30, 9}, 2, DarkYellow); // brush
    i.polygon({{14, 0}, {18, 0}, {19, 3}, {16, 3}}, Red);
    return i;
}

Icon toySoldier()
{
    Icon i;
    i.rect(12, 0, 8, 7, Black); // bearskin
    i.outline(DarkGrey);
    i.rect(13, 7, 6, 5, Yellow); // face
    i.rect(14, 8, 1, 1, Black);
    i.rect(17, 8, 1, 1, Black);
    i.rect(13, 11, 6, 1, Black);  // strap
    i.rect(11, 12, 10, 10, Red);  // tunic
    i.rect(11, 17, 10, 2, White); // belt
    i.rect(15, 12, 2, 10, Yellow);
    i.rect(8, 12, 3, 9, Red);
    i.rect(21, 12, 3, 9, Red);
    i.rect(12, 22, 3, 8, Blue);
    i.rect(17, 22, 3, 8, Blue);
    i.rect(11, 30, 4, 2, DarkGrey);
    i.rect(17, 30, 4, 2, DarkGrey);
    i.rect(24, 4, 1, 17, LightGrey); // rifle
    return i;
}

Icon jigsawPiece()
{
    Icon i;
    // A square with a knob out at the top and right and a socket in at the left and bottom.
    QPainterPath piece;
    piece.setFillRule(Qt::WindingFill);
    piece.addRect(QRectF(5, 8, 20, 20));
    for (QPointF knob : {QPointF(15, 5), QPointF(28, 18)})
        piece.addEllipse(knob, 4, 4);
    piece.addRect(QRectF(13, 7, 4, 2));
    piece.addRect(QRectF(24, 16, 3, 4));
    QPainterPath sockets;
    sockets.addEllipse(QPointF(8, 18), 3.5, 3.5);
    sockets.addEllipse(QPointF(15, 25), 3.5, 3.5);
    i.fillPath(piece.simplified().subtracted(sockets), Green);
    i.bevel(Green, White, DarkGreen);
    return i;
}

Icon dice()
{
    Icon i;
    block(i, {2, 10, 19, 19}, 8, White, White, LightGrey);
    i.polygon({{2, 10}, {10, 2}, {29, 2}, {21, 10}}, LightGrey);
    i.polygon({{3, 9}, {10, 3}, {28, 3}, {21, 9}}, White);
    i.frame(2, 10, 19, 19, LightGrey);
    for (auto [x, y] : {std::pair{6, 14}, {15, 14}, {6, 23}, {15, 23}, {10, 18}})
        i.rect(x, y, 3, 3, Red); // five on the front
    i.rect(14, 5, 3, 2, Black);  // one on top
    for (auto [x, y] : {std::pair{23, 11}, {26, 17}}) // two on the side
        i.rect(x, y, 2, 3, Black);
    return i;
}

Icon marbles()
{
    Icon i;
    const struct { double x, y, r; Colour c, dark; } ms[] = {
        {9, 21, 7, Blue, DarkBlue}, {22, 23, 6, Red, DarkRed}, {17, 10, 6, Green, DarkGreen},
        {26, 7, 4, Yellow, DarkYellow}};
    for (const auto &m : ms) {
        i.disc(m.x, m.y, m.r, m.c);
        QPainterPath swirl;
        swirl.moveTo(m.x - m.r * 0.5, m.y + m.r * 0.6);
        swirl.quadTo(m.x, m.y - m.r * 0.2, m.x + m.r * 0.7, m.y + m.r * 0.1);
        swirl.quadTo(m.x, m.y + m.r * 0.1, m.x - m.r * 0.5, m.y + m.r * 0.6);
        i.fillPath(swirl, m.dark);
        i.disc(m.x - m.r * 0.4, m.y - m.r * 0.4, m.r * 0.25 + 0.5, White);
    }
    return i;
}

Icon lollipop()
{
    Icon i;
    i.rect(15, 18, 2, 14, White);
    i.disc(16, 11, 10, Red);
    QPainterPath spiral;
    spiral.moveTo(16, 11);
    for (int k = 1; k <= 40; ++k) {
        const double a = k * 0.42, r = k * 0.22;
        spiral.lineTo(16 + r * std::cos(a), 11 + r * std::sin(a));
    }
    i.strokePath(spiral, 1.6, White);
    return i;
}

Icon iceCream()
{
    Icon i;
    i.polygon({{8, 14}, {24, 14}, {16, 31}}, DarkYellow); // cone
    i.line(10, 16, 18, 26, Yellow);
    i.line(14, 15, 20, 21, Yellow);
    i.line(22, 16, 14, 26, Yellow);
    i.line(18, 15, 12, 21, Yellow);
    i.disc(16, 12, 7.5, Magenta); // scoops
    i.disc(16, 6, 6, White);
    i.ellipse(8, 11, 16, 5, Magenta);
    i.disc(16, 1.5, 1.5, Red); // cherry
    i.set(13, 4, LightGrey);
    i.set(12, 10, White);
    return i;
}

Icon birthdayCake()
{
    Icon i;
    i.rect(3, 16, 26, 13, Magenta);
    i.ellipse(3, 26, 26, 5, Magenta);
    i.ellipse(3, 13, 26, 6, White);
    for (int x = 4; x < 28; x += 4) // icing drips
        i.rect(x, 17, 2, 2 + (x / 4) % 2, White);
    i.rect(3, 23, 26, 1, DarkMagenta);
    for (int x : {8, 15, 22}) { // candles
        i.rect(x, 7, 2, 8, x == 15 ? Cyan : Yellow);
        i.ellipse(x - 0.5, 2, 3, 5, Yellow);
        i.set(x, 5, Red);
    }
    return i;
}

Icon present()
{
    Icon i;
    i.rect(3, 12, 26, 19, Blue);
    i.rect(3, 12, 26, 1, Cyan);
    i.rect(1, 9, 30, 5, Blue);
    i.rect(1, 9, 30, 1, Cyan);
    i.rect(1, 13, 30, 1, DarkBlue);
    i.rect(14, 9, 4, 22, Yellow); // ribbon
    i.ellipse(6, 2, 10, 8, Yellow); // bow
    i.ellipse(16, 2, 10, 8, Yellow);
    i.ellipse(9, 4, 5, 4, Blue);
    i.ellipse(18, 4, 5, 4, Blue);
    i.rect(14, 6, 4, 4, DarkYellow);
    return i;
}

} // namespace

Page kidsCorner()
{
    return {
        {"beach ball", beachBall},
        {"football", football},
        {"kite", kite},
        {"teddy bear", teddy},
        {"rubber duck", duck},
        {"sailing boat", sailingBoat},
        {"toy car", toyCar},
        {"train engine", engine},
        {"train carriage", carriage},
        {"drum", drum},

        {"rocket", rocket},
        {"block with A", [] { return letterBlock('A', Red, DarkRed, Yellow, DarkRed, White); }},
        {"block with B", [] { return letterBlock('B', Blue, DarkBlue, Green, DarkBlue, Yellow); }},
        {"block with C", [] { return letterBlock('C', Green, DarkGreen, Red, DarkGreen, White); }},
        {"spinning top", spinningTop},
        {"yo-yo", yoyo},
        {"rocking horse", rockingHorse},
        {"doll", doll},
        {"balloons", balloons},
        {"jack-in-the-box", jackInTheBox},

        {"xylophone", xylophone},
        {"trumpet", trumpet},
        {"robot", robot},
        {"helicopter", helicopter},
        {"pinwheel", pinwheel},
        {"bucket and spade", bucketAndSpade},
        {"skipping rope", skippingRope},
        {"roller skate", rollerSkate},
        {"tricycle", tricycle},
        {"aeroplane", aeroplane},

        {"crayons", crayons},
        {"paint box", paintbox},
        {"toy soldier", toySoldier},
        {"jigsaw piece", jigsawPiece},
        {"dice", dice},
        {"marbles", marbles},
        {"lollipop", lollipop},
        {"ice cream", iceCream},
        {"birthday cake", birthdayCake},
        {"present", present},
    };
}
