#pragma once
// The personal settings file "Personal.qzt": one line `UndoDepth,"UserName",""` and CR LF, in
// UTF-8. Reading and writing never throw and never show anything; the settings fail silently.

#include "workarea/mglobal.h"

#include <QByteArray>
#include <QString>

class PersonalFile
{
public:
    // Used without a path: the main menu makes the program's directory current first.
    static inline const QString kFileName = QStringLiteral("Personal.qzt");
    // More than any settings line needs; a bigger file is read only this far.
    static constexpr qint64 kMaxBytes = 64 * 1024;

    // The line for the settings in `g`. Double quotes and line ends, which could not be read back
    // inside the quotes, are left out of the name; UserName itself keeps them.
    static QByteArray toBytes(const MGLOBAL &g);

    // Replaces the file at `path` with the settings line, or leaves the old file as it was.
    static bool write(const QString &path, const MGLOBAL &g);

    // Reads field 1 into UndoDepth, field 2 into UserName and field 3 into nothing, each variable
    // taking its value as soon as its field has been read; stops at the first field in a wrong form
    // and returns whether all three were read. A missing file is simply false. The fields:
    // - blanks (space, tab) before a field are skipped; a field ends at a comma, a line end or the
    //   end of the file, and after a number or a closing quote only blanks may come before that;
    // - field 1 is an optional "-" and digits within -32768..32767. Empty, a fraction (2.5), a "+"
    //   or a quoted number is an error: the writer makes none of them;
    // - fields 2 and 3 are texts: quoted, everything between the quotes, commas included, on one
    //   line (a quote left open to the line end or the end of the file is an error); or unquoted,
    //   everything up to the next comma or line end.
    static bool read(const QString &path, MGLOBAL &g);

    // What a complete read implies: a depth of 0 means the default depth. No range check beyond.
    static void applyDefaults(MGLOBAL &g);

    // The main menu's reading: read, and after a complete read apply the defaults. Returns whether
    // the read was complete, that is whether the caller shows or hides the name now.
    static bool ReadPersonal(MGLOBAL &g, const QString &path = location());

    // Where the settings file lives: beside the program, by its name alone (the main menu makes
    // the program's folder current), while that folder can be written, as in a build tree; in
    // the user's data folder when it cannot, as for an installed program.
    static QString location();
    static QString location(const QString &programDir, const QString &dataDir);
};
