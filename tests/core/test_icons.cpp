// The palette icons as the program carries them: the committed files are exactly what the
// generator draws, the program draws exactly what Qt reads from each, the pictures are clearly
// different from each other, and the pieces that join across boxes meet the box edges alike.

#include "shapeicons.h"

#include "joints.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <map>

namespace {

constexpr int Side = 32;
constexpr int Shapes = 240;

QString fileName(int n)
{
    return n == 0 ? QStringLiteral("brickloom.ico") : QStringLiteral("shape%1.ico").arg(n, 3, 10, QLatin1Char('0'));
}

QByteArray bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class TestIcons : public QObject {
    Q_OBJECT

    const QString dir = qEnvironmentVariable("BRICKLOOM_SOURCE_DIR") + "/assets/palette/";
    std::array<QImage, Shapes + 1> read; // [0] the program icon, [n] shape n, as Qt reads the files
    QRgb pixel(int n, int i) const { return reinterpret_cast<const QRgb *>(read[n].constBits())[i]; }

private slots:
    void initTestCase()
    {
        for (int n = 0; n <= Shapes; ++n) {
            read[n] = QImage(dir + fileName(n)).convertToFormat(QImage::Format_ARGB32_Premultiplied);
            QVERIFY2(read[n].size() == QSize(Side, Side), qPrintable(fileName(n)));
        }
    }

    void programDrawsWhatQtReadsFromEachFile()
    {
        for (int n = 0; n <= Shapes; ++n)
            QVERIFY2((n == 0 ? ShapeIcons::programIcon() : ShapeIcons::image(n)) == read[n], qPrintable(fileName(n)));
        QVERIFY(ShapeIcons::image(0).isNull() && ShapeIcons::image(Shapes + 1).isNull());
    }

    void generatorMakesTheCommittedFiles()
    {
        QTemporaryDir out;
        QProcess maker;
        maker.start(ICONMAKER, {"--out", out.path()});
        QVERIFY(maker.waitForFinished() && maker.exitStatus() == QProcess::NormalExit && maker.exitCode() == 0);
        for (int n = 0; n <= Shapes; ++n)
            QVERIFY2(bytes(out.filePath(fileName(n))) == bytes(dir + fileName(n)),
                     qPrintable(fileName(n) + " differs from the generator's output; run the generator"));
    }

    // Every picture has some body, and any two shapes differ in at least 24 pixels.
    void picturesAreFullAndClearlyDifferent()
    {
        for (int n = 0; n <= Shapes; ++n) {
            int opaque = 0;
            for (int i = 0; i < Side * Side; ++i)
                opaque += qAlpha(pixel(n, i)) != 0;
            QVERIFY2(opaque >= 40, qPrintable(fileName(n) + " is nearly empty"));
        }
        for (int a = 1; a <= Shapes; ++a)
            for (int b = a + 1; b <= Shapes; ++b) {
                int differing = 0;
                for (int i = 0; i < Side * Side; ++i)
                    differing += pixel(a, i) != pixel(b, i);
                if (differing < 24)
                    QFAIL(qPrintable(QStringLiteral("shapes %1 and %2 differ in only %3 pixels").arg(a).arg(b).arg(differing)));
            }
    }

    // Every edge of one joint profile shows the same pixels, transparent exactly where the profile is.
    void joiningPiecesMeetTheirProfile()
    {
        QVERIFY(Joints::pieces.size() >= 40);
        std::map<Joints::Profile, std::array<QRgb, Side>> first;
        for (const Joints::Piece &piece : Joints::pieces) {
            // Each edge read top to bottom or left to right, as the profiles are written.
            const struct { const char *name; Joints::Profile profile; int start, step; } edges[] = {
                {"left", piece.left, 0, Side}, {"top", piece.top, 0, 1},
                {"right", piece.right, Side - 1, Side}, {"bottom", piece.bottom, Side * (Side - 1), 1}};
            for (const auto &[name, profile, start, step] : edges) {
                if (profile == Joints::Profile::None)
                    continue;
                std::array<QRgb, Side> edge;
                for (int k = 0; k < Side; ++k) {
                    edge[k] = pixel(piece.shape, start + k * step);
                    QVERIFY2((qAlpha(edge[k]) == 0) == (Joints::edgePixels(profile)[k] == '.'),
                             qPrintable(QStringLiteral("shape %1, %2 edge, pixel %3").arg(piece.shape).arg(name).arg(k)));
                }
                QVERIFY2(first.try_emplace(profile, edge).first->second == edge,
                         qPrintable(QStringLiteral("shape %1, %2 edge").arg(piece.shape).arg(name)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestIcons)
#include "test_icons.moc"
