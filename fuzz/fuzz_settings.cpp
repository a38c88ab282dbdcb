// The settings file can be edited by hand. Each input is written to one scratch file and read back
// as the main menu reads it; the result is held to a second, plain reading of the field rules
// (which variables take a value before the first bad field, and which value), and a complete
// read must be written and read again unchanged. An input that starts with "#" stands for a file
// too long to read whole: the rest of it, then "x" up to one byte past PersonalFile::kMaxBytes,
// so that a field running into the place where reading stops must fail.

#include "fuzzcheck.h"
#include "settings/numbertext.h"
#include "settings/personalfile.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <unistd.h>

namespace {

const QString &scratchPath()
{
    static const QString path = [] {
        const QString dir = QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
        return dir + QStringLiteral("/brickloom-fuzz-%1.qzt").arg(getpid());
    }();
    return path;
}

void putScratch(const char *data, size_t size)
{
    static const bool removedAtExit = [] {
        return std::atexit([] { std::remove(scratchPath().toLocal8Bit().constData()); }) == 0;
    }();
    (void)removedAtExit;
    std::FILE *file = std::fopen(scratchPath().toLocal8Bit().constData(), "wb");
    FUZZ_CHECK(file, "the scratch file can be written");
    FUZZ_CHECK(std::fwrite(data, 1, size, file) == size, "the scratch file takes the whole input");
    std::fclose(file);
}

struct Expected {
    std::optional<int16_t> depth;   // set when field 1 was read
    std::optional<QString> name;    // set when field 2 was read
    bool complete = false;          // all three fields read
};

// The documented rules, read straight off the bytes.
Expected expectedRead(QByteArray data)
{
    const bool cut = data.size() > PersonalFile::kMaxBytes;
    data.truncate(PersonalFile::kMaxBytes);
    qsizetype pos = 0;
    const auto at = [&](qsizetype i) { return i < data.size() ? int(uint8_t(data[i])) : -1; };
    const auto skipBlanks = [&] {
        while (at(pos) == ' ' || at(pos) == '\t')
            ++pos;
    };
    // After a number or a closing quote only blanks, then a comma, a line end or the true end.
    const auto fieldEnds = [&] {
        skipBlanks();
        const int c = at(pos);
        if (c == -1)
            return !cut;
        if (c != ',' && c != '\r' && c != '\n')
            return false;
        pos += (c == '\r' && at(pos + 1) == '\n') ? 2 : 1;
        return true;
    };
    const auto text = [&]() -> std::optional<QString> {
        skipBlanks();
        const int first = at(pos);
        if (first == -1)
            return std::nullopt;
        const bool quoted = first == '"';
        pos += quoted;
        const qsizetype start = pos;
        for (int c = at(pos); c != -1 && c != '\r' && c != '\n' && c != (quoted ? '"' : ','); c = at(++pos)) {
        }
        if (quoted && at(pos) != '"')
            return std::nullopt;
        const QString value = QString::fromUtf8(data.sliced(start, pos - start));
        pos += quoted;
        if (!fieldEnds())
            return std::nullopt;
        return value;
    };

    Expected e;
    skipBlanks();
    const bool negative = at(pos) == '-';
    pos += negative;
    long value = 0;
    int digits = 0;
    for (; at(pos) >= '0' && at(pos) <= '9'; ++pos, ++digits)
        value = std::min(value * 10 + (at(pos) - '0'), 100000L);
    value = negative ? -value : value;
    if (digits == 0 || value < INT16_MIN || value > INT16_MAX || !fieldEnds())
        return e;
    e.depth = int16_t(value);
    if (!(e.name = text()))
        return e;
    e.complete = text().has_value();
    return e;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray file(reinterpret_cast<const char *>(data), qsizetype(size));
    if (file.startsWith('#') && file.size() <= PersonalFile::kMaxBytes + 1)
        file = file.sliced(1).leftJustified(PersonalFile::kMaxBytes + 1, 'x');
    putScratch(file.constData(), size_t(file.size()));
    const Expected expected = expectedRead(file);

    constexpr int16_t kUnread = 12345;
    const QString unreadName = QStringLiteral("not read");
    MGLOBAL g;
    g.UndoDepth = kUnread;
    g.UserName = unreadName;
    const bool complete = PersonalFile::read(scratchPath(), g);
    FUZZ_CHECK(complete == expected.complete, "read() tells whether all three fields were read");
    FUZZ_CHECK(g.UndoDepth == expected.depth.value_or(kUnread), "UndoDepth takes field 1 once it has been read");
    FUZZ_CHECK(g.UserName == expected.name.value_or(unreadName), "UserName takes field 2 once it has been read");

    MGLOBAL menu;
    FUZZ_CHECK(PersonalFile::ReadPersonal(menu, scratchPath()) == complete, "ReadPersonal reports the same");
    if (!complete) {
        FUZZ_CHECK(menu.UndoDepth == expected.depth.value_or(0), "no default after an incomplete read");
        return 0;
    }
    FUZZ_CHECK(menu.UndoDepth == (g.UndoDepth == 0 ? NumberText::kDefaultDepth : g.UndoDepth),
               "a depth of 0 read in full becomes the default, any other stays");

    // "E&xit to Menu" writes the settings; the next start reads them back.
    const QByteArray line = PersonalFile::toBytes(g);
    putScratch(line.constData(), size_t(line.size()));
    MGLOBAL next;
    FUZZ_CHECK(PersonalFile::read(scratchPath(), next), "what the writer writes reads in full");
    FUZZ_CHECK(next.UndoDepth == g.UndoDepth, "the depth survives a write and a read");
    QString writable = g.UserName;
    writable.remove(u'"').remove(u'\r').remove(u'\n');
    FUZZ_CHECK(next.UserName == writable, "the name survives a write and a read, less what cannot be quoted");
    return 0;
}
