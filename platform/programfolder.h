#pragma once
// The current folder, which the main menu and the work area make the program's own folder as they
// load: the settings file and the help viewer are found there by their names alone.

#include <QCoreApplication>
#include <QDir>

namespace ProgramFolder {

// A folder that cannot be made current leaves the current one as it is.
inline void makeCurrent() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

} // namespace ProgramFolder
