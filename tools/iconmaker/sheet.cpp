#include "sheet.h"

#include "icon.h"
#include "pixelfont.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int Zoom = 3;
constexpr QRgb Background = 0xff000000;
constexpr QRgb Frame = 0xff404040;
constexpr QRgb NumberColour = 0xffc0c0c0;
constexpr QRgb CaptionColour = 0xff00ffff;

// Draws an icon enlarged without smoothing, so every pixel stays a sharp square.
void drawIcon(QPainter &p, int x, int y, const Icon &icon, int zoom)
{
    p.drawImage(QRect(x, y, Icon::Size * zoom, Icon::Size * zoom), icon.image());
}

} // namespace

QImage paletteSheet(const std::vector<Icon> &shapes)
{
    static const char *const captions[] = {"Mechanical Parts 1", "Building Materials 2",
                                           "Tube Fittings 3",    "Kid's Corner 4",
                                           "Kid's Fun Shapes 5", "Misc. 6"};
    constexpr int icon = Icon::Size * Zoom;
    constexpr int cellW = icon + 12;
    constexpr int cellH = icon + 20;
    constexpr int pageW = 4 * cellW + 24;
    constexpr int pageH = 10 * cellH + 40;

    QImage sheet(3 * pageW + 12, 2 * pageH + 12, QImage::Format_ARGB32);
    sheet.fill(Background);
    for (int page = 0; page < 6; ++page) {
        const int left = 12 + (page % 3) * pageW;
        const int top = 12 + (page / 3) * pageH;
        QPainter p(&sheet);
        PixelFont::draw(p, left, top, captions[page], CaptionColour, 3);
        for (int i = 0; i < 40; ++i) {
            const int n = page * 40 + i + 1;
            if (n > int(shapes.size()))
                break;
            // Down the columns, as on the palette.
            const int x = left + (i / 10) * cellW;
            const int y = top + 28 + (i % 10) * cellH;
            PixelFont::draw(p, x, y, QString::number(n), NumberColour, 2);
            p.setPen(QColor::fromRgba(Frame));
            p.drawRect(x - 1, y + 12 - 1, icon + 1, icon + 1);
            drawIcon(p, x, y + 12, shapes[size_t(n - 1)], Zoom);
        }
    }
    return sheet;
}

namespace {

// One box of a scene: the shape at the back and the one drawn over it, 0 for none.
struct Box
{
    int back = 0, front = 0;
};
using Scene = std::vector<std::vector<Box>>;

// A pipe network from the tube fittings; the middle row runs over a brick wall.
const Scene pipes = {
    {{0, 83}, {0, 81}, {0, 96}, {0, 81}, {0, 87}, {0, 81}, {0, 113}, {0, 81}, {0, 84}},
    {{0, 82}, {}, {}, {}, {0, 82}, {}, {}, {}, {0, 97}},
    {{42, 89}, {42, 81}, {42, 114}, {42, 81}, {42, 91}, {42, 81}, {42, 115}, {42, 81}, {42, 90}},
    {{0, 100}, {}, {}, {}, {0, 82}, {}, {}, {}, {0, 94}},
    {{0, 85}, {0, 81}, {0, 99}, {0, 111}, {0, 88}, {0, 81}, {0, 101}, {0, 105}, {0, 108}},
    {{}, {}, {}, {}, {}, {}, {}, {}, {0, 117}},
};

// A frame of steel girders with a hook.
const Scene girders = {
    {{0, 71}, {0, 69}, {0, 75}, {0, 69}, {0, 80}, {0, 72}},
    {{0, 70}, {}, {0, 70}, {}, {}, {0, 70}},
    {{0, 77}, {0, 69}, {0, 79}, {0, 69}, {0, 69}, {0, 78}},
    {{0, 70}, {}, {0, 70}, {}, {}, {0, 70}},
    {{0, 73}, {0, 69}, {0, 76}, {0, 69}, {0, 69}, {0, 74}},
};

// A house: the roof from slopes and tiles, windows and a door over the brick wall.
const Scene house = {
    {{}, {0, 65}, {66, 68}, {}},
    {{0, 65}, {0, 48}, {0, 48}, {0, 66}},
    {{0, 42}, {42, 62}, {42, 61}, {0, 42}},
    {{0, 42}, {0, 42}, {0, 42}, {42, 63}},
};

// A train: two carriages behind the engine on one track.
const Scene train = {
    {{0, 129}, {0, 129}, {0, 128}},
};

QSize sceneSize(const Scene &scene, int zoom)
{
    return QSize(int(scene.front().size()) * Icon::Size * zoom, int(scene.size()) * Icon::Size * zoom);
}

void drawScene(QPainter &p, int x, int y, const Scene &scene, const std::vector<Icon> &shapes, int zoom)
{
    for (size_t row = 0; row < scene.size(); ++row)
        for (size_t col = 0; col < scene[row].size(); ++col)
            for (int n : {scene[row][col].back, scene[row][col].front})
                if (n > 0)
                    drawIcon(p, x + int(col) * Icon::Size * zoom, y + int(row) * Icon::Size * zoom,
                             shapes[size_t(n - 1)], zoom);
}

} // namespace

QImage joinsDemo(const std::vector<Icon> &shapes)
{
    constexpr int gap = 24;
    constexpr int label = 16;
    const QSize p1 = sceneSize(pipes, 1), g1 = sceneSize(girders, 1), h1 = sceneSize(house, 1);
    const QSize t1 = sceneSize(train, 1);
    const QSize p3 = sceneSize(pipes, Zoom), g3 = sceneSize(girders, Zoom), h3 = sceneSize(house, Zoom);
    const QSize t3 = sceneSize(train, Zoom);

    // 1:1 along the top, then the same scenes enlarged: the pipes, then the girders beside the
    // house with the train under it.
    const int x1[] = {gap, gap + p1.width() + gap, gap + p1.width() + gap + g1.width() + gap};
    const int top1 = gap + label;
    const int top2 =
        top1 + std::max({p1.height(), g1.height(), h1.height() + gap + t1.height()}) + gap + label;
    const int top3 = top2 + p3.height() + gap;
    const int right3 = gap + g3.width() + gap;
    const int width = std::max({x1[2] + std::max(h1.width(), t1.width()), gap + p3.width(),
                                right3 + std::max(h3.width(), t3.width())}) + gap;
    const int height = top3 + std::max(g3.height(), h3.height() + gap + t3.height()) + gap;

    QImage demo(width, height, QImage::Format_ARGB32);
    demo.fill(Background);
    QPainter p(&demo);
    PixelFont::draw(p, gap, gap - 4, "1:1", CaptionColour, 2);
    drawScene(p, x1[0], top1, pipes, shapes, 1);
    drawScene(p, x1[1], top1, girders, shapes, 1);
    drawScene(p, x1[2], top1, house, shapes, 1);
    drawScene(p, x1[2], top1 + h1.height() + gap, train, shapes, 1);
    PixelFont::draw(p, gap, top2 - label - 4, QStringLiteral("%1X").arg(Zoom), CaptionColour, 2);
    drawScene(p, gap, top2, pipes, shapes, Zoom);
    drawScene(p, gap, top3, girders, shapes, Zoom);
    drawScene(p, right3, top3, house, shapes, Zoom);
    drawScene(p, right3, top3 + h3.height() + gap, train, shapes, Zoom);
    return demo;
}
