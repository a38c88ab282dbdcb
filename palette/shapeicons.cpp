#include "shapeicons.h"

#include <array>

namespace ShapeIcons {

namespace {
QImage load(const QString &path)
{
    // Premultiplied ARGB is what the painter blends fastest.
    return QImage(path).convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

const QImage &image(int n)
{
    static std::array<QImage, 241> cache;
    static const QImage none;
    if (n < 1 || n > 240)
        return none;
    QImage &slot = cache[static_cast<size_t>(n)];
    if (slot.isNull())
        slot = load(QStringLiteral(":/palette/shape%1.ico").arg(n, 3, 10, QLatin1Char('0')));
    return slot;
}

const QImage &programIcon()
{
    static const QImage icon = load(QStringLiteral(":/palette/brickloom.ico"));
    return icon;
}

} // namespace ShapeIcons
