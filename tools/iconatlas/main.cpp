// brickloom-iconatlas OUT ICON...: decodes each icon with Qt's own ICO reader and writes their
// pixels one after the other as 32 x 32 premultiplied ARGB, the form the painter draws fastest.
// The build embeds the result uncompressed, so the program uses the pixels in place and decodes
// no icon at run time.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fputs("usage: brickloom-iconatlas OUT ICON...\n", stderr);
        return 1;
    }
    QByteArray pixels;
    for (const QString &path : args.mid(2)) {
        const QImage icon = QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (icon.size() != QSize(32, 32)) {
            std::fprintf(stderr, "brickloom-iconatlas: %s is not a 32 x 32 icon\n", qPrintable(path));
            return 2;
        }
        for (int y = 0; y < icon.height(); ++y)
            pixels.append(reinterpret_cast<const char *>(icon.constScanLine(y)), icon.width() * 4);
    }
    QFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) || out.write(pixels) != pixels.size()) {
        std::fprintf(stderr, "brickloom-iconatlas: cannot write %s\n", qPrintable(args[1]));
        return 2;
    }
    return 0;
}
