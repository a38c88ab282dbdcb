#pragma once
// Which Qt platform the program runs on, decided once before the application object exists.
// The palette must float above everything at a fixed place without taking the keyboard; X11 lets
// a program ask for that and Wayland does not. So wherever an X server answers (on a Wayland
// desktop, its Xwayland) the program runs on X11, whether or not Qt's Wayland plugin happens to be
// installed; natively on Wayland only where no X server answers, or when the user asks for it.
// Without any display it says so in one line instead of letting Qt abort.

#include <QByteArray>
#include <QString>
#include <functional>

namespace DisplayChoice {

// The variables the choice depends on, as the process got them.
struct Environment {
    QByteArray platform;       // QT_QPA_PLATFORM
    QByteArray display;        // DISPLAY
    QByteArray waylandDisplay; // WAYLAND_DISPLAY
    QByteArray waylandSocket;  // WAYLAND_SOCKET, a connection handed over by the compositor
    QByteArray runtimeDir;     // XDG_RUNTIME_DIR
    bool platformArgument = false; // "-platform name" on the command line, which Qt prefers

    static Environment current(int argc = 0, char **argv = nullptr);
};

// What the choice asks of the system; the tests put their own answers in.
struct Probes {
    static bool x11Reachable(const Environment &env);
    static bool waylandReachable(const Environment &env);
    static bool waylandPluginInstalled();

    std::function<bool(const Environment &)> x11 = x11Reachable;
    std::function<bool(const Environment &)> wayland = waylandReachable;
    std::function<bool()> waylandPlugin = waylandPluginInstalled;
};

struct Choice {
    QByteArray platform; // the value QT_QPA_PLATFORM gets; empty: leave it as it is
    QString message;     // one line for the terminal, or empty
    bool start = true;   // false: print the message and end with status 1
};

inline const char *const kNoDisplay = "brickloom needs a graphical desktop: no display found";
inline const char *const kNoWaylandPlugin =
    "brickloom needs Qt's Wayland plugin (package qt6-wayland) on a desktop without X11";

Choice choose(const Environment &env, const Probes &probes = {});

// Whether a program listens on the Unix socket `path` (with `abstract`, on the abstract name
// `path`). Never waits: a server too busy to accept at once still counts.
bool socketListens(const QByteArray &path, bool abstract = false);

// Applies the choice to this process before QApplication is made: sets QT_QPA_PLATFORM and
// prints the message to standard error. False when the program must end with status 1.
bool prepare(int argc, char **argv);

} // namespace DisplayChoice
