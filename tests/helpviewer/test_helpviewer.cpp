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
        const std::pair<int, const char *> asked[] = {{1, "Contents"}, {3, "main menu"}, {4, "work area"},
                                                      {5, "palette"}, {7, "Personalize"}, {9, "undo"}};
        for (const auto &[number, subject] : asked)
            QVERIFY2(file.topic(number) && file.topic(number)->title.contains(QLatin1String(subject), Qt::CaseInsensitive), subject);
        const QList<int> fromContents = HelpFile::linkTargets(file.topic(1)->text);
        for (const HelpTopic &topic : file.topics()) {
            const QList<int> targets = HelpFile::linkTargets(topic.text);
            for (int target : targets)
                QVERIFY2(file.topic(target), qPrintable(QStringLiteral("topic %1 links to %2").arg(topic.number).arg(target)));
            QVERIFY2(targets.contains(1) && fromContents.contains(topic.number), qPrintable(QString::number(topic.number)));
        }
    }

    void brokenFilesAreRefused()
    {
        using Case = std::pair<QByteArray, const char *>;
        for (const auto &[bytes, reason] : {Case{"", "empty"}, Case{"just some text\n", "no help topics"},
                                            Case{"=== 1 | Contents ===\nx\n=== four | Work ===\n", "line 3"},
                                            Case{"=== 1 | A ===\n=== 2 | B ===\n=== 1 | C ===\n", "topic 1 appears twice"},
                                            Case{"=== 2 | B ===\ntext\n", "topic 1"}, Case{"=== 1 | Inhalt \xfc ===\n", "UTF-8"}}) {
            const HelpFile file = HelpFile::fromText(bytes);
            QVERIFY2(!file.isValid() && file.errorString().contains(QLatin1String(reason)), qPrintable(file.errorString()));
            QVERIFY(file.topics().isEmpty());
        }
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
        QCOMPARE(HelpFile::linkTargets(QStringLiteral("[a](#4) [b](#x) [c](http://e)")), (QList<int>{4, -1}));
    }

    void commandLine()
    {
        using Case = std::tuple<QStringList, QString, int>; // no file: refused
        for (const auto &[args, file, topic] : {Case{{"qztuse33.hlp"}, "qztuse33.hlp", 1}, Case{{"a.hlp", "--topic", "4"}, "a.hlp", 4},
                                                Case{{}, "", 1}, Case{{"a.hlp", "--topic", "four"}, "", 1}}) {
            const HelpCommandLine command = HelpCommandLine::parse(QStringList{"winhelp.exe"} + args);
            QCOMPARE(command.isValid(), !file.isEmpty());
            if (command.isValid())
                QCOMPARE(std::pair(command.file(), command.topic()), std::pair(file, topic));
        }
    }

    // The list, links and Alt+Left/Right move through the topics; an unknown topic shows the
    // contents with a note. A file that cannot be used then replaces the good one entirely.
    void browsing()
    {
        HelpViewer viewer;
        viewer.openFile(kHelpFile, 4);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help - The work area"));
        QVERIFY(textOf(viewer)->toPlainText().contains(QStringLiteral("Hide Grid - Shapes")));
        listOf(viewer)->setCurrentRow(6);
        QCOMPARE(viewer.currentTopic(), 7);
        QTextBrowser *text = textOf(viewer);
        text->setFocus();
        // A topic seen twice in a row counts once; Alt+Left once more than there is to go back; an
        // unknown topic drops the topics that lay ahead, and its note goes with the next page.
        using Step = std::tuple<const char *, int, bool>; // a link or Alt+< >, then the topic and the note
        for (const auto &[step, topic, note] : {Step{"#5", 5, false}, {"#5", 5, false}, {"#3", 3, false}, {"<", 5, false}, {"<", 7, false},
                                                {"<", 4, false}, {"<", 4, false}, {">", 7, false}, {"#77", 1, true}, {"<", 7, false},
                                                {">", 1, false}, {"#88", 1, true}, {"#3", 3, false}}) {
            if (step[0] == '#')
                emit text->anchorClicked(QUrl(QString::fromLatin1(step)));
            else
                QTest::keyClick(text, step[0] == '<' ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier);
            QCOMPARE(std::pair(viewer.currentTopic(), !noteOf(viewer)->isHidden()), std::pair(topic, note));
        }
        QVERIFY(noteOf(viewer)->text().contains(QStringLiteral("no help topic 88")));
        QCOMPARE(listOf(viewer)->currentItem()->data(Qt::UserRole).toInt(), 3);

        QTemporaryDir dir;
        const QString missing = dir.filePath("qztuse33.hlp");
        viewer.openFile(missing, 4);
        const QString shown = textOf(viewer)->toPlainText();
        QVERIFY2(shown.contains(QStringLiteral("was not found")) && shown.contains(missing), qPrintable(shown));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help"));
        QCOMPARE(listOf(viewer)->count(), 0);
        for (QAction *action : viewer.findChildren<QAction *>())
            QVERIFY2(!action->isEnabled() || !(QStringList{"Back", "Forward", "Contents"}.contains(action->text())), qPrintable(action->text()));
        viewer.showTopic(1); // nothing to show, and no crash
        QCOMPARE(viewer.currentTopic(), 0);
        QTest::keyClick(text, Qt::Key_Escape);
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
