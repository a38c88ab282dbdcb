// The help viewer: the shipped help file, the command line, and the window offscreen.

#include "helpchannel.h"
#include "helpcommandline.h"
#include "helpfile.h"
#include "helphistory.h"
#include "helpviewer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocalServer>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

const QString kHelpFile = QStringLiteral(BRICKLOOM_HELP_FILE);

QTextBrowser *textOf(HelpViewer &viewer) { return viewer.findChild<QTextBrowser *>(QStringLiteral("topicText")); }
QListWidget *listOf(HelpViewer &viewer) { return viewer.findChild<QListWidget *>(QStringLiteral("contentsList")); }
QLabel *noteOf(HelpViewer &viewer) { return viewer.findChild<QLabel *>(QStringLiteral("noteLabel")); }

} // namespace

class TestHelpViewer : public QObject {
    Q_OBJECT

private slots:
    // The shipped help file.
    void helpFileHasTheTopicsTheProgramAsksFor_data();
    void helpFileHasTheTopicsTheProgramAsksFor();
    void helpFileLinksAllLeadSomewhere();

    // Reading help files.
    void brokenFilesAreRefused_data();
    void brokenFilesAreRefused();
    void topicsAreSplitAtTheirMarkers();

    // Command line.
    void commandLine_data();
    void commandLine();

    // Back and forward.
    void historyGoesBackAndForward();

    // The window.
    void opensTheRequestedTopic();
    void unknownTopicShowsTheContentsWithANote();
    void unusableFileIsExplainedInTheWindow_data();
    void unusableFileIsExplainedInTheWindow();
    void linksAndBackForwardKeys();
    void escapeCloses();
    void oneViewerPerHelpFile();
};

void TestHelpViewer::helpFileHasTheTopicsTheProgramAsksFor_data()
{
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("subject");
    QTest::newRow("contents") << 1 << "Contents";
    QTest::newRow("main menu") << 3 << "main menu";
    QTest::newRow("work area") << 4 << "work area";
    QTest::newRow("palette") << 5 << "palette";
    QTest::newRow("personalize") << 7 << "Personalize";
    QTest::newRow("undo dialog") << 9 << "undo";
}

void TestHelpViewer::helpFileHasTheTopicsTheProgramAsksFor()
{
    QFETCH(int, topic);
    QFETCH(QString, subject);
    const HelpFile file = HelpFile::load(kHelpFile);
    QVERIFY2(file.isValid(), qPrintable(file.errorString()));
    const HelpTopic *found = file.topic(topic);
    QVERIFY(found);
    QVERIFY2(found->title.contains(subject, Qt::CaseInsensitive), qPrintable(found->title));
    QVERIFY(found->text.size() > 300);
}

void TestHelpViewer::helpFileLinksAllLeadSomewhere()
{
    const HelpFile file = HelpFile::load(kHelpFile);
    QVERIFY(file.isValid());
    QCOMPARE(file.topics().size(), 11);
    for (const HelpTopic &topic : file.topics()) {
        const QList<int> targets = HelpFile::linkTargets(topic.text);
        for (int target : targets)
            QVERIFY2(file.topic(target), qPrintable(QStringLiteral("topic %1 links to %2").arg(topic.number).arg(target)));
        QVERIFY2(targets.contains(1), qPrintable(QStringLiteral("topic %1 has no way back").arg(topic.number)));
    }
    // The contents page reaches every topic.
    const QList<int> fromContents = HelpFile::linkTargets(file.topic(1)->text);
    for (const HelpTopic &topic : file.topics())
        QVERIFY(fromContents.contains(topic.number));
}

void TestHelpViewer::brokenFilesAreRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("empty") << QByteArray() << "empty";
    QTest::newRow("no topics") << QByteArray("just some text\n") << "no help topics";
    QTest::newRow("bad marker") << QByteArray("=== 1 | Contents ===\nx\n=== four | Work ===\n") << "line 3";
    QTest::newRow("twice") << QByteArray("=== 1 | A ===\n=== 2 | B ===\n=== 1 | C ===\n") << "topic 1 appears twice";
    QTest::newRow("no contents") << QByteArray("=== 2 | B ===\ntext\n") << "topic 1";
    QTest::newRow("not utf-8") << QByteArray("=== 1 | Inhalt \xfc ===\n") << "UTF-8";
}

void TestHelpViewer::brokenFilesAreRefused()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const HelpFile file = HelpFile::fromText(bytes);
    QVERIFY(!file.isValid());
    QVERIFY2(file.errorString().contains(reason), qPrintable(file.errorString()));
    QVERIFY(file.topics().isEmpty());
}

void TestHelpViewer::topicsAreSplitAtTheirMarkers()
{
    const HelpFile file = HelpFile::fromText(
        "A note before the first topic.\r\n=== 1 | Contents ===\r\n\r\nSee [the area](#4).\r\n\r\n"
        "===4|The work area===\n    indented\nlast line\n\n");
    QVERIFY2(file.isValid(), qPrintable(file.errorString()));
    QCOMPARE(file.topics().size(), 2);
    QCOMPARE(file.topic(1)->text, QStringLiteral("See [the area](#4)."));
    QCOMPARE(file.topic(4)->title, QStringLiteral("The work area"));
    QCOMPARE(file.topic(4)->text, QStringLiteral("    indented\nlast line"));
    QVERIFY(!file.topic(2));
    QCOMPARE(HelpFile::linkTargets(QStringLiteral("[a](#4) [b](#x) [c](http://e)")), (QList<int>{4, -1}));
}

void TestHelpViewer::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("topic");
    QTest::newRow("help button") << QStringList{"qztuse33.hlp"} << true << "qztuse33.hlp" << 1;
    QTest::newRow("F1") << QStringList{"qztuse33.hlp", "--topic", "4"} << true << "qztuse33.hlp" << 4;
    QTest::newRow("topic first") << QStringList{"--topic", "9", "a.hlp"} << true << "a.hlp" << 9;
    QTest::newRow("no file") << QStringList{} << false << "" << 1;
    QTest::newRow("topic not a number") << QStringList{"a.hlp", "--topic", "four"} << false << "" << 1;
    QTest::newRow("unknown option") << QStringList{"a.hlp", "--page", "4"} << false << "" << 1;
}

void TestHelpViewer::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(bool, valid);
    QFETCH(QString, file);
    QFETCH(int, topic);
    const HelpCommandLine command = HelpCommandLine::parse(QStringList{"winhelp.exe"} + args);
    QCOMPARE(command.isValid(), valid);
    QCOMPARE(command.errorString().isEmpty(), valid);
    if (valid) {
        QCOMPARE(command.file(), file);
        QCOMPARE(command.topic(), topic);
    }
}

void TestHelpViewer::historyGoesBackAndForward()
{
    HelpHistory history;
    for (int topic : {1, 4, 4, 5})
        history.visit(topic);
    QCOMPARE(history.back(), 4);
    QCOMPARE(history.back(), 1);
    QVERIFY(!history.canGoBack());
    history.visit(9); // drops 4 and 5, which lay ahead
    QVERIFY(!history.canGoForward());
    QCOMPARE(history.back(), 1);
}

void TestHelpViewer::opensTheRequestedTopic()
{
    HelpViewer viewer;
    viewer.openFile(kHelpFile, 4);
    QCOMPARE(viewer.currentTopic(), 4);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help - The work area"));
    QVERIFY(textOf(viewer)->toPlainText().contains(QStringLiteral("Hide Grid - Shapes")));
    QCOMPARE(listOf(viewer)->count(), 11);
    QCOMPARE(listOf(viewer)->currentItem()->text(), QStringLiteral("4   The work area"));
    QVERIFY(noteOf(viewer)->isHidden());

    listOf(viewer)->setCurrentRow(6); // choosing a topic in the list shows it
    QCOMPARE(viewer.currentTopic(), 7);
    QVERIFY(viewer.windowTitle().endsWith(QStringLiteral("The Personalize window")));
}

void TestHelpViewer::unknownTopicShowsTheContentsWithANote()
{
    HelpViewer viewer;
    viewer.openFile(kHelpFile, 42);
    QCOMPARE(viewer.currentTopic(), 1);
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help - Contents"));
    QVERIFY(!noteOf(viewer)->isHidden());
    QVERIFY(noteOf(viewer)->text().contains(QStringLiteral("no help topic 42")));

    viewer.showTopic(3); // the note belongs to the page it was shown on
    QVERIFY(noteOf(viewer)->isHidden());
}

void TestHelpViewer::unusableFileIsExplainedInTheWindow_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << "was not found";
    QTest::newRow("empty") << QByteArray("") << "it is empty";
    QTest::newRow("broken") << QByteArray("=== 1 | A ===\n=== x | B ===\n") << "line 2 is not a topic line";
}

void TestHelpViewer::unusableFileIsExplainedInTheWindow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString path = dir.filePath("qztuse33.hlp");
    if (!bytes.isNull()) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    HelpViewer viewer;
    viewer.openFile(kHelpFile, 4); // a good file first: the bad one must replace it entirely
    viewer.openFile(path, 4);
    const QString shown = textOf(viewer)->toPlainText();
    QVERIFY2(shown.contains(message), qPrintable(shown));
    QVERIFY(shown.contains(path));
    QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help"));
    QCOMPARE(viewer.currentTopic(), 0);
    QCOMPARE(listOf(viewer)->count(), 0);
    const auto actions = viewer.findChildren<QAction *>();
    for (QAction *action : actions) {
        if (QStringList{"Back", "Forward", "Contents"}.contains(action->text()))
            QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
    }
    viewer.showTopic(1); // nothing to show, and no crash
    QCOMPARE(viewer.currentTopic(), 0);
}

void TestHelpViewer::linksAndBackForwardKeys()
{
    HelpViewer viewer;
    viewer.openFile(kHelpFile);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTextBrowser *text = textOf(viewer);
    text->setFocus();
    QCOMPARE(viewer.currentTopic(), 1);

    emit text->anchorClicked(QUrl(QStringLiteral("#4")));
    QCOMPARE(viewer.currentTopic(), 4);
    emit text->anchorClicked(QUrl(QStringLiteral("#5")));
    QCOMPARE(viewer.currentTopic(), 5);

    QTest::keyClick(text, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer.currentTopic(), 4);
    QTest::keyClick(text, Qt::Key_Left, Qt::AltModifier);
    QCOMPARE(viewer.currentTopic(), 1);
    QTest::keyClick(text, Qt::Key_Left, Qt::AltModifier); // nothing further back
    QCOMPARE(viewer.currentTopic(), 1);
    QTest::keyClick(text, Qt::Key_Right, Qt::AltModifier);
    QCOMPARE(viewer.currentTopic(), 4);
    QCOMPARE(listOf(viewer)->currentItem()->data(Qt::UserRole).toInt(), 4);

    emit text->anchorClicked(QUrl(QStringLiteral("#77")));
    QCOMPARE(viewer.currentTopic(), 1);
    QVERIFY(!noteOf(viewer)->isHidden());
}

void TestHelpViewer::escapeCloses()
{
    HelpViewer viewer;
    viewer.openFile(kHelpFile, 5);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(listOf(viewer), Qt::Key_Escape);
    QVERIFY(!viewer.isVisible());
}

void TestHelpViewer::oneViewerPerHelpFile()
{
    QTemporaryDir dir;
    const QString file = dir.filePath("qztuse33.hlp");
    QVERIFY(QFile::copy(kHelpFile, file));
    HelpViewer first;
    QVERIFY(first.claimChannel(file, 3));
    first.openFile(file, 3);
    // A second viewer for the same file hands its topic to the first, which comes forward.
    HelpViewer second;
    QVERIFY(!second.claimChannel(dir.path() + QStringLiteral("/./qztuse33.hlp"), 5));
    QTRY_COMPARE(first.currentTopic(), 5);
    QVERIFY(first.isVisible());
    QVERIFY(HelpChannel::handOver(file, 1)); // as the program asks for the contents
    QTRY_COMPARE(first.currentTopic(), 1);

    // Once the first has closed, the next viewer takes the file, also over what a viewer that
    // did not end cleanly left behind.
    first.close();
    QVERIFY(!HelpChannel::handOver(file, 1));
    QLocalServer probe;
    QVERIFY(probe.listen(HelpChannel::serverName(file)));
    const QString left = probe.fullServerName();
    probe.close();
    QFile stale(left);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    QVERIFY(second.claimChannel(file, 4));
    second.openFile(file, 4);
    QVERIFY(HelpChannel::handOver(file, 7));
    QTRY_COMPARE(second.currentTopic(), 7);
}

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
