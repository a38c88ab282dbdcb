// The real program in a real window: shapes dragged with the real mouse, taken out with right
// clicks, the palette kept on top, files saved and opened through the file dialog, typing into
// the Personalize window, and a model that outlives a killed program.

#include "xdriver/xdriver.h"
#include "palette/shapeicons.h"
#include "platform/twips.h"
#include "workarea/workareapainter.h"

#include <QFile>
#include <QTest>
#include <map>

using namespace Desktop;

namespace {
const QString kFrameName = QStringLiteral("^ Brickloom Win9 ");

// The program may run at a Qt scale factor (HiDPI); the layouts are in its own logical pixels.
int scale() { return qEnvironmentVariableIntValue("BRICKLOOM_E2E_SCALE") > 1 ? qEnvironmentVariableIntValue("BRICKLOOM_E2E_SCALE") : 1; }
QStringList programEnvironment() { return {QStringLiteral("QT_SCALE_FACTOR=%1").arg(scale())}; }
QRect onScreen(QPoint origin, const QRect &logical) { return QRect(origin + logical.topLeft() * scale(), logical.size() * scale()); }

// Where the children of the frame stand: each inside a one-pixel border, the main menu at
// (-25, -15) twips and the work area at (-60, -60) twips in the small layout.
QPoint mainMenuOrigin(const QRect &frame) { return frame.topLeft() + (Twips::point(-25, -15) + QPoint(1, 1)) * scale(); }
QPoint workAreaOrigin(const QRect &frame) { return frame.topLeft() + (Twips::point(-60, -60) + QPoint(1, 1)) * scale(); }

QPoint twipsCentre(QPoint origin, int left, int top, int width, int height)
{
    return onScreen(origin, Twips::rect(left, top, width, height)).center();
}

// Shape n on the first page of the palette: four columns of ten, in a frame 20 twips down.
QPoint paletteImage(const QRect &palette, int n)
{
    const int i = n - 1;
    const QRect image = Twips::rect(30 + 510 * (i / 10), 240 + 510 * (i % 10), 510, 510).translated(Twips::point(0, 20));
    return onScreen(palette.topLeft(), image).center();
}

QRect boxOnScreen(const QRect &frame, int cell) { return onScreen(workAreaOrigin(frame), WorkAreaPainter::boxRect(cell)); }

// What a box must show: drawn by the work area's routine, every pixel scaled up as a whole.
QImage expectedBox(int cell, int back, int front)
{
    BoxPictures boxes;
    boxes.PicTarget2[cell] = int16_t(back);
    boxes.PicTarget[cell] = int16_t(front);
    const QImage box = WorkAreaPainter::renderModel(boxes, Qt::black, true).copy(WorkAreaPainter::boxRect(cell));
    return box.scaled(box.size() * scale(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

// A model file's bytes with the given "front,back,third" lines at the given cells.
QByteArray modelBytes(const std::map<int, QByteArray> &lines)
{
    QByteArray out;
    for (int cell = 0; cell < 247; ++cell)
        out += (lines.count(cell) ? lines.at(cell) : QByteArray("0,0,0")) + "\r\n";
    return out;
}

QByteArray bytesOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

Program started(const QStringList &environment = {}, const QStringList &arguments = {})
{
    return Program(QStringLiteral(BRICKLOOM_BUILD_DIR), environment, arguments);
}

// Waits until a window is shown and has the focus, so that what is typed next reaches it.
QString activeSoon(const QString &pattern)
{
    const QString id = waitForWindow(pattern);
    return !id.isEmpty() && waitUntil([&] { return activeWindow() == id; }) ? id : QString();
}

// Waits until the program's frame is shown and has the focus; returns its client area.
QRect startedFrame(QString *id = nullptr)
{
    const QString frameId = activeSoon(kFrameName);
    if (id)
        *id = frameId;
    return frameId.isEmpty() ? QRect() : clientRect(frameId);
}

QRect openWorkArea(const QRect &frame, QString *paletteId = nullptr)
{
    click(twipsCentre(mainMenuOrigin(frame), 3810, 1750, 2000, 400)); // "&Create"
    const QString id = waitForWindow(QStringLiteral("^Shapes$"));
    if (paletteId)
        *paletteId = id;
    // Placed by its outer frame once the window manager has framed it.
    if (id.isEmpty() || !waitUntil([&] { return frameRect(id).topLeft() == QPoint(487, 33) * scale(); }))
        return {};
    return clientRect(id);
}

// Drags a palette shape onto a box and waits until the box shows `expected`.
QImage dropped(const QRect &palette, int shape, const QRect &box, const QImage &expected)
{
    drag(paletteImage(palette, shape), box.center());
    return waitForPixels(box, expected);
}
} // namespace

class TestRealWindow : public QObject {
    Q_OBJECT
private slots:
    void dragShapesInAndRightClickThemOut()
    {
        Program program = started(programEnvironment());
        QString frameId, paletteId;
        const QRect frame = startedFrame(&frameId);
        QVERIFY(frame.isValid());
        QCOMPARE(frame.size(), Twips::size(9510, 6825) * scale());
        const QRect palette = openWorkArea(frame, &paletteId);
        QVERIFY(palette.isValid());
        QCOMPARE(palette.size(), Twips::size(2100, 5715) * scale());

        const QRect box = boxOnScreen(frame, 5);
        QCOMPARE(dropped(palette, 17, box, expectedBox(5, 17, 0)), expectedBox(5, 17, 0));
        drag(paletteImage(palette, 40), box.center() + QPoint(5, 7));
        QCOMPARE(waitForPixels(box, expectedBox(5, 17, 40)), expectedBox(5, 17, 40));

        // The palette floats above the frame, also once the frame is the active window again.
        click(workAreaOrigin(frame) + QPoint(3, 3));
        QVERIFY(waitUntil([&] { return activeWindow() == frameId; }));
        const QStringList order = stacking();
        QVERIFY2(order.indexOf(paletteId) > order.indexOf(frameId), qPrintable(order.join(' ')));

        click(box.center(), 3);
        QCOMPARE(waitForPixels(box, expectedBox(5, 17, 0)), expectedBox(5, 17, 0));
        click(box.center(), 3);
        QCOMPARE(waitForPixels(box, expectedBox(5, 0, 0)), expectedBox(5, 0, 0));
    }

    void saveAndOpenThroughTheFileDialog()
    {
        Program program = started();
        QString frameId;
        const QRect frame = startedFrame(&frameId);
        const QRect palette = openWorkArea(frame);
        QVERIFY(palette.isValid());
        const QRect box0 = boxOnScreen(frame, 0);
        const QRect box20 = boxOnScreen(frame, 20);
        QCOMPARE(dropped(palette, 3, box0, expectedBox(0, 3, 0)), expectedBox(0, 3, 0));
        QCOMPARE(dropped(palette, 12, box20, expectedBox(20, 12, 0)), expectedBox(20, 12, 0));
        QCOMPARE(dropped(palette, 25, box20, expectedBox(20, 12, 25)), expectedBox(20, 12, 25));

        const QString path = program.path(QStringLiteral("typed.Pic"));
        click(twipsCentre(workAreaOrigin(frame), 6750, 6450, 1050, 325)); // "&Save File"
        QVERIFY(!activeSoon(QStringLiteral("^Save As$")).isEmpty());
        QVERIFY2(visibleWindow(QStringLiteral("^Shapes$")).isEmpty(), "the palette hides meanwhile");
        type(path);
        key(QStringLiteral("Return"));
        QVERIFY(windowGone(QStringLiteral("^Save As$")));
        QCOMPARE(bytesOf(path), modelBytes({{0, "0,3,0"}, {20, "25,12,0"}}));
        QCOMPARE(windowName(frameId), QStringLiteral(" Brickloom Win9  [typed.Pic]"));

        click(twipsCentre(workAreaOrigin(frame), 8160, 6450, 1050, 325)); // "&Open File"
        QVERIFY(!activeSoon(QStringLiteral("^Open$")).isEmpty());
        QCOMPARE(waitForPixels(box0, expectedBox(0, 0, 0)), expectedBox(0, 0, 0)); // cleared before the dialog
        type(path);
        key(QStringLiteral("Return"));
        QVERIFY(windowGone(QStringLiteral("^Open$")));
        QCOMPARE(waitForPixels(box0, expectedBox(0, 3, 0)), expectedBox(0, 3, 0));
        QCOMPARE(waitForPixels(box20, expectedBox(20, 12, 25)), expectedBox(20, 12, 25));
        QCOMPARE(windowName(frameId), QStringLiteral(" Brickloom Win9  [typed.Pic]"));
    }

    void aKilledProgramLeavesItsUnsavedModelBehind()
    {
        Program program = started();
        const QRect frame = startedFrame();
        const QRect palette = openWorkArea(frame);
        QVERIFY(palette.isValid());
        QCOMPARE(dropped(palette, 3, boxOnScreen(frame, 0), expectedBox(0, 3, 0)), expectedBox(0, 3, 0));
        const QRect box20 = boxOnScreen(frame, 20);
        QCOMPARE(dropped(palette, 12, box20, expectedBox(20, 12, 0)), expectedBox(20, 12, 0));
        QCOMPARE(dropped(palette, 25, box20, expectedBox(20, 12, 25)), expectedBox(20, 12, 25));

        const QDir recovery(program.path(QStringLiteral("data/Brickloom/Recovery")));
        const QByteArray model = modelBytes({{0, "0,3,0"}, {20, "25,12,0"}});
        const auto copy = [&] {
            const QStringList copies = recovery.entryList({"*.Pic"}, QDir::Files);
            return copies.size() == 1 ? bytesOf(recovery.filePath(copies.first())) : QByteArray();
        };
        QVERIFY(waitUntil([&] { return copy() == model; }, 3000)); // within its second
        program.process.kill();                                    // SIGKILL: no last word
        QVERIFY(program.process.waitForFinished(3000));
        QCOMPARE(copy(), model);
    }

    void aModelGivenByTheDesktopOpensInTheWorkArea()
    {
        QTemporaryDir dir;
        QFile model(dir.filePath(QStringLiteral("given.PIC")));
        QVERIFY(model.open(QIODevice::WriteOnly) && model.write(modelBytes({{7, "30,2,0"}})) > 0);
        model.close();
        Program program = started({}, {model.fileName()});
        QString frameId;
        const QRect frame = startedFrame(&frameId);
        QVERIFY(!waitForWindow(QStringLiteral("^Shapes$")).isEmpty());
        QCOMPARE(waitForPixels(boxOnScreen(frame, 7), expectedBox(7, 2, 30)), expectedBox(7, 2, 30));
        QCOMPARE(windowName(frameId), QStringLiteral(" Brickloom Win9  [given.PIC]"));
    }

    void typeIntoPersonalize()
    {
        Program program = started();
        const QRect frame = startedFrame();
        QVERIFY(frame.isValid());
        click(twipsCentre(mainMenuOrigin(frame), 3815, 3700, 1995, 400)); // "&Personalize"
        QVERIFY(!activeSoon(QStringLiteral("^Personalize$")).isEmpty());
        type(QStringLiteral("Smith, Jo"));
        key(QStringLiteral("shift+Tab")); // back round to the depth box
        key(QStringLiteral("ctrl+a"));
        type(QStringLiteral("2.5"));
        key(QStringLiteral("Return"));
        key(QStringLiteral("Return"));
        key(QStringLiteral("Return"));
        QVERIFY(windowGone(QStringLiteral("^Personalize$")));

        QCOMPARE(bytesOf(program.path(QStringLiteral("Personal.qzt"))), QByteArray("2,\"Smith, Jo\",\"\"\r\n"));
        // The name now stands on the main menu, in black on cyan.
        const QRect label(mainMenuOrigin(frame) + Twips::point(4680, 6120), QSize(40, 10));
        QVERIFY(waitUntil([&] { return grab(label).pixelColor(1, 1) == QColor(0, 255, 255); }));
    }
};

QTEST_MAIN(TestRealWindow)
#include "test_realwindow.moc"
