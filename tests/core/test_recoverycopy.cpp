// The recovery copy on its own, with a model that is just bytes and a short interval.

#include "recoverycopy.h"
#include "savefile.h"

#include "support/testfiles.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
constexpr int kInterval = 200;

struct Fixture {
    QTemporaryDir dir;
    QByteArray model = "empty";
    QString folder() const { return dir.filePath(QStringLiteral("data/Recovery")); }
    QString fallback() const { return dir.filePath(QStringLiteral("runtime/Recovery")); }
    QStringList copies(const QString &in) const { return QDir(in).entryList(QDir::Files, QDir::Name); }
    QStringList copies() const { return copies(folder()); }
    RecoveryCopy copy{folder(), fallback(), [this] { return model; }, nullptr, kInterval};
};

// Whether group and others may do anything with it.
bool shared(const QString &path) { return QFile::permissions(path) & QFileDevice::Permissions(0x77); }
} // namespace

class TestRecoveryCopy : public QObject {
    Q_OBJECT
private slots:
    // Copies an earlier run left ("name@minutes since written"; "!" when another running instance
    // holds it), then a change, written at once, changed again within the interval and let go: "new"
    // is the copy of that change, holding its last state.
    void whereTheCopyGoesAndWhatStays_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("blocked"); // "data", "both" or ""
        QTest::addColumn<bool>("savedOntoCopy");
        QTest::addColumn<QStringList>("after"); // the data folder afterwards

        QStringList eleven, kept{"new"}, later, laterNames{"new"};
        for (int day = 10; day <= 20; ++day) {
            const QString name = QStringLiteral("2001-01-%1_00-00-00.Pic").arg(day);
            eleven << name + QStringLiteral("@%1").arg(day); // named later, written earlier
            if (day < 20)
                later << name + QStringLiteral("@-%1").arg(day), laterNames << name;
            if (day < 19)
                kept << name;
        }
        QTest::newRow("the ten written last stay") << eleven << "" << false << kept;
        QTest::newRow("the clock went back") << later << "" << false << laterNames;
        QTest::newRow("another instance's copy") << QStringList(eleven).replaceInStrings("@20", "@20!") << "" << false
                                                 << kept + QStringList{"2001-01-20_00-00-00.Pic"};
        QTest::newRow("files the program did not make") << eleven + QStringList{"1 my house.Pic@99", "2001-01-01.Pic@99"} << "" << false
                                                       << kept + QStringList{"1 my house.Pic", "2001-01-01.Pic"};
        QTest::newRow("saved onto the copy") << QStringList() << "" << true << QStringList{"new"};
        QTest::newRow("a full data folder") << QStringList() << "data" << false << QStringList{"new"};
        QTest::newRow("nothing writable") << QStringList() << "both" << false << QStringList();
    }
    void whereTheCopyGoesAndWhatStays()
    {
        QFETCH(QStringList, before);
        QFETCH(QString, blocked);
        QFETCH(bool, savedOntoCopy);
        QFETCH(QStringList, after);
        Fixture f;
        std::vector<int> locks;
        QStringList names;
        for (const QString &entry : before) {
            const QString name = entry.section(QLatin1Char('@'), 0, 0);
            names << name;
            QVERIFY(QDir().mkpath(f.folder()));
            QFile file(QDir(f.folder()).filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            const int minutes = entry.section(QLatin1Char('@'), 1).remove(QLatin1Char('!')).toInt();
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutes), QFileDevice::FileModificationTime));
            if (entry.endsWith(QLatin1Char('!'))) {
                locks.push_back(::open(qPrintable(QDir(f.folder()).filePath("." + name + ".lock")), O_RDWR | O_CREAT, 0600));
                QCOMPARE(::flock(locks.back(), LOCK_EX | LOCK_NB), 0);
            }
        }
        const auto block = [&](const QString &name) { return TestFiles::write(f.dir.filePath(name), ""); }; // whatever the rights
        if (!blocked.isEmpty())
            QVERIFY(block("data") && (blocked == "data" || block("runtime")));

        f.copy.markSaved();
        f.model = "changed";
        QCOMPARE(f.copy.secure() && f.copy.secure(), blocked != "both"); // the second has nothing new to write
        if (savedOntoCopy) {
            f.model = "saved";
            QVERIFY(SaveFile::write(f.copy.currentPath(), f.model));
            f.copy.markSaved(f.copy.currentPath());
        }
        if (blocked == "data") {
            QVERIFY(f.copy.currentPath().startsWith(f.fallback()));
            QVERIFY(QFile::remove(f.dir.filePath("data"))); // space again: the copy goes back
            QTRY_VERIFY_WITH_TIMEOUT(f.copy.currentPath().startsWith(f.folder()), 5 * kInterval);
            QCOMPARE(f.copies(f.fallback()), QStringList());
        }
        if (!savedOntoCopy) {
            f.model = "last state";
            f.copy.modelChanged(); // written once the interval is over, or when let go
            QVERIFY(f.copy.currentPath().isEmpty() || TestFiles::read(f.copy.currentPath()) == "changed");
        }
        f.copy.finish();
        QVERIFY(f.copy.currentPath().isEmpty());

        QStringList now = f.copies();
        for (QString &name : now) {
            if (names.contains(name))
                continue;
            QCOMPARE(TestFiles::read(QDir(f.folder()).filePath(name)), f.model);
            QVERIFY(!shared(QDir(f.folder()).filePath(name)));
            name = QStringLiteral("new");
        }
        now.sort();
        after.sort();
        QCOMPARE(now, after);
        QVERIFY(after.isEmpty() || !shared(f.folder()));
        std::for_each(locks.begin(), locks.end(), ::close);
    }

    // When the data folder holds copies under every name of this second, this one goes to the other.
    void theNamesOfASecondRunOut()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(f.folder()));
        const QDateTime now = QDateTime::currentDateTime();
        for (const QDateTime &second : {now, now.addSecs(1)}) // the clock may tick on meanwhile
            for (int n = 1; n <= 99; ++n)
                QVERIFY(TestFiles::write(QDir(f.folder()).filePath(second.toString("yyyy-MM-dd_HH-mm-ss")
                                                                   + (n > 1 ? "-" + QString::number(n) : "") + ".Pic"), ""));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no recovery copy in .*/data/Recovery: every name of its second is taken$"));
        f.copy.markSaved();
        f.model = "changed";
        QVERIFY(f.copy.secure() && f.copy.currentPath().startsWith(f.fallback()));
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "test_recoverycopy.moc"
