#pragma once
// The real program on a real X server, driven as a person would: xdotool moves the mouse and
// types, and the screen is read back in pixels.

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace Desktop {

inline QString xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Waits until a window whose name matches `pattern` (a regular expression) is shown.
inline QString waitForWindow(const QString &pattern, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        const QString ids = xdotool({"search", "--onlyvisible", "--name", pattern});
        if (!ids.isEmpty())
            return ids.split(QLatin1Char('\n')).first();
        QThread::msleep(50);
    }
    return {};
}

inline bool windowGone(const QString &pattern, int timeoutMs = 5000)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (xdotool({"search", "--onlyvisible", "--name", pattern}).isEmpty())
            return true;
        QThread::msleep(50);
    }
    return false;
}

// The client area of a window on the screen.
inline QRect clientRect(const QString &id)
{
    QProcess p;
    p.start(QStringLiteral("xwininfo"), {"-id", id});
    p.waitForFinished(5000);
    const QStringList lines = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'));
    const auto value = [&](const char *key) {
        for (const QString &line : lines)
            if (line.trimmed().startsWith(QLatin1String(key)))
                return line.section(QLatin1Char(':'), 1).trimmed().toInt();
        return -1;
    };
    return {value("Absolute upper-left X"), value("Absolute upper-left Y"), value("Width"), value("Height")};
}

// The name exactly as the window carries it, blanks included.
inline QString windowName(const QString &id)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {"getwindowname", id});
    p.waitForFinished(5000);
    QString name = QString::fromUtf8(p.readAllStandardOutput());
    if (name.endsWith(QLatin1Char('\n')))
        name.chop(1);
    return name;
}

// Top-level windows from the bottom of the stack to the top.
inline QStringList stacking()
{
    QProcess p;
    p.start(QStringLiteral("xprop"), {"-root", "_NET_CLIENT_LIST_STACKING"});
    p.waitForFinished(5000);
    QStringList ids;
    for (const QString &hex : QString::fromUtf8(p.readAllStandardOutput()).section(QLatin1Char('#'), 1).split(QLatin1Char(',')))
        ids << QString::number(hex.trimmed().toULongLong(nullptr, 16));
    return ids;
}

inline void settle(int ms = 300) { QThread::msleep(ms); }

inline void click(QPoint at, int button = 1)
{
    xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
    settle(100);
    xdotool({"click", QString::number(button)});
    settle();
}

// A press, a walk of the mouse in small steps (drag and drop needs to see it move), a release.
inline void drag(QPoint from, QPoint to)
{
    xdotool({"mousemove", QString::number(from.x()), QString::number(from.y())});
    settle(150);
    xdotool({"mousedown", "1"});
    settle(150);
    const int steps = 12;
    for (int i = 1; i <= steps; ++i) {
        const QPoint p = from + (to - from) * i / steps;
        xdotool({"mousemove", QString::number(p.x()), QString::number(p.y())});
        QThread::msleep(40);
    }
    settle(200);
    xdotool({"mouseup", "1"});
    settle(400);
}

inline void type(const QString &text) { xdotool({"type", "--delay", "40", text}); settle(); }
inline void key(const QString &keys) { xdotool({"key", keys}); settle(); }

inline QImage grab(const QRect &r)
{
    return QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage().convertToFormat(QImage::Format_RGB32);
}

// The program copied into a folder of its own with its help viewer and help file, so that the
// settings file it keeps beside itself belongs to this test alone.
class Program {
public:
    explicit Program(const QStringList &environment = {}, const QStringList &arguments = {})
    {
        const QDir build(QStringLiteral(BRICKLOOM_BUILD_DIR));
        for (const char *name : {"brickloom", "winhelp.exe", "qztuse33.hlp"})
            QFile::copy(build.filePath(QLatin1String(name)), dir.filePath(QLatin1String(name)));
        QFile::setPermissions(dir.filePath("brickloom"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(dir.filePath("winhelp.exe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const QString &pair : environment)
            env.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        process.setProcessEnvironment(env);
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(dir.filePath("brickloom"), arguments);
        process.waitForStarted();
    }
    ~Program()
    {
        process.kill();
        process.waitForFinished(3000);
        QProcess::execute(QStringLiteral("pkill"), {"-f", dir.filePath("winhelp.exe")});
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QProcess process;
};

} // namespace Desktop
