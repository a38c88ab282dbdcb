// Model files on disk: the writer's exact bytes, the reader on the corpus and on every form of a
// field, reads that fail part way, and saves that fail without touching the file already there.

#include "support/testfiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using TestFiles::corpus;

namespace {

constexpr int kRefused = 99999;

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

// Hands out its bytes a few hundred at a time, then fails as a disk with a bad sector does.
struct BrokenDevice : QBuffer {
    explicit BrokenDevice(const QByteArray &bytes)
    {
        setData(bytes);
        open(ReadOnly | Unbuffered);
    }
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = QBuffer::readData(data, std::min<qint64>(max, 300));
        return n > 0 ? n : -1;
    }
};

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
        QCOMPARE(ModelFile::toBytes(empty), TestFiles::model());
        QCOMPARE(ModelFile::toBytes(referenceModel()), TestFiles::read(corpus("good/reference.Pic")));
    }

    void readsGoodCorpus_data() { addCorpusRows("good", 5); }
    void readsGoodCorpus()
    {
        QFETCH(QString, path);
        MGLOBAL g = usedModel();
        QVERIFY(ModelFile::openModel(path, g));
        MGLOBAL want = referenceModel();
        want.CellShape.resize(MGLOBAL::kCells); // the whole table is re-created at the grid's size
        QCOMPARE(g.CellShape, want.CellShape);
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
        const struct { const char *tag; QByteArray field; int value; } cases[] = {
            {"largest", "32767", 32767}, {"smallest", "-32768", -32768}, {"one above", "32768", kRefused},
            {"one below", "-32769", kRefused}, {"no-picture mark", "1000", 1000}, {"no such shape", "241", 241},
            {"negative", "-5", -5}, {"leading zeros", "007", 7}, {"minus zero", "-0", 0},
            {"blanks around", " \t5 \t", 5}, {"blank lines before", "\r\n  \n\r5", 5}, {"fraction", "1.5", kRefused},
            {"quoted", "\"12\"", kRefused}, {"plus", "+5", kRefused}, {"empty", "", kRefused},
            {"blank inside", "5 5", kRefused},
            // 256 bytes is the most a field may take, wherever its blanks are.
            {"longest, all digits", QByteArray(255, '0') + '7', 7},
            {"longest, blanks before", QByteArray(255, ' ') + '7', 7},
            {"longest, blanks after", '7' + QByteArray(255, ' '), 7},
            {"one byte too long", QByteArray(256, '0') + '7', kRefused}};
        for (const auto &[tag, field, value] : cases)
            QTest::newRow(tag) << field << value;
    }
    void fieldForms()
    {
        QFETCH(QByteArray, field);
        QFETCH(int, value);
        MGLOBAL g = usedModel();
        QCOMPARE(TestFiles::readModel(field + TestFiles::model().mid(1), g), value != kRefused);
        QCOMPARE(g.CellShape[0][MGLOBAL::kFront], value != kRefused ? value : 0);
    }

    // However much was read before, a read error leaves nothing behind: no partial model.
    void aReadThatFailsPartWayIsRefused_data()
    {
        QTest::addColumn<int>("cut");
        const qsizetype size = TestFiles::model({{246, "0,0,12"}}).size();
        QTest::newRow("in the middle") << int(size / 2);
        QTest::newRow("inside the last number") << int(size - 3);
    }
    void aReadThatFailsPartWayIsRefused()
    {
        QFETCH(int, cut);
        BrokenDevice device(TestFiles::model({{0, "3,4,5"}, {246, "0,0,12"}}).left(cut));
        MGLOBAL g = usedModel();
        QVERIFY(!ModelFile::read(device, g));
        QVERIFY(isEmptyTable(g));
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
        QCOMPARE(TestFiles::read(first), ModelFile::toBytes(g));

        MGLOBAL read = usedModel();
        QVERIFY(ModelFile::openModel(first, read));
        for (int cell = 0; cell < MGLOBAL::kCells; ++cell)
            QCOMPARE(read.CellShape[cell], (MGLOBAL::CellRow{0, g.CellShape[cell][1], g.CellShape[cell][2], g.CellShape[cell][3]}));
        QVERIFY(ModelFile::saveModel(second, read));
        QCOMPARE(TestFiles::read(second), TestFiles::read(first));
    }

    void openFailures()
    {
        QTemporaryDir dir;
        MGLOBAL g = usedModel();
        QVERIFY(!ModelFile::openModel(dir.filePath("missing.Pic"), g));
        QCOMPARE(g.CellShape, usedModel().CellShape); // nothing was read, so nothing changed
        QVERIFY(!ModelFile::openModel(dir.path(), g));
        QVERIFY(!QFile::exists("/dev/zero") || !ModelFile::openModel("/dev/zero", g));
    }

    // Started with its standard input closed, the program gets descriptor 0 for the first file.
    void opensWithStandardInputClosed()
    {
        const int input = dup(0);
        close(0);
        MGLOBAL g;
        const bool opened = ModelFile::openModel(corpus("good/reference.Pic"), g);
        dup2(input, 0);
        close(input);
        QVERIFY(opened);
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
        const QByteArray oldBytes = TestFiles::read(corpus("good/reference.Pic"));
        QVERIFY(QDir().mkpath(folder) && TestFiles::write(old, oldBytes));
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
        QCOMPARE(TestFiles::read(old), oldBytes);
        QCOMPARE(listing(), before);
    }
};

QTEST_GUILESS_MAIN(TestModelFile)
#include "test_modelfile.moc"
