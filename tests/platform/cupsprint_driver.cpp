// Both ends of test_cupsprint.sh's job: without arguments prints a small model on the default
// printer; with --check PAGE.png checks the page as poppler rasterised it at 96 dpi.

#include "printer.h"

#include "workareapainter.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double kMarginPoints = 18; // the ImageableArea margins of cupsprint.ppd

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
    QString error;
    return Printer::printImage(picture(), &error) ? EXIT_SUCCESS : fail(QStringLiteral("printing failed: ") + error);
}

int check(const QString &pagePath)
{
    const QImage page = QImage(pagePath).convertToFormat(QImage::Format_RGB32);
    if (page.isNull())
        return fail(QStringLiteral("cannot read ") + pagePath);
    const QImage expected = picture();

    // Everything not paper white is the picture: a wrong resolution or origin moves or scales it.
    QRect inked;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qMin(qMin(qRed(page.pixel(x, y)), qGreen(page.pixel(x, y))), qBlue(page.pixel(x, y))) < 200)
                inked |= QRect(x, y, 1, 1);
    const int margin = qRound(kMarginPoints * 96.0 / 72.0);
    const QRect wanted(QPoint(margin, margin), expected.size());
    std::printf("picture at %d,%d size %dx%d (expected %d,%d size %dx%d)\n", inked.x(), inked.y(), inked.width(),
                inked.height(), wanted.x(), wanted.y(), wanted.width(), wanted.height());
    if (inked.isNull() || !wanted.adjusted(-1, -1, 1, 1).contains(inked) || !inked.contains(wanted.adjusted(1, 1, -1, -1)))
        return fail(QStringLiteral("the picture is not at the page's top left at its 96 dpi size"));

    // Rasterising shifts a colour a little, a lossy coding much more: it greys the one-pixel grid
    // lines and fringes the icons, so grid, icons and background are counted apart.
    struct Kind { const char *what; double needed; qsizetype total = 0, seen = 0; };
    Kind kinds[] = {{"the dark green grid lines", 95}, {"the icons", 95}, {"the background pixels", 99}};
    for (int y = 0; y < expected.height(); ++y)
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb want = expected.pixel(x, y), got = page.pixel(wanted.x() + x, wanted.y() + y);
            Kind &kind = kinds[want == WorkAreaPainter::kGridColour.rgb() ? 0 : want == qRgb(0, 0, 0) ? 2 : 1];
            ++kind.total;
            kind.seen += qAbs(qRed(got) - qRed(want)) <= 32 && qAbs(qGreen(got) - qGreen(want)) <= 32
                && qAbs(qBlue(got) - qBlue(want)) <= 32;
        }
    for (const Kind &kind : kinds) {
        const double percent = 100.0 * double(kind.seen) / double(qMax<qsizetype>(kind.total, 1));
        std::printf("%s: %.1f%% of %lld pixels as expected\n", kind.what, percent, static_cast<long long>(kind.total));
        if (percent < kind.needed)
            return fail(QStringLiteral("%1 are not on the page in their colours and places").arg(kind.what));
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
    if (args.size() == 2 && args[0] == QLatin1String("--check"))
        return check(args[1]);
    return fail(QStringLiteral("usage: cupsprint_driver [--check PAGE.png]"));
}
