#include "icowriter.h"

#include "icon.h"

#include <QtEndian>

namespace IcoWriter {

namespace {

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

} // namespace

QByteArray encode(const Icon &icon)
{
    constexpr int side = Icon::Size;
    constexpr int colourBytes = side * side / 2; // 16 bytes a row
    constexpr int maskBytes = side * side / 8;   // 4 bytes a row, already a multiple of 4
    constexpr int imageBytes = 40 + 16 * 4 + colourBytes + maskBytes;

    QByteArray out;
    out.reserve(FileSize);

    // Icon directory: reserved, type 1 (icon), one image.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    // Its one entry.
    out.append(char(side));
    out.append(char(side));
    out.append(char(16)); // colours
    out.append(char(0));
    put16(out, 1); // planes
    put16(out, 4); // bits per pixel
    put32(out, imageBytes);
    put32(out, 6 + 16);

    // BITMAPINFOHEADER; the height counts the colour bitmap and the mask together.
    put32(out, 40);
    put32(out, side);
    put32(out, 2 * side);
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // uncompressed
    put32(out, colourBytes + maskBytes);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);

    for (int c = 0; c < 16; ++c) {
        const QRgb rgb = rgbOf(static_cast<Colour>(c));
        out.append(char(qBlue(rgb)));
        out.append(char(qGreen(rgb)));
        out.append(char(qRed(rgb)));
        out.append(char(0));
    }

    // Rows run bottom-up. A transparent pixel is colour 0 under a set mask bit, so that the
    // screen shows through unchanged.
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; x += 2) {
            const int hi = icon.opaque(x, y) ? icon.at(x, y) : 0;
            const int lo = icon.opaque(x + 1, y) ? icon.at(x + 1, y) : 0;
            out.append(char((hi << 4) | lo));
        }
    for (int y = side - 1; y >= 0; --y)
        for (int x = 0; x < side; x += 8) {
            int bits = 0;
            for (int i = 0; i < 8; ++i)
                if (!icon.opaque(x + i, y))
                    bits |= 0x80 >> i;
            out.append(char(bits));
        }

    Q_ASSERT(out.size() == FileSize);
    return out;
}

} // namespace IcoWriter
