// The settings file can be edited by hand. Each input is written to one scratch file and read back
// as the main menu reads it. The field rules have their full table in the unit tests; here they
// are held to what must hold for any bytes: fields are taken in order and from the file alone,
// bytes after a complete line change nothing, and a complete read is written and read again
// unchanged. An input that starts with "#" stands for a file too long to read whole: the rest of
// it, then "x" up to one byte past PersonalFile::kMaxBytes.

#include "fuzzcheck.h"
#include "settings/numbertext.h"
#include "settings/personalfile.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

namespace {

// One scratch file for the process, in memory where /dev/shm is there, removed at exit.
const QString &scratchPath()
{
    static const QString path = QStringLiteral("%1/brickloom-fuzz-%2.qzt")
                                    .arg(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                                    .arg(getpid());
    static const bool removedAtExit = std::atexit([] { QFile::remove(scratchPath()); }) == 0;
    (void)removedAtExit;
    return path;
}

// The file's bytes read into a state that starts as `before`.
MGLOBAL readFrom(const QByteArray &bytes, int16_t depthBefore, const QString &nameBefore, bool *complete)
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

} // namespace

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
    FUZZ_CHECK(depthRead || !nameRead, "the name is read only after the depth");
    FUZZ_CHECK(nameRead || !complete, "a complete read has read the name");

    MGLOBAL menu;
    FUZZ_CHECK(PersonalFile::ReadPersonal(menu, scratchPath()) == complete, "ReadPersonal reports the same");
    FUZZ_CHECK(menu.UndoDepth == (complete && b.UndoDepth == 0 ? NumberText::kDefaultDepth : b.UndoDepth) || !depthRead,
               "a depth of 0 becomes the default after a complete read only");
    if (!complete)
        return 0;

    // Whatever follows a complete line is not read.
    if (file.size() + 8 <= PersonalFile::kMaxBytes) {
        const MGLOBAL longer = readFrom(file + "\r\nzz,\"\r\n", 1, QString(), &again);
        FUZZ_CHECK(again && longer.UndoDepth == a.UndoDepth && longer.UserName == a.UserName,
                   "bytes after a complete line change nothing");
    }
    // "E&xit to Menu" writes the settings; the next start reads them back.
    const MGLOBAL next = readFrom(PersonalFile::toBytes(a), 1, QString(), &again);
    FUZZ_CHECK(again, "what the writer writes reads in full");
    FUZZ_CHECK(next.UndoDepth == a.UndoDepth, "the depth survives a write and a read");
    QString writable = a.UserName;
    writable.remove(u'"').remove(u'\r').remove(u'\n');
    FUZZ_CHECK(next.UserName == writable, "the name survives a write and a read, less what cannot be quoted");
    return 0;
}
