// brickloom-render as its users run it: its pictures against a golden picture of the example model
// (the same pixels as the real work area's screenshot in docs/), its exit codes, and files it must
// refuse or cannot write, each answered within seconds and without a picture left behind.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <sys/stat.h>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGridGreen = 0xff008000;
const QByteArray kRefusal = "File not found or wrong format. Check Filename and/or Directory.\n";

struct Result {
    int status;    // -1: no answer within 5 s, or a crash
    QByteArray err;
};

// The renderer with `args`; `setUp` runs in a shell first (ulimit and the like).
Result render(const QStringList &args, const QString &setUp = {})
{
    QProcess process;
    if (setUp.isEmpty())
        process.start(QStringLiteral(RENDERER), args);
    else
        process.start(QStringLiteral("sh"), QStringList{"-c", setUp + "; exec \"$0\" \"$@\"", RENDERER} + args);
    const bool answered = process.waitForFinished(5000);
    if (!answered) {
        process.kill();
        process.waitForFinished();
    }
    return {answered && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardError()};
}

QImage picture(const QString &path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

// The work area's grid: lines every 32 pixels from (11, 5), 20 down and 14 across.
bool onGrid(QPoint p)
{
    return p.x() >= 11 && p.x() <= 619 && p.y() >= 5 && p.y() <= 421
        && ((p.x() - 11) % 32 == 0 || (p.y() - 5) % 32 == 0);
}

// Whether the example model puts a shape into the box under `p`: its line for that box names
// one (0 and 1000 leave a layer empty).
bool inShapeBox(QPoint p)
{
    static const QList<QByteArray> lines = [] {
        QFile model(QStringLiteral(HOUSE_MODEL));
        return model.open(QIODevice::ReadOnly) ? model.readAll().split('\n') : QList<QByteArray>();
    }();
    const int column = (p.x() - 11) / 32, row = (p.y() - 5) / 32;
    if (p.x() < 11 || p.y() < 5 || column >= 19 || row >= 13)
        return false;
    const QList<QByteArray> fields = lines.value(row * 19 + column).trimmed().split(',');
    return std::any_of(fields.begin(), fields.begin() + std::min<qsizetype>(2, fields.size()),
                       [](const QByteArray &f) { return f.toInt() != 0 && f.toInt() != 1000; });
}

// The first pixel at which `expected(point, golden pixel, actual pixel)` fails, or nothing.
template <typename Rule>
QByteArray mismatch(const QImage &actual, const QImage &golden, Rule expected)
{
    if (actual.size() != golden.size())
        return "the picture is not the golden picture's size";
    for (int y = 0; y < golden.height(); ++y) {
        for (int x = 0; x < golden.width(); ++x) {
            if (!expected(QPoint(x, y), golden.pixel(x, y), actual.pixel(x, y)))
                return QStringLiteral("pixel %1,%2 is #%3, the golden one #%4").arg(x).arg(y)
                    .arg(actual.pixel(x, y), 0, 16).arg(golden.pixel(x, y), 0, 16).toUtf8();
        }
    }
    return {};
}

} // namespace

class TestRenderer : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    const QString model = QStringLiteral(HOUSE_MODEL);
    const QImage golden = picture(QStringLiteral(HOUSE_GOLDEN));

    QString out() const { return dir.filePath(QStringLiteral("out.png")); }
    // A folder of its own for each output that must not be written, to see that it stays empty.
    QString emptyFolder(const QString &name) const
    {
        QDir(dir.path()).mkpath(name);
        return dir.filePath(name);
    }
    static bool isEmpty(const QString &folder)
    {
        return QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void init() { QFile::remove(out()); }

    void picturesAgainstTheGolden()
    {
        QCOMPARE(golden.size(), QSize(634, 455));
        QCOMPARE(render({model, out()}).status, 0);
        QVERIFY(picture(out()) == golden);

        // On white, every shape and grid pixel stays; black turns white except where a shape
        // itself is black.
        QCOMPARE(render({"--white", model, out()}).status, 0);
        QByteArray error = mismatch(picture(out()), golden, [](QPoint p, QRgb g, QRgb a) {
            return g != kBlack ? a == g : a == kWhite || (a == kBlack && inShapeBox(p));
        });
        QVERIFY2(error.isEmpty(), error);

        // Without the grid, its lines show the background; a shape's own dark green stays.
        QCOMPARE(render({model, out(), "--no-grid"}).status, 0);
        error = mismatch(picture(out()), golden, [](QPoint p, QRgb g, QRgb a) {
            return onGrid(p) && g == kGridGreen ? a == kBlack : a == g;
        });
        QVERIFY2(error.isEmpty(), error);
    }

    void scaledKeepingTheProportions()
    {
        QCOMPARE(render({"-s", "256", model, out()}).status, 0);
        QCOMPARE(picture(out()).size(), QSize(256, 184));
        QCOMPARE(render({model, out(), "--size", "1000", "--white"}).status, 0);
        QCOMPARE(picture(out()).size(), QSize(1000, 718));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("one file") << QStringList{model};
        QTest::newRow("three files") << QStringList{model, out(), out()};
        QTest::newRow("unknown option") << QStringList{"--grid", model, out()};
        QTest::newRow("size missing") << QStringList{model, out(), "-s"};
        for (const char *size : {"0", "-3", "+5", "2.5", " 9", "big", "8193"})
            QTest::newRow(size) << QStringList{"-s", size, model, out()};
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Result result = render(args);
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.startsWith("usage: brickloom-render "), result.err);
        QVERIFY(!QFile::exists(out()));
    }

    void refusedModels_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char *kind : {"text", "pipe", "folder", "link to /dev/zero", "2 GB sparse", "missing"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void refusedModels()
    {
        QFETCH(QString, kind);
        const QTemporaryDir here;
        const QString input = here.filePath(QStringLiteral("x.Pic"));
        QFile file(input);
        if (kind == "text")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write("0,0,0\r\nhello\r\n") > 0);
        else if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(input).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkdir(input));
        else if (kind == "link to /dev/zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), input));
        else if (kind == "2 GB sparse")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(2) << 30));
        file.close();

        const Result result = render({input, out()});
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err, kRefusal);
        QVERIFY(!QFile::exists(out()));
    }

    void unwritablePictures()
    {
        const QString full = emptyFolder(QStringLiteral("full"));
        const QString folder = emptyFolder(QStringLiteral("folder"));
        // A full disk, as the renderer sees one: writes beyond 4 kB fail. SIGXFSZ is ignored so
        // that the failing write returns an error instead of ending the program.
        for (const auto &[target, setUp] : {std::pair{QStringLiteral("/dev/full"), QString()},
                                            {folder, QString()},
                                            {full + "/house.png", QStringLiteral("trap '' XFSZ; ulimit -f 8")}}) {
            const Result result = render({model, target}, setUp);
            QCOMPARE(result.status, 3);
            QVERIFY2(result.err.startsWith("brickloom-render: cannot write " + QFile::encodeName(target)), result.err);
        }
        QVERIFY(isEmpty(folder));
        QVERIFY(isEmpty(full));
    }
};

QTEST_GUILESS_MAIN(TestRenderer)
#include "test_renderer.moc"
