// Helper of test_cupsprint.sh, both ends of one print job through a real CUPS queue:
//   cupsprint_driver                          prints a small model on the default printer
//   cupsprint_driver --check PAGE.png MARGIN  checks the page as poppler rasterised it at 96 dpi,
//                                             MARGIN being the queue's top and left margin in points
// Exit 0 on success, 1 with a message otherwise.

#include "platform/printer.h"
#include "workarea/workareapainter.h"

#include <QGuiApplication>
#include <QPrinterInfo>
#include <cstdio>
#include <cstdlib>

namespace {

// Two layers in cell 5, as a user drops them, and shapes in the corners and the middle so that a
// shift or a cut edge shows.
QImage picture()
{
    BoxPictures boxes;
    boxes.PicTarget2[5] = 17;
    boxes.PicTarget[5] = 40;
    for (const auto &[cell, shape] : {std::pair{0, 1}, {18, 60}, {123, 120}, {228, 200}, {246, 240}})
        boxes.PicTarget2[cell] = int16_t(shape);
    boxes.PicTarget[123] = 121;
    return WorkAreaPainter::renderModel(boxes, Qt::black, true);
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
    return Printer::printImage(picture(), &error) ? EXIT_SUCCESS : fail(QStringLiteral("printing failed: ") + error);
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
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qMin(qMin(qRed(page.pixel(x, y)), qGreen(page.pixel(x, y))), qBlue(page.pixel(x, y))) < 200)
                inked |= QRect(x, y, 1, 1);
    const int margin = qRound(marginPoints * 96.0 / 72.0);
    const QRect wanted(QPoint(margin, margin), expected.size());
    std::printf("picture at %d,%d size %dx%d (expected %d,%d size %dx%d)\n", inked.x(), inked.y(), inked.width(),
                inked.height(), wanted.x(), wanted.y(), wanted.width(), wanted.height());
    const QMargins off(inked.left() - wanted.left(), inked.top() - wanted.top(), inked.right() - wanted.right(),
                       inked.bottom() - wanted.bottom());
    if (inked.isNull() || qMax(qMax(qAbs(off.left()), qAbs(off.top())), qMax(qAbs(off.right()), qAbs(off.bottom()))) > 1)
        return fail(QStringLiteral("the picture is not at the page's top left at its 96 dpi size"));

    // Pixel by pixel against the same picture. Rasterising may shift a colour a little; a lossy
    // coding of the image shifts it much more, greying the one-pixel grid lines and fringing the
    // icons. Grid, icons and background are counted apart, as the first two are small parts.
    enum { Grid, Icon, Black };
    qsizetype total[3] = {}, seen[3] = {};
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y), got = page.pixel(wanted.x() + x, wanted.y() + y);
            const int kind = want == WorkAreaPainter::kGridColour.rgb() ? Grid : want == qRgb(0, 0, 0) ? Black : Icon;
            ++total[kind];
            seen[kind] += qAbs(qRed(got) - qRed(want)) <= 32 && qAbs(qGreen(got) - qGreen(want)) <= 32
                && qAbs(qBlue(got) - qBlue(want)) <= 32;
        }
    const double needed[3] = {95.0, 95.0, 99.0};
    const char *what[3] = {"the dark green grid lines", "the icons", "the background pixels"};
    for (int kind : {Grid, Icon, Black}) {
        const double percent = total[kind] ? 100.0 * double(seen[kind]) / double(total[kind]) : 0.0;
        std::printf("%s: %.1f%% of %lld pixels as expected\n", what[kind], percent, static_cast<long long>(total[kind]));
        if (percent < needed[kind])
            return fail(QStringLiteral("%1 are not on the page in their colours and places").arg(what[kind]));
    }
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
