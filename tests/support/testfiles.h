#pragma once
// Files for the tests: their bytes, the corpus under tests/files, and model files spelled out.

#include "files/modelfile.h"

#include <QBuffer>
#include <QFile>
#include <map>

namespace TestFiles {

// "<none>" when the file cannot be read, so that a missing file never equals an empty one.
inline QByteArray read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

inline bool write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A file of the corpus, such as "good/reference.Pic".
inline QString corpus(const QString &name)
{
    return qEnvironmentVariable("BRICKLOOM_SOURCE_DIR") + QStringLiteral("/tests/files/") + name;
}

// A model file with the given "front,back,third" lines at the given cells, 0,0,0 elsewhere.
inline QByteArray model(const std::map<int, QByteArray> &lines = {})
{
    QByteArray out;
    for (int cell = 0; cell < MGLOBAL::kCells; ++cell)
        out += (lines.count(cell) ? lines.at(cell) : QByteArray("0,0,0")) + "\r\n";
    return out;
}

// The reader on bytes in memory.
inline bool readModel(QByteArray bytes, MGLOBAL &g)
{
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::ReadOnly) && ModelFile::read(buffer, g);
}

} // namespace TestFiles
