#pragma once
// The one safe way any of our files is written: the model files, the settings file, the recovery
// copies and the renderer's pictures all go through it.

#include <QByteArray>
#include <QString>

class SaveFile
{
public:
    enum class Access { Usual, OwnerOnly };

    // Puts all of `bytes` into a temporary file beside `path`, which replaces `path` only once
    // everything was written. On any failure the old file stays byte for byte, no temporary file is
    // left behind, and `error` says why. A target that exists but is not a regular file (a folder,
    // a device, a pipe) is refused: the save would put a plain file in its place. OwnerOnly makes
    // the file readable by its owner alone before anything is written into it.
    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr, Access access = Access::Usual);
};
