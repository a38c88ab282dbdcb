// The palette icons as the program carries them: the committed files are exactly what the
// generator draws and what the resources hold, Qt reads from each the picture our own decoding
// finds in it, the program draws exactly that, the pictures are clearly different from each other,
// and the pieces that join across boxes meet the box edges with the shared joint profile.

#include "joints.h"
#include "letters.h"
#include "palette/shapeicons.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <array>

namespace {

constexpr int Side = 32;
constexpr int Shapes = 240;
constexpr int kMaskedColour = -2;

// The standard sixteen colours in colour-table order.
constexpr std::array<QRgb, 16> standardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

// A picture as colour-table indexes, -1 where the mask makes it transparent.
using Pixels = std::array<std::array<int, Side>, Side>;

QString fileName(int n)
{
    return n == 0 ? QStringLiteral("brickloom.ico") : QStringLiteral("shape%1.ico").arg(n, 3, 10, QLatin1Char('0'));
}

// Decodes the 4-bit bitmap and its mask by hand, independently of Qt's reader; rows are stored
// bottom-up. A transparent pixel must be colour 0, or the screen would show through changed:
// kMaskedColour marks one that is not.
Pixels decode(const QByteArray &ico)
{
    constexpr int colourBits = 6 + 16 + 40 + 64;
    constexpr int maskBits = colourBits + 512;
    Pixels px{};
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int row = Side - 1 - y;
            const auto colourByte = quint8(ico[colourBits + row * 16 + x / 2]);
            const int index = x % 2 ? colourByte & 0x0f : colourByte >> 4;
            const bool transparent = quint8(ico[maskBits + row * 4 + x / 8]) & (0x80 >> (x % 8));
            px[y][x] = !transparent ? index : index == 0 ? -1 : kMaskedColour;
        }
    return px;
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(qEnvironmentVariableIsSet("BRICKLOOM_SOURCE_DIR"), "BRICKLOOM_SOURCE_DIR must name the source tree");
        m_dir = qEnvironmentVariable("BRICKLOOM_SOURCE_DIR") + "/assets/palette";
        for (int n = 0; n <= Shapes; ++n) {
            QFile file(m_dir + '/' + fileName(n));
            QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
            m_files[size_t(n)] = file.readAll();
            QCOMPARE(m_files[size_t(n)].size(), 766);
            m_pixels[size_t(n)] = decode(m_files[size_t(n)]);
        }
    }

    void generatorAndResourcesHoldTheCommittedFiles()
    {
        QTemporaryDir out;
        QVERIFY(out.isValid());
        QProcess maker;
        maker.start(ICONMAKER, {"--out", out.path()});
        QVERIFY(maker.waitForFinished());
        QCOMPARE(maker.exitStatus(), QProcess::NormalExit);
        QCOMPARE(maker.exitCode(), 0);
        for (int n = 0; n <= Shapes; ++n) {
            QFile made(out.filePath(fileName(n)));
            QVERIFY2(made.open(QIODevice::ReadOnly), qPrintable(made.fileName()));
            QVERIFY2(made.readAll() == m_files[size_t(n)],
                     qPrintable(fileName(n) + " differs from the generator's output; run the generator"));
            QFile resource(":/palette/" + fileName(n));
            QVERIFY2(resource.open(QIODevice::ReadOnly) && resource.readAll() == m_files[size_t(n)],
                     qPrintable(resource.fileName()));
        }
    }

    void qtReadsWhatTheFileSaysAndTheProgramDrawsIt()
    {
        for (int n = 0; n <= Shapes; ++n) {
            QImageReader reader(m_dir + '/' + fileName(n));
            const QImage image = reader.read();
            QVERIFY2(!image.isNull(), qPrintable(fileName(n) + ": " + reader.errorString()));
            QCOMPARE(image.size(), QSize(Side, Side));
            for (int y = 0; y < Side; ++y)
                for (int x = 0; x < Side; ++x) {
                    const int index = m_pixels[size_t(n)][size_t(y)][size_t(x)];
                    const QRgb seen = image.pixel(x, y);
                    QVERIFY2(index != kMaskedColour, qPrintable(fileName(n) + ": a transparent pixel is not colour 0"));
                    QVERIFY2(index < 0 ? qAlpha(seen) == 0 : seen == (0xff000000 | standardColours[size_t(index)]),
                             qPrintable(fileName(n)));
                }
            const QImage &drawn = n == 0 ? ShapeIcons::programIcon() : ShapeIcons::image(n);
            QVERIFY2(drawn == image.convertToFormat(QImage::Format_ARGB32_Premultiplied), qPrintable(fileName(n)));
        }
        QVERIFY(ShapeIcons::image(0).isNull() && ShapeIcons::image(241).isNull());
    }

    void picturesAreFullAndClearlyDifferent()
    {
        for (int n = 0; n <= Shapes; ++n) {
            int opaque = 0;
            for (const auto &row : m_pixels[size_t(n)])
                opaque += int(std::count_if(row.begin(), row.end(), [](int index) { return index >= 0; }));
            QVERIFY2(opaque >= 40, qPrintable(fileName(n) + " is nearly empty"));
        }
        // Any two shapes differ in at least 24 pixels, colour and transparency both counting.
        int closest = Side * Side, closestA = 0, closestB = 0;
        for (int a = 1; a <= Shapes; ++a)
            for (int b = a + 1; b <= Shapes; ++b) {
                int differing = 0;
                for (int y = 0; y < Side; ++y)
                    for (int x = 0; x < Side; ++x)
                        differing += m_pixels[size_t(a)][size_t(y)][size_t(x)] != m_pixels[size_t(b)][size_t(y)][size_t(x)];
                if (differing < closest) {
                    closest = differing;
                    closestA = a;
                    closestB = b;
                }
            }
        QVERIFY2(closest >= 24, qPrintable(QStringLiteral("shapes %1 and %2 differ in only %3 pixels")
                                               .arg(closestA).arg(closestB).arg(closest)));
    }

    void joiningPiecesMeetTheirProfile()
    {
        using Joints::Profile;
        QVERIFY(Joints::pieces.size() >= 40);
        for (const Joints::Piece &piece : Joints::pieces) {
            QVERIFY(piece.shape >= 1 && piece.shape <= Shapes);
            const Pixels &px = m_pixels[size_t(piece.shape)];
            // Each edge read top to bottom or left to right, as the profiles are written.
            const struct { const char *name; Profile profile; int x0, y0, dx, dy; } edges[] = {
                {"left", piece.left, 0, 0, 0, 1},
                {"top", piece.top, 0, 0, 1, 0},
                {"right", piece.right, Side - 1, 0, 0, 1},
                {"bottom", piece.bottom, 0, Side - 1, 1, 0},
            };
            for (const auto &edge : edges) {
                if (edge.profile == Profile::None)
                    continue;
                const std::string_view expected = Joints::edgePixels(edge.profile);
                for (int k = 0; k < Side; ++k) {
                    const int seen = px[size_t(edge.y0 + k * edge.dy)][size_t(edge.x0 + k * edge.dx)];
                    QVERIFY2(seen == Letters::indexOf(expected[size_t(k)]),
                             qPrintable(QStringLiteral("shape %1, %2 edge, pixel %3").arg(piece.shape).arg(edge.name).arg(k)));
                }
            }
        }
    }

private:
    QString m_dir;
    std::array<QByteArray, Shapes + 1> m_files; // [0] the program icon, [n] shape n
    std::array<Pixels, Shapes + 1> m_pixels;
};

QTEST_GUILESS_MAIN(TestIcons)
#include "test_icons.moc"
