// Page 3, tube fittings (shapes 81 to 120). Every piece joins its neighbours: grey steel pipe
// with brass fittings, and thin copper pipe for the shower, the sprinkler and the sink.
// Pieces are drawn once joining the left (and bottom) edge and turned for the other sides.

#include "fittings.h"
#include "pages.h"

#include <QPainterPath>

#include <cmath>

using namespace Fittings;
using Joints::Profile;

namespace {

const std::string_view pipe = band(Profile::Pipe);
const std::string_view copper = band(Profile::SmallPipe);
// The brass body of a fitting, two pixels wider than the pipe on each side.
constexpr std::string_view brass = ".........yyYYYYWWYYYYyy.........";
constexpr int stub = 4; // pipe showing between a fitting and the box edge

// Pipe stubs on the given sides, drawn last over the fitting so the joints keep their profile.
void stubs(Icon &i, std::initializer_list<Side> sides, std::string_view b = pipe, int length = stub)
{
    for (Side s : sides) {
        switch (s) {
        case Left: i.rect(0, 0, length, 32, Clear); break;
        case Right: i.rect(32 - length, 0, length, 32, Clear); break;
        case Top: i.rect(0, 0, 32, length, Clear); break;
        case Bottom: i.rect(0, 32 - length, 32, length, Clear); break;
        }
        fromEdge(i, b, s, length);
    }
}

// A brass block across a horizontal pipe, lit from the top left.
void brassBlock(Icon &i, int x, int y, int w, int h)
{
    i.rect(x, y, w, h, Yellow);
    i.rect(x, y + h - 2, w, 2, DarkYellow);
    i.rect(x + w - 1, y, 1, h, DarkYellow);
    i.rect(x, y, w - 1, 1, White);
    i.rect(x, y, 1, h - 2, White);
}

// A run whose width tapers from band a at x0 to band b at x1, each column shaded like a band.
void taper(Icon &i, std::string_view a, std::string_view b, int x0, int x1, std::string_view shade)
{
    const int a0 = int(a.find_first_not_of('.')), a1 = int(a.find_last_not_of('.')) + 1;
    const int b0 = int(b.find_first_not_of('.')), b1 = int(b.find_last_not_of('.')) + 1;
    const int s0 = int(shade.find_first_not_of('.')), sw = int(shade.find_last_not_of('.')) + 1 - s0;
    for (int x = x0; x <= x1; ++x) {
        const double t = double(x - x0) / (x1 - x0);
        const int top = int(std::lround(a0 + (b0 - a0) * t));
        const int bottom = int(std::lround(a1 + (b1 - a1) * t));
        for (int y = top; y < bottom; ++y)
            i.set(x, y, Icon::colourOfChar(shade[size_t(s0 + (y - top) * sw / (bottom - top))]));
    }
}

Icon straightH()
{
    Icon i;
    straight(i, pipe, Qt::Horizontal);
    return i;
}

Icon elbowLeftBottom()
{
    Icon i;
    bendLeftBottom(i, brass, 9);
    stubs(i, {Left, Bottom});
    return i;
}

Icon teeDown()
{
    Icon i;
    straight(i, brass, Qt::Vertical, 16, 31);
    straight(i, brass, Qt::Horizontal);
    stubs(i, {Left, Right, Bottom});
    return i;
}

Icon cross()
{
    Icon i;
    straight(i, brass, Qt::Vertical);
    straight(i, brass, Qt::Horizontal);
    i.disc(16, 16, 8, DarkYellow);
    i.disc(15.5, 15.5, 7, Yellow);
    i.disc(13, 13, 2, White);
    stubs(i, {Left, Right, Top, Bottom});
    return i;
}

Icon capFromLeft()
{
    Icon i;
    straight(i, pipe, Qt::Horizontal, 0, 14);
    straight(i, brass, Qt::Horizontal, 13, 22);
    i.rect(23, 10, 1, 12, DarkYellow);
    i.rect(24, 12, 1, 8, DarkYellow);
    return i;
}

Icon gateValve()
{
    Icon i = straightH();
    brassBlock(i, 10, 8, 12, 16);
    i.rect(9, 10, 1, 12, DarkYellow);
    i.rect(22, 10, 1, 12, DarkYellow);
    i.rect(14, 4, 4, 4, LightGrey); // bonnet
    i.rect(17, 4, 1, 4, DarkGrey);
    i.rect(15, 1, 2, 3, DarkGrey);  // stem
    i.rect(6, 1, 20, 3, Red);       // hand wheel seen edge on
    i.rect(6, 3, 20, 1, DarkRed);
    i.rect(7, 1, 8, 1, White);
    return i;
}

Icon ballValve()
{
    Icon i = straightH();
    brassBlock(i, 11, 8, 10, 16);
    i.rect(10, 10, 1, 12, DarkYellow);
    i.rect(21, 10, 1, 12, DarkYellow);
    i.rect(14, 5, 4, 3, LightGrey);
    i.rect(14, 2, 17, 3, Red); // lever
    i.rect(14, 4, 17, 1, DarkRed);
    i.rect(13, 1, 5, 4, Red);
    i.rect(13, 1, 4, 1, White);
    return i;
}

Icon flange()
{
    Icon i = straightH();
    for (int x : {10, 17}) {
        i.rect(x, 5, 5, 22, LightGrey);
        i.rect(x, 5, 1, 22, White);
        i.rect(x + 4, 5, 1, 22, DarkGrey);
        i.rect(x, 26, 5, 1, DarkGrey);
    }
    i.rect(15, 6, 2, 20, DarkGrey); // gasket
    for (int y : {2, 28}) {         // bolt heads
        i.rect(11, y, 3, 2, Yellow);
        i.rect(18, y, 3, 2, Yellow);
    }
    return i;
}

Icon reducer()
{
    Icon i;
    straight(i, pipe, Qt::Horizontal, 0, 9);
    straight(i, brass, Qt::Horizontal, 8, 12);
    taper(i, brass, ".............yyYYWWYYyy.........", 12, 20, brass);
    straight(i, copper, Qt::Horizontal, 20, 31);
    i.rect(8, 9, 1, 14, DarkYellow);
    return i;
}

Icon copperH()
{
    Icon i;
    straight(i, copper, Qt::Horizontal);
    return i;
}

Icon copperBend()
{
    Icon i;
    bendLeftBottom(i, copper, 3);
    return i;
}

Icon unionH()
{
    Icon i = straightH();
    straight(i, brass, Qt::Horizontal, 7, 24);
    // The hex nut, three faces seen from the side.
    i.rect(11, 6, 10, 20, Yellow);
    i.rect(11, 6, 2, 20, DarkYellow);
    i.rect(19, 6, 2, 20, DarkYellow);
    i.rect(14, 6, 2, 20, White);
    i.rect(11, 6, 10, 1, DarkYellow);
    i.rect(11, 25, 10, 1, DarkYellow);
    i.rect(7, 9, 1, 14, DarkYellow);
    i.rect(24, 9, 1, 14, DarkYellow);
    return i;
}

Icon gauge()
{
    Icon i = straightH();
    i.disc(16, 10, 9.5, LightGrey);
    i.disc(16, 10, 8.5, DarkGrey);
    i.disc(16, 10, 7.5, White);
    for (auto [x, y] : {std::pair{10, 10}, {11, 6}, {15, 4}, {20, 6}, {21, 10}})
        i.set(x, y, Black);
    i.line(16, 10, 20, 6, Red);
    i.line(16, 11, 20, 7, Red);
    i.rect(15, 10, 2, 2, Black);
    return i;
}

Icon pump()
{
    Icon i = straightH();
    i.polygon({{9, 31}, {23, 31}, {21, 24}, {11, 24}}, DarkGrey); // foot
    i.rect(9, 30, 14, 1, LightGrey);
    i.disc(16, 15, 11, Cyan);
    i.disc(16, 15, 10, Blue);
    i.disc(16, 15, 7, DarkBlue);
    i.polygon({{11, 9}, {11, 21}, {24, 15}}, White);
    i.polygon({{12, 12}, {12, 18}, {18, 15}}, LightGrey);
    return i;
}

Icon checkValve()
{
    Icon i = straightH();
    brassBlock(i, 8, 7, 16, 18);
    i.rect(7, 10, 1, 12, DarkYellow);
    i.rect(24, 10, 1, 12, DarkYellow);
    i.polygon({{10, 14}, {17, 14}, {17, 10}, {23, 16}, {17, 22}, {17, 18}, {10, 18}}, DarkRed);
    return i;
}

Icon wallTap()
{
    Icon i;
    straight(i, pipe, Qt::Horizontal, 0, 9);
    brassBlock(i, 10, 9, 10, 14);
    // Spout, turning down.
    i.rect(20, 12, 6, 6, Yellow);
    i.rect(21, 17, 5, 7, Yellow);
    i.rect(20, 12, 6, 1, White);
    i.rect(25, 12, 1, 12, DarkYellow);
    i.rect(20, 23, 6, 2, DarkYellow);
    // Cross handle.
    i.rect(14, 5, 2, 4, LightGrey);
    i.rect(9, 2, 12, 3, Red);
    i.rect(9, 4, 12, 1, DarkRed);
    i.rect(9, 2, 5, 1, White);
    // A drop of water.
    i.ellipse(21, 27, 4, 5, Cyan);
    i.set(22, 28, White);
    i.set(22, 26, Cyan);
    return i;
}

Icon shower()
{
    Icon i;
    fromEdge(i, copper, Top, 9);
    i.rect(12, 9, 8, 2, LightGrey);
    i.polygon({{12, 11}, {20, 11}, {26, 17}, {6, 17}}, LightGrey);
    i.rect(6, 16, 20, 2, DarkGrey);
    i.rect(12, 11, 4, 1, White);
    for (int k = 0; k < 5; ++k) { // water
        const int x = 8 + 4 * k;
        i.line(x, 20, x + (k - 2), 23, Cyan);
        i.line(x + (k - 2) * 2, 26, x + (k - 2) * 2 + (k - 2) / 2, 29, Cyan);
    }
    return i;
}

Icon sprinkler()
{
    Icon i;
    fromEdge(i, copper, Bottom, 12);
    i.rect(11, 16, 10, 5, DarkGrey);
    i.rect(12, 16, 8, 4, LightGrey);
    i.rect(12, 16, 3, 1, White);
    i.rect(14, 12, 4, 4, LightGrey);
    // Jets of water arching out both ways.
    QPainterPath left;
    left.moveTo(15, 11);
    left.cubicTo(12, 3, 5, 2, 1, 10);
    QPainterPath right;
    right.moveTo(17, 11);
    right.cubicTo(20, 3, 27, 2, 31, 10);
    i.strokePath(left, 1.2, Cyan);
    i.strokePath(right, 1.2, Cyan);
    for (auto [x, y] : {std::pair{2, 13}, {30, 13}, {1, 16}, {31, 16}, {16, 6}})
        i.set(x, y, Cyan);
    i.set(16, 7, Cyan);
    return i;
}

Icon tank()
{
    Icon i;
    fromEdge(i, pipe, Bottom, 8);
    i.rect(5, 3, 22, 21, LightGrey);
    i.ellipse(5, 0, 22, 7, LightGrey);
    i.rect(5, 3, 2, 21, White);
    i.rect(23, 3, 4, 21, DarkGrey);
    i.rect(5, 21, 22, 3, DarkGrey);
    for (int y : {8, 16}) // hoops
        i.rect(5, y, 22, 1, DarkGrey);
    i.rect(14, 10, 4, 4, Red); // level mark
    return i;
}

Icon sink()
{
    Icon i;
    fromEdge(i, copper, Bottom, 10);
    i.rect(1, 10, 30, 3, White);            // rim
    i.polygon({{3, 13}, {29, 13}, {25, 22}, {7, 22}}, White);
    i.polygon({{6, 13}, {26, 13}, {23, 19}, {9, 19}}, LightGrey);
    i.rect(1, 12, 30, 1, LightGrey);
    i.rect(7, 21, 18, 1, LightGrey);
    i.rect(14, 2, 4, 8, LightGrey);         // tap
    i.rect(14, 2, 10, 3, LightGrey);
    i.rect(22, 4, 2, 3, DarkGrey);
    i.rect(14, 2, 1, 8, White);
    i.rect(11, 0, 10, 2, Red);
    return i;
}

} // namespace

Page tubeFittings()
{
    return {
        {"pipe, left to right", straightH},
        {"pipe, top to bottom", [] { return turned(straightH(), 1); }},
        {"elbow, right and down", [] { return turned(elbowLeftBottom(), 3); }},
        {"elbow, left and down", elbowLeftBottom},
        {"elbow, up and right", [] { return turned(elbowLeftBottom(), 2); }},
        {"elbow, left and up", [] { return turned(elbowLeftBottom(), 1); }},
        {"tee, branch down", teeDown},
        {"tee, branch up", [] { return turned(teeDown(), 2); }},
        {"tee, branch right", [] { return turned(teeDown(), 3); }},
        {"tee, branch left", [] { return turned(teeDown(), 1); }},

        {"cross", cross},
        {"cap, pipe from the left", capFromLeft},
        {"cap, pipe from the right", [] { return turned(capFromLeft(), 2); }},
        {"cap, pipe from above", [] { return turned(capFromLeft(), 1); }},
        {"cap, pipe from below", [] { return turned(capFromLeft(), 3); }},
        {"gate valve, across", gateValve},
        {"gate valve, upright", [] { return turned(gateValve(), 1); }},
        {"ball valve", ballValve},
        {"flanged joint, across", flange},
        {"flanged joint, upright", [] { return turned(flange(), 1); }},

        {"reducer, wide on the left", reducer},
        {"reducer, wide on the right", [] { return turned(reducer(), 2); }},
        {"reducer, wide at the top", [] { return turned(reducer(), 1); }},
        {"reducer, wide at the bottom", [] { return turned(reducer(), 3); }},
        {"copper pipe, left to right", copperH},
        {"copper pipe, top to bottom", [] { return turned(copperH(), 1); }},
        {"copper bend, right and down", [] { return turned(copperBend(), 3); }},
        {"copper bend, left and down", copperBend},
        {"copper bend, up and right", [] { return turned(copperBend(), 2); }},
        {"copper bend, left and up", [] { return turned(copperBend(), 1); }},

        {"union, across", unionH},
        {"union, upright", [] { return turned(unionH(), 1); }},
        {"pressure gauge", gauge},
        {"pump", pump},
        {"check valve", checkValve},
        {"wall tap", wallTap},
        {"shower", shower},
        {"sprinkler", sprinkler},
        {"water tank", tank},
        {"sink", sink},
    };
}
