// The choice of platform over the combinations of what the user set and what can be reached, the
// probes on real sockets, and the program itself started where there is no display.

#include "platform/displaychoice.h"

#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using namespace DisplayChoice;

namespace {

// A Unix socket that listens at `name`, a path or an abstract name.
bool listen(QLocalServer &server, const QByteArray &name, bool abstract = false)
{
    server.setSocketOptions(abstract ? QLocalServer::AbstractNamespaceOption : QLocalServer::UserAccessOption);
    return server.listen(QString::fromLocal8Bit(name));
}

// A display number no server uses.
const QByteArray kFreeDisplay = QByteArray::number(40000 + ::getpid() % 20000);

} // namespace

class TestDisplayChoice : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QByteArray>("asked");
        QTest::addColumn<QString>("reachable"); // X: an X server, W: a Wayland compositor, P: Qt's Wayland plugin
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QString>("message"); // words of the note, or the line the program stops with

        // Nothing asked: X11 wherever it answers, the Wayland plugin or not.
        QTest::newRow("Wayland desktop with Xwayland") << QByteArray() << "XW" << QByteArray("xcb") << "";
        QTest::newRow("Wayland only") << QByteArray() << "WP" << QByteArray("wayland") << "";
        QTest::newRow("Wayland only, no plugin") << QByteArray() << "W" << QByteArray() << kNoWaylandPlugin;
        QTest::newRow("no display") << QByteArray() << "P" << QByteArray() << kNoDisplay;
        // Asked: honoured while it can run, else the other display with a note, else a stop.
        QTest::newRow("offscreen, no display") << QByteArray("offscreen") << "" << QByteArray() << "";
        QTest::newRow("xcb") << QByteArray("xcb") << "XWP" << QByteArray() << "";
        QTest::newRow("wayland-egl, options") << QByteArray("wayland-egl:foo") << "WP" << QByteArray() << "";
        QTest::newRow("wayland, no plugin") << QByteArray("wayland") << "XW" << QByteArray("xcb") << "qt6-wayland";
        QTest::newRow("wayland, no compositor") << QByteArray("wayland") << "XP" << QByteArray("xcb") << "no Wayland display";
        QTest::newRow("wayland, no plugin, no X11") << QByteArray("wayland") << "W" << QByteArray() << kNoWaylandPlugin;
        QTest::newRow("xcb, no X11") << QByteArray("xcb") << "WP" << QByteArray("wayland") << "no X11 display";
        QTest::newRow("xcb, nothing") << QByteArray("xcb") << "P" << QByteArray() << kNoDisplay;
        QTest::newRow("list, one runs") << QByteArray(" wayland ; xcb") << "XW" << QByteArray() << "";
    }
    void choice()
    {
        QFETCH(QByteArray, asked);
        QFETCH(QString, reachable);
        QFETCH(QByteArray, platform);
        QFETCH(QString, message);
        const auto has = [reachable](char c) { return reachable.contains(QLatin1Char(c)); };
        Environment env;
        env.platform = asked;
        env.display = ":0";
        const Choice c = choose(env, {[=](const Environment &) { return has('X'); }, [=](const Environment &) { return has('W'); },
                                      [=] { return has('P'); }});
        QCOMPARE(c.platform, platform);
        QCOMPARE(c.start, message != QLatin1String(kNoDisplay) && message != QLatin1String(kNoWaylandPlugin));
        QVERIFY2(message.isEmpty() ? c.message.isEmpty() : c.message.contains(message), qPrintable(c.message));
    }

    void leavesTheCommandLineAndAnEmptyDisplayAlone()
    {
        char program[] = "brickloom", flag[] = "-platform", name[] = "wayland";
        char *argv[] = {program, flag, name};
        qputenv("QT_QPA_PLATFORM", "");
        const Environment env = Environment::current(3, argv);
        QVERIFY(env.platformArgument && env.platform.isEmpty());
        const Probes none{[](const Environment &) { return false; }, [](const Environment &) { return false; }, [] { return false; }};
        QCOMPARE(choose(env, none).start, true);
        // DISPLAY unset is no X11, whatever the probe would say.
        QCOMPARE(choose(Environment{}, {[](const Environment &) { return true; }, none.wayland, none.waylandPlugin}).message,
                 QString::fromLatin1(kNoDisplay));
    }

    void probesRealSockets()
    {
        // Wayland: a name under the runtime folder (wayland-0 when none is given), a path, or an
        // inherited connection; a file left behind by a compositor gone is none.
        QTemporaryDir dir;
        const QByteArray runtime = QFile::encodeName(dir.path());
        QLocalServer w;
        QFile stale(dir.filePath(QStringLiteral("wayland-1")));
        QVERIFY(listen(w, runtime + "/wayland-0") && stale.open(QIODevice::WriteOnly));
        Environment env;
        using Wayland = std::tuple<QByteArray, QByteArray, QByteArray, bool>; // WAYLAND_DISPLAY, XDG_RUNTIME_DIR, WAYLAND_SOCKET
        for (const auto &[display, runtimeDir, socket, reachable] :
             {Wayland{"", runtime, "", true}, {"wayland-1", runtime, "", false}, {"wayland-7", runtime, "", false},
              {runtime + "/wayland-0", "", "", true}, {"wayland-0", "", "", false}, {"wayland-0", "", "5", true}}) {
            std::tie(env.waylandDisplay, env.runtimeDir, env.waylandSocket) = std::tie(display, runtimeDir, socket);
            QVERIFY2(Probes::waylandReachable(env) == reachable, display.constData());
        }

        // X11: the abstract name first, as the servers listen on both. A display on another host is
        // taken on trust; no display number, no X11.
        const QByteArray n = kFreeDisplay;
        using Case = std::pair<QByteArray, bool>;
        for (const auto &[display, reachable] : {Case{":" + n, false}, Case{"unix:" + n, false}, Case{"elsewhere:0", true}, Case{"localhost:10.0", true},
                                                 Case{"", false}, Case{"0", false}, Case{":x", false}}) {
            env.display = display;
            QVERIFY2(Probes::x11Reachable(env) == reachable, display.constData());
        }
        QLocalServer x;
        QVERIFY(listen(x, "/tmp/.X11-unix/X" + n, true));
        for (const QByteArray &display : {":" + n, ":" + n + ".0", "unix:" + n}) {
            env.display = display;
            QVERIFY2(Probes::x11Reachable(env), display.constData());
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
