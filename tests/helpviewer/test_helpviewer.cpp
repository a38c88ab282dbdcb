// The help viewer: the shipped help file, files it must refuse, the command line, and the window
// offscreen with its links, history and the one viewer per help file.

#include "helpchannel.h"
#include "helpcommandline.h"
#include "helpfile.h"
#include "helpviewer.h"

#include <QAction>
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
    // Every topic the program asks for is there, every link leads to a topic, every topic leads
    // back to the contents, and the contents reach every topic.
    void theShippedHelpFile()
    {
        const HelpFile file = HelpFile::load(kHelpFile);
        QVERIFY2(file.isValid(), qPrintable(file.errorString()));
        QCOMPARE(file.topics().size(), 11);
        const std::pair<int, const char *> asked[] = {{1, "Contents"}, {3, "main menu"}, {4, "work area"},
                                                      {5, "palette"}, {7, "Personalize"}, {9, "undo"}};
        for (const auto &[number, subject] : asked) {
            const HelpTopic *topic = file.topic(number);
            QVERIFY2(topic && topic->title.contains(QLatin1String(subject), Qt::CaseInsensitive), subject);
            QVERIFY(topic->text.size() > 300);
        }
        const QList<int> fromContents = HelpFile::linkTargets(file.topic(1)->text);
        for (const HelpTopic &topic : file.topics()) {
            const QList<int> targets = HelpFile::linkTargets(topic.text);
            for (int target : targets)
                QVERIFY2(file.topic(target), qPrintable(QStringLiteral("topic %1 links to %2").arg(topic.number).arg(target)));
            QVERIFY2(targets.contains(1), qPrintable(QStringLiteral("topic %1 has no way back").arg(topic.number)));
            QVERIFY(fromContents.contains(topic.number));
        }
    }

    void brokenFilesAreRefused_data()
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
    void brokenFilesAreRefused()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        const HelpFile file = HelpFile::fromText(bytes);
        QVERIFY2(!file.isValid() && file.errorString().contains(reason), qPrintable(file.errorString()));
        QVERIFY(file.topics().isEmpty());
    }

    void topicsAreSplitAtTheirMarkers()
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

    void commandLine_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("file"); // empty: refused
        QTest::addColumn<int>("topic");
        QTest::newRow("help button") << QStringList{"qztuse33.hlp"} << "qztuse33.hlp" << 1;
        QTest::newRow("F1") << QStringList{"qztuse33.hlp", "--topic", "4"} << "qztuse33.hlp" << 4;
        QTest::newRow("topic first") << QStringList{"--topic", "9", "a.hlp"} << "a.hlp" << 9;
        QTest::newRow("no file") << QStringList{} << "" << 1;
        QTest::newRow("topic not a number") << QStringList{"a.hlp", "--topic", "four"} << "" << 1;
        QTest::newRow("unknown option") << QStringList{"a.hlp", "--page", "4"} << "" << 1;
    }
    void commandLine()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, file);
        QFETCH(int, topic);
        const HelpCommandLine command = HelpCommandLine::parse(QStringList{"winhelp.exe"} + args);
        QCOMPARE(command.isValid(), !file.isEmpty());
        QCOMPARE(command.errorString().isEmpty(), !file.isEmpty());
        if (command.isValid())
            QCOMPARE(std::pair(command.file(), command.topic()), std::pair(file, topic));
    }

    void opensTheRequestedTopicOrTheContentsWithANote()
    {
        HelpViewer viewer;
        viewer.openFile(kHelpFile, 4);
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help - The work area"));
        QVERIFY(textOf(viewer)->toPlainText().contains(QStringLiteral("Hide Grid - Shapes")));
        QCOMPARE(listOf(viewer)->count(), 11);
        QCOMPARE(listOf(viewer)->currentItem()->text(), QStringLiteral("4   The work area"));
        QVERIFY(noteOf(viewer)->isHidden());
        listOf(viewer)->setCurrentRow(6); // choosing a topic in the list shows it
        QCOMPARE(viewer.currentTopic(), 7);
        QVERIFY(viewer.windowTitle().endsWith(QStringLiteral("The Personalize window")));

        viewer.openFile(kHelpFile, 42);
        QCOMPARE(viewer.currentTopic(), 1);
        QVERIFY(!noteOf(viewer)->isHidden() && noteOf(viewer)->text().contains(QStringLiteral("no help topic 42")));
        viewer.showTopic(3); // the note belongs to the page it was shown on
        QVERIFY(noteOf(viewer)->isHidden());
    }

    // A file that cannot be used replaces the good one entirely: the window says why and where,
    // and shows nothing else. The reasons of broken files are HelpFile's, above.
    void unusableFileIsExplainedInTheWindow()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("qztuse33.hlp");
        HelpViewer viewer;
        viewer.openFile(kHelpFile, 4);
        viewer.openFile(path, 4);
        const QString shown = textOf(viewer)->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("was not found")) && shown.contains(path), qPrintable(shown));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help"));
        QCOMPARE(listOf(viewer)->count(), 0);
        for (QAction *action : viewer.findChildren<QAction *>()) {
            if (QStringList{"Back", "Forward", "Contents"}.contains(action->text()))
                QVERIFY2(!action->isEnabled(), qPrintable(action->text()));
        }
        viewer.showTopic(1); // nothing to show, and no crash
        QCOMPARE(viewer.currentTopic(), 0);
    }

    void linksAndKeys()
    {
        HelpViewer viewer;
        viewer.openFile(kHelpFile);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QTextBrowser *text = textOf(viewer);
        text->setFocus();
        for (const char *link : {"#4", "#4", "#5"})
            emit text->anchorClicked(QUrl(QString::fromLatin1(link)));
        QCOMPARE(viewer.currentTopic(), 5);
        // Alt+Left three times, one more than there is to go back (a topic seen twice in a row
        // counts once), then Alt+Right.
        for (const auto &[key, topic] : {std::pair{Qt::Key_Left, 4}, {Qt::Key_Left, 1}, {Qt::Key_Left, 1}, {Qt::Key_Right, 4}}) {
            QTest::keyClick(text, key, Qt::AltModifier);
            QCOMPARE(viewer.currentTopic(), topic);
        }
        QCOMPARE(listOf(viewer)->currentItem()->data(Qt::UserRole).toInt(), 4);
        // An unknown topic shows the contents with a note; the topic that lay ahead is dropped.
        emit text->anchorClicked(QUrl(QStringLiteral("#77")));
        QTest::keyClick(text, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(viewer.currentTopic(), 1);
        QVERIFY(!noteOf(viewer)->isHidden());
        QTest::keyClick(listOf(viewer), Qt::Key_Escape);
        QVERIFY(!viewer.isVisible());
    }

    void oneViewerPerHelpFile()
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
};

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
