// Page 5, fun shapes (shapes 161 to 200): stars, hearts and signs, faces, animals, and bubble
// letters.

#include "motifs.h"
#include "pages.h"

#include <QPainterPath>
#include <QTransform>

#include <cmath>
#include <numbers>

using namespace Motifs;

namespace {

// ---- Stars, hearts and signs ------------------------------------------------------------------

Icon bigStar()
{
    Icon i;
    i.fillPath(star(16, 17, 15.5, 6.5, 5), Yellow);
    i.bevel(Yellow, White, DarkYellow);
    return i;
}

Icon shootingStar()
{
    Icon i;
    for (int k = 0; k < 3; ++k) { // the trail
        const Colour c[] = {Red, Yellow, White};
        i.stroke({1.0 + k, 31.0 - 5 * k}, {18, 14}, 2.5, c[k]);
    }
    i.fillPath(star(21, 11, 10.5, 4.5, 5), Yellow);
    i.bevel(Yellow, White, DarkYellow);
    return i;
}

Icon heartShape(Colour c, Colour light, Colour dark)
{
    Icon i;
    i.fillPath(heart(1, 3, 30, 27), c);
    i.bevel(c, light, dark);
    i.ellipse(6, 7, 5, 4, White);
    return i;
}

Icon heartWithArrow()
{
    Icon i = heartShape(Magenta, White, DarkMagenta);
    i.stroke({0, 26}, {31, 5}, 1.5, Yellow);
    i.polygon({{31, 4}, {24, 6}, {29, 10}}, Yellow);
    i.polygon({{0, 27}, {1, 21}, {5, 25}}, White);
    return i;
}

Icon diamondSuit()
{
    Icon i;
    i.polygon({{16, 1}, {28, 16}, {16, 31}, {4, 16}}, Red);
    i.bevel(Red, White, DarkRed);
    return i;
}

Icon clubSuit()
{
    Icon i;
    for (auto [x, y] : {std::pair{16.0, 8.5}, {8.5, 17.0}, {23.5, 17.0}})
        i.disc(x, y, 7, Green);
    i.polygon({{16, 14}, {20, 30}, {12, 30}}, Green);
    i.bevel(Green, White, DarkGreen);
    return i;
}

Icon spadeSuit()
{
    Icon i;
    i.fillPath(QTransform().translate(0, 33).scale(1, -1).map(heart(3, 9, 26, 24)), Blue);
    i.polygon({{16, 18}, {21, 31}, {11, 31}}, Blue);
    i.bevel(Blue, Cyan, DarkBlue);
    return i;
}

Icon moon()
{
    Icon i;
    QPainterPath crescent;
    crescent.addEllipse(QPointF(14, 16), 14, 14);
    QPainterPath bite;
    bite.addEllipse(QPointF(22, 11), 12, 12);
    i.fillPath(crescent.subtracted(bite), Yellow);
    i.bevel(Yellow, White, DarkYellow);
    i.set(7, 15, Black); // a sleepy eye
    i.rect(6, 15, 3, 1, DarkYellow);
    i.fillPath(star(25, 25, 4, 1.6, 4), White);
    return i;
}

Icon sunFace()
{
    Icon i;
    for (int k = 0; k < 12; ++k) {
        const double a = k * std::numbers::pi / 6;
        QPainterPath ray;
        ray.moveTo(16 + 15.5 * std::cos(a), 16 + 15.5 * std::sin(a));
        ray.lineTo(16 + 9 * std::cos(a + 0.22), 16 + 9 * std::sin(a + 0.22));
        ray.lineTo(16 + 9 * std::cos(a - 0.22), 16 + 9 * std::sin(a - 0.22));
        i.fillPath(ray, k % 2 ? Red : Yellow);
    }
    i.disc(16, 16, 10, Yellow);
    i.bevel(Yellow, White, DarkYellow);
    i.rect(12, 12, 2, 3, Black);
    i.rect(19, 12, 2, 3, Black);
    i.art(11, 18, {"k.........k", ".k.......k.", "..kkkkkkk.."});
    i.set(10, 17, Red);
    i.set(22, 17, Red);
    return i;
}

Icon rainbow()
{
    Icon i;
    const Colour bands[] = {Red, Yellow, Green, Cyan, Blue, Magenta};
    for (int k = 0; k < 6; ++k)
        i.disc(16, 26, 15.5 - 2 * k, bands[k]);
    i.disc(16, 26, 3.5, Clear);
    i.rect(0, 26, 32, 6, Clear);
    for (auto [x, r] : {std::pair{3.5, 4.0}, {28.5, 4.0}}) { // clouds at the feet
        i.disc(x, 25, r, White);
        i.disc(x + (x < 16 ? 4 : -4), 26, 3, White);
        i.rect(int(x) - 4, 26, 9, 3, White);
    }
    return i;
}

// ---- Faces ------------------------------------------------------------------------------------

Icon faceBase(Colour c = Yellow, Colour light = White, Colour dark = DarkYellow)
{
    Icon i;
    i.disc(16, 16, 15, c);
    i.bevel(c, light, dark);
    return i;
}

void eyes(Icon &i, int y, int h = 4)
{
    i.rect(10, y, 3, h, Black);
    i.rect(19, y, 3, h, Black);
}

Icon smiley()
{
    Icon i = faceBase();
    eyes(i, 9);
    i.art(7, 18, {"kk..............kk", "..k............k..", "...kk........kk...",
                  ".....kkkkkkkkk...."});
    return i;
}

Icon sadFace()
{
    Icon i = faceBase(Cyan, White, DarkCyan);
    eyes(i, 10);
    i.art(8, 20, {"....kkkkkkkkk...", "..kk.........kk.", ".k.............k"});
    i.rect(8, 7, 5, 1, Black);
    i.rect(19, 7, 5, 1, Black);
    i.rect(23, 14, 2, 3, Blue); // a tear
    i.rect(23, 17, 1, 1, Blue);
    return i;
}

Icon winkFace()
{
    Icon i = faceBase();
    i.rect(10, 9, 3, 4, Black);
    i.art(18, 10, {"..k..", ".k.k.", "k...k"}); // the winking eye
    QPainterPath grin;
    grin.moveTo(8, 18);
    grin.cubicTo(10, 22, 22, 22, 24, 17);
    grin.cubicTo(22, 27, 10, 27, 8, 18);
    i.fillPath(grin, Black);
    i.ellipse(15, 21, 6, 5, Red); // tongue
    i.set(17, 22, DarkRed);
    return i;
}

Icon surprisedFace()
{
    Icon i = faceBase();
    i.disc(11.5, 11, 3, White);
    i.disc(20.5, 11, 3, White);
    i.rect(11, 10, 2, 2, Black);
    i.rect(20, 10, 2, 2, Black);
    i.ellipse(12, 18, 8, 9, Black);
    i.ellipse(14, 20, 4, 5, DarkRed);
    return i;
}

Icon laughingFace()
{
    Icon i = faceBase();
    i.art(8, 9, {".kk.....kk.", "k..k...k..k"});
    QPainterPath mouth;
    mouth.moveTo(7, 16);
    mouth.lineTo(25, 16);
    mouth.cubicTo(25, 29, 7, 29, 7, 16);
    i.fillPath(mouth, Black);
    i.rect(9, 17, 14, 2, White); // teeth
    i.ellipse(12, 22, 8, 4, Red);
    return i;
}

Icon coolFace()
{
    Icon i = faceBase();
    i.rect(5, 9, 22, 2, Black); // sunglasses
    i.ellipse(6, 9, 9, 7, Black);
    i.ellipse(17, 9, 9, 7, Black);
    i.set(8, 11, White);
    i.set(19, 11, White);
    i.art(11, 21, {"..........k", "kkkkkkkkkk."});
    return i;
}

Icon angryFace()
{
    Icon i = faceBase(Red, Yellow, DarkRed);
    i.polygon({{8, 8}, {14, 11}, {13, 13}, {8, 10}}, Black);
    i.polygon({{24, 8}, {18, 11}, {19, 13}, {24, 10}}, Black);
    i.rect(10, 12, 3, 3, Black);
    i.rect(19, 12, 3, 3, Black);
    i.art(9, 21, {"...kkkkkkkk...", ".kk........kk.", "k............k"});
    return i;
}

Icon sleepyFace()
{
    Icon i = faceBase();
    i.art(8, 12, {"k....k", ".kkkk."});
    i.art(18, 12, {"k....k", ".kkkk."});
    i.ellipse(13, 19, 5, 5, Black);
    i.art(21, 0, {"WWWW.", "..W..", ".W...", "WWWW."});
    i.art(26, 4, {"WWW", ".W.", "WWW"});
    return i;
}

Icon clownFace()
{
    Icon i;
    i.disc(6, 10, 6, Red); // hair
    i.disc(26, 10, 6, Red);
    i.disc(16, 17, 13, White);
    i.polygon({{8, 7}, {24, 7}, {16, -1}}, Blue); // hat
    i.disc(16, 0.5, 2, Yellow);
    i.art(10, 11, {".B.....B.", "BkB...BkB", ".B.....B."});
    i.disc(16, 18, 3.5, Red); // nose
    i.set(15, 16, White);
    QPainterPath mouth;
    mouth.moveTo(8, 21);
    mouth.cubicTo(10, 29, 22, 29, 24, 21);
    mouth.cubicTo(20, 25, 12, 25, 8, 21);
    i.fillPath(mouth, Red);
    return i;
}

Icon ghost()
{
    Icon i;
    QPainterPath body;
    body.moveTo(4, 30);
    body.lineTo(4, 14);
    body.cubicTo(4, -2, 28, -2, 28, 14);
    body.lineTo(28, 30);
    for (int k = 0; k < 4; ++k) // wavy hem
        body.quadTo(28 - 6 * k - 3, 25, 28 - 6 * (k + 1), 30);
    body.closeSubpath();
    i.fillPath(body, White);
    i.bevel(White, White, LightGrey);
    i.ellipse(9, 9, 5, 7, Black);
    i.ellipse(18, 9, 5, 7, Black);
    i.set(10, 10, White);
    i.set(19, 10, White);
    i.ellipse(13, 18, 6, 5, Black);
    return i;
}

// ---- Animals ----------------------------------------------------------------------------------

Icon cat()
{
    Icon i;
    i.polygon({{4, 2}, {13, 8}, {5, 13}}, DarkGrey); // ears
    i.polygon({{28, 2}, {19, 8}, {27, 13}}, DarkGrey);
    i.ellipse(3, 6, 26, 23, DarkGrey);
    i.outline(LightGrey);
    i.polygon({{6, 5}, {11, 8}, {7, 11}}, Magenta);
    i.polygon({{26, 5}, {21, 8}, {25, 11}}, Magenta);
    i.ellipse(8, 12, 6, 6, Green); // eyes
    i.ellipse(18, 12, 6, 6, Green);
    i.rect(10, 12, 2, 6, Black);
    i.rect(20, 12, 2, 6, Black);
    i.polygon({{14, 20}, {18, 20}, {16, 22}}, Magenta);
    i.art(12, 22, {"k...k...k", ".kkk.kkk."});
    for (int k = 0; k < 2; ++k) { // whiskers
        i.line(0, 19 + 3 * k, 9, 21 + k, White);
        i.line(23, 21 + k, 31, 19 + 3 * k, White);
    }
    return i;
}

Icon dog()
{
    Icon i;
    i.ellipse(6, 4, 20, 22, Yellow); // head
    i.ellipse(9, 17, 14, 12, White); // muzzle
    i.ellipse(1, 3, 8, 18, DarkYellow); // ears
    i.ellipse(23, 3, 8, 18, DarkYellow);
    i.rect(10, 11, 3, 3, Black);
    i.rect(19, 11, 3, 3, Black);
    i.set(10, 11, White);
    i.set(19, 11, White);
    i.ellipse(13, 17, 6, 4, Black); // nose
    i.line(16, 21, 16, 23, Black);
    i.art(12, 23, {"k...k...k", ".kkk.kkk."});
    i.rect(15, 25, 3, 3, Red); // tongue
    i.set(16, 27, DarkRed);
    return i;
}

Icon fish()
{
    Icon i;
    i.polygon({{22, 16}, {31, 7}, {31, 25}}, Yellow); // tail
    i.ellipse(2, 6, 24, 20, Cyan);
    i.polygon({{10, 6}, {16, 1}, {20, 8}}, Yellow);    // fin
    i.bevel(Cyan, White, DarkCyan);
    i.disc(8, 13, 3, White);
    i.disc(8.5, 13, 1.5, Black);
    for (int x : {13, 17, 21}) // scales
        i.art(x, 13, {".B.", "B..", ".B."});
    i.art(3, 18, {"..kk", "kk.."});
    return i;
}

Icon bird()
{
    Icon i;
    i.disc(12, 17, 10, Blue); // body
    i.disc(21, 10, 6.5, Blue); // head
    i.polygon({{3, 14}, {0, 22}, {6, 19}}, Blue); // tail
    i.bevel(Blue, Cyan, DarkBlue);
    i.polygon({{27, 9}, {32, 11}, {27, 13}}, Yellow); // beak
    i.disc(22, 8.5, 1.5, White);
    i.set(23, 8, Black);
    QPainterPath wing;
    wing.moveTo(6, 15);
    wing.cubicTo(10, 10, 18, 12, 19, 17);
    wing.cubicTo(14, 22, 8, 20, 6, 15);
    i.fillPath(wing, Cyan);
    i.ellipse(10, 20, 10, 6, White); // breast
    i.rect(10, 27, 1, 4, Yellow);
    i.rect(15, 27, 1, 4, Yellow);
    i.rect(9, 31, 3, 1, Yellow);
    i.rect(14, 31, 3, 1, Yellow);
    return i;
}

Icon butterfly()
{
    Icon i;
    i.ellipse(2, 2, 14, 15, Magenta);
    i.ellipse(16, 2, 14, 15, Magenta);
    i.ellipse(4, 15, 12, 12, Red);
    i.ellipse(16, 15, 12, 12, Red);
    i.disc(9, 9, 3, Yellow);
    i.disc(23, 9, 3, Yellow);
    i.disc(10, 21, 2, White);
    i.disc(22, 21, 2, White);
    i.rect(15, 5, 2, 22, DarkGrey); // body
    i.rect(15, 5, 1, 22, LightGrey);
    i.line(15, 5, 11, 0, LightGrey);
    i.line(16, 5, 20, 0, LightGrey);
    return i;
}

Icon snail()
{
    Icon i;
    QPainterPath foot;
    foot.moveTo(1, 28);
    foot.lineTo(26, 28);
    foot.cubicTo(29, 28, 29, 19, 27, 14);
    foot.lineTo(25, 14);
    foot.lineTo(22, 25);
    foot.lineTo(2, 25);
    foot.closeSubpath();
    i.fillPath(foot, Green);
    i.line(27, 14, 29, 6, Green); // horns
    i.line(25, 14, 24, 7, Green);
    i.disc(29, 6, 1.2, White);
    i.disc(24, 7, 1.2, White);
    i.bevel(Green, White, DarkGreen);
    i.disc(13, 15, 11, Yellow); // shell
    i.bevel(Yellow, White, DarkYellow);
    QPainterPath spiral;
    spiral.moveTo(13, 15);
    for (int k = 1; k <= 36; ++k) {
        const double a = k * 0.45, r = k * 0.26;
        spiral.lineTo(13 + r * std::cos(a), 15 + r * std::sin(a));
    }
    i.strokePath(spiral, 1.3, DarkRed);
    return i;
}

Icon frog()
{
    Icon i;
    i.ellipse(2, 9, 28, 20, Green);
    i.disc(9, 8, 5.5, Green); // eye bumps
    i.disc(23, 8, 5.5, Green);
    i.bevel(Green, White, DarkGreen);
    i.disc(9, 8, 3.5, White);
    i.disc(23, 8, 3.5, White);
    i.rect(9, 7, 2, 3, Black);
    i.rect(22, 7, 2, 3, Black);
    QPainterPath mouth;
    mouth.moveTo(6, 17);
    mouth.cubicTo(10, 24, 22, 24, 26, 17);
    i.strokePath(mouth, 1, DarkGreen);
    i.set(13, 14, DarkGreen);
    i.set(18, 14, DarkGreen);
    i.ellipse(2, 26, 8, 5, Green); // feet
    i.ellipse(22, 26, 8, 5, Green);
    i.set(14, 22, Red);
    return i;
}

Icon mouse()
{
    Icon i;
    QPainterPath tail;
    tail.moveTo(4, 26);
    tail.cubicTo(0, 20, 6, 14, 2, 8);
    i.strokePath(tail, 1, Magenta);
    QPainterPath body;
    body.moveTo(5, 28);
    body.cubicTo(4, 16, 14, 10, 22, 15);
    body.lineTo(31, 23);
    body.cubicTo(28, 27, 24, 28, 20, 28);
    body.closeSubpath();
    i.fillPath(body, LightGrey);
    i.disc(19, 10, 5, LightGrey); // ear
    i.bevel(LightGrey, White, DarkGrey);
    i.disc(19, 10, 3, Magenta);
    i.rect(24, 17, 2, 2, Black);
    i.disc(30.5, 23, 1.5, Magenta);
    i.line(26, 23, 31, 27, White);
    i.line(27, 22, 31, 20, White);
    return i;
}

Icon pig()
{
    Icon i;
    i.polygon({{3, 3}, {11, 6}, {5, 12}}, Magenta);
    i.polygon({{29, 3}, {21, 6}, {27, 12}}, Magenta);
    i.ellipse(3, 5, 26, 24, Magenta);
    i.bevel(Magenta, White, DarkMagenta);
    i.ellipse(10, 16, 12, 9, White); // snout
    i.ellipse(11, 17, 10, 7, Magenta);
    i.rect(13, 19, 2, 3, DarkMagenta);
    i.rect(18, 19, 2, 3, DarkMagenta);
    i.rect(10, 11, 2, 3, Black);
    i.rect(20, 11, 2, 3, Black);
    return i;
}

Icon ladybird()
{
    Icon i;
    i.disc(16, 6, 5, Black); // head
    i.outline(DarkGrey);
    i.disc(16, 18, 13, Red);
    i.bevel(Red, White, DarkRed);
    i.rect(15, 6, 2, 25, Black);
    for (auto [x, y, r] : {std::tuple{10.0, 13.0, 2.5}, {22.0, 13.0, 2.5}, {8.0, 21.0, 2.0},
                           {24.0, 21.0, 2.0}, {12.0, 26.0, 1.8}, {20.0, 26.0, 1.8}})
        i.disc(x, y, r, Black);
    i.set(14, 4, White);
    i.set(18, 4, White);
    i.line(13, 1, 11, 0, LightGrey);
    i.line(19, 1, 21, 0, LightGrey);
    return i;
}

// ---- More animals and bubble letters ----------------------------------------------------------

Icon owl()
{
    Icon i;
    i.polygon({{5, 2}, {11, 6}, {5, 9}}, DarkYellow); // ear tufts
    i.polygon({{27, 2}, {21, 6}, {27, 9}}, DarkYellow);
    i.ellipse(4, 4, 24, 27, DarkYellow);
    i.outline(Yellow);
    i.ellipse(9, 16, 14, 13, Yellow); // breast
    for (int y = 19; y < 28; y += 3)
        i.art(11, y, {"y.y.y.y.y"});
    i.disc(11, 11, 4.5, White);
    i.disc(21, 11, 4.5, White);
    i.disc(11, 11, 2, Black);
    i.disc(21, 11, 2, Black);
    i.polygon({{14, 14}, {18, 14}, {16, 18}}, Red); // beak
    i.rect(10, 30, 4, 2, Red);
    i.rect(18, 30, 4, 2, Red);
    return i;
}

Icon bee()
{
    Icon i;
    i.ellipse(8, 1, 10, 12, White); // wings
    i.ellipse(17, 2, 9, 11, White);
    i.ellipse(9, 3, 7, 8, Cyan);
    i.ellipse(18, 4, 6, 7, Cyan);
    QPainterPath body;
    body.addEllipse(QRectF(5, 11, 22, 16));
    i.fillPath(body, Yellow);
    QPainterPath stripes;
    stripes.addRect(QRectF(11, 11, 3, 16));
    stripes.addRect(QRectF(17, 11, 3, 16));
    i.fillPath(body.intersected(stripes), Black);
    i.disc(27, 19, 4, Black); // head
    i.outline(DarkYellow);
    i.set(28, 18, White);
    i.polygon({{5, 18}, {0, 19}, {5, 21}}, DarkGrey); // sting
    return i;
}

Icon turtle()
{
    Icon i;
    i.disc(27, 18, 4, Green); // head
    for (int x : {7, 21}) // legs
        i.ellipse(x - 2, 23, 6, 6, Green);
    i.polygon({{2, 20}, {0, 23}, {5, 22}}, Green);
    i.bevel(Green, White, DarkGreen);
    i.set(28, 17, Black);
    QPainterPath shell;
    shell.moveTo(3, 24);
    shell.cubicTo(3, 6, 25, 6, 25, 24);
    shell.closeSubpath();
    i.fillPath(shell, DarkYellow);
    i.outline(Yellow);
    i.polygon({{10, 13}, {14, 10}, {18, 13}, {17, 18}, {11, 18}}, Yellow);
    i.line(6, 20, 11, 18, Yellow);
    i.line(22, 20, 17, 18, Yellow);
    i.rect(3, 23, 23, 2, Yellow);
    return i;
}

Icon penguin()
{
    Icon i;
    i.ellipse(6, 2, 20, 29, Black);
    i.outline(LightGrey);
    i.ellipse(9, 9, 14, 21, White);
    i.rect(11, 6, 3, 3, White);
    i.rect(18, 6, 3, 3, White);
    i.rect(12, 7, 1, 1, Black);
    i.rect(19, 7, 1, 1, Black);
    i.polygon({{13, 10}, {19, 10}, {16, 14}}, Yellow);
    i.polygon({{6, 14}, {2, 24}, {7, 22}}, Black); // flippers
    i.polygon({{26, 14}, {30, 24}, {25, 22}}, Black);
    i.rect(9, 30, 5, 2, Yellow);
    i.rect(18, 30, 5, 2, Yellow);
    return i;
}

Icon rabbit()
{
    Icon i;
    i.ellipse(9, 0, 6, 15, White); // ears
    i.ellipse(18, 0, 6, 15, White);
    i.ellipse(6, 11, 20, 19, White);
    i.bevel(White, White, LightGrey);
    i.ellipse(11, 2, 2, 10, Magenta);
    i.ellipse(20, 2, 2, 10, Magenta);
    i.rect(11, 17, 3, 3, Black);
    i.rect(19, 17, 3, 3, Black);
    i.polygon({{14, 22}, {18, 22}, {16, 24}}, Magenta);
    i.rect(15, 25, 3, 3, White);
    i.frame(15, 25, 3, 3, LightGrey);
    i.line(2, 21, 11, 23, LightGrey);
    i.line(21, 23, 30, 21, LightGrey);
    return i;
}

// Bubble letters: fat round strokes, lit from the upper left and ringed in white.
Icon bubbleLetter(const QPainterPath &strokes, Colour c, Colour light, Colour dark)
{
    Icon i;
    i.strokePath(strokes, 6.5, c);
    i.bevel(c, light, dark);
    i.outline(White);
    return i;
}

Icon letterX()
{
    QPainterPath x;
    x.moveTo(7, 6);
    x.lineTo(25, 26);
    x.moveTo(25, 6);
    x.lineTo(7, 26);
    return bubbleLetter(x, Red, Yellow, DarkRed);
}

Icon letterY()
{
    QPainterPath y;
    y.moveTo(7, 6);
    y.lineTo(16, 16);
    y.lineTo(25, 6);
    y.moveTo(16, 16);
    y.lineTo(16, 26);
    return bubbleLetter(y, Green, White, DarkGreen);
}

Icon letterZ()
{
    QPainterPath z;
    z.moveTo(7, 6);
    z.lineTo(25, 6);
    z.lineTo(7, 26);
    z.lineTo(25, 26);
    return bubbleLetter(z, Blue, Cyan, DarkBlue);
}

Icon questionMark()
{
    QPainterPath q;
    q.moveTo(9, 10);
    q.cubicTo(9, 2, 24, 2, 23, 10);
    q.cubicTo(22, 16, 16, 14, 16, 20);
    q.moveTo(16, 27);
    q.lineTo(16, 27.2);
    return bubbleLetter(q, Magenta, White, DarkMagenta);
}

Icon musicNotes()
{
    Icon i;
    i.rect(10, 5, 2, 19, Cyan);
    i.rect(25, 2, 2, 19, Cyan);
    i.polygon({{10, 5}, {27, 1}, {27, 6}, {10, 10}}, Cyan); // beam
    i.ellipse(3, 21, 9, 7, Cyan);
    i.ellipse(18, 18, 9, 7, Cyan);
    i.bevel(Cyan, White, DarkCyan);
    return i;
}

} // namespace

Page kidsFunShapes()
{
    return {
        {"star", bigStar},
        {"shooting star", shootingStar},
        {"heart", [] { return heartShape(Red, White, DarkRed); }},
        {"heart with arrow", heartWithArrow},
        {"diamond", diamondSuit},
        {"club", clubSuit},
        {"spade", spadeSuit},
        {"moon", moon},
        {"sun", sunFace},
        {"rainbow", rainbow},

        {"smiling face", smiley},
        {"sad face", sadFace},
        {"winking face", winkFace},
        {"surprised face", surprisedFace},
        {"laughing face", laughingFace},
        {"cool face", coolFace},
        {"angry face", angryFace},
        {"sleepy face", sleepyFace},
        {"clown", clownFace},
        {"ghost", ghost},

        {"cat", cat},
        {"dog", dog},
        {"fish", fish},
        {"bird", bird},
        {"butterfly", butterfly},
        {"snail", snail},
        {"frog", frog},
        {"mouse", mouse},
        {"pig", pig},
        {"ladybird", ladybird},

        {"owl", owl},
        {"bee", bee},
        {"turtle", turtle},
        {"penguin", penguin},
        {"rabbit", rabbit},
        {"letter X", letterX},
        {"letter Y", letterY},
        {"letter Z", letterZ},
        {"question mark", questionMark},
        {"music notes", musicNotes},
    };
}
