// brickloom-render: writes the picture of a model file as the work area shows it, through the
// same drawing routine as the window, without a display; scaled down, it is a file manager's
// preview of the model.

#include "files/messages.h"
#include "files/modelfile.h"
#include "files/savefile.h"
#include "workarea/boxpictures.h"
#include "workarea/mglobal.h"
#include "workarea/workareapainter.h"
#include "workarea/workarearules.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kBadArguments = 1;
constexpr int kRefusedModel = 2;
constexpr int kNotWritten = 3;
constexpr int kPngQuality = 80;
// Enough for any preview or poster; far beyond it the picture would no longer fit in memory.
constexpr int kMaxSize = 8192;

int usage()
{
    std::fputs("usage: brickloom-render [-s SIZE] [--white] [--no-grid] MODEL.Pic OUT.png\n", stderr);
    return kBadArguments;
}

// SIZE as a plain whole number from 1 to kMaxSize, or 0: no sign, blank or other character.
int parseSize(const QString &text)
{
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return 0;
    }
    bool ok = false;
    const int size = text.toInt(&ok);
    return ok && size <= kMaxSize ? size : 0;
}

// The picture with its larger side `size` pixels, the other in proportion and rounded to the
// nearest pixel (Qt's own scaling to a bounding box would round it down).
QImage scaledTo(const QImage &image, int size)
{
    const double factor = double(size) / std::max(image.width(), image.height());
    const auto scaled = [factor](int side) { return std::max(1, int(std::lround(side * factor))); };
    return image.scaled(scaled(image.width()), scaled(image.height()), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

int refused()
{
    std::fprintf(stderr, "%s\n", qPrintable(Messages::message(Msg::FileNotFound)));
    return kRefusedModel;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // No plugins: the PNG writer is built into Qt, and looking for image plugins would load every
    // one of them (a file manager runs this once for each model it shows).
    QCoreApplication::setLibraryPaths({});
    QStringList files;
    bool white = false;
    bool grid = true;
    int size = 0;    // 0: the work area's own size
    const QStringList args = app.arguments().mid(1);
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--white"))
            white = true;
        else if (arg == QLatin1String("--no-grid"))
            grid = false;
        else if (arg == QLatin1String("-s") || arg == QLatin1String("--size")) {
            size = ++i < args.size() ? parseSize(args[i]) : 0;
            if (size == 0)
                return usage();
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
            return usage();
        else
            files << arg;
    }
    if (files.size() != 2)
        return usage();

    MGLOBAL g;
    g.createWorkArea();
    BoxPictures boxes;
    // A model the program would refuse to open is refused here too, also one whose numbers name
    // no shape.
    if (!ModelFile::openModel(files[0], g) || !WorkAreaRules::placePictures(g, boxes))
        return refused();

    QImage image = WorkAreaPainter::renderModel(boxes, white ? Qt::white : Qt::black, grid);
    if (size > 0)
        image = scaledTo(image, size);
    // Light compression: most of the time would otherwise go into packing the PNG tighter.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    if (!image.save(&buffer, "PNG", kPngQuality) || !SaveFile::write(files[1], png, &error)) {
        std::fprintf(stderr, "brickloom-render: cannot write %s: %s\n", qPrintable(files[1]), qPrintable(error));
        return kNotWritten;
    }
    return 0;
}
