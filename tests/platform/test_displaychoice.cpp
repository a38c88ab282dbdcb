// The choice of platform over the combinations of what the user set and what can be reached, the
// probes on real sockets, and the program itself started where there is no display.

#include "platform/displaychoice.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace DisplayChoice;

namespace {

// A Unix socket that listens (or, with `listen` false, a file left behind by a server gone).
class Listener {
public:
    Listener(const QByteArray &path, bool abstract, bool listen = true)
    {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::memcpy(address.sun_path + (abstract ? 1 : 0), path.constData(), std::size_t(path.size()));
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + (abstract ? 1 : 0) + std::size_t(path.size()) + (abstract ? 0 : 1));
        ok_ = ::bind(fd_, reinterpret_cast<sockaddr *>(&address), length) == 0 && (!listen || ::listen(fd_, 1) == 0);
    }
    ~Listener() { ::close(fd_); }
    bool ok() const { return ok_; }

private:
    int fd_ = -1;
    bool ok_ = false;
};

Probes fixed(bool x11, bool wayland, bool plugin)
{
    return {[=](const Environment &) { return x11; }, [=](const Environment &) { return wayland; }, [=] { return plugin; }};
}

} // namespace

class TestDisplayChoice : public QObject {
    Q_OBJECT
private slots:
    void choice_data()
    {
        QTest::addColumn<QByteArray>("asked");
        QTest::addColumn<bool>("x11");
        QTest::addColumn<bool>("wayland");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QString>("message"); // "", "no display", "no plugin", or words of the note

        // Nothing asked: X11 wherever it answers, the Wayland plugin or not.
        QTest::newRow("Wayland desktop with Xwayland") << QByteArray() << true << true << true << QByteArray("xcb") << "";
        QTest::newRow("same, no Wayland plugin") << QByteArray() << true << true << false << QByteArray("xcb") << "";
        QTest::newRow("X11 desktop") << QByteArray() << true << false << false << QByteArray("xcb") << "";
        QTest::newRow("Wayland only") << QByteArray() << false << true << true << QByteArray("wayland") << "";
        QTest::newRow("Wayland only, no plugin") << QByteArray() << false << true << false << QByteArray() << "no plugin";
        QTest::newRow("no display") << QByteArray() << false << false << true << QByteArray() << "no display";
        // Asked: honoured while it can run, else the other display with a note, else a stop.
        QTest::newRow("offscreen, no display") << QByteArray("offscreen") << false << false << false << QByteArray() << "";
        QTest::newRow("xcb") << QByteArray("xcb") << true << true << true << QByteArray() << "";
        QTest::newRow("wayland") << QByteArray("wayland") << true << true << true << QByteArray() << "";
        QTest::newRow("wayland-egl, options") << QByteArray("wayland-egl:foo") << false << true << true << QByteArray() << "";
        QTest::newRow("wayland, no plugin") << QByteArray("wayland") << true << true << false << QByteArray("xcb") << "qt6-wayland";
        QTest::newRow("wayland, no compositor") << QByteArray("wayland") << true << false << true << QByteArray("xcb") << "no Wayland display";
        QTest::newRow("wayland, no plugin, no X11") << QByteArray("wayland") << false << true << false << QByteArray() << "no plugin";
        QTest::newRow("xcb, no X11") << QByteArray("xcb") << false << true << true << QByteArray("wayland") << "no X11 display";
        QTest::newRow("xcb, nothing") << QByteArray("xcb") << false << false << true << QByteArray() << "no display";
        QTest::newRow("list, one runs") << QByteArray("wayland;xcb") << true << true << false << QByteArray() << "";
        QTest::newRow("list, none runs") << QByteArray(" wayland ; xcb ") << false << false << true << QByteArray() << "no display";
    }
    void choice()
    {
        QFETCH(QByteArray, asked);
        QFETCH(bool, x11);
        QFETCH(bool, wayland);
        QFETCH(bool, plugin);
        QFETCH(QByteArray, platform);
        QFETCH(QString, message);
        Environment env;
        env.platform = asked;
        env.display = ":0";
        const Choice c = choose(env, fixed(x11, wayland, plugin));
        QCOMPARE(c.platform, platform);
        const bool stops = message == QLatin1String("no display") || message == QLatin1String("no plugin");
        QCOMPARE(c.start, !stops);
        if (stops || message.isEmpty())
            QCOMPARE(c.message, message.isEmpty() ? QString() : QString::fromLatin1(message == QLatin1String("no display") ? kNoDisplay : kNoWaylandPlugin));
        else
            QVERIFY2(c.message.startsWith(QLatin1String("brickloom: ")) && c.message.contains(message), qPrintable(c.message));
    }

    void leavesTheCommandLineAndAnEmptyDisplayAlone()
    {
        char program[] = "brickloom", flag[] = "-platform", name[] = "wayland";
        char *argv[] = {program, flag, name};
        qputenv("QT_QPA_PLATFORM", "");
        const Environment env = Environment::current(3, argv);
        QVERIFY(env.platformArgument && env.platform.isEmpty());
        QCOMPARE(choose(env, fixed(false, false, false)).start, true);
        // DISPLAY unset is no X11, whatever the probe would say.
        QCOMPARE(choose(Environment{}, fixed(true, false, false)).message, QString::fromLatin1(kNoDisplay));
    }

    void probesRealSockets()
    {
        QTemporaryDir dir;
        const QByteArray file = QFile::encodeName(dir.filePath(QStringLiteral("s")));
        QVERIFY(!socketListens(file));
        {
            Listener stale(file, false, false); // the file is there, nobody answers
            QVERIFY(stale.ok() && !socketListens(file));
        }
        QFile::remove(QString::fromLocal8Bit(file));
        Listener live(file, false);
        QVERIFY(live.ok() && socketListens(file));

        // X11: the abstract name first, as the servers listen on both. A number no server uses.
        const QByteArray n = QByteArray::number(40000 + ::getpid() % 20000);
        Environment env;
        for (const QByteArray &display : {":" + n, ":" + n + ".0", "unix:" + n}) {
            env.display = display;
            QVERIFY2(!Probes::x11Reachable(env), display.constData());
            Listener x("/tmp/.X11-unix/X" + n, true);
            QVERIFY(x.ok());
            QVERIFY2(Probes::x11Reachable(env), display.constData());
        }
        // A display on another host is taken on trust; no display number, no X11.
        using Case = std::pair<const char *, bool>;
        for (const auto &[display, reachable] : {Case{"elsewhere:0", true}, Case{"localhost:10.0", true}, Case{"", false}, Case{"0", false}, Case{":x", false}}) {
            env.display = display;
            QVERIFY2(Probes::x11Reachable(env) == reachable, display);
        }

        // Wayland: a name under the runtime folder (wayland-0 when none is given), a path, or an
        // inherited connection.
        env = Environment{};
        env.runtimeDir = QFile::encodeName(dir.path());
        QVERIFY(!Probes::waylandReachable(env));
        Listener w(env.runtimeDir + "/wayland-0", false);
        QVERIFY(w.ok() && Probes::waylandReachable(env));
        env.waylandDisplay = "wayland-7";
        QVERIFY(!Probes::waylandReachable(env));
        env.waylandDisplay = env.runtimeDir + "/wayland-0";
        env.runtimeDir.clear();
        QVERIFY(Probes::waylandReachable(env));
        env.waylandDisplay = "wayland-0";
        QVERIFY(!Probes::waylandReachable(env));
        env.waylandSocket = "5";
        QVERIFY(Probes::waylandReachable(env));
    }

    void theProgramWithoutADisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("unset") << QString();
        QTest::newRow("no server behind it") << QStringLiteral(":%1").arg(40000 + ::getpid() % 20000);
    }
    void theProgramWithoutADisplay()
    {
        QFETCH(QString, display);
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET"})
            env.remove(QLatin1String(name));
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(BRICKLOOM_PROGRAM));
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        QCOMPARE(program.readAllStandardError(), QByteArray(kNoDisplay) + '\n');
        QCOMPARE(program.readAllStandardOutput(), QByteArray());
    }
};

QTEST_GUILESS_MAIN(TestDisplayChoice)
#include "test_displaychoice.moc"
