// The program's dialogs open at their place beside the frame, measured by their outer frames as the
// window manager draws them, also while the machine is busy: the window manager then takes its time
// to frame a new window, and the program must wait for it however long that is.

#include "twips.h"

#include "xdriver/xdriver.h"

#include <QTest>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Desktop;

namespace {
// A machine kept busy, with the window manager of the private X server at a low priority: it then
// takes its time to frame each new window, as on a slow machine. The threads stop and are joined
// however the test ends.
std::vector<std::jthread> busyMachine()
{
    const QString wm = run(QStringLiteral("pgrep"), {"-P", QString::number(getppid()), "-x", "openbox"}).trimmed();
    if (!wm.isEmpty())
        run(QStringLiteral("renice"), {"-n", "10", "-p", wm});
    std::vector<std::jthread> hogs;
    for (unsigned i = 0; i < 2 * std::max(1u, std::thread::hardware_concurrency()); ++i)
        hogs.emplace_back([](std::stop_token stop) {
            while (!stop.stop_requested()) {
            }
        });
    return hogs;
}

// A busy machine with other work on it as well can be slow indeed.
constexpr int kPatience = 30000;

// Waits for the dialog `caption` to be the active window with its outer frame at `offset` twips
// from the frame's outer corner; an empty answer when it is, else where it stands.
QString placed(const QString &caption, QPoint corner, QPoint offset)
{
    const QString id = waitForWindow(caption, kPatience);
    if (id.isEmpty())
        return caption + QStringLiteral(" did not open");
    const QPoint want = corner + Twips::point(offset.x(), offset.y());
    if (waitUntil([&] { return activeWindow() == id && frameRect(id).topLeft() == want; }, kPatience))
        return {};
    const QPoint at = frameRect(id).topLeft();
    return QStringLiteral("%1 at %2,%3 instead of %4,%5").arg(caption).arg(at.x()).arg(at.y()).arg(want.x()).arg(want.y());
}

// Closes the dialog by its keys once it has the keyboard.
void close(const QString &caption, const QString &keys)
{
    const QString id = waitForWindow(caption, kPatience);
    QVERIFY(waitUntil([&] { return activeWindow() == id; }, kPatience));
    key(keys);
    QVERIFY(windowGone(caption, kPatience));
}
} // namespace

class TestPlacement : public QObject {
    Q_OBJECT
private slots:
    // Personalize and the message it raises for a depth of 0, then the undo dialog, a few times
    // each: the window manager is not slow every time.
    void dialogsStandBesideTheFrameOnABusyMachine()
    {
        const std::vector<std::jthread> hogs = busyMachine();
        Program program(QStringLiteral(BRICKLOOM_BUILD_DIR));
        const QString frame = waitForWindow(QStringLiteral("^ Brickloom Win9 "), kPatience);
        QVERIFY(waitUntil([&] { return activeWindow() == frame; }, kPatience));
        const QPoint corner = frameRect(frame).topLeft();
        for (int round = 0; round < 4; ++round) {
            QVERIFY(waitUntil([&] { return activeWindow() == frame; }, kPatience));
            key(QStringLiteral("alt+p"));
            QCOMPARE(placed(QStringLiteral("^Personalize$"), corner, {3060, 2100}), QString());
            xdotool({"key", "shift+Tab", "ctrl+a", "0", "Tab"});
            QCOMPARE(placed(QStringLiteral("^Help$"), corner, {3600, 2000}), QString());
            close(QStringLiteral("^Help$"), QStringLiteral("alt+x"));
            close(QStringLiteral("^Personalize$"), QStringLiteral("alt+x"));
        }
        QVERIFY(waitUntil([&] { return activeWindow() == frame; }, kPatience));
        key(QStringLiteral("alt+c"));
        QVERIFY(!waitForWindow(QStringLiteral("^Shapes$"), kPatience).isEmpty());
        for (int round = 0; round < 4; ++round) {
            QVERIFY(waitUntil([&] { return activeWindow() == frame; }, kPatience));
            key(QStringLiteral("alt+u"));
            QCOMPARE(placed(QStringLiteral("^Select$"), corner, {3150, 2000}), QString());
            close(QStringLiteral("^Select$"), QStringLiteral("alt+e"));
        }
    }
};

QTEST_MAIN(TestPlacement)
#include "test_placement.moc"
