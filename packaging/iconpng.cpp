// brickloom-iconpng: writes the program icon as the PNGs a desktop's icon theme wants, at its own
// size and blown up pixel by pixel, so the theme icon is always the very icon the windows show.
//
//   brickloom-iconpng ICON.ico OUTDIR SIZE...    writes OUTDIR/SIZExSIZE.png for every SIZE

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3) {
        std::fputs("usage: brickloom-iconpng ICON.ico OUTDIR SIZE...\n", stderr);
        return 1;
    }

    // The icon file has 16 colours and a transparency mask; as ARGB the mask survives the scaling.
    const QImage icon = QImage(args[0]).convertToFormat(QImage::Format_ARGB32);
    if (icon.isNull()) {
        std::fprintf(stderr, "brickloom-iconpng: cannot read %s\n", qPrintable(args[0]));
        return 2;
    }
    const QDir out(args[1]);
    out.mkpath(QStringLiteral("."));
    for (const QString &sizeText : args.mid(2)) {
        bool ok = false;
        const int size = sizeText.toInt(&ok);
        // Whole multiples only, so every pixel of the icon becomes a sharp square block.
        if (!ok || size < icon.width() || size % icon.width() != 0 || icon.width() != icon.height()) {
            std::fprintf(stderr, "brickloom-iconpng: %s is no whole multiple of the icon's size\n",
                         qPrintable(sizeText));
            return 1;
        }
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        const QString path = out.filePath(QStringLiteral("%1x%1.png").arg(size));
        if (!scaled.save(path, "PNG")) {
            std::fprintf(stderr, "brickloom-iconpng: cannot write %s\n", qPrintable(path));
            return 3;
        }
    }
    return 0;
}
