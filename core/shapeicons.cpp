#include "shapeicons.h"

#include <QResource>
#include <array>

namespace ShapeIcons {

namespace {
constexpr int kSide = 32;
constexpr qsizetype kIconBytes = kSide * kSide * 4;
// The program icon, then shapes 1 to 240.
constexpr int kIcons = 241;

// The icons as the build decoded them, used in place: nothing is decoded or copied at run time.
const std::array<QImage, kIcons> &atlas()
{
    static const std::array<QImage, kIcons> images = [] {
        std::array<QImage, kIcons> result;
        const QResource block(QStringLiteral(":/palette/icons.argb"));
        Q_ASSERT(block.compressionAlgorithm() == QResource::NoCompression);
        if (block.size() != kIcons * kIconBytes)
            return result;
        for (int i = 0; i < kIcons; ++i)
            result[i] = QImage(block.data() + i * kIconBytes, kSide, kSide, kSide * 4, QImage::Format_ARGB32_Premultiplied);
        return result;
    }();
    return images;
}
} // namespace

const QImage &image(int n)
{
    static const QImage none;
    return n >= 1 && n <= 240 ? atlas()[n] : none;
}

const QImage &programIcon()
{
    return atlas()[0];
}

} // namespace ShapeIcons
