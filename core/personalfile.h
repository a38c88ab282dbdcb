#pragma once
// The personal settings file "Personal.qzt": one line `UndoDepth,"UserName",""` and CR LF, in
// UTF-8. Reading and writing never throw and never show anything; the settings fail silently.

#include "mglobal.h"

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
    // taking its value as soon as its field has been read; stops at the first field it cannot read
    // and returns whether all three were read. A missing file is simply false. The reading rule:
    // - blanks (space, tab) before a field are skipped;
    // - field 1 is a number: it ends at the first comma, blank or line end, and must be a whole
    //   number as the model file's fields are (NumberText::wholeNumber: an optional "+" or "-" and
    //   digits within -32768..32767; empty, 2.5, +-5 or "4" are not);
    // - fields 2 and 3 are texts: a quoted text is everything between its quotes, commas and line
    //   ends included, up to the end of the file if the closing quote never comes; an unquoted
    //   text runs to the next comma or line end;
    // - a field ends with one comma or one line end (CR LF counts once); after a blank that ends
    //   a number, further blanks and one comma belong to it, and after a closing quote, blanks do.
    //   Anything else there begins the next field;
    // - a field that the file ends before is missing. Reading stops after kMaxBytes: a field that
    //   runs into that place cannot be read either.
    static bool read(const QString &path, MGLOBAL &g);

    // What a complete read implies: a depth of 0 means the default depth. No range check beyond.
    static void applyDefaults(MGLOBAL &g);

    // The main menu's reading: read, and after a complete read apply the defaults. Returns whether
    // the read was complete, that is whether the caller shows or hides the name now.
    static bool ReadPersonal(MGLOBAL &g, const QString &path = location());

    // Where the settings file lives: beside the program, by its name alone (the main menu makes
    // the program's folder current), while that folder can be written, as in a build tree; in
    // the user's data folder when it cannot, as for an installed program, which copies the default
    // file beside it there when the user has none yet.
    static QString location();
    static QString location(const QString &programDir, const QString &dataDir);
};
