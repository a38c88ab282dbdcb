#include "displaychoice.h"

#include <QDir>
#include <QFile>
#include <QLibraryInfo>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace DisplayChoice {

namespace {

enum class Kind { X11, Wayland, Other };

Kind kindOf(const QByteArray &entry)
{
    const qsizetype colon = entry.indexOf(':'); // "name:options"
    const QByteArray name = (colon < 0 ? entry : entry.left(colon)).trimmed();
    if (name == "xcb")
        return Kind::X11;
    return name.startsWith("wayland") ? Kind::Wayland : Kind::Other;
}

// Each probe runs at most once, and only when the answer matters.
class Lazy {
public:
    explicit Lazy(std::function<bool()> f)
        : f_(std::move(f))
    {
    }
    bool operator()()
    {
        if (!value_)
            value_ = f_();
        return *value_;
    }

private:
    std::function<bool()> f_;
    std::optional<bool> value_;
};

} // namespace

Environment Environment::current(int argc, char **argv)
{
    Environment env;
    env.platform = qgetenv("QT_QPA_PLATFORM");
    env.display = qgetenv("DISPLAY");
    env.waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    env.waylandSocket = qgetenv("WAYLAND_SOCKET");
    env.runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        env.platformArgument |= arg == "-platform" || arg == "--platform";
    }
    return env;
}

Choice choose(const Environment &env, const Probes &probes)
{
    if (env.platformArgument)
        return {};
    Lazy x11([&] { return !env.display.isEmpty() && probes.x11(env); });
    Lazy wayland([&] { return probes.wayland(env); });
    Lazy plugin([&] { return probes.waylandPlugin(); });
    const auto stop = [&] {
        return Choice{{}, QString::fromLatin1(wayland() && !plugin() ? kNoWaylandPlugin : kNoDisplay), false};
    };

    QList<Kind> asked;
    for (const QByteArray &entry : env.platform.split(';')) {
        if (!entry.trimmed().isEmpty())
            asked << kindOf(entry);
    }
    if (asked.isEmpty()) {
        if (x11())
            return {"xcb", {}, true};
        if (wayland() && plugin())
            return {"wayland", {}, true};
        return stop();
    }

    // What the user asked for, as long as one of the platforms named can run: offscreen and the
    // like always can, and are no business of ours.
    for (Kind kind : asked) {
        if (kind == Kind::Other || (kind == Kind::X11 && x11()) || (kind == Kind::Wayland && wayland() && plugin()))
            return {};
    }
    // Otherwise the other kind of display, if there is one, rather than Qt's abort.
    const QString wanted = QString::fromLocal8Bit(env.platform);
    if (!asked.contains(Kind::X11) && x11()) {
        const char *why = wayland() ? "Qt's Wayland plugin (package qt6-wayland) is not installed" : "no Wayland display found";
        return {"xcb", QStringLiteral("brickloom: %1 for QT_QPA_PLATFORM=%2; running on X11").arg(QLatin1String(why), wanted), true};
    }
    if (!asked.contains(Kind::Wayland) && wayland() && plugin())
        return {"wayland", QStringLiteral("brickloom: no X11 display found for QT_QPA_PLATFORM=%1; running on Wayland").arg(wanted), true};
    return stop();
}

bool socketListens(const QByteArray &path, bool abstract)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t skip = abstract ? 1 : 0; // an abstract name starts with a zero byte
    if (path.isEmpty() || skip + std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + skip, path.constData(), std::size_t(path.size()));
    // An abstract name is exactly as long as given; a file name ends with its zero byte.
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + skip + std::size_t(path.size()) + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool listens = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 || errno == EAGAIN
                         || errno == EINPROGRESS;
    ::close(fd);
    return listens;
}

bool Probes::x11Reachable(const Environment &env)
{
    // [host]:display[.screen]; a display on another host is reached over TCP and taken on trust.
    const QByteArray &display = env.display;
    const int colon = display.lastIndexOf(':');
    if (colon < 0)
        return false;
    const QByteArray host = display.left(colon);
    if (!host.isEmpty() && host != "unix" && host != "unix/")
        return true;
    QByteArray number = display.mid(colon + 1);
    number.truncate(number.indexOf('.') < 0 ? number.size() : number.indexOf('.'));
    bool ok = false;
    number.toUInt(&ok);
    if (!ok)
        return false;
    const QByteArray socket = "/tmp/.X11-unix/X" + number;
    return socketListens(socket, true) || socketListens(socket);
}

bool Probes::waylandReachable(const Environment &env)
{
    if (!env.waylandSocket.isEmpty())
        return true;
    const QByteArray name = env.waylandDisplay.isEmpty() ? QByteArray("wayland-0") : env.waylandDisplay;
    if (name.startsWith('/'))
        return socketListens(name);
    return !env.runtimeDir.isEmpty() && socketListens(env.runtimeDir + '/' + name);
}

bool Probes::waylandPluginInstalled()
{
    QStringList dirs = qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    const QStringList pluginPaths = qEnvironmentVariable("QT_PLUGIN_PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &path : pluginPaths)
        dirs << path + QStringLiteral("/platforms");
    dirs << QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    for (const QString &dir : dirs) {
        if (!QDir(dir).entryList({QStringLiteral("libqwayland*.so")}, QDir::Files).isEmpty())
            return true;
    }
    return false;
}

bool prepare(int argc, char **argv)
{
    const Choice choice = choose(Environment::current(argc, argv));
    if (!choice.message.isEmpty())
        std::fprintf(stderr, "%s\n", choice.message.toLocal8Bit().constData());
    if (!choice.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", choice.platform);
    return choice.start;
}

} // namespace DisplayChoice
