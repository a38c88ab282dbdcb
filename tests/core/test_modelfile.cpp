// Model files on disk: the writer's exact bytes, the reader on the corpus and at the length limit
// of a field, reads that fail part way, and a save that fails without touching the file already there.

#include "filenames.h"
#include "savefile.h"

#include "support/testfiles.h"

#include <QDir>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

using TestFiles::corpus;

namespace {

using Table = std::vector<MGLOBAL::CellRow>;

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

// Hands out its bytes a piece at a time, as a pipe does; then ends, or fails like a bad sector.
struct PiecewiseDevice : QBuffer {
    PiecewiseDevice(const QByteArray &bytes, qint64 piece, bool fails) : piece(piece), fails(fails)
    {
        setData(bytes);
        open(ReadOnly | Unbuffered);
    }
    qint64 readData(char *data, qint64 max) override
    {
        const qint64 n = QBuffer::readData(data, std::min(max, piece));
        return n > 0 || !fails ? n : -1;
    }
    const qint64 piece; const bool fails;
};

} // namespace

class TestModelFile : public QObject
{
    Q_OBJECT

private slots:
    void writesTheReferenceFile()
    {
        QCOMPARE(ModelFile::toBytes(referenceModel()), TestFiles::read(corpus("good/reference.Pic")));
    }

    // Every good file reads as the reference model, at the grid's size; every bad one is refused
    // and leaves the table all zero.
    void readsTheCorpus_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("good");
        for (const bool good : {true, false}) {
            const QFileInfoList files = QDir(corpus(good ? "good" : "bad")).entryInfoList({"*.Pic"}, QDir::Files);
            QVERIFY(files.size() >= (good ? 5 : 20));
            for (const QFileInfo &file : files)
                QTest::addRow("%s/%s", good ? "good" : "bad", qPrintable(file.fileName())) << file.filePath() << good;
        }
    }
    void readsTheCorpus()
    {
        QFETCH(QString, path);
        QFETCH(bool, good);
        MGLOBAL g = usedModel();
        QCOMPARE(ModelFile::openModel(path, g), good);
        Table want = good ? referenceModel().CellShape : Table{};
        want.resize(MGLOBAL::kCells);
        QCOMPARE(g.CellShape, want);
    }

    // 256 bytes is the most a field may take, wherever its blanks are.
    void longestField_data()
    {
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<bool>("taken");
        QTest::newRow("all digits") << QByteArray(255, '0') + '7' << true;
        QTest::newRow("blanks before") << QByteArray(255, ' ') + '7' << true;
        QTest::newRow("blanks after") << '7' + QByteArray(255, ' ') << true;
        QTest::newRow("one byte too long") << QByteArray(256, '0') + '7' << false;
    }
    void longestField()
    {
        QFETCH(QByteArray, field);
        QFETCH(bool, taken);
        MGLOBAL g = usedModel();
        QCOMPARE(TestFiles::readModel(field + TestFiles::model().mid(1), g), taken);
        QCOMPARE(g.CellShape[0][MGLOBAL::kFront], taken ? 7 : 0);
    }

    // The error comes inside the last number, where every field could still be made up from
    // what was read; a read error leaves no partial model.
    void aReadThatFailsPartWayIsRefused()
    {
        const QByteArray bytes = TestFiles::model({{0, "3,4,5"}, {246, "0,0,12"}});
        PiecewiseDevice device(bytes.left(bytes.size() - 3), 300, true);
        MGLOBAL g = usedModel();
        QVERIFY(!ModelFile::read(device, g));
        QCOMPARE(g.CellShape, Table(MGLOBAL::kCells));
    }

    // Any numbers come back as they were saved, in a file longer than one read block, or a byte at a time.
    void savedModelOpensAsItWas()
    {
        MGLOBAL g;
        g.CellShape.resize(MGLOBAL::kCells);
        QRandomGenerator random(1234);
        for (MGLOBAL::CellRow &row : g.CellShape)
            for (const int column : {MGLOBAL::kFront, MGLOBAL::kBack, MGLOBAL::kThird})
                row[column] = int16_t(random.bounded(-32768, 32768));
        QTemporaryDir dir;
        const QString path = dir.filePath("model.Pic");
        MGLOBAL read = usedModel();
        QVERIFY(ModelFile::saveModel(path, g) && ModelFile::openModel(path, read));
        QCOMPARE(read.CellShape, g.CellShape);
        PiecewiseDevice byteByByte(ModelFile::toBytes(g), 1, false);
        read = usedModel();
        QVERIFY(ModelFile::read(byteByByte, read));
        QCOMPARE(read.CellShape, g.CellShape);
    }

    // A name keeps its bytes: no UTF-8 first or alone, a look-alike second half, a UTF-8 surrogate;
    // the UTF-8 beside them shows as itself (here the first character of three bytes).
    void namesOfAnyBytes()
    {
        for (const char *name : {"\xe4.Pic", "h\xe4", "h\xc3\xa4us\xf0\x90\x82\x80", "\xed\xb3\xa4\xff"})
            QCOMPARE(FileNames::toLocal(FileNames::fromLocal(name)), QByteArray(name));
        QCOMPARE(FileNames::fromLocal("\xe0\xa0\x80\xff"), QString(QChar(0x0800)) + QChar(0xDCFF));
    }

    // Nothing was read, so nothing changed.
    void aMissingFileLeavesTheModel()
    {
        MGLOBAL g = usedModel();
        QVERIFY(!ModelFile::openModel(QTemporaryDir().filePath("missing.Pic"), g));
        QCOMPARE(g.CellShape, usedModel().CellShape);
    }

    // Without standard input, descriptor 0 is the first file opened: no temporary file is left, and
    // an empty file a thumbnailer made for the picture is filled in.
    void worksWithStandardInputClosed()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("saved.Pic"), picture = dir.filePath("picture.png");
        QVERIFY(TestFiles::write(picture, ""));
        const int input = dup(0);
        close(0);
        MGLOBAL g;
        const bool opened = ModelFile::openModel(corpus("good/reference.Pic"), g);
        const bool saved = ModelFile::saveModel(path, referenceModel());
        const bool filled = SaveFile::write(picture, "png", nullptr, {.fillInEmpty = true});
        dup2(input, 0);
        close(input);
        QVERIFY(opened && saved && filled);
        QCOMPARE(TestFiles::read(path), TestFiles::read(corpus("good/reference.Pic")));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList({"picture.png", "saved.Pic"}));
        QCOMPARE(TestFiles::read(picture), "png");
    }

    // Files may grow to 512 bytes only, so the save runs out of room as on a full disk: the old
    // file stays as it was and no temporary file is left beside it.
    void aSaveThatRunsOutOfRoomKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString old = dir.filePath("old.Pic");
        const QByteArray oldBytes = TestFiles::read(corpus("good/reference.Pic"));
        QVERIFY(TestFiles::write(old, oldBytes));
        rlimit previous{};
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit tight = previous;
        tight.rlim_cur = 512;
        std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &tight);
        QString why;
        const bool saved = ModelFile::saveModel(old, usedModel(), &why);
        setrlimit(RLIMIT_FSIZE, &previous);
        QVERIFY(!saved);
        QVERIFY2(why.contains("disk is full"), qPrintable(why)); // a short write sets no error of its own
        QCOMPARE(TestFiles::read(old), oldBytes);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"old.Pic"});
    }
};

QTEST_GUILESS_MAIN(TestModelFile)
#include "test_modelfile.moc"
