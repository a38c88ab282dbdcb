// The recovery copy on its own, with a model that is just bytes and a short interval.

#include "files/recoverycopy.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {
constexpr int kInterval = 200;

struct Fixture {
    QTemporaryDir dir;
    QByteArray model = "empty";
    QString folder() const { return dir.filePath(QStringLiteral("Recovery")); }
    QStringList copies() const { return QDir(folder()).entryList({QStringLiteral("*.Pic")}, QDir::Files, QDir::Name); }
    RecoveryCopy copy{folder(), [this] { return model; }, nullptr, kInterval};
};
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

    void keepsTheLatestTen()
    {
        Fixture f;
        QVERIFY(QDir().mkpath(f.folder()));
        for (int day = 10; day < 22; ++day) {
            QFile old(QDir(f.folder()).filePath(QStringLiteral("2001-01-%1_00-00-00.Pic").arg(day)));
            QVERIFY(old.open(QIODevice::WriteOnly));
        }
        f.copy.markSaved();
        f.model = "new";
        f.copy.finish();
        const QStringList kept = f.copies();
        QCOMPARE(kept.size(), RecoveryCopy::kKept);
        QCOMPARE(kept.first(), QStringLiteral("2001-01-13_00-00-00.Pic"));
        QVERIFY(TestFiles::read(QDir(f.folder()).filePath(kept.last())) == "new");
    }

    void aFolderThatCannotBeMadeIsPassedOver()
    {
        QTemporaryDir dir;
        QFile blocker(dir.filePath(QStringLiteral("file")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        RecoveryCopy copy(dir.filePath(QStringLiteral("file/Recovery")), [] { return QByteArray("x"); }, nullptr, kInterval);
        copy.modelChanged();
        copy.finish();
        QVERIFY(copy.currentPath().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRecoveryCopy)
#include "test_recoverycopy.moc"
