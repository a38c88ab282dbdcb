// The platform chosen from the environment, the probes on real sockets, the program without a display.

#include "displaychoice.h"

#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace DisplayChoice;

// A display number no server uses.
static const QByteArray kFreeDisplay = QByteArray::number(40000 + ::getpid() % 20000);

class TestDisplayChoice : public QObject {
    Q_OBJECT
private slots:
    // Nothing asked: X11 wherever it answers, the plugin or not. Asked: honoured while it can run,
    // else the other display with a note, else a stop. Rows: asked; what answers (X: an X server,
    // W: a compositor, P: Qt's Wayland plugin); the platform set; the note's words or the stop line.
    void choice()
    {
        const char *const rows[][4] = {
            {"", "XW", "xcb", ""}, {"", "WP", "wayland", ""}, {"", "W", "", kNoWaylandPlugin}, {"", "P", "", kNoDisplay},
            {"offscreen", "", "", ""}, {"wayland-egl:foo", "WP", "", ""}, {" wayland ; xcb", "XW", "", ""},
            {"wayland", "XW", "xcb", "qt6-wayland"}, {"wayland", "XP", "xcb", "no Wayland display"},
            {"wayland", "W", "", kNoWaylandPlugin}, {"xcb", "WP", "wayland", "no X11 display"}, {"xcb", "P", "", kNoDisplay}};
        const auto answering = [](const QByteArray &has) {
            return Probes{[=](const Environment &) { return has.contains('X'); }, [=](const Environment &) { return has.contains('W'); },
                          [=] { return has.contains('P'); }};
        };
        Environment env;
        env.display = ":0";
        for (const auto &[asked, reachable, platform, message] : rows) {
            env.platform = asked;
            const Choice c = choose(env, answering(reachable));
            const QString row = QStringLiteral("%1 with %2: %3").arg(asked, reachable, c.message);
            QVERIFY2(c.platform == platform && c.message.contains(QLatin1String(message)) && c.message.isEmpty() == !*message, qPrintable(row));
            QVERIFY2(c.start == (message != kNoDisplay && message != kNoWaylandPlugin), qPrintable(row));
        }

        // "-platform" is for Qt to follow; DISPLAY unset is no X11, whatever the probe would say.
        char program[] = "brickloom", flag[] = "-platform", name[] = "wayland";
        char *argv[] = {program, flag, name};
        qputenv("QT_QPA_PLATFORM", "");
        QVERIFY(choose(Environment::current(3, argv), answering("")).start);
        QCOMPARE(choose(Environment{}, answering("X")).message, QString::fromLatin1(kNoDisplay));
    }

    void probesRealSockets()
    {
        // Wayland: a name under the runtime folder (wayland-0 when none is given), a path, or an
        // inherited connection; a file left behind by a compositor gone is none.
        QTemporaryDir dir;
        const QByteArray runtime = QFile::encodeName(dir.path());
        QLocalServer w;
        QFile stale(dir.filePath(QStringLiteral("wayland-1")));
        QVERIFY(w.listen(QString::fromLocal8Bit(runtime + "/wayland-0")) && stale.open(QIODevice::WriteOnly));
        Environment env;
        using Wayland = std::tuple<QByteArray, QByteArray, QByteArray, bool>; // WAYLAND_DISPLAY, XDG_RUNTIME_DIR, WAYLAND_SOCKET
        for (const auto &[display, runtimeDir, socket, reachable] :
             {Wayland{"", runtime, "", true}, {"wayland-1", runtime, "", false}, {runtime + "/wayland-0", "", "", true},
              {"wayland-0", "", "", false}, {"wayland-0", "", "5", true}}) {
            std::tie(env.waylandDisplay, env.runtimeDir, env.waylandSocket) = std::tie(display, runtimeDir, socket);
            QVERIFY2(Probes::waylandReachable(env) == reachable, display.constData());
        }

        // X11: the abstract name first, as the servers listen on both. A display on another host is
        // taken on trust; no display number, no X11.
        const QByteArray n = kFreeDisplay;
        QLocalServer x;
        x.setSocketOptions(QLocalServer::AbstractNamespaceOption);
        using Case = std::tuple<QByteArray, bool, bool>; // before and after a server listens on display n
        for (const auto &[display, before, after] : {Case{":" + n, false, true}, {":" + n + ".0", false, true}, {"unix:" + n, false, true},
                                                     {"localhost:10.0", true, true}, {"0", false, false}, {":x", false, false}}) {
            env.display = display;
            QVERIFY2(Probes::x11Reachable(env) == before, display.constData());
            QVERIFY(x.listen(QStringLiteral("/tmp/.X11-unix/X") + QString::fromLatin1(n)));
            QVERIFY2(Probes::x11Reachable(env) == after, display.constData());
            x.close();
        }
    }

    // An X display named but no server behind it: one line, status 1, and no abort from Qt.
    void theProgramWithoutADisplay()
    {
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
            env.remove(QLatin1String(name));
        env.insert(QStringLiteral("DISPLAY"), ":" + kFreeDisplay);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(BRICKLOOM_PROGRAM));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(std::pair(program.exitStatus(), program.exitCode()), std::pair(QProcess::NormalExit, 1));
        QCOMPARE(program.readAllStandardError(), QByteArray(kNoDisplay) + '\n');
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestDisplayChoice)
#include "test_displaychoice.moc"
