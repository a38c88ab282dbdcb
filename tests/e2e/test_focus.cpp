// The real program on a real desktop, by the keyboard and between programs: Enter, F1 that
// brings the one help viewer forward, and windows that stay where the user put them when
// the user comes back from another program.

#include "xdriver/xdriver.h"

#include <QTest>

using namespace Desktop;

namespace {
const QString kFrame = QStringLiteral("^ Brickloom Win9 ");
const QString kHelp = QStringLiteral("^Brickloom Help");

// Waits until the program's frame is shown and active.
QString activeFrame()
{
    const QString frame = waitForWindow(kFrame);
    waitUntil([&] { return activeWindow() == frame; });
    return frame;
}

// Waits until one help viewer alone is shown, has the focus and shows `topic`.
bool viewerAt(const QString &topic)
{
    return waitUntil([&] {
        const QStringList ids = xdotool({"search", "--onlyvisible", "--name", kHelp}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        return ids.size() == 1 && activeWindow() == ids.first() && windowName(ids.first()).endsWith(topic);
    });
}

void comeBackTo(const QString &id) { xdotool({"windowactivate", "--sync", id}); }

// F1 takes the user to the help viewer, another program, for a while: Qt on X counts a program as
// left only once none of its windows has had the focus for some 400 ms.
bool awayInTheViewer()
{
    key(QStringLiteral("F1"));
    if (!viewerAt({}))
        return false;
    pause(1000);
    return true;
}
} // namespace

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    // Enter presses the focused button; F1 brings the one viewer forward at the topic of the last
    // press: the main menu's, then the work area's, whose palette leaves the keyboard with it.
    void enterAndF1()
    {
        Program program(QStringLiteral(BRICKLOOM_BUILD_DIR));
        const QString frame = activeFrame();
        key(QStringLiteral("F1"));
        QVERIFY(viewerAt(QStringLiteral(" - The main menu")));
        comeBackTo(frame);
        key(QStringLiteral("Return")); // "&Create" has the focus at start
        QVERIFY(!waitForWindow(QStringLiteral("^Shapes$")).isEmpty());
        key(QStringLiteral("F1"));
        QVERIFY(viewerAt(QStringLiteral(" - The work area")));
        comeBackTo(frame);
        key(QStringLiteral("F1"));
        QVERIFY(viewerAt(QStringLiteral(" - The work area")));
    }

    void comingBackFromAnotherProgramMovesNothing()
    {
        Program program(QStringLiteral(BRICKLOOM_BUILD_DIR));
        const QString frame = activeFrame();
        xdotool({"windowsize", "--sync", frame, "660", "470"}); // still the small layout
        const QImage resized = steadyGrab(clientRect(frame));
        QVERIFY(awayInTheViewer());
        comeBackTo(frame);
        QCOMPARE(steadyGrab(clientRect(frame)), resized);

        key(QStringLiteral("alt+p"));
        const QString dialog = waitForWindow(QStringLiteral("^Personalize$"));
        QVERIFY(!dialog.isEmpty());
        const QRect placed = frameRect(dialog);
        xdotool({"windowmove", "--sync", dialog, "600", "400"});
        QVERIFY(waitUntil([&] { return frameRect(dialog) != placed; }));
        const QRect aside = frameRect(dialog);
        QVERIFY(awayInTheViewer());
        comeBackTo(dialog);
        pause(500); // a window that is placed moves at once
        QCOMPARE(frameRect(dialog), aside);
    }
};

QTEST_MAIN(TestFocus)
#include "test_focus.moc"
