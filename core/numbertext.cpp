#include "numbertext.h"

#include <cmath>

namespace NumberText {

double leadingNumber(const QString &text)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    bool point = false;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'.' && !point)
            point = true;
        else if (c < u'0' || c > u'9')
            break;
    }
    // What is left is a sign, digits and one point, which the C-locale conversion takes, or
    // without a digit refuses as 0.
    return QStringView(text).mid(start, i - start).toDouble();
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double down = std::floor(value);
    const double above = value - down;
    if (above < 0.5)
        return down;
    if (above > 0.5)
        return down + 1;
    return std::fmod(down, 2.0) == 0 ? down : down + 1;
}

QString withSignPosition(int value)
{
    return value < 0 ? QString::number(value) : QLatin1Char(' ') + QString::number(value);
}

std::optional<int16_t> wholeNumber(QByteArrayView text)
{
    const bool negative = text.startsWith('-');
    const QByteArrayView digits = negative || text.startsWith('+') ? text.sliced(1) : text;
    if (digits.isEmpty())
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > 32768)                  // stop before a run of digits can overflow
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > INT16_MAX)
        return std::nullopt;
    return static_cast<int16_t>(value);
}

DepthEntry acceptDepth(const QString &text)
{
    const double number = leadingNumber(text);
    if (!(number >= kMinDepth && number <= kMaxDepth))
        return {false, kDefaultDepth};
    return {true, static_cast<int16_t>(roundHalfEven(number))};
}

} // namespace NumberText
