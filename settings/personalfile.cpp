#include "personalfile.h"

#include "files/regularfile.h"
#include "files/savefile.h"
#include "settings/numbertext.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <optional>

namespace {

constexpr int kEnd = -1;

bool isBlank(int c) { return c == ' ' || c == '\t'; }
bool isLineEnd(int c) { return c == '\r' || c == '\n'; }

// Takes the fields of the settings line one after the other, by the rules beside PersonalFile::read.
class FieldReader
{
public:
    FieldReader(QByteArrayView data, bool cut) : data_(data), cut_(cut) {}

    std::optional<int16_t> number()
    {
        skipBlanks();
        const qsizetype start = pos_;
        while (!endsField(peek()) && !isBlank(peek()))
            ++pos_;
        const std::optional<int16_t> value = NumberText::wholeNumber(data_.sliced(start, pos_ - start));
        if (!value || !endField())
            return std::nullopt;
        return value;
    }

    std::optional<QString> text()
    {
        skipBlanks();
        if (peek() == kEnd)
            return std::nullopt;
        if (peek() == '"') {
            const qsizetype start = ++pos_;
            while (peek() != '"' && peek() != kEnd && !isLineEnd(peek()))
                ++pos_;
            if (peek() != '"')
                return std::nullopt;
            const QString quoted = QString::fromUtf8(data_.sliced(start, pos_ - start));
            ++pos_;
            if (!endField())
                return std::nullopt;
            return quoted;
        }
        const qsizetype start = pos_;
        while (!endsField(peek()))
            ++pos_;
        const QString bare = QString::fromUtf8(data_.sliced(start, pos_ - start));
        if (!endField())
            return std::nullopt;
        return bare;
    }

private:
    int peek() const { return pos_ < data_.size() ? static_cast<unsigned char>(data_[pos_]) : kEnd; }
    static bool endsField(int c) { return c == kEnd || c == ',' || isLineEnd(c); }

    void skipBlanks()
    {
        while (isBlank(peek()))
            ++pos_;
    }

    // Blanks, then the comma, the line end (CR LF counts once) or the real end of the file.
    bool endField()
    {
        skipBlanks();
        const int c = peek();
        if (c == ',' || c == '\n') {
            ++pos_;
            return true;
        }
        if (c == '\r') {
            ++pos_;
            if (peek() == '\n')
                ++pos_;
            return true;
        }
        return c == kEnd && !cut_;
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
    return QDir(dataDir).filePath(kFileName);
}

QString PersonalFile::location()
{
    return location(QCoreApplication::applicationDirPath(),
                    QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}
