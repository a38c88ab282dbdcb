#pragma once
// Window geometry is kept in twips, as the layouts were designed; this is the one place that turns
// twips into pixels. The ratio is fixed at 15 twips a pixel whatever the screen says, so every
// window keeps its designed pixel layout (Qt's own scale factor handles HiDPI on top of it).

#include <QPoint>
#include <QRect>
#include <QSize>
#include <cmath>

namespace Twips {

inline constexpr int kPerPixel = 15;

// Nearest whole pixel, halves away from zero.
constexpr int toPx(int twips)
{
    const int q = twips / kPerPixel;
    const int r = twips % kPerPixel;
    if (2 * r >= kPerPixel)
        return q + 1;
    if (2 * r <= -kPerPixel)
        return q - 1;
    return q;
}

constexpr int toTwips(int px) { return px * kPerPixel; }

inline QPoint point(int left, int top) { return {toPx(left), toPx(top)}; }
inline QSize size(int width, int height) { return {toPx(width), toPx(height)}; }
// Each of the four figures is converted on its own, as a control's Left, Top, Width and Height are.
inline QRect rect(int left, int top, int width, int height)
{
    return {toPx(left), toPx(top), toPx(width), toPx(height)};
}

} // namespace Twips
