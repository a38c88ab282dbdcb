// The palette icons as the program carries them: the committed files are exactly what the
// generator draws, each is a well-formed 16-colour icon that Qt reads, the pictures are clearly
// different from each other, and the pieces that join across boxes meet the box edges with the
// shared joint profile.

#include "joints.h"
#include "letters.h"
#include "palette/shapeicons.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <array>

namespace {

constexpr int Side = 32;
constexpr int Shapes = 240;

// The standard sixteen colours in colour-table order.
constexpr std::array<QRgb, 16> standardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xc0c0c0,
    0x808080, 0xff0000, 0x00ff00, 0xffff00, 0x0000ff, 0xff00ff, 0x00ffff, 0xffffff,
};

// A picture as colour-table indexes, -1 where the mask makes it transparent.
using Pixels = std::array<std::array<int, Side>, Side>;

QString fileName(int n)
{
    return n == 0 ? QStringLiteral("brickloom.ico")
                  : QStringLiteral("shape%1.ico").arg(n, 3, 10, QLatin1Char('0'));
}

quint16 u16(const QByteArray &b, int at) { return qFromLittleEndian<quint16>(b.constData() + at); }
quint32 u32(const QByteArray &b, int at) { return qFromLittleEndian<quint32>(b.constData() + at); }

// Decodes the bitmap by hand, independently of Qt's reader. Rows are stored bottom-up.
Pixels decode(const QByteArray &ico)
{
    constexpr int colourBits = 6 + 16 + 40 + 64;
    constexpr int maskBits = colourBits + 512;
    Pixels px{};
    for (int y = 0; y < Side; ++y)
        for (int x = 0; x < Side; ++x) {
            const int row = Side - 1 - y;
            const auto colourByte = quint8(ico[colourBits + row * 16 + x / 2]);
            const auto maskByte = quint8(ico[maskBits + row * 4 + x / 8]);
            const bool transparent = maskByte & (0x80 >> (x % 8));
            px[y][x] = transparent ? -1 : (x % 2 ? colourByte & 0x0f : colourByte >> 4);
        }
    return px;
}

} // namespace

class TestIcons : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void generatorReproducesCommittedFiles();
    void resourcesHoldTheCommittedFiles();
    void everyFileIsAFourBitIcon();
    void qtReadsWhatTheFileSays();
    void theProgramDrawsWhatQtReads();
    void picturesAreFullAndClearlyDifferent();
    void joiningPiecesMeetTheirProfile();

private:
    QString m_dir;
    std::array<QByteArray, Shapes + 1> m_files; // [0] the program icon, [n] shape n
    std::array<Pixels, Shapes + 1> m_pixels;
};

void TestIcons::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("BRICKLOOM_SOURCE_DIR"),
             "BRICKLOOM_SOURCE_DIR must name the source tree");
    m_dir = qEnvironmentVariable("BRICKLOOM_SOURCE_DIR") + "/assets/palette";
    for (int n = 0; n <= Shapes; ++n) {
        QFile file(m_dir + '/' + fileName(n));
        QVERIFY2(file.open(QIODevice::ReadOnly), qPrintable(file.fileName()));
        m_files[size_t(n)] = file.readAll();
        QCOMPARE(m_files[size_t(n)].size(), 766);
        m_pixels[size_t(n)] = decode(m_files[size_t(n)]);
    }
}

void TestIcons::generatorReproducesCommittedFiles()
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
    }
}

void TestIcons::resourcesHoldTheCommittedFiles()
{
    for (int n = 0; n <= Shapes; ++n) {
        QFile resource(":/palette/" + fileName(n));
        QVERIFY2(resource.open(QIODevice::ReadOnly), qPrintable(resource.fileName()));
        QVERIFY2(resource.readAll() == m_files[size_t(n)], qPrintable(resource.fileName()));
    }
}

void TestIcons::everyFileIsAFourBitIcon()
{
    for (int n = 0; n <= Shapes; ++n) {
        const QByteArray &f = m_files[size_t(n)];
        const QByteArray name = fileName(n).toLatin1();
        // Directory: an icon file with one 32 x 32, 16-colour image of 744 bytes at offset 22.
        QVERIFY2(u16(f, 0) == 0 && u16(f, 2) == 1 && u16(f, 4) == 1, name);
        QVERIFY2(quint8(f[6]) == 32 && quint8(f[7]) == 32 && quint8(f[8]) == 16 && f[9] == 0, name);
        QVERIFY2(u16(f, 10) == 1 && u16(f, 12) == 4 && u32(f, 14) == 744 && u32(f, 18) == 22, name);
        // Bitmap header: 32 wide, 64 high (colours and mask), 4 bits, uncompressed.
        QVERIFY2(u32(f, 22) == 40 && u32(f, 26) == 32 && u32(f, 30) == 64, name);
        QVERIFY2(u16(f, 34) == 1 && u16(f, 36) == 4 && u32(f, 38) == 0, name);
        for (int c = 0; c < 16; ++c) {
            const int at = 62 + 4 * c; // blue, green, red, reserved
            const QRgb rgb = standardColours[size_t(c)];
            QVERIFY2(quint8(f[at]) == qBlue(rgb) && quint8(f[at + 1]) == qGreen(rgb)
                         && quint8(f[at + 2]) == qRed(rgb) && f[at + 3] == 0,
                     name + " colour " + QByteArray::number(c));
        }
        // A transparent pixel must be colour 0, or the screen shows through changed.
        constexpr int colourBits = 126, maskBits = 126 + 512;
        for (int i = 0; i < 32 * 32; ++i) {
            const bool masked = quint8(f[maskBits + i / 8]) & (0x80 >> (i % 8));
            const int index = (quint8(f[colourBits + i / 2]) >> (i % 2 ? 0 : 4)) & 0x0f;
            QVERIFY2(!masked || index == 0, name + " pixel " + QByteArray::number(i));
        }
    }
}

void TestIcons::qtReadsWhatTheFileSays()
{
    for (int n = 0; n <= Shapes; ++n) {
        QImageReader reader(m_dir + '/' + fileName(n));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(fileName(n) + ": " + reader.errorString()));
        QCOMPARE(image.size(), QSize(Side, Side));
        QVERIFY(image.hasAlphaChannel());
        for (int y = 0; y < Side; ++y)
            for (int x = 0; x < Side; ++x) {
                const int index = m_pixels[size_t(n)][size_t(y)][size_t(x)];
                const QRgb seen = image.pixel(x, y);
                if (index < 0)
                    QVERIFY2(qAlpha(seen) == 0, qPrintable(fileName(n)));
                else
                    QVERIFY2(seen == (0xff000000 | standardColours[size_t(index)]),
                             qPrintable(fileName(n)));
            }
    }
}

void TestIcons::theProgramDrawsWhatQtReads()
{
    // The icon atlas the program draws from holds exactly what Qt's reader makes of each file.
    for (int n = 0; n <= Shapes; ++n) {
        const QImage read = QImage(":/palette/" + fileName(n)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage &drawn = n == 0 ? ShapeIcons::programIcon() : ShapeIcons::image(n);
        QVERIFY2(drawn == read, qPrintable(fileName(n)));
    }
    QVERIFY(ShapeIcons::image(0).isNull() && ShapeIcons::image(241).isNull());
}

void TestIcons::picturesAreFullAndClearlyDifferent()
{
    for (int n = 0; n <= Shapes; ++n) {
        int opaque = 0;
        for (const auto &row : m_pixels[size_t(n)])
            for (int index : row)
                opaque += index >= 0;
        QVERIFY2(opaque >= 40, qPrintable(fileName(n) + " is nearly empty"));
    }
    // Any two shapes differ in at least 24 pixels, colour and transparency both counting.
    int closest = Side * Side, closestA = 0, closestB = 0;
    for (int a = 1; a <= Shapes; ++a)
        for (int b = a + 1; b <= Shapes; ++b) {
            int differing = 0;
            for (int y = 0; y < Side; ++y)
                for (int x = 0; x < Side; ++x)
                    differing += m_pixels[size_t(a)][size_t(y)][size_t(x)]
                        != m_pixels[size_t(b)][size_t(y)][size_t(x)];
            if (differing < closest) {
                closest = differing;
                closestA = a;
                closestB = b;
            }
        }
    QVERIFY2(closest >= 24, qPrintable(QStringLiteral("shapes %1 and %2 differ in only %3 pixels")
                                           .arg(closestA).arg(closestB).arg(closest)));
}

void TestIcons::joiningPiecesMeetTheirProfile()
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
                         qPrintable(QStringLiteral("shape %1, %2 edge, pixel %3")
                                        .arg(piece.shape).arg(edge.name).arg(k)));
            }
        }
    }
}

QTEST_GUILESS_MAIN(TestIcons)
#include "test_icons.moc"
