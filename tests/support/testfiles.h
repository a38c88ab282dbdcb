#pragma once
// Files for the tests: their bytes, the corpus under tests/files, and model files spelled out.

#include "modelfile.h"

#include <QBuffer>
#include <QFile>
#include <map>
#include <sys/stat.h>

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

// What a reader must refuse at once instead of blocking on it or reading it whole.
inline const QStringList &notModels()
{
    static const QStringList kinds{"pipe", "folder", "link to /dev/zero", "2 GB sparse"};
    return kinds;
}

inline bool makeNotModel(const QString &kind, const QString &path)
{
    QFile file(path);
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    if (kind == QLatin1String("folder"))
        return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0;
    if (kind == QLatin1String("link to /dev/zero"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    return file.open(QIODevice::WriteOnly) && file.resize(qint64(2) << 30);
}

// The reader on bytes in memory.
inline bool readModel(QByteArray bytes, MGLOBAL &g)
{
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::ReadOnly) && ModelFile::read(buffer, g);
}

} // namespace TestFiles
