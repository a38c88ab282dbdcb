#include "personalfile.h"

#include "numbertext.h"
#include "regularfile.h"
#include "savefile.h"
#include "textfields.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace {

using TextFields::isBlank;
using TextFields::isLineEnd;
using TextFields::kEnd;

// Takes the fields of the settings line one after the other, by the rules beside PersonalFile::read.
class FieldReader
{
public:
    FieldReader(QByteArrayView data, bool cut) : data_(data), cut_(cut) {}

    std::optional<int16_t> number()
    {
        skipBlanks();
        const qsizetype start = pos_;
        while (peek() != kEnd && peek() != ',' && !isBlank(peek()) && !isLineEnd(peek()))
            ++pos_;
        if (cutHere())
            return std::nullopt;
        const std::optional<int16_t> value = NumberText::wholeNumber(data_.sliced(start, pos_ - start));
        if (value && isBlank(peek())) {
            // Further blanks and one comma belong to the blank that ended the number.
            skipBlanks();
            skip(',');
        } else {
            skipDelimiter();
        }
        return value;
    }

    std::optional<QString> text()
    {
        skipBlanks();
        if (peek() == kEnd)
            return std::nullopt; // the file ends before the field
        const bool quoted = skip('"');
        const qsizetype start = pos_;
        while (peek() != kEnd && (quoted ? peek() != '"' : peek() != ',' && !isLineEnd(peek())))
            ++pos_;
        if (cutHere())
            return std::nullopt;
        const QString value = QString::fromUtf8(data_.sliced(start, pos_ - start));
        if (quoted && skip('"'))
            skipBlanks();
        skipDelimiter();
        return value;
    }

private:
    int peek() const { return pos_ < data_.size() ? static_cast<unsigned char>(data_[pos_]) : kEnd; }
    // A field that runs into the place where reading stopped has no known end.
    bool cutHere() const { return cut_ && peek() == kEnd; }

    bool skip(char c)
    {
        const bool here = peek() == c;
        pos_ += here;
        return here;
    }
    void skipBlanks()
    {
        while (isBlank(peek()))
            ++pos_;
    }
    // A comma or a line end (CR LF counts once); anything else already begins the next field.
    void skipDelimiter()
    {
        if (!skip(',') && !skip('\n') && skip('\r'))
            skip('\n');
    }

    QByteArrayView data_;
    bool cut_;                  // the data stops where reading stopped, not where the file ends
    qsizetype pos_ = 0;
};

} // namespace

QByteArray PersonalFile::toBytes(const MGLOBAL &g)
{
    QString name = g.UserName;
    name.remove(u'"').remove(u'\r').remove(u'\n');
    return QByteArray::number(g.UndoDepth) + ",\"" + name.toUtf8() + "\",\"\"\r\n";
}

bool PersonalFile::write(const QString &path, const MGLOBAL &g)
{
    return SaveFile::write(path, toBytes(g));
}

bool PersonalFile::read(const QString &path, MGLOBAL &g)
{
    QFile file;
    if (!RegularFile::open(file, path))
        return false;
    QByteArray data = file.read(kMaxBytes + 1);
    const bool cut = data.size() > kMaxBytes;
    data.truncate(kMaxBytes);
    FieldReader fields(data, cut);

    const std::optional<int16_t> depth = fields.number();
    if (!depth)
        return false;
    g.UndoDepth = *depth;
    const std::optional<QString> name = fields.text();
    if (!name)
        return false;
    g.UserName = *name;
    return fields.text().has_value();
}

void PersonalFile::applyDefaults(MGLOBAL &g)
{
    if (g.UndoDepth == 0)
        g.UndoDepth = NumberText::kDefaultDepth;
}

bool PersonalFile::ReadPersonal(MGLOBAL &g, const QString &path)
{
    if (!read(path, g))
        return false;
    applyDefaults(g);
    return true;
}

QString PersonalFile::location(const QString &programDir, const QString &dataDir)
{
    if (QFileInfo(programDir).isWritable())
        return kFileName;
    QDir().mkpath(dataDir);
    const QString own = QDir(dataDir).filePath(kFileName);
    // On the first start the user's file begins as the default installed beside the program. A
    // copy never replaces a file, and the user must be able to write it.
    if (!QFileInfo::exists(own) && QFile::copy(QDir(programDir).filePath(kFileName), own))
        QFile::setPermissions(own, QFile::permissions(own) | QFile::ReadOwner | QFile::WriteOwner);
    return own;
}

QString PersonalFile::location()
{
    return location(QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
