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
#include <string>
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
    const std::string bytes = data.toStdString();
    size_t pos = 0;
    const auto at = [&](size_t i) { return i < bytes.size() ? int(uint8_t(bytes[i])) : -1; };
    const auto skipBlanks = [&] { pos = std::min(bytes.find_first_not_of(" \t", pos), bytes.size()); };
    // One comma, or one line end with CR LF as one.
    const auto delimiter = [&] {
        if (at(pos) == ',' || at(pos) == '\n')
            ++pos;
        else if (at(pos) == '\r')
            pos += at(pos + 1) == '\n' ? 2 : 1;
    };
    // Where a run of characters not in `stops` ends; npos when it runs into the place reading stopped.
    const auto runTo = [&](const char *stops) {
        const size_t end = std::min(bytes.find_first_of(stops, pos), bytes.size());
        return end == bytes.size() && cut ? std::string::npos : end;
    };
    const auto text = [&]() -> std::optional<QString> {
        skipBlanks();
        if (pos == bytes.size())
            return std::nullopt;
        const bool quoted = at(pos) == '"';
        pos += quoted;
        const size_t end = runTo(quoted ? "\"" : ",\r\n");
        if (end == std::string::npos)
            return std::nullopt;
        const QString value = QString::fromStdString(bytes.substr(pos, end - pos));
        pos = end;
        if (quoted && at(pos) == '"') {
            ++pos;
            skipBlanks();
        }
        delimiter();
        return value;
    };

    Expected e;
    skipBlanks();
    const size_t end = runTo(", \t\r\n");
    if (end == std::string::npos)
        return e;
    std::string number = bytes.substr(pos, end - pos);
    if (number.size() > 1 && number[0] == '+' && number[1] != '-')
        number.erase(0, 1);
    const bool negative = !number.empty() && number[0] == '-';
    const std::string digits = number.substr(negative);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos)
        return e;
    long value = 0;
    for (const char c : digits)
        value = std::min(value * 10 + (c - '0'), 100000L);
    value = negative ? -value : value;
    if (value < INT16_MIN || value > INT16_MAX)
        return e;
    e.depth = int16_t(value);
    pos = end;
    if (at(pos) == ' ' || at(pos) == '\t') {
        skipBlanks();
        pos += at(pos) == ',';
    } else {
        delimiter();
    }
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
