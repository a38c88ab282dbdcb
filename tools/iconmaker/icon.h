#pragma once
// One 32 x 32 picture in the sixteen icon colours, with transparent pixels. Shapes are drawn with
// a non-antialiased QPainter or pixel by pixel; every pixel stays one of the sixteen colours.

#include <QImage>
#include <QPointF>

#include <functional>
#include <initializer_list>

class QPainter;
class QPainterPath;

// The sixteen colours in the order of the icon file's colour table; Clear is a transparent pixel.
enum Colour : int {
    Clear = -1,
    Black, DarkRed, DarkGreen, DarkYellow, DarkBlue, DarkMagenta, DarkCyan, LightGrey,
    DarkGrey, Red, Green, Yellow, Blue, Magenta, Cyan, White
};

QRgb rgbOf(Colour c);

class Icon
{
public:
    static constexpr int Size = 32;

    Icon();

    Colour at(int x, int y) const; // Clear outside the picture
    bool opaque(int x, int y) const { return at(x, y) != Clear; }
    void set(int x, int y, Colour c); // ignored outside the picture

    // Filled shapes take every pixel whose centre lies inside; coordinates are pixel edges, so
    // rect(0, 0, 32, 32) is the whole picture and ellipse(6, 6, 20, 20) is centred on it.
    void rect(int x, int y, int w, int h, Colour c);
    void frame(int x, int y, int w, int h, Colour c);
    void ellipse(double x, double y, double w, double h, Colour c);
    void disc(double cx, double cy, double r, Colour c) { ellipse(cx - r, cy - r, 2 * r, 2 * r, c); }
    void ring(double cx, double cy, double r, double width, Colour c);
    void polygon(std::initializer_list<QPointF> points, Colour c);
    void fillPath(const QPainterPath &path, Colour c);
    // One-pixel line between pixel positions, both ends included.
    void line(int x1, int y1, int x2, int y2, Colour c);
    // A wide stroke between points in edge coordinates, with round or flat ends.
    void stroke(QPointF a, QPointF b, double width, Colour c, bool roundEnds = true);
    void strokePath(const QPainterPath &path, double width, Colour c);

    // Pixel art: one string per row from (x, y) in the letters of letters.h; '.' and ' ' leave
    // the pixel as it is.
    void art(int x, int y, std::initializer_list<const char *> rows);

    // Passes over the whole picture.
    void outline(Colour c, bool corners = false); // rings the opaque pixels from outside
    void recolour(Colour from, Colour to);
    // Lights the upper-left edge and darkens the lower-right edge of every run of `fill`.
    void bevel(Colour fill, Colour light, Colour dark);
    void overlay(const Icon &top); // top's opaque pixels over these
    Icon mirrored() const;         // left-right
    Icon flipped() const;          // top-bottom
    Icon rotated() const;          // a quarter turn clockwise

    // The picture as ARGB32, transparent where Clear.
    const QImage &image() const { return image_; }

    // The colour of a pixel-art letter (see letters.h); '_' is Clear, so art() can erase.
    static Colour colourOfChar(char ch);

private:
    // Runs `draw` with a painter on the picture, set up without antialiasing.
    void paint(const std::function<void(QPainter &)> &draw);

    QImage image_;
};
