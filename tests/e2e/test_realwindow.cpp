// The real program in a real window: shapes dragged in with the real mouse and taken out with
// right clicks, under a palette that floats on top without taking the focus, and a model handed
// over by the desktop that outlives a killed program.

#include "twips.h"
#include "workareapainter.h"

#include "support/testfiles.h"

#include "xdriver/xdriver.h"

#include <QTest>

using namespace Desktop;

namespace {
// The program may run at a Qt scale factor (HiDPI); the layouts are in its own logical pixels.
const int kScale = std::max(1, qEnvironmentVariableIntValue("BRICKLOOM_E2E_SCALE"));

// In the small layout the main menu stands at (-25, -15) twips in the frame and the work area at
// (-60, -60), each inside a one-pixel border.
QPoint inFrame(const QRect &frame, int left, int top, QPoint logical = {})
{
    return frame.topLeft() + (Twips::point(left, top) + QPoint(1, 1) + logical) * kScale;
}

QRect boxOnScreen(const QRect &frame, int cell)
{
    const QRect box = WorkAreaPainter::boxRect(cell);
    return QRect(inFrame(frame, -60, -60, box.topLeft()), box.size() * kScale);
}

// Waits until the box shows what the work area's own routine draws, every pixel scaled up whole.
bool boxShows(const QRect &frame, int cell, int back, int front)
{
    BoxPictures boxes;
    boxes.PicTarget2[cell] = int16_t(back);
    boxes.PicTarget[cell] = int16_t(front);
    QImage expected = WorkAreaPainter::renderModel(boxes, Qt::black, true).copy(WorkAreaPainter::boxRect(cell));
    expected = expected.scaled(expected.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return waitForPixels(boxOnScreen(frame, cell), expected) == expected;
}

// The program with its frame active and its work area and palette shown: opened with "&Create",
// or by the program itself when the desktop hands it a model.
struct Session {
    explicit Session(const QStringList &arguments = {})
        : program(QStringLiteral(BRICKLOOM_BUILD_DIR), {QStringLiteral("QT_SCALE_FACTOR=%1").arg(kScale)}, arguments)
    {
        frameId = waitForWindow(QStringLiteral("^ Brickloom Win9 "));
        if (frameId.isEmpty() || !waitUntil([&] { return activeWindow() == frameId; }))
            return;
        frame = clientRect(frameId);
        if (arguments.isEmpty())
            click(inFrame(frame, -25, -15, Twips::rect(3810, 1750, 2000, 400).center()));
        paletteId = waitForWindow(QStringLiteral("^Shapes$"));
        // Placed by its outer frame once the window manager has framed it.
        if (!paletteId.isEmpty() && waitUntil([&] { return frameRect(paletteId).topLeft() == QPoint(487, 33) * kScale; }))
            palette = clientRect(paletteId);
    }

    // Shape n of the palette's first page, four columns of ten in a frame 20 twips down, onto a box.
    void drop(int shape, int cell)
    {
        const int i = shape - 1;
        const QPoint image = Twips::rect(30 + 510 * (i / 10), 260 + 510 * (i % 10), 510, 510).center();
        drag(palette.topLeft() + image * kScale, boxOnScreen(frame, cell).center());
    }

    Program program;
    QString frameId, paletteId;
    QRect frame, palette;
};
} // namespace

class TestRealWindow : public QObject {
    Q_OBJECT
private slots:
    void dragShapesInAndRightClickThemOut()
    {
        Session s;
        QVERIFY(s.palette.isValid());
        QVERIFY2(!waitUntil([&] { return activeWindow() != s.frameId; }, 500), "the palette took the focus");
        s.drop(17, 5);
        QVERIFY(boxShows(s.frame, 5, 17, 0));
        s.drop(40, 5);
        QVERIFY(boxShows(s.frame, 5, 17, 40));

        // The palette floats above the frame, also once the frame is the active window again.
        click(s.frame.topLeft() + QPoint(3, 3) * kScale); // beside the boxes
        QVERIFY(waitUntil([&] { return activeWindow() == s.frameId; }));
        const QStringList order = stacking();
        QVERIFY2(order.indexOf(s.paletteId) > order.indexOf(s.frameId), qPrintable(order.join(' ')));

        const QPoint box = boxOnScreen(s.frame, 5).center();
        click(box, 3);
        QVERIFY(boxShows(s.frame, 5, 17, 0));
        click(box, 3);
        QVERIFY(boxShows(s.frame, 5, 0, 0));
    }

    // Opened as the desktop hands it over, then changed: the recovery copy holds both.
    void aKilledProgramLeavesItsUnsavedModelBehind()
    {
        QTemporaryDir dir;
        const QString given = dir.filePath(QStringLiteral("given.PIC"));
        QVERIFY(TestFiles::write(given, TestFiles::model({{7, "30,2,0"}})));
        Session s({given});
        QVERIFY(s.palette.isValid());
        QVERIFY(boxShows(s.frame, 7, 2, 30));
        s.drop(3, 0);
        QVERIFY(boxShows(s.frame, 0, 3, 0));

        const QDir recovery(s.program.path(QStringLiteral("data/Brickloom/Recovery")));
        const QByteArray model = TestFiles::model({{0, "0,3,0"}, {7, "30,2,0"}});
        const auto copy = [&] {
            const QStringList copies = recovery.entryList({"*.Pic"}, QDir::Files);
            return copies.size() == 1 ? TestFiles::read(recovery.filePath(copies.first())) : QByteArray();
        };
        QVERIFY(waitUntil([&] { return copy() == model; }, 3000)); // within its second
        s.program.process.kill();                                  // SIGKILL: no last word
        QVERIFY(s.program.process.waitForFinished(3000));
        QCOMPARE(copy(), model);
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_realwindow.moc"
