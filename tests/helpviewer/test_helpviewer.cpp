// The help viewer: the shipped help file, refused files, the command line, and the window offscreen.

#include "helpchannel.h"
#include "helpcommandline.h"
#include "helpfile.h"
#include "helprequest.h"
#include "helpviewer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QLocalServer>
#include <QLocalSocket>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include <sys/stat.h>
#include <unistd.h>

static const QString kHelpFile = QStringLiteral(BRICKLOOM_HELP_FILE);

class TestHelpViewer : public QObject {
    Q_OBJECT
private slots:
    // The topics the program asks for; every link leads somewhere, and to and from the contents.
    void theShippedHelpFile()
    {
        const HelpFile file = HelpFile::load(kHelpFile);
        QVERIFY2(file.isValid(), qPrintable(file.errorString()));
        const std::pair<int, const char *> asked[] = {{1, "Contents"}, {3, "main menu"}, {4, "work area"},
                                                      {5, "palette"}, {7, "Personalize"}, {9, "undo"}};
        for (const auto &[number, subject] : asked)
            QVERIFY2(file.topic(number) && file.topic(number)->title.contains(QLatin1String(subject), Qt::CaseInsensitive), subject);
        for (const HelpTopic &topic : file.topics()) {
            const QList<int> targets = HelpFile::linkTargets(topic.text);
            for (int target : targets)
                QVERIFY2(file.topic(target), qPrintable(QStringLiteral("topic %1 links to %2").arg(topic.number).arg(target)));
            QVERIFY2(targets.contains(1) && HelpFile::linkTargets(file.topic(1)->text).contains(topic.number), qPrintable(topic.title));
        }
    }

    // What a file must look like, and the reason given when it does not.
    void readingHelpFiles()
    {
        using Case = std::pair<QByteArray, const char *>;
        for (const auto &[bytes, reason] : {Case{"", "empty"}, Case{"just some text\n", "no help topics"},
                                            Case{"=== 1 | Contents ===\nx\n=== four | Work ===\n", "line 3"},
                                            Case{"=== 1 | A ===\n=== 2 | B ===\n=== 1 | C ===\n", "topic 1 appears twice"},
                                            Case{"=== 2 | B ===\ntext\n", "topic 1"}, Case{"=== 1 | Inhalt \xfc ===\n", "UTF-8"}}) {
            const HelpFile file = HelpFile::fromText(bytes);
            QVERIFY2(file.errorString().contains(QLatin1String(reason)) && file.topics().isEmpty(), qPrintable(file.errorString()));
        }
        const HelpFile file = HelpFile::fromText(
            "A note before the first topic.\r\n=== 1 | Contents ===\r\n\r\nSee [the area](#4).\r\n\r\n"
            "===4|The work area===\n    indented\nlast line\n\n");
        QVERIFY2(file.isValid(), qPrintable(file.errorString()));
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
            QCOMPARE(command.isValid() ? std::pair(command.file(), command.topic()) : std::pair(QString(), 1), std::pair(file, topic));
        }
    }

    // The list, links and Alt+Left/Right move through the topics; an unknown topic shows the
    // contents with a note. A file that cannot be used then replaces the good one entirely.
    void browsing()
    {
        HelpViewer viewer;
        auto *list = viewer.findChild<QListWidget *>(QStringLiteral("contentsList"));
        auto *text = viewer.findChild<QTextBrowser *>(QStringLiteral("topicText"));
        auto *note = viewer.findChild<QLabel *>(QStringLiteral("noteLabel"));
        viewer.openFile(kHelpFile, 4);
        viewer.show();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        QCOMPARE(viewer.windowTitle(), QStringLiteral("Brickloom Help - The work area"));
        QVERIFY(text->toPlainText().contains(QStringLiteral("Hide Grid - Shapes")));
        list->setCurrentRow(6);
        QCOMPARE(viewer.currentTopic(), 7);
        text->setFocus();
        // A topic seen twice in a row counts once; Alt+Left once more than there is to go back; an
        // unknown topic drops the topics that lay ahead, and its note goes with the next page.
        using Step = std::tuple<const char *, int, bool>; // a link or Alt+< >, then the topic and the note
        for (const auto &[step, topic, noted] : {Step{"#5", 5, false}, {"#5", 5, false}, {"#3", 3, false}, {"<", 5, false}, {"<", 7, false},
                                                 {"<", 4, false}, {"<", 4, false}, {">", 7, false}, {"#77", 1, true}, {"<", 7, false},
                                                 {">", 1, false}, {"#88", 1, true}, {"#3", 3, false}}) {
            step[0] == '#' ? text->anchorClicked(QUrl(QString::fromLatin1(step)))
                           : QTest::keyClick(text, step[0] == '<' ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier);
            QCOMPARE(std::pair(viewer.currentTopic(), !note->isHidden()), std::pair(topic, noted));
        }
        QVERIFY(note->text().contains(QStringLiteral("no help topic 88")));
        QCOMPARE(list->currentItem()->data(Qt::UserRole).toInt(), 3);

        const QString missing = kHelpFile + QStringLiteral(".gone");
        viewer.openFile(missing, 4);
        QVERIFY2(text->toPlainText().contains(QStringLiteral("\"%1\" was not found").arg(missing)), qPrintable(text->toPlainText()));
        QCOMPARE(std::pair(viewer.windowTitle(), list->count()), std::pair(QStringLiteral("Brickloom Help"), 0));
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

        // Once it has closed, the next viewer takes the file, also over a socket a crashed viewer left.
        first.close();
        QVERIFY(!HelpRequest::handOver(file, 1));
        QLocalServer probe;
        QVERIFY(probe.listen(HelpRequest::socketPath(file)));
        QFile stale(probe.fullServerName());
        probe.close();
        QVERIFY(stale.open(QIODevice::WriteOnly));
        QVERIFY(second.claimChannel(file, 4));
        second.openFile(file, 4);
        QVERIFY(HelpRequest::handOver(file, 7));
        QTRY_COMPARE(second.currentTopic(), 7);

        // A line longer than any request is none: the viewer closes that connection.
        QLocalSocket flood;
        flood.connectToServer(HelpRequest::socketPath(file));
        QVERIFY(flood.waitForConnected(1000) && flood.write(QByteArray(100000, '7')) > 0);
        QTRY_COMPARE(flood.state(), QLocalSocket::UnconnectedState);
    }

    // The channel lies in the session's runtime folder, or else in a folder of the user's own that
    // nobody else made or can enter. Where there is no such place, the viewer works alone.
    void aPrivatePlaceForTheChannel()
    {
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR"), savedTmp = qgetenv("TMPDIR");
        const auto restore = qScopeGuard([&] { qputenv("XDG_RUNTIME_DIR", savedRuntime), qputenv("TMPDIR", savedTmp); });
        QTemporaryDir runtime, tmp;
        qputenv("TMPDIR", tmp.path().toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QVERIFY(HelpRequest::socketPath(kHelpFile).startsWith(runtime.path() + QStringLiteral("/brickloom-help-")));

        // Where the socket's path would not fit, or there is no such folder.
        const QString deep = runtime.filePath(QString(90, u'd')), own = tmp.filePath(QStringLiteral("brickloom-%1").arg(getuid()));
        QVERIFY(QDir().mkpath(deep));
        for (const QString &elsewhere : {deep, runtime.filePath(QStringLiteral("gone")), QString()}) {
            qputenv("XDG_RUNTIME_DIR", elsewhere.toLocal8Bit());
            QVERIFY(HelpRequest::socketPath(kHelpFile).startsWith(own + QStringLiteral("/brickloom-help-")));
        }
        QCOMPARE(QFile::permissions(own) & QFile::Permissions(0x77), QFile::Permissions()); // nothing for group and others

        // Opened to others, another user's (only root can give one away), or a link: refused.
        const QByteArray folder = QFile::encodeName(own);
        QVERIFY(::chmod(folder, 0755) == 0 && HelpRequest::socketPath(kHelpFile).isEmpty() && ::chmod(folder, 0700) == 0);
        if (::chown(folder, getuid() + 1, -1) == 0)
            QVERIFY(HelpRequest::socketPath(kHelpFile).isEmpty() && ::chown(folder, getuid(), -1) == 0);
        QVERIFY(QDir().rename(own, own + "-real") && QFile::link(own + "-real", own) && HelpRequest::socketPath(kHelpFile).isEmpty());
        HelpViewer viewer;
        QVERIFY(viewer.claimChannel(kHelpFile, 3));
        QVERIFY(!HelpRequest::handOver(kHelpFile, 4));
    }
};

QTEST_MAIN(TestHelpViewer)
#include "test_helpviewer.moc"
