// Model files on disk: the writer's exact bytes, the reader on a corpus of good and bad files, and
// saves that fail without touching the file already there.

#include "files/modelfile.h"

#include <QBuffer>
#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kRefused = 99999;

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString corpus(const char *name) { return QFINDTESTDATA(name); }

// The model that every file under good/ spells; good/reference.Pic is the writer's spelling.
MGLOBAL referenceModel()
{
    MGLOBAL g;
    g.createWorkArea();
    g.CellShape[0] = {0, 12, 45, 0};
    g.CellShape[2] = {0, 0, 3, 0};
    g.CellShape[100] = {0, 1000, 241, -5};
    g.CellShape[200] = {0, 0, 0, 7};
    g.CellShape[245] = {0, 32767, -32768, 0};
    g.CellShape[246] = {0, 240, 1, 99};
    return g;
}

// A table left by a work area in use, so that a read must really re-create it.
MGLOBAL usedModel()
{
    MGLOBAL g = referenceModel();
    g.CellShape[5] = {9, 9, 9, 9, 9, 9, 9};
    g.CellShape[300][4] = 9;
    return g;
}

bool sameColumns(const MGLOBAL &a, const MGLOBAL &b)
{
    return std::equal(a.CellShape.begin(), a.CellShape.begin() + MGLOBAL::kCells, b.CellShape.begin(),
                      [](const MGLOBAL::CellRow &x, const MGLOBAL::CellRow &y) {
                          return std::equal(x.begin() + 1, x.begin() + 4, y.begin() + 1);
                      });
}

bool isEmptyTable(const MGLOBAL &g)
{
    return g.CellShape.size() == size_t(MGLOBAL::kCells)
        && std::all_of(g.CellShape.begin(), g.CellShape.end(), [](auto &row) { return row == MGLOBAL::CellRow{}; });
}

void addCorpusRows(const char *folder, int atLeast)
{
    QTest::addColumn<QString>("path");
    const QFileInfoList files = QDir(corpus(folder)).entryInfoList({"*.Pic"}, QDir::Files);
    QVERIFY(files.size() >= atLeast);
    for (const QFileInfo &file : files)
        QTest::newRow(qPrintable(file.fileName())) << file.filePath();
}

enum Failure { TargetIsDirectory, UnderRegularFile, ReadOnlyDirectory, FileSizeLimit, PipeTarget };

} // namespace

class TestModelFile : public QObject
{
    Q_OBJECT

private slots:
    void writesExactLines()
    {
        MGLOBAL empty;
        empty.createWorkArea();
        QCOMPARE(ModelFile::toBytes(empty), QByteArray("0,0,0\r\n").repeated(247));
        const QByteArray bytes = ModelFile::toBytes(referenceModel());
        QVERIFY(bytes.startsWith("12,45,0\r\n0,0,0\r\n0,3,0\r\n0,0,0\r\n"));
        QVERIFY(bytes.endsWith("0,0,0\r\n32767,-32768,0\r\n240,1,99\r\n"));
        QCOMPARE(bytes, fileBytes(corpus("good/reference.Pic")));
    }

    void readsGoodCorpus_data() { addCorpusRows("good", 5); }
    void readsGoodCorpus()
    {
        QFETCH(QString, path);
        MGLOBAL g = usedModel();
        QVERIFY(ModelFile::openModel(path, g));
        QCOMPARE(g.CellShape.size(), size_t(MGLOBAL::kCells));
        QVERIFY(sameColumns(g, referenceModel()));
        QCOMPARE(ModelFile::toBytes(g), fileBytes(corpus("good/reference.Pic")));
    }

    void refusesBadCorpus_data() { addCorpusRows("bad", 20); }
    void refusesBadCorpus()
    {
        QFETCH(QString, path);
        MGLOBAL g = usedModel();
        QVERIFY(!ModelFile::openModel(path, g));
        QVERIFY(isEmptyTable(g));
    }

    // The first field of an otherwise empty model, in the forms the reader takes or refuses.
    void fieldForms_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<int>("value");
        const std::tuple<const char *, const char *, int> cases[] = {
            {"largest", "32767", 32767}, {"smallest", "-32768", -32768}, {"one above", "32768", kRefused},
            {"one below", "-32769", kRefused}, {"no-picture mark", "1000", 1000}, {"no such shape", "241", 241},
            {"negative", "-5", -5}, {"leading zeros", "007", 7}, {"minus zero", "-0", 0},
            {"blanks around", " \t5 \t", 5}, {"blank lines before", "\r\n  \n\r5", 5}, {"fraction", "1.5", kRefused},
            {"quoted", "\"12\"", kRefused}, {"plus", "+5", kRefused}, {"empty", "", kRefused},
            {"blank inside", "5 5", kRefused}};
        for (const auto &[tag, field, value] : cases)
            QTest::newRow(tag) << QByteArray(field) << value;
    }

    void fieldForms()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        QByteArray bytes = field + ",0,0\r\n" + QByteArray("0,0,0\r\n").repeated(246);
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        MGLOBAL g = usedModel();
        QCOMPARE(ModelFile::read(buffer, g), value != kRefused);
        QCOMPARE(g.CellShape[0][MGLOBAL::kFront], value != kRefused ? value : 0);
    }

    void roundTripIsExact()
    {
        MGLOBAL g;
        g.createWorkArea();
        QRandomGenerator random(1234);
        for (MGLOBAL::CellRow &row : g.CellShape)
            for (int16_t &n : row)
                n = int16_t(random.bounded(-32768, 32768));
        QTemporaryDir dir;
        const QString first = dir.filePath("first.Pic"), second = dir.filePath("second.Pic");
        QVERIFY(ModelFile::saveModel(first, g));
        QCOMPARE(fileBytes(first), ModelFile::toBytes(g));

        MGLOBAL read = usedModel();
        QVERIFY(ModelFile::openModel(first, read));
        QVERIFY(sameColumns(read, g));
        for (const MGLOBAL::CellRow &row : read.CellShape)
            QVERIFY(row[0] == 0 && row[4] == 0 && row[5] == 0 && row[6] == 0);
        QVERIFY(ModelFile::saveModel(second, read));
        QCOMPARE(fileBytes(second), fileBytes(first));
    }

    void openFailures()
    {
        QTemporaryDir dir;
        MGLOBAL g = usedModel();
        QVERIFY(!ModelFile::openModel(dir.filePath("missing.Pic"), g));
        QVERIFY(sameColumns(g, usedModel()));       // nothing was read, so nothing changed
        QVERIFY(!ModelFile::openModel(dir.path(), g));
        QVERIFY(!QFile::exists("/dev/zero") || !ModelFile::openModel("/dev/zero", g));
    }

    // The writing step alone, on a device that is always full. (Never a QSaveFile on /dev/full:
    // it would put its temporary file into /dev and rename it over the device.)
    void writeToFullDevice()
    {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            QSKIP("no /dev/full here");
        QVERIFY(!ModelFile::write(full, referenceModel()));
    }

    void failedSaveKeepsOldFile_data()
    {
        QTest::addColumn<int>("failure");
        QTest::newRow("target is a directory") << int(TargetIsDirectory);
        QTest::newRow("path under a regular file") << int(UnderRegularFile);
        QTest::newRow("read-only directory") << int(ReadOnlyDirectory);
        QTest::newRow("file system full") << int(FileSizeLimit);
        QTest::newRow("target is a pipe") << int(PipeTarget);
    }

    void failedSaveKeepsOldFile()
    {
        QFETCH(int, failure);
        QTemporaryDir dir;
        const QString folder = dir.filePath("models"), old = folder + "/old.Pic";
        const QByteArray oldBytes = fileBytes(corpus("good/reference.Pic"));
        QVERIFY(QDir().mkpath(folder) && QFile::copy(corpus("good/reference.Pic"), old));
        QString target = old;
        if (failure == TargetIsDirectory)
            QVERIFY(QDir().mkpath(target = folder + "/sub.Pic"));
        if (failure == UnderRegularFile)
            target = old + "/model.Pic";
        if (failure == ReadOnlyDirectory && geteuid() == 0)
            QSKIP("root writes into read-only directories; 'path under a regular file' covers an unwritable place");
        if (failure == ReadOnlyDirectory)
            QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        if (failure == PipeTarget)
            QCOMPARE(mkfifo(QFile::encodeName(target = folder + "/pipe.Pic").constData(), 0600), 0);
        // Files may grow to 512 bytes only, so the save runs out of room as on a full disk.
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit tight = previous;
        tight.rlim_cur = failure == FileSizeLimit ? 512 : previous.rlim_cur;
        std::signal(SIGXFSZ, SIG_IGN);
        // Temporary files would land beside the target, in `folder`.
        const auto listing = [&] { return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot); };
        const QStringList before = listing();
        MGLOBAL g;
        g.createWorkArea();
        g.CellShape[7][MGLOBAL::kBack] = 1;
        setrlimit(RLIMIT_FSIZE, &tight);
        const bool saved = ModelFile::saveModel(target, g);
        setrlimit(RLIMIT_FSIZE, &previous);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!saved);
        QCOMPARE(fileBytes(old), oldBytes);
        QCOMPARE(listing(), before);
    }
};

QTEST_GUILESS_MAIN(TestModelFile)
#include "test_modelfile.moc"
