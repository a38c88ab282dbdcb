#include "fittings.h"

#include <cmath>

namespace Fittings {

namespace {

Colour pixel(std::string_view band, int i)
{
    if (i < 0 || i >= int(band.size()) || band[size_t(i)] == '.')
        return Clear;
    return Icon::colourOfChar(band[size_t(i)]);
}

} // namespace

void straight(Icon &icon, std::string_view band, Qt::Orientation o, int from, int to)
{
    for (int along = from; along <= to; ++along)
        for (int across = 0; across < Icon::Size; ++across) {
            const Colour c = pixel(band, across);
            if (c == Clear)
                continue;
            if (o == Qt::Horizontal)
                icon.set(along, across, c);
            else
                icon.set(across, along, c);
        }
}

void fromEdge(Icon &icon, std::string_view band, Side side, int length)
{
    const int last = Icon::Size - 1;
    switch (side) {
    case Left: straight(icon, band, Qt::Horizontal, 0, length - 1); break;
    case Right: straight(icon, band, Qt::Horizontal, last - length + 1, last); break;
    case Top: straight(icon, band, Qt::Vertical, 0, length - 1); break;
    case Bottom: straight(icon, band, Qt::Vertical, last - length + 1, last); break;
    }
}

void bendLeftBottom(Icon &icon, std::string_view band, int inset)
{
    // Left of the centre and below it the run is straight; in the quadrant up and to the right
    // of it the band follows circles, a pixel's distance from the centre picking its letter.
    const int cx = inset;
    const int cy = Icon::Size - inset;
    straight(icon, band, Qt::Horizontal, 0, cx - 1);
    straight(icon, band, Qt::Vertical, cy, Icon::Size - 1);
    for (int y = 0; y < cy; ++y)
        for (int x = cx; x < Icon::Size; ++x) {
            const double r = std::hypot(x + 0.5 - cx, cy - (y + 0.5));
            const Colour c = pixel(band, int(std::floor(r)) + inset);
            if (c != Clear)
                icon.set(x, y, c);
        }
}

void mitreLeftBottom(Icon &icon, std::string_view band)
{
    // The outer corner is top right, the inner one bottom left; pixels above the diagonal
    // between them carry the horizontal run, the others the vertical one.
    const int first = int(band.find_first_not_of('.'));
    const int last = int(band.find_last_not_of('.'));
    for (int y = 0; y < Icon::Size; ++y)
        for (int x = 0; x < Icon::Size; ++x) {
            const bool horizontal = x <= last && y >= first && y <= last && x + y < first + last;
            const bool vertical = y >= first && x >= first && x <= last && x + y >= first + last;
            if (horizontal)
                icon.set(x, y, pixel(band, y));
            else if (vertical)
                icon.set(x, y, pixel(band, x));
        }
}

Icon turned(const Icon &icon, int quarters)
{
    Icon out = icon;
    for (int i = 0; i < ((quarters % 4) + 4) % 4; ++i)
        out = out.rotated();
    return out;
}

} // namespace Fittings
