// The real program on a real compositor (weston, started by tools/with-weston.sh), driven through its
// seat: once started as on any Wayland desktop, where it must run on Xwayland, and once asked to
// run natively. Windows are found by what they show, since weston, not the program, places them,
// and their stacking is read from weston's scene graph.

#include "shapeicons.h"
#include "twips.h"
#include "workareapainter.h"

#include "xdriver/xdriver.h"

#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <algorithm>
#include <optional>

using namespace Desktop;

namespace {

const QPoint kAway(1023, 767); // weston draws the pointer into its picture: keep it out of the way

// The corners of the empty work area, in its own pixels: each occurs once on the screen, since
// the grid lines stop there, and the palette can hide at most two of them.
const QRect kCorners[] = {{3, 3, 40, 40}, {591, 3, 40, 40}, {3, 386, 40, 40}, {591, 386, 40, 40}};
QImage corner(const QRect &r, bool grid) { return WorkAreaPainter::renderModel(BoxPictures{}, Qt::black, grid).copy(r); }

// Where `needle` first appears on the screen, scanning from the top; (-1, -1) when nowhere.
QPoint find(const QImage &screen, const QImage &needle)
{
    const int w = needle.width(), h = needle.height();
    for (int y = 0; y + h <= screen.height(); ++y) {
        for (int x = 0; x + w <= screen.width(); ++x) {
            bool same = true;
            for (int row = 0; row < h && same; ++row)
                same = std::memcmp(screen.constScanLine(y + row) + 4 * x, needle.constScanLine(row), 4 * std::size_t(w)) == 0;
            if (same)
                return {x, y};
        }
    }
    return {-1, -1};
}

QImage screen()
{
    moveMouse(kAway);
    return grab(QRect(0, 0, 1024, 768));
}

// Where the palette is, by shape 1's picture in it, drawn on black but for its top row, where a
// line of the palette's grid runs; (-1, -1) when it is not on the screen.
QPoint paletteOrigin()
{
    static const QImage icon = [] {
        QImage image(ShapeIcons::image(1).size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter(&image).drawImage(0, 0, ShapeIcons::image(1));
        return image.copy(0, 1, image.width(), image.height() - 1);
    }();
    const QPoint at = find(screen(), icon);
    return at.x() < 0 ? at : at - QPoint(0, 1);
}

// The work area's (0, 0) on the screen, by whichever corner is in sight.
QPoint workAreaOrigin()
{
    const QImage now = screen();
    for (const QRect &c : kCorners) {
        if (const QPoint at = find(now, corner(c, true)); at.x() >= 0)
            return at - c.topLeft();
    }
    return {-1, -1};
}

// Whether the grid shows (in the corners the palette leaves in sight) or is gone (in all four).
bool gridShown(QPoint area, bool shown)
{
    const QImage now = screen();
    int alike = 0;
    for (const QRect &c : kCorners)
        alike += now.copy(c.translated(area)) == corner(c, shown);
    return shown ? alike > 0 : alike == 4;
}

QPoint shapeCentre(QPoint palette, int n)
{
    const int i = n - 1;
    return palette + Twips::point(510 * (i / 10), 510 * (i % 10)) + QPoint(17, 17);
}

QImage expectedBox(int cell, int back)
{
    BoxPictures boxes;
    boxes.PicTarget2[cell] = int16_t(back);
    return WorkAreaPainter::renderModel(boxes, Qt::black, true).copy(WorkAreaPainter::boxRect(cell));
}

struct View {
    QString description; // empty: no such view
    QRect rect;
};

// The frame's view in weston's scene graph.
View frameView()
{
    const QString graph = run(QStringLiteral("env"), {"WAYLAND_DISPLAY=" + qEnvironmentVariable("BRICKLOOM_WAYLAND_DISPLAY"), "weston-debug", "scene-graph"});
    static const QRegularExpression view(QStringLiteral(R"(^\s*View \d+ \((.*)\):$)"));
    static const QRegularExpression position(QStringLiteral(R"(position: \((-?\d+), (-?\d+)\) -> \((-?\d+), (-?\d+)\))"));
    const auto isFrame = [](const View &v) { return v.description.contains(QLatin1String("' Brickloom Win9 '")); };
    View current;
    for (const QString &line : graph.split(QLatin1Char('\n'))) {
        if (const auto m = view.match(line); m.hasMatch()) {
            if (isFrame(current))
                return current;
            current = View{m.captured(1), {}};
        } else if (const auto p = position.match(line); p.hasMatch() && current.rect.isNull())
            current.rect = QRect(QPoint(p.captured(1).toInt(), p.captured(2).toInt()), QPoint(p.captured(3).toInt() - 1, p.captured(4).toInt() - 1));
    }
    return isFrame(current) ? current : View{};
}

// The program in a folder of its own, as a desktop session would start it, its terminal output
// kept.
struct Started {
    explicit Started(bool native)
    {
        QFile::copy(QStringLiteral(BRICKLOOM_BUILD_DIR "/brickloom"), dir.filePath("brickloom"));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("BRICKLOOM_XWAYLAND"));
        env.insert(QStringLiteral("WAYLAND_DISPLAY"), qEnvironmentVariable("BRICKLOOM_WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        if (native) // with-weston.sh leaves QT_QPA_PLATFORM unset
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        process.setProcessEnvironment(env);
        process.setStandardErrorFile(dir.filePath(QStringLiteral("stderr")));
        process.start(dir.filePath("brickloom"), {});
        process.waitForStarted();
    }
    ~Started()
    {
        process.kill();
        process.waitForFinished(3000);
    }
    QTemporaryDir dir;
    QProcess process;
};

} // namespace

class TestWeston : public QObject {
    Q_OBJECT
    std::optional<Started> program;

    void paletteAndKeyboard(bool native)
    {
        program.emplace(native);
        View frame;
        QVERIFY2(waitUntil([&] { return !(frame = frameView()).description.isEmpty(); }, 15000), "no frame on weston");
        // On Xwayland the frame is an X window; natively an xdg_toplevel.
        QCOMPARE(frame.description.contains(QLatin1String("xdg_toplevel")), native);

        key(QStringLiteral("alt+c"));
        QPoint palette(-1, -1), area(-1, -1);
        QVERIFY2(waitUntil([&] { return (palette = paletteOrigin()).x() >= 0 && (area = workAreaOrigin()).x() >= 0; }),
                 "Alt+C brought up no palette and work area");

        // The keyboard stays with the frame when the palette comes up, goes back to it once the
        // palette has gone, and stays again when it comes back: Alt+H hides the grid and the
        // palette (where the palette's own Alt+H would open its help), Alt+G shows them again.
        // Also once the palette's buttons are clicked (weston's X11 window manager gives the
        // keyboard to any X11 window it manages when it is clicked; openbox does not).
        for (int round = 0; round < 2; ++round) {
            if (round == 1) {
                const QPoint content = palette - Twips::point(30, 260);
                click(content + Twips::point(1800, 5550)); // "> >"
                QVERIFY2(waitUntil([&] { return paletteOrigin().x() < 0; }), "\"> >\" did not turn the page");
                click(content + Twips::point(325, 5550)); // "< <"
                QVERIFY2(waitUntil([&] { return paletteOrigin() == palette; }), "\"< <\" did not turn the page back");
            }
            key(QStringLiteral("alt+h"));
            QVERIFY2(waitUntil([&] { return gridShown(area, false) && paletteOrigin().x() < 0; }), "Alt+H did not hide the grid and the palette");
            key(QStringLiteral("alt+g"));
            QVERIFY2(waitUntil([&] { return gridShown(area, true) && (palette = paletteOrigin()).x() >= 0; }), "Alt+G did not show them again");
        }

        // The palette over the frame: natively dragged there by its own caption; on Xwayland the
        // frame dragged under it by its title bar, which weston moves without telling Qt. A click
        // on the frame leaves the palette on top.
        if (native) {
            const QPoint caption = palette + QPoint(40, -Twips::toPx(260) - 8);
            const QPoint over = area + QPoint(430, 60);
            drag(caption, caption + (over - palette));
            QVERIFY2(waitUntil([&] { return (palette = paletteOrigin()) == over; }), "the palette did not move with its caption");
        } else {
            const QPoint titleBar = area + QPoint(200, -7);
            const QPoint to(std::clamp(palette.x() - 300, 10, 1024 - 645), std::clamp(palette.y() - 100, 80, 768 - 460));
            drag(titleBar, titleBar + (to - area));
            QVERIFY2(waitUntil([&] { return (area = workAreaOrigin()) == to; }), "the frame did not move with its title bar");
        }
        QVERIFY2(frameView().rect.contains(palette), "the palette is not over the frame");
        const int cell = palette.x() - area.x() >= 250 ? 5 : 15; // a box the palette leaves free
        const QRect box = WorkAreaPainter::boxRect(cell).translated(area);
        click(box.center());
        pause(300);
        QVERIFY2(paletteOrigin() == palette, "the palette went behind the frame");

        // A shape dragged from the palette lands in the box under the pointer.
        drag(shapeCentre(palette, 17), box.center());
        moveMouse(kAway);
        QCOMPARE(waitForPixels(box, expectedBox(cell, 17), 3000), expectedBox(cell, 17));
        // weston takes the keyboard from every window when a drag starts and gives it back to
        // none; the next click on the frame does.
        if (native)
            click(box.center());
        key(QStringLiteral("alt+h"));
        QVERIFY2(waitUntil([&] { return gridShown(area, false) && paletteOrigin().x() < 0; }), "after the drop, Alt+H did not reach the frame");

        if (native) {
            // The frame's minimize button (Qt's title bar: 63 pixels in from the right) takes the
            // palette along.
            key(QStringLiteral("alt+g"));
            QVERIFY2(waitUntil([&] { return paletteOrigin().x() >= 0; }), "Alt+G did not show the palette");
            const QRect frameRect = frameView().rect;
            click(QPoint(frameRect.right() - 62, frameRect.top() + 15));
            QVERIFY2(waitUntil([] { return frameView().description.isEmpty() && paletteOrigin().x() < 0; }),
                     "minimizing the frame left a window on the screen");
        }
        QCOMPARE(program->process.state(), QProcess::Running);
        QFile terminal(program->dir.filePath(QStringLiteral("stderr")));
        QVERIFY(terminal.open(QIODevice::ReadOnly));
        QCOMPARE(terminal.readAll(), QByteArray()); // nothing on the terminal
    }

private slots:
    void defaultStartRunsOnXwayland() { paletteAndKeyboard(false); }
    void askedForWaylandRunsNatively() { paletteAndKeyboard(true); }

    // A picture of the screen as a check failed, for a person to look at, when
    // BRICKLOOM_WESTON_SHOTS names a folder.
    void cleanup()
    {
        const QString dir = qEnvironmentVariable("BRICKLOOM_WESTON_SHOTS");
        if (QTest::currentTestFailed() && !dir.isEmpty() && QDir().mkpath(dir))
            screen().save(QDir(dir).filePath(QLatin1String(QTest::currentTestFunction()) + QStringLiteral(".png")));
        program.reset();
    }
};

QTEST_MAIN(TestWeston)
#include "test_weston.moc"
