#include "filenames.h"

#include <QDir>

#include <unistd.h>

namespace FileNames {

namespace {
constexpr char16_t kEscape = 0xDC00;

// The length of the UTF-8 sequence at the start of `bytes`, or 0 when it is none.
qsizetype sequenceLength(QByteArrayView bytes)
{
    const auto lead = static_cast<unsigned char>(bytes.front());
    const qsizetype n = lead < 0x80 ? 1 : lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3
                      : lead >= 0xF0 && lead <= 0xF4 ? 4 : 0;
    if (n == 0 || n > bytes.size())
        return 0;
    // Qt's decoder judges it: what it reads exactly, and nothing else, is UTF-8.
    const QByteArrayView sequence = bytes.first(n);
    return QString::fromUtf8(sequence).toUtf8() == sequence ? n : 0;
}
} // namespace

QString fromLocal(QByteArrayView name)
{
    QString text = QString::fromUtf8(name);
    if (text.toUtf8() == name)
        return text;
    text.clear();
    for (qsizetype i = 0; i < name.size();) {
        if (const qsizetype n = sequenceLength(name.sliced(i))) {
            text += QString::fromUtf8(name.sliced(i, n));
            i += n;
        } else {
            text += QChar(kEscape + static_cast<unsigned char>(name[i++]));
        }
    }
    return text;
}

QByteArray toLocal(const QString &name)
{
    QByteArray bytes;
    qsizetype done = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        // A surrogate after a high one is half of a character beyond the first 65536.
        if (c >= kEscape + 0x80 && c <= kEscape + 0xFF && !(i > 0 && name[i - 1].isHighSurrogate())) {
            bytes += QStringView(name).sliced(done, i - done).toUtf8();
            bytes += static_cast<char>(c - kEscape);
            done = i + 1;
        }
    }
    return bytes + QStringView(name).sliced(done).toUtf8();
}

QString absolute(const QString &name)
{
    if (!QDir::isRelativePath(name))
        return QDir::cleanPath(name);
    char folder[4096];
    return QDir::cleanPath((::getcwd(folder, sizeof folder) ? fromLocal(folder) : QDir::currentPath())
                           + QLatin1Char('/') + name);
}

} // namespace FileNames
