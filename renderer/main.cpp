// brickloom-render: writes the picture of a model file as the work area shows it, through the
// same drawing routine as the window, without a display; scaled down, it is a file manager's
// preview of the model.

#include "boxpictures.h"
#include "filenames.h"
#include "messages.h"
#include "mglobal.h"
#include "modelfile.h"
#include "savefile.h"
#include "workareapainter.h"
#include "workarearules.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QImage>
#include <QStringList>
#include <QThreadPool>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
constexpr int kBadArguments = 1;
constexpr int kRefusedModel = 2;
constexpr int kNotWritten = 3;
// Light compression for a picture to keep; none for a file manager's preview (normal and large
// previews are at most 256 pixels a side), whose service reads the file once and stores the
// picture itself: packing it would take longer than drawing it.
constexpr int kPngQuality = 80;
constexpr int kPreviewSide = 256;
constexpr int kPreviewQuality = 100;
// Enough for any preview or poster; far beyond it the picture would no longer fit in memory.
constexpr int kMaxSize = 8192;

constexpr char kUsage[] = "usage: brickloom-render [-s SIZE] [--white] [--no-grid] [--] MODEL.Pic OUT.png\n";

int usage(const QString &why = QString())
{
    std::fputs(kUsage, stderr);
    if (!why.isEmpty())
        std::fprintf(stderr, "brickloom-render: %s\n", qPrintable(why));
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

// The program's own message, then why.
int refused(const QString &model, const QString &why)
{
    std::fprintf(stderr, "%s\nbrickloom-render: cannot open %s: %s\n", qPrintable(Messages::message(Msg::FileNotFound)),
                 FileNames::toLocal(model).constData(), qPrintable(why));
    return kRefusedModel;
}
} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // No plugins: the PNG writer is built into Qt, and looking for image plugins would load every
    // one of them (a file manager runs this once for each model it shows).
    QCoreApplication::setLibraryPaths({});
    QCoreApplication::setApplicationVersion(QStringLiteral(BRICKLOOM_VERSION));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws the picture of a model file as the work area shows it."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption sizeOption({QStringLiteral("s"), QStringLiteral("size")},
                                        QStringLiteral("Scales the picture so that its larger side is SIZE pixels (1 to 8192)."),
                                        QStringLiteral("SIZE"));
    const QCommandLineOption whiteOption(QStringLiteral("white"), QStringLiteral("Draws on white, as on paper."));
    const QCommandLineOption noGridOption(QStringLiteral("no-grid"), QStringLiteral("Leaves out the grid lines."));
    parser.addOptions({sizeOption, whiteOption, noGridOption});
    parser.addPositionalArgument(QStringLiteral("MODEL.Pic"), QStringLiteral("The model file."));
    parser.addPositionalArgument(QStringLiteral("OUT.png"), QStringLiteral("The picture to write."));
    // File names as the system has them, whatever their bytes: Qt's own arguments() would lose
    // the bytes that are no UTF-8.
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << FileNames::fromLocal(argv[i]);
    if (!parser.parse(args))
        return usage(parser.errorText());
    if (parser.isSet(help))
        parser.showHelp();
    if (parser.isSet(version))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    const int size = parser.isSet(sizeOption) ? parseSize(parser.value(sizeOption)) : -1;
    if (files.size() != 2 || size == 0)
        return usage();

    MGLOBAL g;
    g.createWorkArea();
    BoxPictures boxes;
    // A model the program would refuse to open is refused here too, also one whose numbers name
    // no shape.
    QString why;
    if (!ModelFile::openModel(files[0], g, &why) || !WorkAreaRules::placePictures(g, boxes, &why))
        return refused(files[0], why);

    QImage image = WorkAreaPainter::renderModel(boxes, parser.isSet(whiteOption) ? Qt::white : Qt::black,
                                                !parser.isSet(noGridOption));
    if (size > 0) {
        // Smooth scaling borrows threads from Qt's pool: they end as soon as they are done, where
        // they would otherwise idle until the exit had to wake them and wait for them.
        QThreadPool::globalInstance()->setExpiryTimeout(0);
        image = scaledTo(image, size);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QString error;
    const bool preview = std::max(image.width(), image.height()) <= kPreviewSide;
    // A file its caller made is written into: a thumbnail service reads it through its own handle.
    if (!image.save(&buffer, "PNG", preview ? kPreviewQuality : kPngQuality) || !SaveFile::write(files[1], png, &error, {.fillInEmpty = true})) {
        std::fprintf(stderr, "brickloom-render: cannot write %s: %s\n", FileNames::toLocal(files[1]).constData(),
                     qPrintable(error));
        return kNotWritten;
    }
    return 0;
}
