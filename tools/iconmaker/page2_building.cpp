// Page 2, building materials (shapes 41 to 80): bricks, blocks and stone, timber, doors,
// windows and roofs, and a family of steel girders that join across boxes. The walls and the
// roof tiles repeat seamlessly, so a row of boxes makes one wall or one roof.

#include "fittings.h"
#include "motifs.h"
#include "pages.h"

#include <algorithm>
#include <cstdlib>

using namespace Fittings;
using namespace Motifs;
using Joints::Profile;

namespace {

// ---- Walls, blocks and tiles ------------------------------------------------------------------

// One brick, 15 x 7 with the mortar joint right and below it.
void brickAt(Icon &i, int x, int y)
{
    i.rect(x, y, 15, 7, Red);
    i.rect(x, y + 6, 15, 1, DarkRed);
    i.rect(x + 14, y, 1, 7, DarkRed);
    i.rect(x, y, 14, 1, Yellow);
    i.set(x + 4, y + 3, DarkRed);
    i.set(x + 10, y + 2, DarkRed);
}

Icon brickWall()
{
    Icon i;
    i.rect(0, 0, 32, 32, LightGrey);
    tiled(i, [](Icon &t, int dx, int dy) {
        for (int row = 0; row < 4; ++row)
            for (int col = -1; col < 2; ++col)
                brickAt(t, dx + col * 16 + (row % 2) * 8, dy + row * 8);
    });
    return i;
}

Icon brick()
{
    Icon i;
    block(i, {3, 14, 20, 11}, 6, Red, Red, DarkRed);
    i.rect(3, 14, 20, 1, Yellow);
    i.rect(3, 24, 20, 1, DarkRed);
    i.polygon({{10, 11}, {12, 9}, {20, 9}, {18, 11}}, DarkRed); // the frog
    i.line(3, 14, 8, 9, Yellow);
    i.outline(DarkGrey);
    return i;
}

Icon brickStack()
{
    Icon i;
    for (auto [x, y] : {std::pair{1, 23}, {14, 23}, {7, 16}, {20, 16}, {13, 9}}) {
        block(i, {x, y, 11, 6}, 3, Red, Red, DarkRed);
        i.rect(x, y, 11, 1, Yellow);
        i.rect(x, y + 5, 11, 1, DarkRed);
    }
    i.rect(0, 29, 32, 3, DarkYellow); // pallet
    i.rect(0, 29, 32, 1, Yellow);
    for (int x : {3, 15, 27})
        i.rect(x, 30, 2, 2, Black);
    return i;
}

Icon cinderBlock()
{
    Icon i;
    block(i, {2, 13, 22, 15}, 7, LightGrey, DarkGrey, DarkGrey);
    i.line(24, 13, 24, 27, LightGrey); // the corner between front and side
    i.polygon({{6, 12}, {9, 9}, {14, 9}, {11, 12}}, Black); // the two hollows
    i.polygon({{16, 12}, {19, 9}, {24, 9}, {21, 12}}, Black);
    i.rect(2, 13, 22, 1, White);
    i.rect(2, 13, 1, 15, LightGrey);
    for (auto [x, y] : {std::pair{6, 17}, {14, 21}, {19, 16}, {9, 24}})
        i.set(x, y, Black);
    return i;
}

Icon stoneBlock()
{
    Icon i;
    block(i, {2, 12, 21, 16}, 8, White, LightGrey, DarkGrey);
    i.line(6, 16, 9, 19, DarkGrey);
    i.line(9, 19, 8, 23, DarkGrey);
    i.line(17, 14, 19, 17, DarkGrey);
    i.line(26, 10, 27, 14, Black);
    i.line(27, 14, 25, 17, Black);
    i.set(13, 8, LightGrey);
    i.set(20, 6, LightGrey);
    i.outline(DarkGrey);
    return i;
}

Icon stoneWall()
{
    Icon i;
    i.rect(0, 0, 32, 32, DarkGrey);
    // Stones of a fixed, irregular layout, wrapped at the box edges.
    static const int stones[][4] = {{0, 0, 13, 9},  {14, 1, 10, 8}, {25, 0, 9, 9},  {1, 10, 8, 11},
                                    {10, 10, 14, 7}, {25, 10, 6, 10}, {10, 18, 8, 6}, {19, 18, 11, 13},
                                    {0, 22, 9, 10},  {10, 25, 8, 7}};
    tiled(i, [](Icon &t, int dx, int dy) {
        for (const auto &s : stones) {
            t.ellipse(dx + s[0], dy + s[1], s[2], s[3], LightGrey);
            t.ellipse(dx + s[0] + 1, dy + s[1] + 1, s[2] - 2, s[3] - 3, White);
            t.ellipse(dx + s[0] + 2, dy + s[1] + 2, s[2] - 3, s[3] - 4, LightGrey);
        }
    });
    return i;
}

Icon floorTiles()
{
    Icon i;
    i.rect(0, 0, 32, 32, LightGrey);
    tiled(i, [](Icon &t, int dx, int dy) {
        for (int y = 0; y < 32; y += 16)
            for (int x = 0; x < 32; x += 16) {
                t.rect(dx + x + 1, dy + y + 1, 14, 14, White);
                t.polygon({{dx + x + 8.0, dy + y + 3.0}, {dx + x + 13.0, dy + y + 8.0},
                           {dx + x + 8.0, dy + y + 13.0}, {dx + x + 3.0, dy + y + 8.0}},
                          Blue);
                t.rect(dx + x + 7, dy + y + 7, 2, 2, Cyan);
            }
    });
    return i;
}

// One roof tile, 8 wide, its rounded lower edge lying over the row below.
void roofTileAt(Icon &i, int x, int y)
{
    i.ellipse(x - 0.5, y + 1, 9, 9, DarkRed);
    i.rect(x, y - 4, 8, 9, DarkRed);
    i.ellipse(x, y, 8, 8, Red);
    i.rect(x + 1, y - 4, 7, 8, Red);
    i.rect(x + 1, y - 4, 1, 9, Yellow);
}

// The tiles of a roof, rows 6 apart offset by half a tile, the same grid in every roof piece.
// Lower rows first, so each row overlaps the one below it.
void roofTiles(Icon &i)
{
    // Tiled by hand rather than with tiled(): the copy below must go down first as well.
    for (int dy = Icon::Size; dy >= -Icon::Size; dy -= Icon::Size)
        for (int row = 7; row >= 0; --row)
            for (int col = -5; col < 9; ++col)
                roofTileAt(i, col * 8 + (row % 2) * 4, dy + row * 4 - 4);
}

Icon roof()
{
    Icon i;
    i.rect(0, 0, 32, 32, DarkRed);
    roofTiles(i);
    return i;
}

// A slope rising to the right: tiles below the diagonal, a barge board along it. The white
// line lies exactly on the diagonal from corner to corner, the one line of pixels that slopes in
// neighbouring boxes share without a gap where they meet a box of plain tiles.
Icon roofSlope()
{
    Icon i = roof();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            if (x + y < 31)
                i.set(x, y, Clear);
            else if (x + y == 31)
                i.set(x, y, White);
            else if (x + y == 32)
                i.set(x, y, LightGrey);
    return i;
}

Icon roofPeak()
{
    Icon i = roof();
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int d = y - std::abs(2 * x - 31) / 2;
            if (d < 0)
                i.set(x, y, Clear);
            else if (d < 2)
                i.set(x, y, White);
            else if (d < 3)
                i.set(x, y, LightGrey);
        }
    return i;
}

Icon corrugatedSheet()
{
    Icon i;
    for (int x = 0; x < 32; ++x) {
        static const Colour wave[8] = {White, LightGrey, LightGrey, DarkGrey,
                                       DarkGrey, DarkGrey, LightGrey, White};
        i.rect(x, 0, 1, 32, wave[x % 8]);
    }
    return i;
}

Icon cementBag()
{
    Icon i;
    QPainterPath bag;
    bag.moveTo(6, 5);
    bag.quadTo(16, 2, 26, 5);
    bag.quadTo(29, 18, 27, 29);
    bag.quadTo(16, 31, 5, 29);
    bag.quadTo(3, 18, 6, 5);
    i.fillPath(bag, LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.rect(8, 12, 15, 9, Blue);
    i.art(10, 14, {".WW.WWW.W.W",
                   "W...W...WWW",
                   "W...WW..W.W",
                   "W...W...W.W",
                   ".WW.WWW.W.W"});
    i.rect(8, 3, 16, 2, DarkYellow);
    return i;
}

// ---- Timber -----------------------------------------------------------------------------------

Icon plank()
{
    Icon i;
    i.polygon({{1, 15}, {9, 9}, {31, 9}, {23, 15}}, Yellow);
    i.polygon({{23, 15}, {31, 9}, {31, 12}, {23, 18}}, DarkRed);
    i.rect(1, 15, 22, 3, DarkYellow);
    i.rect(1, 15, 22, 1, Yellow);
    i.line(6, 13, 14, 12, DarkYellow);
    i.line(14, 11, 25, 11, DarkYellow);
    i.rect(24, 15, 1, 1, Yellow);
    // Plank lying on its face a second time, lower down.
    i.polygon({{1, 25}, {9, 19}, {31, 19}, {23, 25}}, Yellow);
    i.polygon({{23, 25}, {31, 19}, {31, 22}, {23, 28}}, DarkRed);
    i.rect(1, 25, 22, 3, DarkYellow);
    i.rect(1, 25, 22, 1, Yellow);
    i.line(5, 23, 18, 22, DarkYellow);
    i.line(12, 21, 27, 20, DarkYellow);
    return i;
}

Icon board()
{
    Icon i;
    i.rect(0, 11, 32, 10, DarkYellow);
    i.rect(0, 11, 32, 1, Yellow);
    i.rect(0, 20, 32, 1, DarkRed);
    i.art(0, 13, {"..YYYYYY......yyyy.....YYYYY....",
                  "YYY.....YYYY......YYYYY.....YYYY",
                  "....yyy......YYYYYY.....YY......",
                  "YYYY...YYYYYY...........y.YYYYYY",
                  "..........yy..YYYYYYY...........",
                  ".YYYYY.............YYYY..YYYY..."});
    i.disc(11, 16.5, 1.5, DarkRed); // knot
    return i;
}

Icon log()
{
    Icon i;
    i.rect(8, 9, 20, 16, DarkYellow);
    i.ellipse(20, 9, 10, 16, DarkYellow);
    i.rect(8, 9, 20, 2, Yellow);
    i.rect(8, 22, 20, 3, DarkRed);
    i.line(10, 13, 24, 13, DarkRed);
    i.line(12, 18, 26, 18, DarkRed);
    i.line(14, 15, 22, 15, Yellow);
    // The sawn end with its rings.
    i.ellipse(2, 9, 12, 16, Yellow);
    i.ellipse(3, 10, 10, 14, DarkYellow);
    i.ellipse(4, 12, 8, 10, Yellow);
    i.ellipse(6, 14, 4, 6, DarkYellow);
    i.rect(7, 16, 2, 2, Yellow);
    return i;
}

Icon paintTin()
{
    Icon i;
    i.rect(6, 10, 20, 19, LightGrey);
    i.ellipse(6, 26, 20, 5, LightGrey);
    i.rect(6, 10, 2, 19, White);
    i.rect(22, 10, 4, 19, DarkGrey);
    i.rect(6, 14, 20, 10, Blue); // label
    i.rect(6, 14, 2, 10, Cyan);
    i.rect(22, 14, 4, 10, DarkBlue);
    i.ellipse(6, 7, 20, 6, DarkGrey);
    i.ellipse(7, 8, 18, 4, Blue); // paint at the brim, running over
    i.rect(10, 10, 3, 6, Blue);
    i.disc(11.5, 16, 1.5, Blue);
    i.rect(18, 10, 2, 3, Blue);
    QPainterPath handle;
    handle.moveTo(6, 11);
    handle.cubicTo(6, 0, 26, 0, 26, 11);
    i.strokePath(handle, 1, DarkGrey);
    return i;
}

Icon fence()
{
    Icon i;
    for (int x = 2; x < 32; x += 8) {
        i.polygon({{x + 0.0, 8}, {x + 3.0, 4}, {x + 6.0, 8}, {x + 6.0, 30}, {x + 0.0, 30}}, DarkYellow);
        i.rect(x, 8, 1, 22, Yellow);
        i.rect(x + 5, 8, 1, 22, DarkRed);
    }
    i.rect(0, 11, 32, 3, Yellow);
    i.rect(0, 13, 32, 1, DarkYellow);
    i.rect(0, 23, 32, 3, Yellow);
    i.rect(0, 25, 32, 1, DarkYellow);
    return i;
}

Icon ladder()
{
    Icon i;
    i.rect(7, 0, 3, 32, Yellow);
    i.rect(22, 0, 3, 32, Yellow);
    i.rect(9, 0, 1, 32, DarkYellow);
    i.rect(24, 0, 1, 32, DarkYellow);
    for (int y = 3; y < 32; y += 7) {
        i.rect(10, y, 12, 2, DarkYellow);
        i.rect(10, y, 12, 1, Yellow);
    }
    return i;
}

Icon stepLadder()
{
    Icon i;
    i.stroke({24, 31}, {17, 3}, 2, DarkGrey, false); // back leg
    i.line(14, 22, 22, 22, DarkGrey);                // spreader
    i.stroke({6, 31}, {14, 2}, 3, LightGrey, false); // front leg with its treads
    i.stroke({5.5, 31}, {13.5, 2}, 1, White, false);
    for (int y : {9, 15, 21, 27}) {
        const int x = 14 - (y - 2) * 8 / 29;
        i.rect(x - 1, y, 9, 2, LightGrey);
        i.rect(x - 1, y, 9, 1, White);
    }
    i.rect(12, 1, 8, 3, Red); // top
    i.rect(12, 3, 8, 1, DarkRed);
    return i;
}

Icon stairs()
{
    Icon i;
    for (int k = 0; k < 5; ++k) {
        const int x = 2 + 6 * k, y = 26 - 6 * k;
        i.rect(x, y, 30 - x, 6, DarkYellow);
        i.rect(x, y, 30 - x, 2, Yellow);
        i.rect(x, y, 1, 6, Yellow);
    }
    i.rect(30, 2, 1, 30, DarkRed);
    return i;
}

Icon wheelbarrow()
{
    Icon i;
    i.polygon({{3, 9}, {26, 9}, {22, 20}, {8, 20}}, Green);
    i.rect(3, 9, 23, 2, Yellow); // sand heaped in it
    i.ellipse(7, 6, 16, 6, Yellow);
    i.ellipse(8, 7, 10, 3, White);
    i.polygon({{8, 20}, {22, 20}, {21, 17}, {9, 17}}, DarkGreen);
    i.stroke({22, 17}, {31, 13}, 2, DarkGrey);
    i.stroke({11, 20}, {8, 29}, 2, DarkGrey);
    i.disc(23, 25, 5, DarkGrey);
    i.disc(23, 25, 3.5, Black);
    i.disc(23, 25, 1.5, LightGrey);
    i.ring(23, 25, 5, 1, LightGrey);
    return i;
}

// ---- Doors, windows, roofs ----------------------------------------------------------------------

Icon door()
{
    Icon i;
    i.rect(6, 1, 20, 31, LightGrey); // frame
    i.rect(8, 3, 16, 29, DarkGreen);
    i.rect(8, 3, 16, 1, Green);
    i.rect(8, 3, 1, 29, Green);
    for (auto [x, y] : {std::pair{10, 6}, {17, 6}, {10, 18}, {17, 18}}) {
        i.frame(x, y, 5, 10, Green);
        i.rect(x + 1, y + 9, 4, 1, Black);
    }
    i.disc(21, 17, 1.5, Yellow);
    i.rect(15, 1, 2, 1, Yellow);
    return i;
}

Icon window()
{
    Icon i;
    i.rect(3, 3, 26, 26, White);
    i.rect(5, 5, 22, 21, Cyan);
    i.rect(15, 5, 2, 21, White);
    i.rect(5, 15, 22, 2, White);
    i.line(6, 12, 12, 6, White);
    i.line(7, 13, 13, 7, DarkCyan);
    i.line(18, 12, 23, 7, White);
    i.rect(1, 27, 30, 3, LightGrey); // sill
    i.rect(1, 29, 30, 1, DarkGrey);
    i.frame(3, 3, 26, 25, LightGrey);
    return i;
}

Icon archWindow()
{
    Icon i;
    i.ellipse(6, 1, 20, 20, White);
    i.rect(6, 11, 20, 19, White);
    i.ellipse(8, 3, 16, 16, Cyan);
    i.rect(8, 11, 16, 17, Cyan);
    i.rect(15, 3, 2, 25, White);
    i.rect(8, 15, 16, 2, White);
    i.line(10, 11, 13, 7, White);
    i.line(19, 24, 22, 20, DarkCyan);
    i.rect(4, 28, 24, 3, LightGrey);
    i.rect(4, 30, 24, 1, DarkGrey);
    return i;
}

Icon roundWindow()
{
    Icon i;
    i.disc(16, 16, 14, DarkYellow);
    i.disc(16, 16, 13, Yellow);
    i.disc(16, 16, 10, Cyan);
    i.rect(15, 6, 2, 20, Yellow);
    i.rect(6, 15, 20, 2, Yellow);
    i.line(10, 12, 12, 10, White);
    i.line(9, 13, 13, 9, White);
    return i;
}

Icon chimney()
{
    Icon i;
    i.rect(8, 8, 16, 24, LightGrey);
    for (int row = 0; row < 3; ++row)
        for (int col = -1; col < 2; ++col) {
            const int x = 8 + col * 8 + (row % 2) * 4, y = 11 + row * 7;
            for (int yy = y; yy < y + 6; ++yy)
                for (int xx = std::max(x, 8); xx < std::min(x + 7, 24); ++xx)
                    i.set(xx, yy, yy == y + 5 ? DarkRed : Red);
        }
    i.rect(6, 6, 20, 4, LightGrey); // cap
    i.rect(6, 6, 20, 1, White);
    i.rect(6, 9, 20, 1, DarkGrey);
    i.rect(10, 3, 4, 3, DarkGrey);  // pots
    i.rect(18, 3, 4, 3, DarkGrey);
    i.disc(5, 2, 2, LightGrey);     // smoke
    i.disc(10, 1, 1.5, LightGrey);
    i.rect(8, 29, 16, 3, DarkRed);
    return i;
}

Icon pillar()
{
    Icon i;
    i.rect(5, 1, 22, 4, White); // capital
    i.rect(7, 5, 18, 2, LightGrey);
    i.rect(9, 7, 14, 20, White);
    for (int x : {11, 14, 17, 20})
        i.rect(x, 7, 1, 20, LightGrey);
    i.rect(22, 7, 1, 20, DarkGrey);
    i.rect(7, 27, 18, 2, LightGrey);
    i.rect(5, 29, 22, 3, White);
    i.rect(5, 31, 22, 1, LightGrey);
    i.rect(5, 4, 22, 1, LightGrey);
    return i;
}

// ---- Steel girders ----------------------------------------------------------------------------
// An I-beam seen from the side: bright flanges along the top and bottom, a darker web with a
// lightening hole eight pixels in from every joint, so beams in a row keep an even spacing.

const std::string_view girder = band(Profile::Girder);

void holeAt(Icon &i, int x, int y)
{
    i.disc(x, y, 3, Red);
    i.disc(x, y, 2, Black);
}

// The beams reaching the given sides. The first two sides named run straight through; any
// other arm butts against them.
Icon girderJunction(std::initializer_list<Side> sides)
{
    Icon i;
    const bool across = std::find(sides.begin(), sides.end(), Left) != sides.end()
        && std::find(sides.begin(), sides.end(), Right) != sides.end();
    const bool upright = std::find(sides.begin(), sides.end(), Top) != sides.end()
        && std::find(sides.begin(), sides.end(), Bottom) != sides.end();
    if (sides.size() == 2 && !across && !upright) {
        // A corner, mitred: drawn from the left to the bottom and turned into place.
        Icon corner;
        mitreLeftBottom(corner, girder);
        holeAt(corner, 8, 16);
        holeAt(corner, 16, 24);
        const Side a = std::data(sides)[0], b = std::data(sides)[1];
        const bool has[4] = {a == Left || b == Left, a == Top || b == Top, a == Right || b == Right,
                             a == Bottom || b == Bottom};
        const int quarters = has[Left] && has[Bottom] ? 0 : has[Left] && has[Top] ? 1
                           : has[Top] && has[Right] ? 2 : 3;
        return turned(corner, quarters);
    }
    // The through run first, then the arms that butt against its flanges.
    straight(i, girder, across ? Qt::Horizontal : Qt::Vertical);
    for (Side s : sides)
        if ((across && (s == Top || s == Bottom)) || (!across && (s == Left || s == Right)))
            fromEdge(i, girder, s, 10);
    for (Side s : sides)
        switch (s) {
        case Left: holeAt(i, 8, 16); break;
        case Right: holeAt(i, 24, 16); break;
        case Top: holeAt(i, 16, 8); break;
        case Bottom: holeAt(i, 16, 24); break;
        }
    if (across && upright) { // the cross is held by a riveted plate
        i.rect(10, 10, 12, 12, Red);
        i.frame(10, 10, 12, 12, DarkRed);
        for (auto [x, y] : {std::pair{13, 13}, {17, 13}, {13, 17}, {17, 17}})
            i.rect(x, y, 2, 2, White);
    }
    return i;
}

Icon trussAcross()
{
    return girderJunction({Left, Right});
}

Icon girderHook()
{
    Icon i = trussAcross();
    i.rect(11, 22, 10, 3, DarkGrey); // trolley
    i.rect(11, 22, 10, 1, LightGrey);
    i.rect(15, 25, 2, 3, LightGrey); // cable
    QPainterPath hook;
    hook.moveTo(16, 27);
    hook.lineTo(16, 29);
    hook.quadTo(16, 31.5, 13.5, 31);
    hook.quadTo(12, 30.5, 12, 29);
    i.strokePath(hook, 1.6, Yellow);
    return i;
}

} // namespace

Page buildingMaterials()
{
    return {
        {"brick", brick},
        {"brick wall", brickWall},
        {"stack of bricks", brickStack},
        {"concrete block", cinderBlock},
        {"stone block", stoneBlock},
        {"stone wall", stoneWall},
        {"floor tiles", floorTiles},
        {"roof tiles", roof},
        {"corrugated sheet", corrugatedSheet},
        {"bag of cement", cementBag},

        {"planks", plank},
        {"board", board},
        {"log", log},
        {"tin of paint", paintTin},
        {"pillar", pillar},
        {"fence", fence},
        {"ladder", ladder},
        {"stepladder", stepLadder},
        {"stairs", stairs},
        {"wheelbarrow", wheelbarrow},

        {"door", door},
        {"window", window},
        {"arched window", archWindow},
        {"round window", roundWindow},
        {"roof slope, rising to the right", roofSlope},
        {"roof slope, falling to the right", [] { return roofSlope().mirrored(); }},
        {"roof peak", roofPeak},
        {"chimney", chimney},
        {"girder, left to right", [] { return girderJunction({Left, Right}); }},
        {"girder, top to bottom", [] { return girderJunction({Top, Bottom}); }},

        {"girder corner, right and down", [] { return girderJunction({Right, Bottom}); }},
        {"girder corner, left and down", [] { return girderJunction({Left, Bottom}); }},
        {"girder corner, up and right", [] { return girderJunction({Top, Right}); }},
        {"girder corner, left and up", [] { return girderJunction({Left, Top}); }},
        {"girder tee, down", [] { return girderJunction({Left, Right, Bottom}); }},
        {"girder tee, up", [] { return girderJunction({Left, Right, Top}); }},
        {"girder tee, right", [] { return girderJunction({Top, Bottom, Right}); }},
        {"girder tee, left", [] { return girderJunction({Top, Bottom, Left}); }},
        {"girder cross", [] { return girderJunction({Left, Right, Top, Bottom}); }},
        {"girder with hook", girderHook},
    };
}
