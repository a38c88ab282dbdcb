// The settings file on disk, field by field, where it is kept, and the depth box's number rules.

#include "numbertext.h"
#include "personalfile.h"

#include "support/testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

namespace {

// A folder as an installed program's is: not writable. Whether a folder can be written is asked
// for the real user, and root can write anywhere, so meanwhile root's real user is an ordinary one.
struct ReadOnlyFolder {
    explicit ReadOnlyFolder(const QString &path) : folder(path)
    {
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
        if (geteuid() == 0)
            QVERIFY(setreuid(65534, uid_t(-1)) == 0);
    }
    ~ReadOnlyFolder()
    {
        if (geteuid() == 0)
            setreuid(0, uid_t(-1));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const QString folder;
};

MGLOBAL settings(int16_t depth, const QString &name)
{
    MGLOBAL g;
    g.UndoDepth = depth;
    g.UserName = name;
    return g;
}

} // namespace

class TestPersonalFile : public QObject {
    Q_OBJECT

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("comma in name") << 10 << "Smith, John" << QByteArray("10,\"Smith, John\",\"\"\r\n");
        QTest::newRow("empty name") << 1 << "" << QByteArray("1,\"\",\"\"\r\n");
        QTest::newRow("negative depth, blanks") << -3 << "  two  blanks " << QByteArray("-3,\"  two  blanks \",\"\"\r\n");
        QTest::newRow("extremes, UTF-8") << -32768 << "Zoë" << QByteArray("-32768,\"Zo\xc3\xab\",\"\"\r\n");
    }

    void roundTrip()
    {
        QFETCH(int, depth);
        QFETCH(QString, name);
        QFETCH(QByteArray, line);
        QTemporaryDir dir;
        const QString path = dir.filePath(PersonalFile::kFileName);
        QVERIFY(PersonalFile::write(path, settings(int16_t(depth), name)));
        QCOMPARE(TestFiles::read(path), line);
        MGLOBAL g = settings(99, "before");
        QVERIFY(PersonalFile::read(path, g));
        QCOMPARE(g.UndoDepth, depth);
        QCOMPARE(g.UserName, name);
    }

    void nameLosesWhatQuotesCannotHold()
    {
        QCOMPARE(PersonalFile::toBytes(settings(2, "a\"b\r\nc")), QByteArray("2,\"abc\",\"\"\r\n"));
    }

    // Which variables the main menu's reading sets before it stops; a null content means no file.
    // A depth of 0 means 4 only after a complete read.
    void read_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("name");
        const std::tuple<const char *, const char *, bool, int, const char *> cases[] = {
            {"missing file", nullptr, false, 99, "before"},
            {"empty file", "", false, 99, "before"},
            {"ends after field 1", "7\r\n", false, 7, "before"},
            {"ends after field 2", "7,\"abc\"\r\n", false, 7, "abc"},
            {"field 1 empty", ",\"x\",\"\"", false, 99, "before"},
            {"field 1 quoted", "\"4\",\"x\",\"\"", false, 99, "before"},
            {"quote across the line end", "5,\"abc\r\n\",\"\"", true, 5, "abc\r\n"},
            {"quote open to the file end", "5,\"abc\",\"xyz", true, 5, "abc"},
            {"text after closing quote is field 3", "6,\"a\"b", true, 6, "a"},
            {"blank ends the number", "4 abc,\"\"", true, 4, "abc"},
            {"plus sign", "+5,\"a\",\"\"", true, 5, "a"},
            {"plus then minus", "+-5,\"a\",\"\"", false, 99, "before"},
            {"complete", "25,\"abc\",\"\"\r\n", true, 25, "abc"},
            {"one stays one", "1,\"\",\"\"", true, 1, ""},
            {"zero means four", "0,\"\",\"\"\r\n", true, 4, ""},
            {"zero kept when incomplete", "0,\"abc\"", false, 0, "abc"},
            {"blanks around", "  -3 , \"a, b\" ,\"\"", true, -3, "a, b"},
            {"unquoted texts", "6,Jane Doe,zzz", true, 6, "Jane Doe"},
            {"a field a line", "6\n\"a\"\r\"\"\r\n", true, 6, "a"},
            {"reserved field filled", "8,\"a\",\"later\"\r\nmore", true, 8, "a"}};
        for (const auto &[tag, content, complete, depth, name] : cases)
            QTest::newRow(tag) << QByteArray(content) << complete << depth << QString(name);
        // Reading stops after kMaxBytes: a field may end there with the file, not with the cut.
        const QByteArray open = QByteArray("5,\"a\",\"").leftJustified(PersonalFile::kMaxBytes, 'x');
        QTest::newRow("quote open to the file end at the limit") << open << true << 5 << "a";
        QTest::newRow("quote open past the limit") << open + 'x' << false << 5 << "a";
    }

    void read()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, complete);
        QFETCH(int, depth);
        QFETCH(QString, name);
        QTemporaryDir dir;
        const QString path = dir.filePath(PersonalFile::kFileName);
        if (!content.isNull())
            QVERIFY(TestFiles::write(path, content));
        MGLOBAL g = settings(99, "before");
        QCOMPARE(PersonalFile::ReadPersonal(g, path), complete);
        QCOMPARE(g.UndoDepth, depth);
        QCOMPARE(g.UserName, name);
    }

    void onlyAFileIsRead_data()
    {
        QTest::addColumn<QString>("kind");
        for (const QString &kind : TestFiles::notModels())
            QTest::newRow(qPrintable(kind)) << kind;
    }
    void onlyAFileIsRead()
    {
        QFETCH(QString, kind);
        QTemporaryDir dir;
        const QString path = dir.filePath(PersonalFile::kFileName);
        QVERIFY(TestFiles::makeNotModel(kind, path));
        MGLOBAL g = settings(99, "before");
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!PersonalFile::ReadPersonal(g, path));
        QCOMPARE_LT(clock.elapsed(), 1000);
        QCOMPARE(g.UndoDepth, 99);
    }

    void locationFollowsWhereThePersonCanWrite()
    {
        QTemporaryDir dir;
        const QString program = dir.filePath("program"), data = dir.filePath("data/brickloom");
        const QString mine = data + QStringLiteral("/Personal.qzt");
        QVERIFY(QDir().mkpath(program));
        QVERIFY(TestFiles::write(program + QStringLiteral("/Personal.qzt"), "0,\"\",\"\"\r\n"));
        QFile::setPermissions(program + QStringLiteral("/Personal.qzt"), QFile::ReadOwner);
        // A writable program folder keeps the file beside the program, by its name alone.
        QCOMPARE(PersonalFile::location(program, data), PersonalFile::kFileName);
        QVERIFY(!QFileInfo::exists(data));
        // An installed program's folder is read-only: the data folder is used, first with the default.
        {
            const ReadOnlyFolder installed(program);
            QCOMPARE(PersonalFile::location(program, data), mine);
            QCOMPARE(TestFiles::read(mine), QByteArray("0,\"\",\"\"\r\n"));
            QVERIFY(QFile::permissions(mine) & QFile::WriteOwner);
            QVERIFY(TestFiles::write(mine, "7,\"Mine\",\"\"\r\n"));
            QCOMPARE(PersonalFile::location(program, data), mine);
        }
        QCOMPARE(TestFiles::read(mine), QByteArray("7,\"Mine\",\"\"\r\n"));
    }

    // The depth box: a text's leading number, then a depth 1 to 10 rounded half to even, or 0 (refused).
    void depthBox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::addColumn<int>("depth");
        const std::tuple<const char *, double, int> cases[] = {
            {"5x", 5, 5}, {"abc", 0, 0}, {" 2.5", 2.5, 2}, {"1.5.3", 1.5, 2}, {"-", 0, 0}, {".", 0, 0},
            {"", 0, 0}, {"-2", -2, 0}, {"+3", 3, 3}, {".5", 0.5, 0}, {"-.5", -0.5, 0}, {"10.", 10, 10},
            {" \t7", 7, 7}, {"1 2", 1, 1}, {"1e3", 1, 1}, {"--1", 0, 0}, {"10.5", 10.5, 0}, {"11", 11, 0},
            {"1", 1, 1}, {"9.5", 9.5, 10}, {".99", 0.99, 0}, {"0", 0, 0}, {"-1", -1, 0}, {"2.6", 2.6, 3}};
        for (const auto &[text, number, depth] : cases)
            QTest::newRow(text[0] ? text : "empty") << QString::fromUtf8(text) << number << depth;
        QTest::newRow("other digits") << QStringLiteral("\u0661\u0662") << 0.0 << 0;
    }

    void depthBox()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QFETCH(int, depth);
        QCOMPARE(NumberText::leadingNumber(text), number);
        const NumberText::DepthEntry entry = NumberText::acceptDepth(text);
        QCOMPARE(entry.accepted, depth != 0);
        QCOMPARE(entry.depth, depth ? depth : 4);
    }

    // Numbers in captions keep a place for the sign, as the undo dialog's do.
    void signPosition()
    {
        QCOMPARE(NumberText::withSignPosition(-2), QStringLiteral("-2"));
        QCOMPARE(NumberText::withSignPosition(0), QStringLiteral(" 0"));
        QCOMPARE(NumberText::withSignPosition(25), QStringLiteral(" 25"));
    }
};

QTEST_GUILESS_MAIN(TestPersonalFile)
#include "test_personalfile.moc"
