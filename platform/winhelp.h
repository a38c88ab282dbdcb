#pragma once
// Starts the help viewer, a separate program beside this one, without waiting for it; a viewer that
// already shows the help file is asked to show the topic instead.

#include <QString>
#include <QStringList>
#include <functional>

namespace WinHelp {

inline constexpr auto kViewer = "winhelp.exe";
inline constexpr auto kHelpFile = "qztuse33.hlp";

// "winhelp.exe qztuse33.hlp", started in the current directory, which the main menu makes the
// program's own. A viewer that cannot be started shows nothing.
void showContents();

// The same viewer, opened at one topic (F1 in a window).
void showTopic(int topic);

// Test seam: receives the program, its arguments and its working directory instead of a start.
using Launcher = std::function<bool(const QString &program, const QStringList &arguments, const QString &workingDirectory)>;
void setLauncher(Launcher launcher);

} // namespace WinHelp
