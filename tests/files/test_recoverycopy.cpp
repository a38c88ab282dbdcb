// The recovery copy on its own, with a model that is just bytes and a short interval.

#include "files/recoverycopy.h"
#include "files/savefile.h"
#include "support/testfiles.h"

#include <QDateTime>
#include <QDir>
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

constexpr auto kOthers = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
    | QFileDevice::WriteOther | QFileDevice::ExeOther;
} // namespace

class TestRecoveryCopy : public QObject {
    Q_OBJECT
private slots:
    void followsUnsavedChangesAtMostOnceAnInterval()
    {
        Fixture f;
        f.copy.markSaved();
        f.copy.modelChanged();
        QVERIFY2(f.copies().isEmpty(), "nothing differs from what was saved");

        f.model = "one";
        f.copy.modelChanged();
        const QString path = f.copy.currentPath();
        QCOMPARE(TestFiles::read(path), QByteArray("one")); // the first change is written at once
        f.model = "two";
        f.copy.modelChanged();
        QCOMPARE(TestFiles::read(path), QByteArray("one")); // the next waits for the interval
        QTRY_COMPARE_WITH_TIMEOUT(TestFiles::read(path), QByteArray("two"), 5 * kInterval);
        QCOMPARE(f.copies().size(), 1);
        QVERIFY(TestFiles::write(path, "unchanged")); // the same model is not written again
        QTest::qWait(kInterval);
        f.copy.modelChanged();
        QCOMPARE(TestFiles::read(path), QByteArray("unchanged"));

        f.model = "empty";                       // undone back to the saved model
        QTest::qWait(kInterval);
        f.copy.modelChanged();
        QVERIFY(f.copies().isEmpty());
    }

    void aSaveRemovesItAndLettingGoKeepsIt()
    {
        Fixture f;
        f.copy.markSaved();
        f.model = "changed";
        f.copy.modelChanged();
        QCOMPARE(f.copies().size(), 1);
        f.copy.markSaved();                      // saved
        QVERIFY(f.copies().isEmpty());

        f.model = "changed again";
        f.copy.modelChanged();
        f.model = "last state";                  // within the interval, then let go at once
        f.copy.finish();
        QCOMPARE(f.copies().size(), 1);
        QCOMPARE(TestFiles::read(QDir(f.folder()).filePath(f.copies().first())), QByteArray("last state"));
        QVERIFY(f.copy.currentPath().isEmpty());

        f.copy.markSaved();                      // the next model starts clean and keeps the old copy
        f.model = "next";
        f.copy.modelChanged();
        QTRY_COMPARE_WITH_TIMEOUT(f.copies().size(), 2, 5 * kInterval);
    }

    // Copies an earlier run left ("name@minutes since written"; "!" when another running instance
    // holds it), then a change that is let go. "new" is the copy of that change.
    void whereTheCopyGoesAndWhatStays_data()
    {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("blocked"); // "data", "both" or ""
        QTest::addColumn<bool>("savedOntoCopy");
        QTest::addColumn<QStringList>("after"); // the data folder afterwards

        QStringList eleven, kept, later, laterNames;
        for (int day = 10; day <= 20; ++day) {
            const QString name = QStringLiteral("2001-01-%1_00-00-00.Pic").arg(day);
            eleven << name + QStringLiteral("@%1").arg(day); // named later, written earlier
            if (day < 20)
                later << name + QStringLiteral("@-%1").arg(day), laterNames << name;
            if (day < 19)
                kept << name;
        }
        kept << QStringLiteral("new");
        QTest::newRow("the ten written last stay") << eleven << "" << false << kept;
        QTest::newRow("the clock went back") << later << "" << false << laterNames + QStringList{"new"};
        QStringList held = eleven;
        held.last() += QStringLiteral("!");
        QTest::newRow("another instance's copy") << held << "" << false << kept + QStringList{"2001-01-20_00-00-00.Pic"};
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
            const QString path = QDir(f.folder()).filePath(name);
            names << name;
            QVERIFY(QDir().mkpath(f.folder()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            const int minutes = entry.section(QLatin1Char('@'), 1).remove(QLatin1Char('!')).toInt();
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutes), QFileDevice::FileModificationTime));
            if (entry.endsWith(QLatin1Char('!'))) {
                locks.push_back(::open(qPrintable(QDir(f.folder()).filePath("." + name + ".lock")), O_RDWR | O_CREAT, 0600));
                QCOMPARE(::flock(locks.back(), LOCK_EX | LOCK_NB), 0);
            }
        }
        // A file where a folder should be: it cannot be made, whatever the user's rights.
        const auto block = [&](const QString &name) { return TestFiles::write(f.dir.filePath(name), ""); };
        if (!blocked.isEmpty())
            QVERIFY(block("data") && (blocked == "data" || block("runtime")));

        f.copy.markSaved();
        f.model = "changed";
        QCOMPARE(f.copy.secure(), blocked != "both");
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
        f.copy.finish();

        QStringList now = f.copies();
        for (QString &name : now) {
            if (names.contains(name))
                continue;
            QCOMPARE(TestFiles::read(QDir(f.folder()).filePath(name)), f.model);
            QCOMPARE(QFile::permissions(QDir(f.folder()).filePath(name)) & kOthers, QFileDevice::Permissions());
            name = QStringLiteral("new");
        }
        now.sort();
        after.sort();
        QCOMPARE(now, after);
        if (!after.isEmpty())
            QCOMPARE(QFile::permissions(f.folder()) & kOthers, QFileDevice::Permissions());
        for (int fd : locks)
            ::close(fd);
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "test_recoverycopy.moc"
