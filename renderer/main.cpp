// brickloom-render: writes the picture of a model file as the work area shows it, through the
// same drawing routine as the window, without a display.

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
#include <cstdio>

namespace {
constexpr int kBadArguments = 1;
constexpr int kRefusedModel = 2;
constexpr int kNotWritten = 3;
constexpr int kPngQuality = 80;

int usage()
{
    std::fputs("usage: brickloom-render MODEL.Pic OUT.png [--white] [--no-grid]\n", stderr);
    return kBadArguments;
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
    QStringList files;
    bool white = false;
    bool grid = true;
    for (const QString &arg : app.arguments().mid(1)) {
        if (arg == QLatin1String("--white"))
            white = true;
        else if (arg == QLatin1String("--no-grid"))
            grid = false;
        else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1)
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

    const QImage image = WorkAreaPainter::renderModel(boxes, white ? Qt::white : Qt::black, grid);
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
