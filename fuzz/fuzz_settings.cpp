// The settings file is edited by hand (its field rules are tabled in the unit tests). For any bytes:
// fields are read in order and from the file alone, bytes after a complete line change nothing, and
// a complete read survives a write. A leading "#" stands for a file past kMaxBytes, padded with "x".

#include "numbertext.h"
#include "personalfile.h"

#include "fuzzcheck.h"

#include <QFile>

#include <sys/mman.h>

// One scratch file for the process, in memory and nameless: a run that aborts leaves nothing behind.
static const QString &scratchPath()
{
    static const int fd = memfd_create("brickloom-fuzz.qzt", 0);
    static const QString path = fd >= 0 ? QStringLiteral("/proc/self/fd/%1").arg(fd) : QString();
    return path;
}

// The file's bytes read into a state that starts as `before`.
static MGLOBAL readFrom(const QByteArray &bytes, int16_t depthBefore, const QString &nameBefore, bool *complete)
{
    QFile file(scratchPath());
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), "the scratch file takes the whole input");
    file.close();
    MGLOBAL g;
    g.UndoDepth = depthBefore;
    g.UserName = nameBefore;
    *complete = PersonalFile::read(scratchPath(), g);
    return g;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    if (file.startsWith('#') && file.size() <= PersonalFile::kMaxBytes + 1)
        file = file.sliced(1).leftJustified(PersonalFile::kMaxBytes + 1, 'x');

    // Two different starting states tell which variables the reading set.
    bool complete = false, again = false;
    const MGLOBAL a = readFrom(file, 12345, QStringLiteral("not read"), &complete);
    const MGLOBAL b = readFrom(file, -7, QString(), &again);
    FUZZ_CHECK(complete == again, "whether a read is complete depends on the file alone");
    const bool depthRead = a.UndoDepth == b.UndoDepth, nameRead = a.UserName == b.UserName;
    FUZZ_CHECK(depthRead || (a.UndoDepth == 12345 && b.UndoDepth == -7), "an unread depth keeps its value");
    FUZZ_CHECK(nameRead || (a.UserName == QStringLiteral("not read") && b.UserName.isEmpty()), "an unread name keeps its value");
    FUZZ_CHECK((depthRead || !nameRead) && (nameRead || !complete), "the name is read only after the depth, and a complete read has both");

    MGLOBAL menu;
    FUZZ_CHECK(PersonalFile::ReadPersonal(menu, scratchPath()) == complete, "ReadPersonal reports the same");
    FUZZ_CHECK(menu.UndoDepth == (complete && b.UndoDepth == 0 ? NumberText::kDefaultDepth : b.UndoDepth) || !depthRead,
               "a depth of 0 becomes the default after a complete read only");
    if (!complete)
        return 0;

    if (file.size() + 8 <= PersonalFile::kMaxBytes) {
        const MGLOBAL longer = readFrom(file + "\r\nzz,\"\r\n", 1, QString(), &again);
        FUZZ_CHECK(again && longer.UndoDepth == a.UndoDepth && longer.UserName == a.UserName,
                   "bytes after a complete line change nothing");
    }
    // "E&xit to Menu" writes the settings; the next start reads them back.
    QString writable = a.UserName;
    writable.remove(u'"').remove(u'\r').remove(u'\n');
    const MGLOBAL next = readFrom(PersonalFile::toBytes(a), 1, QString(), &again);
    FUZZ_CHECK(again && next.UndoDepth == a.UndoDepth && next.UserName == writable,
               "what is written reads back in full and the same, less the name's quotes and line ends");
    return 0;
}
