// brickloom-render as its users run it: pictures against a golden one with the pixels of the work
// area's screenshot in docs/, exit codes, and files refused or unwritable, leaving no picture behind.

#include "support/testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <filesystem>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

constexpr QRgb kBlack = 0xff000000;
constexpr QRgb kWhite = 0xffffffff;
constexpr QRgb kGridGreen = 0xff008000;

struct Result { int status; QByteArray err, out; }; // status -1: no answer within 5 s, or a crash

// The renderer with `args`, after `setUp` in its shell (a ulimit, say).
Result render(const QStringList &args, const QString &setUp = QStringLiteral(":"))
{
    QProcess process;
    process.start(QStringLiteral("sh"), QStringList{"-c", setUp + "; exec \"$0\" \"$@\"", RENDERER} + args);
    if (process.waitForFinished(5000))
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError(),
                process.readAllStandardOutput()};
    process.kill();
    process.waitForFinished();
    return {-1, {}, {}};
}

QImage picture(const QString &path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

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

    // The example model as the work area shows it, on white, where black turns white but for the
    // shapes' own black, and without the grid, whose lines show the background.
    void picturesAgainstTheGolden_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QRgb>("from"); // the one golden colour that may change, and only to `to`
        QTest::addColumn<QRgb>("to");
        QTest::newRow("as shown") << QStringList{} << kBlack << kBlack;
        QTest::newRow("on white") << QStringList{"--white"} << kBlack << kWhite;
        QTest::newRow("no grid") << QStringList{"--no-grid"} << kGridGreen << kBlack;
    }
    void picturesAgainstTheGolden()
    {
        QFETCH(QStringList, options);
        QFETCH(QRgb, from);
        QFETCH(QRgb, to);
        QCOMPARE(render(options + QStringList{model, out}).status, 0);
        const QImage actual = picture(out);
        QCOMPARE(actual.size(), QSize(634, 455));
        for (int y = 0; y < golden.height(); ++y)
            for (int x = 0; x < golden.width(); ++x)
                if (const QRgb g = golden.pixel(x, y), a = actual.pixel(x, y); a != g && (g != from || a != to))
                    QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is #%3, the golden one #%4").arg(x).arg(y).arg(a, 0, 16).arg(g, 0, 16)));
        QVERIFY2((actual != golden) == (from != to), "the option changed nothing");
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

    // Options end at "--"; help and version go to standard output. Names pass as bytes, UTF-8 or not.
    void commandLine_data()
    {
        QTest::addColumn<QString>("setUp"); // run in an empty folder of its own
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QByteArray>("output");  // what standard output starts with
        QTest::addColumn<QByteArrayList>("files"); // in the folder afterwards
        const QString copy = "cp '" + model + "' ";
        QTest::newRow("--") << copy + "./-x.Pic" << QStringList{"--white", "--", "-x.Pic", "-o.png"} << QByteArray()
                            << QByteArrayList{"-o.png", "-x.Pic"};
        QTest::newRow("--help") << ":" << QStringList{"--help"} << QByteArray("Usage: ") << QByteArrayList{};
        QTest::newRow("--version") << ":" << QStringList{"--version"} << QByteArray("brickloom-render 1.0.0\n") << QByteArrayList{};
        QTest::newRow("not UTF-8") << copy + "\"$(printf 'in\\377.Pic')\"; set -- \"$(printf 'in\\377.Pic')\" \"$(printf 'out\\377.png')\""
                                   << QStringList{} << QByteArray() << QByteArrayList{"in\xff.Pic", "out\xff.png"};
    }
    void commandLine()
    {
        QFETCH(QString, setUp);
        QFETCH(QStringList, args);
        QFETCH(QByteArray, output);
        QFETCH(QByteArrayList, files);
        QTemporaryDir here;
        const Result result = render(args, "cd '" + here.path() + "' && " + setUp);
        // By the bytes of their names: Qt's own listing leaves out names that are no UTF-8.
        QByteArrayList written;
        for (const auto &entry : std::filesystem::directory_iterator(QFile::encodeName(here.path()).toStdString()))
            written << QByteArray::fromStdString(entry.path().filename().string());
        std::filesystem::remove_all(QFile::encodeName(here.path()).toStdString());
        std::sort(written.begin(), written.end());
        QVERIFY2(result.status == 0, result.err);
        QVERIFY2(result.out.startsWith(output), result.out);
        QCOMPARE(written, files);
    }

    // A file manager's thumbnail service makes the output file and reads the picture through its
    // own handle: the picture, the golden one scaled smoothly, must go into that very file.
    void writesIntoTheFileItsCallerMade()
    {
        QFile made(out);
        QVERIFY(made.open(QIODevice::ReadWrite));
        QCOMPARE(render({"-s", "128", model, out}).status, 0);
        QCOMPARE(QImage::fromData(made.readAll()).convertToFormat(QImage::Format_RGB32),
                 golden.scaled(128, 92, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }

    // A model the program would show no pictures for (shape 241), and what could keep the renderer
    // waiting or reading; the rest is the model file's. The program's message, then why.
    void refusedModels()
    {
        QStringList inputs{TestFiles::corpus(QStringLiteral("good/reference.Pic"))};
        for (const QString &kind : TestFiles::notModels())
            QVERIFY(TestFiles::makeNotModel(kind, inputs.emplace_back(dir.filePath(QString::number(inputs.size()) + ".Pic"))));
        QElapsedTimer clock;
        clock.start();
        for (const QString &input : inputs) {
            const Result result = render({input, out});
            const QRegularExpression why("^File not found or wrong format. Check Filename and/or Directory.\n"
                                         "brickloom-render: cannot open " + QRegularExpression::escape(input)
                                         + ": (cell \\d+ holds 241, which names no shape|not a (regular|model) file)\n$");
            QVERIFY2(result.status == 2 && why.match(QString::fromLocal8Bit(result.err)).hasMatch(),
                     qPrintable(input + ": " + result.err));
            QVERIFY(!QFile::exists(out));
        }
        QCOMPARE_LT(clock.elapsed(), 1000 * inputs.size()); // at once, not after reading or waiting
    }

    void unwritablePictures()
    {
        QDir(dir.path()).mkpath(QStringLiteral("full/folder"));
        const QString full = dir.filePath(QStringLiteral("full")), folder = full + "/folder";
        // A full device (our own node where we may make one: a faulty renderer run as root would replace
        // the system's), and a full disk: writes beyond 4 kB fail, with SIGXFSZ ignored.
        const QString device = dir.filePath("full-device");
        const bool own = ::mknod(QFile::encodeName(device).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
        for (const auto &[target, setUp] : {std::pair{own ? device : QStringLiteral("/dev/full"), QStringLiteral(":")},
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
