// Helper of test_cupsprint.sh, both ends of one print job through a real CUPS queue:
//   cupsprint_driver                          prints a small model on the default printer
//   cupsprint_driver --check PAGE.png MARGIN  checks the page as poppler rasterised it at 96 dpi,
//                                             MARGIN being the queue's top and left margin in points
// Exit 0 on success, 1 with a message otherwise.

#include "platform/printer.h"
#include "workarea/boxpictures.h"
#include "workarea/workareapainter.h"

#include <QGuiApplication>
#include <QImage>
#include <QPrinterInfo>
#include <QRect>
#include <cstdio>
#include <cstdlib>

namespace {

// Two layers in cell 5, as a user drops them, and shapes in the corners and the middle so that a
// shift or a cut edge shows.
BoxPictures model()
{
    BoxPictures boxes;
    boxes.PicTarget2[5] = 17;
    boxes.PicTarget[5] = 40;
    boxes.PicTarget2[0] = 1;
    boxes.PicTarget2[18] = 60;
    boxes.PicTarget2[123] = 120;
    boxes.PicTarget[123] = 121;
    boxes.PicTarget2[228] = 200;
    boxes.PicTarget2[246] = 240;
    return boxes;
}

QImage picture()
{
    return WorkAreaPainter::renderModel(model(), Qt::black, true);
}

int fail(const QString &why)
{
    std::fflush(stdout);
    std::fprintf(stderr, "cupsprint_driver: %s\n", qPrintable(why));
    return EXIT_FAILURE;
}

int print()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return fail(QStringLiteral("Qt sees no default printer"));
    std::printf("default printer: %s\n", qPrintable(info.printerName()));
    QString error;
    if (!Printer::printImage(picture(), &error))
        return fail(QStringLiteral("printing failed: ") + error);
    return EXIT_SUCCESS;
}

bool near(QRgb a, QRgb b, int tolerance)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
}

// Share of `total` in percent, for the messages.
double percent(qsizetype part, qsizetype total)
{
    return total ? 100.0 * double(part) / double(total) : 0.0;
}

int check(const QString &pagePath, double marginPoints)
{
    const QImage page = QImage(pagePath).convertToFormat(QImage::Format_RGB32);
    if (page.isNull())
        return fail(QStringLiteral("cannot read ") + pagePath);
    const QImage expected = picture();

    // Everything that is not paper white is the picture: the black block must be exactly the
    // image's 96 dpi size, at the printer's margin. A wrong resolution or origin moves or scales it.
    QRect inked;
    for (int y = 0; y < page.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(page.constScanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            if (qRed(line[x]) < 200 || qGreen(line[x]) < 200 || qBlue(line[x]) < 200)
                inked |= QRect(x, y, 1, 1);
        }
    }
    const int margin = qRound(marginPoints * 96.0 / 72.0);
    const QRect wanted(QPoint(margin, margin), expected.size());
    std::printf("page %dx%d px, picture at %d,%d size %dx%d (expected %d,%d size %dx%d)\n", page.width(),
                page.height(), inked.x(), inked.y(), inked.width(), inked.height(), wanted.x(), wanted.y(),
                wanted.width(), wanted.height());
    if (inked.isNull())
        return fail(QStringLiteral("the page is blank"));
    if (std::abs(inked.left() - wanted.left()) > 1 || std::abs(inked.top() - wanted.top()) > 1
        || std::abs(inked.right() - wanted.right()) > 1 || std::abs(inked.bottom() - wanted.bottom()) > 1)
        return fail(QStringLiteral("the picture is not at the page's top left at its 96 dpi size"));

    // Pixel by pixel against the same picture. Rasterising may shift a colour a little; a lossy
    // coding of the image shifts it much more, greying the one-pixel grid lines and fringing the
    // icons. Grid and icons are counted apart, as each is a small part of the block.
    qsizetype gridTotal = 0, gridSeen = 0, iconTotal = 0, iconSeen = 0, blackTotal = 0, blackSeen = 0;
    const QRgb grid = WorkAreaPainter::kGridColour.rgb();
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y);
            const bool seen = near(page.pixel(wanted.x() + x, wanted.y() + y), want, 32);
            if (want == grid) {
                ++gridTotal;
                gridSeen += seen;
            } else if (want == qRgb(0, 0, 0)) {
                ++blackTotal;
                blackSeen += seen;
            } else {
                ++iconTotal;
                iconSeen += seen;
            }
        }
    }
    std::printf("as expected: %.1f%% of %lld grid pixels, %.1f%% of %lld icon pixels, %.1f%% of %lld black ones\n",
                percent(gridSeen, gridTotal), static_cast<long long>(gridTotal), percent(iconSeen, iconTotal),
                static_cast<long long>(iconTotal), percent(blackSeen, blackTotal), static_cast<long long>(blackTotal));
    if (gridTotal == 0 || iconTotal == 0)
        return fail(QStringLiteral("the model drew no grid or no icons; the check would prove nothing"));
    if (percent(gridSeen, gridTotal) < 95.0)
        return fail(QStringLiteral("the dark green grid lines are not on the page in their colour"));
    if (percent(iconSeen, iconTotal) < 95.0)
        return fail(QStringLiteral("the icons are not on the page in their colours and places"));
    if (percent(blackSeen, blackTotal) < 99.0)
        return fail(QStringLiteral("the background is not black on the page"));
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return print();
    bool ok = false;
    const double margin = args.value(2).toDouble(&ok);
    if (args.size() == 3 && args[0] == QLatin1String("--check") && ok)
        return check(args[1], margin);
    std::fputs("usage: cupsprint_driver [--check PAGE.png MARGIN_POINTS]\n", stderr);
    return EXIT_FAILURE;
}
