// Every dialog of the real program opened and closed as fast as the keyboard can go, many times
// over: windows are created and destroyed on every show, and nothing that outlives one may touch it.
// BRICKLOOM_STRESS_ROUNDS sets the rounds per dialog.

#include "twips.h"
#include "workareapainter.h"

#include "support/testfiles.h"

#include "xdriver/xdriver.h"

#include <QRegularExpression>
#include <QTest>

using namespace Desktop;

namespace {
const int kRounds = qEnvironmentVariableIntValue("BRICKLOOM_STRESS_ROUNDS") > 0 ? qEnvironmentVariableIntValue("BRICKLOOM_STRESS_ROUNDS") : 40;
const QString kShapes = QStringLiteral("^Shapes$");
const QString kDialogs = QStringLiteral("^(Help|Save As|Open|Select|Print)$");

// The program with its frame shown and, when asked, its work area, opened with Alt+C: the palette
// shows without taking the keyboard.
struct Session {
    explicit Session(bool workArea)
    {
        frame = waitForWindow(QStringLiteral("^ Brickloom Win9 "));
        if (workArea && !frame.isEmpty()) {
            key(QStringLiteral("alt+c"));
            palette = waitForWindow(kShapes);
        }
    }
    bool alive() { return program.process.state() == QProcess::Running && !program.process.waitForFinished(200); }

    Program program{QStringLiteral(BRICKLOOM_BUILD_DIR)};
    QString frame, palette;
};

// Sends `keys` in bursts of ten until all rounds are done. Keys can outrun the window manager's
// move of the focus and land on a window that a dialog blocks, so a burst may leave a dialog open:
// `closer` then closes it. After each burst the program must still run and `caption` close.
bool stress(Session &s, const QStringList &keys, const QString &caption, const char *what,
            const QStringList &closer = {"Escape"})
{
    for (int done = 10; done <= kRounds; done += 10) {
        QStringList burst{"key", "--delay", "4"};
        for (int i = 0; i < 10; ++i)
            burst << keys;
        xdotool(burst);
        // An access key clicks its button a tenth of a second after the key, so a dialog may
        // still come up after the burst: the window must stay closed for a while.
        const bool closed = caption.isEmpty() || waitUntil([&] {
            pause(300);
            if (visibleWindow(caption).isEmpty())
                return true;
            xdotool(QStringList{"key"} + closer);
            return false;
        }, 8000);
        if (!s.alive() || !closed) {
            qWarning("%s: %s within rounds %d to %d", what, closed ? "died" : "left open", done - 9, done);
            return false;
        }
    }
    return true;
}
} // namespace

class TestStress : public QObject {
    Q_OBJECT
private slots:
    // Two access keys 5 ms apart: the second one's command must not run underneath the first one's
    // dialog. Each step waits for a new window of its name to have the keyboard (%1: the file).
    void twoAccessKeysRunOneCommand_data()
    {
        QTest::addColumn<QString>("pair");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("Save, Exit; saved onto its file") << "alt+s alt+x" << QStringList{"^Save As$ ctrl+a type:%1 Return"};
        QTest::newRow("Open, Save") << "alt+o alt+s" << QStringList{"^Open$ Escape", "^ Brickloom Escape"};
        QTest::newRow("Save, Open") << "alt+s alt+o" << QStringList{"^Save As$ Escape", "^ Brickloom Escape"};
        QTest::newRow("Open, Exit") << "alt+o alt+x" << QStringList{"^Open$ Escape"};
        QTest::newRow("Save, Exit") << "alt+s alt+x" << QStringList{"^Save As$ Escape"};
        QTest::newRow("Print, Exit") << "alt+p alt+x" << QStringList{"^Help$ alt+y", "^Help$ alt+n", "^Print$ alt+n"};
        QTest::newRow("Undo, Exit") << "alt+u alt+x" << QStringList{"^Select$ alt+c"};
    }
    void twoAccessKeysRunOneCommand()
    {
        QFETCH(QString, pair);
        QFETCH(QStringList, steps);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("h.Pic"));
        const QByteArray model = TestFiles::model({{7, "30,2,0"}});
        QVERIFY(TestFiles::write(file, model));
        // No printer: printing ends in its own question.
        Program program(QStringLiteral(BRICKLOOM_BUILD_DIR), {"CUPS_SERVER=/nonexistent"}, {file});
        QString last = waitForWindow(QStringLiteral("^ Brickloom Win9  \\[h.Pic\\]$"));
        QVERIFY(!waitForWindow(kShapes).isEmpty());
        xdotool({"windowactivate", "--sync", last}); // a busy desktop may not have given it the keys yet
        QVERIFY(waitUntil([&] { return activeWindow() == last; }));

        xdotool(QStringList{"key", "--delay", "5"} + pair.split(u' '));
        for (const QString &step : steps) {
            const QRegularExpression name(step.section(u' ', 0, 0));
            QString id;
            QVERIFY2(waitUntil([&] { return (id = activeWindow()) != last && name.match(windowName(id)).hasMatch(); }), qPrintable(step));
            for (const QString &action : step.section(u' ', 1).split(u' '))
                action.startsWith(QLatin1String("type:")) ? type(action.mid(5).arg(file)) : key(action);
            last = id;
        }
        QVERIFY2(windowGone(kDialogs), "a dialog is left open");
        QVERIFY2(program.process.state() == QProcess::Running && !program.process.waitForFinished(300), "the program died");
        QVERIFY2(!visibleWindow(kShapes).isEmpty(), "the work area was left");
        QCOMPARE(TestFiles::read(file), model);
    }

    void personalizeAndItsMessage()
    {
        Session s(false);
        QVERIFY(!s.frame.isEmpty());
        QVERIFY(stress(s, {"alt+p", "Escape"}, QStringLiteral("^Personalize$"), "Personalize"));
        // A depth of 0 left with Tab brings up message 15 over the window.
        QVERIFY(stress(s, {"alt+p", "shift+Tab", "ctrl+a", "0", "Tab", "Escape", "Escape"}, QStringLiteral("^(Personalize|Help)$"),
               "the message window over Personalize"));
    }

    void workAreaDialogs()
    {
        Session s(true);
        QVERIFY(!s.palette.isEmpty());
        QVERIFY(stress(s, {"alt+u", "Escape"}, QStringLiteral("^Select$"), "the undo dialog"));
        QVERIFY(stress(s, {"alt+p", "alt+n"}, QStringLiteral("^Help$"), "the print question", {"alt+n"}));
        QVERIFY(stress(s, {"alt+h", "alt+g"}, QString(), "the grid and the palette off and on"));
        // A burst can end with the grid hidden: an access key pressed within the click of the
        // one before finds the button's caption not yet changed.
        if (!waitUntil([] { return !visibleWindow(kShapes).isEmpty(); }, 1000))
            key(QStringLiteral("alt+g"));
        QVERIFY(!waitForWindow(kShapes).isEmpty());
        QVERIFY(stress(s, {"alt+s", "Escape"}, QStringLiteral("^Save As$"), "the Save As dialog"));
        QVERIFY2(!waitForWindow(kShapes).isEmpty(), "the palette is back after Save As");
        QVERIFY(stress(s, {"alt+o", "Escape"}, QStringLiteral("^Open$"), "the Open dialog"));
        QVERIFY2(!waitForWindow(kShapes).isEmpty(), "the palette is back after Open");
    }

    void questionsAndMessages()
    {
        Session s(true);
        QVERIFY(!s.palette.isEmpty());
        // A shape in a box makes a change, so leaving and clearing ask first. The work area stands
        // 60 twips up and left of the frame's client area, inside a 1-pixel border.
        const QRect palette = clientRect(s.palette);
        const QRect box = WorkAreaPainter::boxRect(0).translated(clientRect(s.frame).topLeft() + Twips::point(-60, -60) + QPoint(1, 1));
        const QImage empty = grab(box);
        drag(palette.topLeft() + Twips::rect(30, 260, 510, 510).center(), box.center());
        QVERIFY(waitUntil([&] { return grab(box) != empty; }));
        xdotool({"windowactivate", "--sync", s.frame});
        // "Exit to Menu" asks first; Yes keeps the work area.
        QVERIFY(stress(s, {"alt+x", "alt+y"}, QStringLiteral("^Help$"), "the question before leaving", {"alt+y"}));
        // Clearing asks too; Yes keeps the model.
        QVERIFY(stress(s, {"alt+u", "alt+c", "alt+y"}, QStringLiteral("^(Help|Select)$"), "the undo dialog and the question before clearing",
                       {"alt+y", "Escape"}));
        QVERIFY(!waitForWindow(kShapes).isEmpty());
        // The palette's help panel, with the mouse, as fast as clicks go.
        moveMouse(palette.topLeft() + Twips::rect(635, 5400, 850, 300).center());
        for (int done = 10; done <= kRounds; done += 10) {
            xdotool({"click", "--repeat", "20", "--delay", "8", "1"});
            QVERIFY2(s.alive(), qPrintable(QStringLiteral("the palette's help panel: died within rounds %1 to %2").arg(done - 9).arg(done)));
        }
    }
};

QTEST_MAIN(TestStress)
#include "test_stress.moc"
