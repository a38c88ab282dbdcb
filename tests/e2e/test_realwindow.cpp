// The real program in a real window: shapes dragged with the real mouse, taken out with right
// clicks, the palette kept on top, typing into the Personalize window, and F1.

#include "desktop.h"
#include "palette/shapeicons.h"
#include "platform/twips.h"
#include "workarea/workareapainter.h"

#include <QFile>

using namespace Desktop;

namespace {
const QString kFrameName = QStringLiteral("^ Brickloom Win9 ");

// Where the children of the frame stand: each inside a one-pixel border, the main menu at
// (-25, -15) twips and the work area at (-60, -60) twips in the small layout.
QPoint mainMenuOrigin(const QRect &frame) { return frame.topLeft() + Twips::point(-25, -15) + QPoint(1, 1); }
QPoint workAreaOrigin(const QRect &frame) { return frame.topLeft() + Twips::point(-60, -60) + QPoint(1, 1); }

QPoint twipsCentre(QPoint origin, int left, int top, int width, int height)
{
    return origin + Twips::rect(left, top, width, height).center();
}

// Shape n on the first page of the palette: four columns of ten, in a frame 20 twips down.
QPoint paletteImage(const QRect &palette, int n)
{
    const int i = n - 1;
    return palette.topLeft() + Twips::point(0, 20) + Twips::rect(30 + 510 * (i / 10), 240 + 510 * (i % 10), 510, 510).center();
}

QImage expectedBox(int cell, int back, int front)
{
    BoxPictures boxes;
    boxes.PicTarget2[cell] = int16_t(back);
    boxes.PicTarget[cell] = int16_t(front);
    return WorkAreaPainter::renderModel(boxes, Qt::black, true).copy(WorkAreaPainter::boxRect(cell));
}
} // namespace

class TestRealWindow : public QObject {
    Q_OBJECT
private slots:
    void dragShapesInAndRightClickThemOut()
    {
        Program program;
        const QString frameId = waitForWindow(kFrameName);
        QVERIFY(!frameId.isEmpty());
        settle(500);
        const QRect frame = clientRect(frameId);
        QCOMPARE(frame.size(), Twips::size(9510, 6825));

        click(twipsCentre(mainMenuOrigin(frame), 3810, 1750, 2000, 400)); // "&Create"
        const QString paletteId = waitForWindow(QStringLiteral("^Shapes$"));
        QVERIFY(!paletteId.isEmpty());
        settle(500);
        const QRect palette = clientRect(paletteId);
        QCOMPARE(palette.size(), Twips::size(2100, 5715));

        const QPoint workArea = workAreaOrigin(frame);
        const QRect box = WorkAreaPainter::boxRect(5).translated(workArea);
        drag(paletteImage(palette, 17), box.center());
        QCOMPARE(grab(box), expectedBox(5, 17, 0));
        drag(paletteImage(palette, 40), box.center() + QPoint(5, 7));
        QCOMPARE(grab(box), expectedBox(5, 17, 40));

        // The palette floats above the frame, also once the frame is the active window again.
        click(workArea + QPoint(3, 3));
        const QStringList order = stacking();
        QVERIFY2(order.indexOf(paletteId) > order.indexOf(frameId), qPrintable(order.join(' ')));

        click(box.center(), 3);
        QCOMPARE(grab(box), expectedBox(5, 17, 0));
        click(box.center(), 3);
        QCOMPARE(grab(box), expectedBox(5, 0, 0));
    }

    void typeIntoPersonalize()
    {
        Program program;
        const QString frameId = waitForWindow(kFrameName);
        QVERIFY(!frameId.isEmpty());
        settle(500);
        const QRect frame = clientRect(frameId);
        click(twipsCentre(mainMenuOrigin(frame), 3815, 3700, 1995, 400)); // "&Personalize"
        QVERIFY(!waitForWindow(QStringLiteral("^Personalize$")).isEmpty());
        settle(500);
        type(QStringLiteral("Smith, Jo"));
        key(QStringLiteral("shift+Tab")); // back round to the depth box
        key(QStringLiteral("ctrl+a"));
        type(QStringLiteral("2.5"));
        key(QStringLiteral("Return"));
        key(QStringLiteral("Return"));
        key(QStringLiteral("Return"));
        QVERIFY(windowGone(QStringLiteral("^Personalize$")));

        QFile settings(program.path(QStringLiteral("Personal.qzt")));
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("2,\"Smith, Jo\",\"\"\r\n"));
        // The name now stands on the main menu, in black on cyan.
        const QImage label = grab(QRect(mainMenuOrigin(frame) + Twips::point(4680, 6120), QSize(40, 10)));
        QCOMPARE(label.pixelColor(1, 1), QColor(0, 255, 255));
    }

    void f1InTheWorkAreaOpensItsHelpTopic()
    {
        Program program;
        const QString frameId = waitForWindow(kFrameName);
        QVERIFY(!frameId.isEmpty());
        settle(500);
        const QRect frame = clientRect(frameId);
        click(twipsCentre(mainMenuOrigin(frame), 3810, 1750, 2000, 400));
        QVERIFY(!waitForWindow(QStringLiteral("^Shapes$")).isEmpty());
        click(workAreaOrigin(frame) + QPoint(3, 3));
        key(QStringLiteral("F1"));
        const QString help = waitForWindow(QStringLiteral("^Brickloom Help - "));
        QVERIFY(!help.isEmpty());
        QCOMPARE(windowName(help), QStringLiteral("Brickloom Help - The work area"));
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_realwindow.moc"
