#pragma once
// The real program on a real X server, driven as a person would: xdotool moves the mouse and
// types, and the screen is read back in pixels. Shared by the real-window tests and the
// screenshot tool. Everything waits by polling with a deadline, never by a fixed sleep alone.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <functional>

namespace Desktop {

inline QString run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

inline QString xdotool(const QStringList &args) { return run(QStringLiteral("xdotool"), args).trimmed(); }

// Polls `done` until it holds or `timeoutMs` has passed; returns its last answer.
inline bool waitUntil(const std::function<bool()> &done, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return done();
        QThread::msleep(25);
    }
    return true;
}

inline QString visibleWindow(const QString &pattern)
{
    return xdotool({"search", "--onlyvisible", "--name", pattern}).section(QLatin1Char('\n'), 0, 0);
}

// Waits until a window whose name matches `pattern` (a regular expression) is shown.
inline QString waitForWindow(const QString &pattern, int timeoutMs = 10000)
{
    QString id;
    waitUntil([&] { return !(id = visibleWindow(pattern)).isEmpty(); }, timeoutMs);
    return id;
}

inline bool windowGone(const QString &pattern, int timeoutMs = 5000)
{
    return waitUntil([&] { return visibleWindow(pattern).isEmpty(); }, timeoutMs);
}

// The client area of a window on the screen.
inline QRect clientRect(const QString &id)
{
    const QStringList lines = run(QStringLiteral("xwininfo"), {"-id", id}).split(QLatin1Char('\n'));
    const auto value = [&](const char *key) {
        for (const QString &line : lines)
            if (line.trimmed().startsWith(QLatin1String(key)))
                return line.section(QLatin1Char(':'), 1).trimmed().toInt();
        return -1;
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

// The window with the border and title bar the window manager gives it.
inline QRect frameRect(const QString &id)
{
    const QRect client = clientRect(id);
    // "_NET_FRAME_EXTENTS(CARDINAL) = left, right, top, bottom"
    const QStringList e = run(QStringLiteral("xprop"), {"-id", id, "_NET_FRAME_EXTENTS"}).section(QLatin1Char('='), 1).split(QLatin1Char(','));
    if (e.size() != 4)
        return client;
    return client.adjusted(-e[0].trimmed().toInt(), -e[2].trimmed().toInt(), e[1].trimmed().toInt(), e[3].trimmed().toInt());
}

// The name exactly as the window carries it, blanks included.
inline QString windowName(const QString &id)
{
    QString name = run(QStringLiteral("xdotool"), {"getwindowname", id});
    if (name.endsWith(QLatin1Char('\n')))
        name.chop(1);
    return name;
}

inline QString activeWindow() { return xdotool({"getactivewindow"}); }

// Top-level windows from the bottom of the stack to the top.
inline QStringList stacking()
{
    QStringList ids;
    const QString list = run(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    for (const QString &hex : list.section(QLatin1Char('#'), 1).split(QLatin1Char(',')))
        ids << QString::number(hex.trimmed().toULongLong(nullptr, 16));
    return ids;
}

inline void pause(int ms) { QThread::msleep(ms); }

inline void moveMouse(QPoint to) { xdotool({"mousemove", QString::number(to.x()), QString::number(to.y())}); }

inline void click(QPoint at, int button = 1)
{
    moveMouse(at);
    pause(50);
    xdotool({"click", QString::number(button)});
}

// A press, a walk of the mouse in small steps (drag and drop needs to see it move), a release.
inline void drag(QPoint from, QPoint to)
{
    moveMouse(from);
    pause(100);
    xdotool({"mousedown", "1"});
    pause(100);
    const int steps = 12;
    for (int i = 1; i <= steps; ++i) {
        moveMouse(from + (to - from) * i / steps);
        pause(30);
    }
    pause(100);
    xdotool({"mouseup", "1"});
}

inline void type(const QString &text) { xdotool({"type", "--delay", "20", text}); }
inline void key(const QString &keys) { xdotool({"key", keys}); }

inline QImage grab(const QRect &r)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage().convertToFormat(QImage::Format_RGB32);
}

// Waits until the screen shows `expected` at `r`; returns what it showed last.
inline QImage waitForPixels(const QRect &r, const QImage &expected, int timeoutMs = 5000)
{
    QImage seen;
    waitUntil([&] { return (seen = grab(r)) == expected; }, timeoutMs);
    return seen;
}

// Waits until the screen at `r` has stopped changing (two grabs in a row alike) and returns it.
inline QImage steadyGrab(const QRect &r, int timeoutMs = 5000)
{
    QImage last = grab(r);
    QImage now;
    waitUntil([&] {
        pause(100);
        now = grab(r);
        const bool same = now == last;
        last = now;
        return same;
    }, timeoutMs);
    return now;
}

// The program copied into a folder of its own with its help viewer and help file, so that the
// settings file it keeps beside itself belongs to this run alone.
class Program {
public:
    Program(const QString &buildDir, const QStringList &environment = {}, const QStringList &arguments = {},
            const QByteArray &settings = {})
    {
        const QDir build(buildDir);
        for (const char *name : {"brickloom", "winhelp.exe", "qztuse33.hlp"})
            QFile::copy(build.filePath(QLatin1String(name)), dir.filePath(QLatin1String(name)));
        for (const char *name : {"brickloom", "winhelp.exe"})
            QFile::setPermissions(dir.filePath(QLatin1String(name)), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        if (!settings.isNull()) {
            QFile file(dir.filePath(QStringLiteral("Personal.qzt")));
            if (file.open(QIODevice::WriteOnly))
                file.write(settings);
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.filePath(QStringLiteral("data")));
        for (const QString &pair : environment)
            env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedChannels);
        process.start(dir.filePath("brickloom"), arguments);
        process.waitForStarted();
    }
    ~Program()
    {
        process.kill();
        process.waitForFinished(3000);
        QProcess::execute(QStringLiteral("pkill"), {"-f", dir.filePath("winhelp.exe")});
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QProcess process;
};

} // namespace Desktop
