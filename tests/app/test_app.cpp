// The main menu in its frame and the program's own dialogs offscreen: start-up, the settings file
// as the main menu reads it, the help, the frame's layouts, and what keys, clicks, the close box
// and a change of window do in the dialogs.

#include "forms/activation.h"
#include "helpviewer/helpchannel.h"
#include "platform/twips.h"
#include "platform/winhelp.h"
#include "settings/changefnt.h"
#include "support/dialogscript.h"
#include "support/program.h"

#include <QDir>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>

using D = DialogScript;

namespace {
QString settingsFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Personal.qzt"); }

QByteArray settingsBytes()
{
    QFile f(settingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}

void writeSettings(const QByteArray &bytes)
{
    QFile f(settingsFile());
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

QLabel *myName() { return MainMenu::existing()->findChild<QLabel *>("MyName"); }

// What the help button and F1 asked of the viewer: its program, then its arguments.
QStringList launched;
void recordLaunches(bool viewerStarts)
{
    launched.clear();
    WinHelp::setLauncher([viewerStarts](const QString &program, const QStringList &args, const QString &dir) {
        launched << QDir(dir).relativeFilePath(program) + ' ' + args.join(' ');
        return viewerStarts;
    });
}

// Shows the dialog as the answerer gets it, waits until it is active, then runs `act`.
D::Answer whileShown(std::function<void(QDialog &)> act)
{
    return [act](QDialog &d) {
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        act(d);
    };
}

// Opens Personalize from the main menu, with `act` as the user's hand and the message that
// refuses a depth answered when `message` is set.
void personalize(std::function<void(QDialog &)> act, bool message = false)
{
    std::vector<D::Answer> answers{whileShown(act)};
    if (message)
        answers.push_back(D::exitMessage());
    DialogScript script(answers);
    MainMenu::existing()->Personalize_Click();
    QVERIFY2(script.allAnswered(), "the message comes exactly when the depth is refused");
    QCOMPARE(script.asked.front(), QStringLiteral("ChangeFnt"));
}

QLineEdit *box(QDialog &d, const char *name) { return d.findChild<QLineEdit *>(QLatin1String(name)); }
} // namespace

class TestApp : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }
    void cleanup()
    {
        Program::removeSettings();
        WinHelp::setLauncher(nullptr);
    }

    // One row per outcome; the field rules have their full table beside the settings file.
    void settingsAsTheMainMenuReadsThem_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("labelShown");
        QTest::addColumn<QString>("label");
        // Without a complete read the label keeps its design state: visible and empty.
        QTest::newRow("no file") << QByteArray() << 0 << "" << true << "";
        QTest::newRow("incomplete: no default, no label") << QByteArray("0,\"Bo\"\r\n") << 0 << "Bo" << true << "";
        QTest::newRow("depth 0 means 4, no name no label") << QByteArray("0,\"\",\"\"\r\n") << 4 << "" << false << "";
        QTest::newRow("name shown as typed") << QByteArray("-3,\"<b>Jo</b> &lt;\",\"\"") << -3 << "<b>Jo</b> &lt;" << true
                                             << "<b>Jo</b> &lt;";
    }
    void settingsAsTheMainMenuReadsThem()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, depth);
        QFETCH(QString, name);
        QFETCH(bool, labelShown);
        QFETCH(QString, label);
        if (!file.isNull())
            writeSettings(file);
        Program program;
        QCOMPARE(int(MGLOBAL::instance().UndoDepth), depth);
        QCOMPARE(MGLOBAL::instance().UserName, name);
        QCOMPARE(myName()->isVisibleTo(MainMenu::existing()), labelShown);
        QCOMPARE(myName()->text(), label);
        QVERIFY(myName()->width() >= myName()->fontMetrics().horizontalAdvance(label));
    }

    void createAndComeBack()
    {
        Program program;
        QVERIFY(program.create());
        QVERIFY(!MainMenu::existing());
        QCOMPARE(program.frame->area()->subWindowList().size(), 1);
        QVERIFY(Shapes::existing()->isVisible());
        // Coming back reads the settings again.
        writeSettings("6,\"Later\",\"\"\r\n");
        WorkArea::Display::existing()->Exit1_Click();
        QCOMPARE(MGLOBAL::instance().UndoDepth, 6);
        QCOMPARE(myName()->text(), QStringLiteral("Later"));
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
    }

    // The viewer is started without waiting for it; once one shows the help file, it gets the
    // requests instead.
    void helpButtonAndF1()
    {
        recordLaunches(false);
        Program program;
        auto *help = MainMenu::existing()->findChild<QPushButton *>("MainHelp");
        help->click();
        QTest::keyClick(help, Qt::Key_F1);
        QCOMPARE(launched, QStringList({"winhelp.exe qztuse33.hlp", "winhelp.exe qztuse33.hlp --topic 3"}));

        HelpChannel viewer;
        QVERIFY(viewer.claim(QCoreApplication::applicationDirPath() + QStringLiteral("/qztuse33.hlp"), 1));
        QSignalSpy asked(&viewer, &HelpChannel::topicRequested);
        help->click();
        QTest::keyClick(help, Qt::Key_F1);
        QTRY_COMPARE(asked.size(), 2);
        QCOMPARE(asked[0][0].toInt(), 1);
        QCOMPARE(asked[1][0].toInt(), 3);
        QCOMPARE(launched.size(), 2);
    }

    // The program starts in its own folder, in the small layout; the frame's height chooses it.
    void startAndLayouts()
    {
        QDir::setCurrent(QDir::rootPath());
        Program program;
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
        MainMenu *menu = MainMenu::existing();
        QCOMPARE(MGLOBAL::instance().FrameSize, 6810);
        menu->Form_Activate();
        QCOMPARE(Program::formPosition(menu), Twips::point(-25, -15));
        // The rule looks at the outer height, title bar and borders included.
        const int decoration = program.frame->frameGeometry().height() - program.frame->height();
        program.frame->resize(634, 566 - decoration); // 8490 twips
        QCOMPARE(MGLOBAL::instance().FrameSize, 6810);
        QCOMPARE(Program::formPosition(menu), QPoint(-4, -4));
        program.frame->resize(634, 567 - decoration); // 8505 twips
        QCOMPARE(MGLOBAL::instance().FrameSize, 8670);
        QCOMPARE(Program::formPosition(menu), Twips::point(1000, 1000));
        menu->Form_Activate();
        QCOMPARE(Program::formPosition(menu), Twips::point(1000, 1000));
    }

    // Windows place themselves when an activation comes from inside the program: "A" the program
    // becomes active, "I" inactive, "W" one of its windows gets the focus, "N" none has it.
    void activationFromInsideTheProgram_data()
    {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<bool>("inside");
        QTest::newRow("start") << "IA" << true;
        QTest::newRow("gone to another program") << "AWIN" << false;
        QTest::newRow("back, before a window has it") << "AWINA" << false;
        QTest::newRow("back, a window has it") << "AWINAW" << true;
    }
    void activationFromInsideTheProgram()
    {
        QFETCH(QString, changes);
        QFETCH(bool, inside);
        Activation activation;
        for (const QChar c : changes) {
            if (c == 'A' || c == 'I')
                activation.applicationStateChanged(c == 'A' ? Qt::ApplicationActive : Qt::ApplicationInactive);
            else
                activation.focusWindowChanged(c == 'W');
        }
        QCOMPARE(activation.fromInsideProgram(), inside);
    }

    // The area activates its child again as the program comes back from another one: no placing.
    void comingBackFromAnotherProgramPlacesNothing()
    {
        Program program;
        MainMenu *menu = MainMenu::existing();
        program.frame->moveForm(menu, 0, 0);
        Activation &activation = Activation::program();
        activation.applicationStateChanged(Qt::ApplicationActive);
        activation.applicationStateChanged(Qt::ApplicationInactive);
        emit program.frame->area()->subWindowActivated(program.frame->area()->subWindowList().first());
        QCOMPARE(Program::formPosition(menu), QPoint(0, 0));
        activation.focusWindowChanged(true); // a window of the program has the focus again
    }

    void exitProgramEndsAtOnce()
    {
        Program program;
        MGLOBAL::instance().ModelChanged = 1;
        QTimer::singleShot(0, MainMenu::existing(), &MainMenu::ExitProgram_Click);
        QTimer::singleShot(2000, [] { QCoreApplication::exit(99); });
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
    }

    void dialogsStandBesideTheFrame()
    {
        Program program;
        program.frame->move(30, 40);
        for (const auto &[frameSize, offset] : {std::pair{6810, QPoint(3060, 2100)}, {8670, QPoint(4000, 3100)}}) {
            MGLOBAL::instance().FrameSize = frameSize;
            QPoint where;
            personalize([&](QDialog &d) { where = d.frameGeometry().topLeft(); });
            QCOMPARE(where, program.frame->frameGeometry().topLeft() + Twips::point(offset.x(), offset.y()));
        }
    }

    // What the program puts in the boxes is shown whole; what is typed or pasted is cut to fit,
    // and a pasted quote is dropped as a typed one is.
    void personalizeShowsTheSettings()
    {
        Program program;
        MGLOBAL::instance().UndoDepth = -32768;
        MGLOBAL::instance().UserName = QStringLiteral("Ann, B.");
        personalize([](QDialog &d) {
            QCOMPARE(d.focusWidget()->objectName(), QStringLiteral("InMyName"));
            QCOMPARE(box(d, "InMyName")->text(), QStringLiteral("Ann, B."));
            QLineEdit *depth = box(d, "DisplayUndo");
            QCOMPARE(depth->text(), QStringLiteral("-32768"));
            depth->selectAll();
            depth->insert(QStringLiteral("12345"));
            QCOMPARE(depth->text(), QStringLiteral("123"));
            QLineEdit *name = box(d, "InMyName");
            name->clear();
            name->insert(QStringLiteral("a\"b"));
            emit name->textEdited(name->text());
            QCOMPARE(name->text(), QStringLiteral("ab"));
            d.close();
        });
        QCOMPARE(settingsBytes(), QByteArray("<none>")); // the close box writes nothing
        QCOMPARE(MGLOBAL::instance().UndoDepth, -32768);
    }

    void enterWalksToExitAndWritesTheFile()
    {
        Program program;
        personalize([](QDialog &d) {
            QLineEdit *depth = box(d, "DisplayUndo");
            depth->setFocus();
            depth->selectAll();
            QTest::keyClicks(depth, QStringLiteral("2.5"));
            QTest::keyClick(depth, Qt::Key_Return);
            QCOMPARE(d.focusWidget()->objectName(), QStringLiteral("InMyName"));
            QTest::keyClicks(box(d, "InMyName"), QStringLiteral("Jo \"Q\", Smith"));
            QTest::keyClick(box(d, "InMyName"), Qt::Key_Return);
            QCOMPARE(d.focusWidget()->objectName(), QStringLiteral("ExitFonts"));
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(MGLOBAL::instance().UndoDepth, 2);
        QCOMPARE(MGLOBAL::instance().UserName, QStringLiteral("Jo Q, Smith"));
        QCOMPARE(settingsBytes(), QByteArray("2,\"Jo Q, Smith\",\"\"\r\n"));
        QVERIFY(myName()->isVisibleTo(MainMenu::existing()));
        QCOMPARE(myName()->text(), QStringLiteral("Jo Q, Smith"));
    }

    // The access key moves the focus to "E&xit to Menu" before pressing it: the box it leaves
    // keeps what was typed, as leaving with the mouse or Enter does.
    void altXKeepsWhatWasJustTyped_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("name") << "InMyName" << "Jo" << QByteArray("5,\"Jo\",\"\"\r\n");
        QTest::newRow("refused depth, message first") << "DisplayUndo" << "abc" << QByteArray("4,\"\",\"\"\r\n");
    }
    void altXKeepsWhatWasJustTyped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        Program program;
        MGLOBAL::instance().UndoDepth = 5;
        personalize([&](QDialog &d) {
            auto *edit = d.findChild<QLineEdit *>(box);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
        }, typed == "abc");
        QCOMPARE(settingsBytes(), file);
    }

    // Leaving the depth box takes what it holds: a number from 1 to 10, rounded, or else message
    // 15 and the default. Only a move of the focus inside the window leaves it; the user going to
    // another window or a popup menu opening does not.
    void leavingTheDepthBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reason"); // -1: the Tab key
        QTest::addColumn<int>("depth");
        QTest::newRow("taken, rounded") << "9.5" << -1 << 10;
        QTest::newRow("refused") << "0" << -1 << 4;
        QTest::newRow("fourth character refused") << "1234" << -1 << 4; // "123"
        QTest::newRow("to another window") << "0" << int(Qt::ActiveWindowFocusReason) << 7;
        QTest::newRow("to a popup") << "9" << int(Qt::PopupFocusReason) << 7;
        QTest::newRow("by the mouse") << "9" << int(Qt::MouseFocusReason) << 9;
    }
    void leavingTheDepthBox()
    {
        QFETCH(QString, typed);
        QFETCH(int, reason);
        QFETCH(int, depth);
        Program program;
        MGLOBAL::instance().UndoDepth = 7;
        const bool refused = depth == 4;
        personalize([&](QDialog &d) {
            QLineEdit *depthBox = box(d, "DisplayUndo");
            depthBox->setFocus();
            depthBox->clear();
            QTest::keyClicks(depthBox, typed);
            if (reason < 0) {
                QTest::keyClick(&d, Qt::Key_Tab);
            } else {
                QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
                QCoreApplication::sendEvent(depthBox, &out);
            }
            if (refused)
                QCOMPARE(depthBox->text(), QStringLiteral("4"));
            d.close();
        }, refused);
        QCOMPARE(int(MGLOBAL::instance().UndoDepth), depth);
    }

    void f1OpensTheDialogsHelp()
    {
        recordLaunches(true);
        Program program;
        personalize([](QDialog &d) { QTest::keyClick(d.focusWidget(), Qt::Key_F1); });
        QCOMPARE(launched, QStringList{"winhelp.exe qztuse33.hlp --topic 7"});
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
