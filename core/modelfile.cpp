#include "modelfile.h"

#include "numbertext.h"
#include "regularfile.h"
#include "savefile.h"
#include "textfields.h"

#include <QFile>
#include <QFileInfo>
#include <QIODevice>
#include <array>
#include <charconv>

namespace {

using TextFields::isBlank;
using TextFields::isLineEnd;
using TextFields::kEnd;

// Hands out the device's bytes one at a time, reading a block whenever the last one is used up.
class ByteStream
{
public:
    explicit ByteStream(QIODevice &device) : device_(device) {}

    int next()
    {
        if (pos_ == length_) {
            length_ = device_.read(block_.data(), qint64(block_.size()));
            pos_ = 0;
            if (length_ <= 0) {
                failed_ = failed_ || length_ < 0;
                length_ = 0;
                return kEnd;
            }
        }
        return static_cast<unsigned char>(block_[pos_++]);
    }

    bool failed() const { return failed_; }

private:
    QIODevice &device_;
    std::array<char, 4096> block_{};
    qint64 pos_ = 0;
    qint64 length_ = 0;
    bool failed_ = false;
};

// The field rules are those listed beside ModelFile::read. Each number goes into the table as soon
// as it has been read.
bool readFields(QIODevice &in, MGLOBAL &g)
{
    ByteStream stream(in);
    std::array<char, ModelFile::kMaxFieldBytes> token{};
    bool afterComma = false;    // a line end right after a comma leaves that field empty
    for (int field = 0; field < ModelFile::kFields; ++field) {
        int used = 0;
        int c = stream.next();
        while (isBlank(c) || (isLineEnd(c) && !afterComma)) {
            if (++used > ModelFile::kMaxFieldBytes)
                return false;
            c = stream.next();
        }
        int length = 0;
        while (c != kEnd && c != ',' && !isBlank(c) && !isLineEnd(c)) {
            if (++used > ModelFile::kMaxFieldBytes)
                return false;
            token[length++] = char(c);
            c = stream.next();
        }
        while (isBlank(c)) {
            if (++used > ModelFile::kMaxFieldBytes)
                return false;
            c = stream.next();
        }
        if (stream.failed() || (c != kEnd && c != ',' && !isLineEnd(c)))
            return false;
        const std::optional<int16_t> value = NumberText::wholeNumber(QByteArrayView(token.data(), length));
        if (!value)
            return false;
        g.CellShape[field / 3][MGLOBAL::kFront + field % 3] = *value;
        afterComma = c == ',';
    }
    return true;
}

} // namespace

QByteArray ModelFile::toBytes(const MGLOBAL &g)
{
    constexpr int kLongestLine = sizeof "-32768,-32768,-32768\r\n" - 1;
    QByteArray bytes;
    bytes.reserve(MGLOBAL::kCells * kLongestLine);
    std::array<char, 8> digits{};
    Q_ASSERT(g.CellShape.size() >= size_t(MGLOBAL::kCells));
    for (int cell = 0; cell <= MGLOBAL::kLastCell; ++cell) {
        const MGLOBAL::CellRow &row = g.CellShape[cell];
        for (const int column : {MGLOBAL::kFront, MGLOBAL::kBack, MGLOBAL::kThird}) {
            const char *end = std::to_chars(digits.data(), digits.data() + digits.size(), row[column]).ptr;
            bytes.append(digits.data(), end - digits.data());
            bytes.append(column == MGLOBAL::kThird ? "\r\n" : ",");
        }
    }
    return bytes;
}

bool ModelFile::read(QIODevice &in, MGLOBAL &g)
{
    g.CellShape.assign(MGLOBAL::kLastCell + 1, MGLOBAL::CellRow{});
    if (readFields(in, g))
        return true;
    g.CellShape.assign(MGLOBAL::kLastCell + 1, MGLOBAL::CellRow{});
    return false;
}

bool ModelFile::saveModel(const QString &path, const MGLOBAL &g, QString *error)
{
    return SaveFile::write(path, toBytes(g), error);
}

bool ModelFile::openModel(const QString &path, MGLOBAL &g, QString *error)
{
    QFile file;
    if (!RegularFile::open(file, path, error))
        return false;
    if (!read(file, g)) {
        if (error)
            *error = file.error() != QFileDevice::NoError ? file.errorString() : QStringLiteral("not a model file");
        return false;
    }
    return true;
}
