#pragma once
// The one safe way any of our files is written: the model files, the settings file, the recovery
// copies and the renderer's pictures all go through it.

#include <QByteArray>
#include <QString>

struct SaveOptions {
    // The new file is readable by its owner alone before anything is written into it.
    bool ownerOnly = false;
    // An empty file already at the path is written into rather than replaced: its caller made
    // it for us and may read it through its own handle.
    bool fillInEmpty = false;
};

class SaveFile
{
public:
    using Options = SaveOptions;

    // Puts all of `bytes` into a temporary file beside `path`, which replaces `path` only once
    // everything was written and synced. On any failure the old file stays byte for byte, no
    // temporary file is left behind, and `error` says why. A target that exists but is not a
    // regular file (a folder, a device, a pipe) is refused: the save would put a plain file in its
    // place. A link is followed: the file it names is replaced. `path` may hold any bytes
    // (FileNames).
    static bool write(const QString &path, const QByteArray &bytes, QString *error = nullptr, Options options = {});
};
