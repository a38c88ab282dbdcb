#pragma once
// The one safe way any of our files is written: the model files, the settings file, the recovery
// copies and the renderer's pictures all go through it.

#include <QByteArray>
#include <QString>

class SaveFile
{
public:
    // What becomes of an empty file already at the path.
    enum class Empty {
        Replace, // like any other file
        FillIn,  // written into: its caller made it for us and may read it through its own handle
    };

    // Puts all of `bytes` into a temporary file beside `path`, which replaces `path` only once
    // everything was written and synced. On any failure the old file stays byte for byte, no
    // temporary file is left behind, and `error` says why. A target that exists but is not a
    // regular file (a folder, a device, a pipe) is refused: the save would put a plain file in its
    // place. A link is followed: the file it names is replaced. `path` may hold any bytes
    // (FileNames).
    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr,
                      Empty empty = Empty::Replace);
};
