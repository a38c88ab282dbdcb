#include "savefile.h"

#include <QFileInfo>
#include <QSaveFile>

bool SaveFile::write(const QString &path, const QByteArray &bytes, QString *error, Access access)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return fail(QStringLiteral("%1 is not a plain file").arg(path));

    QSaveFile file(path);
    // Unbuffered, so a full disk shows in the result of write() itself: a buffered write would
    // fail only in the flush inside commit(), which renames the short file into place regardless.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    if (access == Access::OwnerOnly && !file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner))
        return fail(file.errorString());
    // A short write sets no error of its own: the disk is full or the file size limit reached.
    if (file.write(bytes) != bytes.size())
        return fail(file.error() != QFileDevice::NoError ? file.errorString()
                                                          : QStringLiteral("only part of it could be written: the disk is full"));
    if (!file.commit())
        return fail(file.errorString());
    return true;
}
