#pragma once
// A 3 x 5 pixel font for the numbers and captions on the contact sheets, so that the sheets come
// out the same on every machine whatever fonts it has.

#include <QRgb>
#include <QString>

class QPainter;

namespace PixelFont {

inline constexpr int GlyphWidth = 3;
inline constexpr int GlyphHeight = 5;

// Width in pixels of `text` at `scale`, one blank column between glyphs.
int width(const QString &text, int scale);
// Draws `text` with its top-left corner at (x, y); letters without a glyph are left blank.
void draw(QPainter &p, int x, int y, const QString &text, QRgb colour, int scale);

} // namespace PixelFont
