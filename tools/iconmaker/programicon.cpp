#include "pages.h"

#include "motifs.h"

#include <cmath>

using namespace Motifs;

// The program icon: a little work area, four boxes in the green grid, each holding a piece.
Icon programIcon()
{
    Icon i;
    i.rect(0, 0, 32, 32, Black);
    for (int k : {0, 15, 16, 31}) {
        i.rect(k, 0, 1, 32, DarkGreen);
        i.rect(0, k, 32, 1, DarkGreen);
    }

    // A brick, top left.
    block(i, {2, 7, 9, 6}, 3, Red, Red, DarkRed);
    i.rect(2, 7, 9, 1, DarkRed);

    // A star, top right.
    i.fillPath(star(23.5, 8, 6.5, 2.8, 5), Yellow);
    i.bevel(Yellow, White, DarkYellow);

    // A gear, bottom left.
    i.fillPath(gearWheel(8, 24, 6.5, 4.5, 7), LightGrey);
    i.bevel(LightGrey, White, DarkGrey);
    i.disc(8, 24, 1.6, Black);

    // A pipe bend, bottom right, coming in from the left and turning down.
    for (int y = 17; y < 31; ++y)
        for (int x = 17; x < 31; ++x) {
            const double r = std::hypot(x + 0.5 - 17, y + 0.5 - 31);
            if (r >= 5 && r < 11) {
                static const Colour band[] = {DarkGrey, LightGrey, White, White, LightGrey, DarkGrey};
                i.set(x, y, band[int(r) - 5]);
            }
        }
    return i;
}
