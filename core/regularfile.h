#pragma once
// Our readers take their files only from regular files. A named pipe would block the open itself
// until something writes to it, and a device or a folder is no model or settings file either.

#include <QString>

class QFile;

namespace RegularFile {

// Opens `path` for reading when it names a regular file (through symbolic links). Anything else is
// refused at once, without blocking, and `error` says why.
bool open(QFile &file, const QString &path, QString *error = nullptr);

} // namespace RegularFile
