// brickloom-render as its users run it: its pictures against a golden picture of the example model
// (the same pixels as the real work area's screenshot in docs/), its exit codes, and files it must
// refuse or cannot write, each answered within seconds and without a picture left behind.

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGridGreen = 0xff008000;

struct Result { int status; QByteArray err; };    // status -1: no answer within 5 s, or a crash

// The renderer with `args`, after `setUp` in its shell (a ulimit, say).
Result render(const QStringList &args, const QString &setUp = QStringLiteral(":"))
{
    QProcess process;
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

// Whether the box under `p` holds a shape in the example model: its line is not "0,0,...".
bool inShapeBox(QPoint p)
{
    static const QList<QByteArray> lines = [] {
        QFile model(QStringLiteral(HOUSE_MODEL));
        return model.open(QIODevice::ReadOnly) ? model.readAll().split('\n') : QList<QByteArray>();
    }();
    const int column = (p.x() - 11) / 32, row = (p.y() - 5) / 32;
    return p.x() >= 11 && p.y() >= 5 && column < 19 && row < 13
        && !lines.value(row * 19 + column).startsWith("0,0,");
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
    const QString out = dir.filePath(QStringLiteral("out.png"));
    const QImage golden = picture(QStringLiteral(HOUSE_GOLDEN));

private slots:
    void init() { QFile::remove(out); }

    void picturesAgainstTheGolden()
    {
        QCOMPARE(golden.size(), QSize(634, 455));
        QCOMPARE(render({model, out}).status, 0);
        QVERIFY(picture(out) == golden);

        // On white, every shape and grid pixel stays; black turns white but where a shape is black.
        QCOMPARE(render({"--white", model, out}).status, 0);
        QByteArray error = mismatch(picture(out), golden, [](QPoint p, QRgb g, QRgb a) {
            return g != kBlack ? a == g : a == kWhite || (a == kBlack && inShapeBox(p));
        });
        QVERIFY2(error.isEmpty(), error);

        // Without the grid, its lines show the background; a shape's own dark green stays.
        QCOMPARE(render({model, out, "--no-grid"}).status, 0);
        error = mismatch(picture(out), golden, [](QPoint p, QRgb g, QRgb a) {
            return onGrid(p) && g == kGridGreen ? a == kBlack : a == g;
        });
        QVERIFY2(error.isEmpty(), error);

        QCOMPARE(render({model, out, "--size", "1000"}).status, 0);
        QCOMPARE(picture(out).size(), QSize(1000, 718));
    }

    void badArguments_data()
    {
        QTest::addColumn<QStringList>("args");
        const QStringList files{model, out};
        for (const QStringList &args : {QStringList{}, {model}, {model, out, out}, QStringList{"--grid"} + files, files + QStringList{"-s"}})
            QTest::newRow(qPrintable(args.join(' '))) << args;
        for (const char *size : {"0", "-3", "+5", "2.5", " 9", "big", "8193"})
            QTest::newRow(size) << QStringList{"-s", size} + files;
    }
    void badArguments()
    {
        QFETCH(QStringList, args);
        const Result result = render(args);
        QCOMPARE(result.status, 1);
        QVERIFY2(result.err.startsWith("usage: brickloom-render "), result.err);
        QVERIFY(!QFile::exists(out));
    }

    void refusedModels_data()
    {
        QTest::addColumn<QString>("kind");
        // A wrong format, and what could keep it waiting or reading; the rest is the model file's.
        for (const char *kind : {"text", "pipe", "link to /dev/zero", "2 GB sparse"})
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
        else if (kind == "link to /dev/zero")
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), input));
        else if (kind == "2 GB sparse")
            QVERIFY(file.open(QIODevice::WriteOnly) && file.resize(qint64(2) << 30));
        file.close();
        const Result result = render({input, out});
        QCOMPARE(result.status, 2);
        QCOMPARE(result.err, QByteArray("File not found or wrong format. Check Filename and/or Directory.\n"));
        QVERIFY(!QFile::exists(out));
    }

    void unwritablePictures()
    {
        QDir(dir.path()).mkpath(QStringLiteral("full/folder"));
        const QString full = dir.filePath(QStringLiteral("full")), folder = full + "/folder";
        // A full disk, as the renderer sees one: writes beyond 4 kB fail. SIGXFSZ is ignored so
        // that the failing write returns an error instead of ending the program.
        for (const auto &[target, setUp] : {std::pair{QStringLiteral("/dev/full"), QStringLiteral(":")},
                                            {folder, QStringLiteral(":")},
                                            {full + "/house.png", QStringLiteral("trap '' XFSZ; ulimit -f 8")}}) {
            const Result result = render({model, target}, setUp);
            QCOMPARE(result.status, 3);
            QVERIFY2(result.err.startsWith("brickloom-render: cannot write " + QFile::encodeName(target)), result.err);
        }
        // Nothing left behind: the output folder holds only the folder that was refused.
        QCOMPARE(QDir(full).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList{"folder"});
        QVERIFY(QDir(folder).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRenderer)
#include "test_renderer.moc"
