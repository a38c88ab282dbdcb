// The main menu in its frame and the program's own dialogs offscreen: start-up, the settings file
// as the main menu reads it, the help, the frame's layouts, and what keys, clicks, the close box
// and a change of window do in the dialogs.

#include "startup.h"

#include "settings/changefnt.h"

#include "activation.h"
#include "controls.h"

#include "winhelp.h"

#include "twips.h"

#include "helpchannel.h"

#include "support/dialogscript.h"
#include "support/program.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFocusEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QMenu>
#include <QStyle>
#include <QStyleFactory>

namespace {
QString settingsFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Personal.qzt"); }

QByteArray settingsBytes() { return TestFiles::read(settingsFile()); }
void writeSettings(const QByteArray &bytes) { QVERIFY(TestFiles::write(settingsFile(), bytes)); }

QLabel *myName() { return MainMenu::existing()->findChild<QLabel *>("MyName"); }

// Opens Personalize from the main menu and, once it is active, lets `act` be the user's hand; the
// message that refuses a depth is answered when `message` is set.
void personalize(std::function<void(QDialog &)> act, bool message = false)
{
    std::vector<DialogScript::Answer> answers{[act](QDialog &d) {
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        act(d);
    }};
    if (message)
        answers.push_back(DialogScript::exitMessage());
    DialogScript script(answers);
    MainMenu::existing()->Personalize_Click();
    QVERIFY2(script.allAnswered(), "the message comes exactly when the depth is refused");
    QCOMPARE(script.asked.front(), QStringLiteral("ChangeFnt"));
}

QLineEdit *box(QDialog &d, const QString &name) { return d.findChild<QLineEdit *>(name); }
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

    // The field rules have their full table beside the settings file. Without a complete read
    // the label keeps its design state: visible and empty.
    void settingsAsTheMainMenuReadsThem_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("labelShown");
        QTest::addColumn<QString>("label");
        QTest::newRow("no file") << QByteArray() << true << "";
        QTest::newRow("no name") << QByteArray("0,\"\",\"\"\r\n") << false << "";
        QTest::newRow("name shown as typed") << QByteArray("-3,\"<b>Jo</b> &lt;\",\"\"") << true << "<b>Jo</b> &lt;";
    }
    void settingsAsTheMainMenuReadsThem()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, labelShown);
        QFETCH(QString, label);
        if (!file.isNull())
            writeSettings(file);
        Program program;
        QCOMPARE(myName()->isVisibleTo(MainMenu::existing()), labelShown);
        QCOMPARE(myName()->text(), label);
        QVERIFY(myName()->width() >= myName()->fontMetrics().horizontalAdvance(label));
        if (!label.isEmpty()) // black on cyan, on the black menu
            QCOMPARE(MainMenu::existing()->grab(myName()->geometry()).toImage().pixelColor(0, 0), Controls::kCyan);
    }

    void comingBackFromTheWorkAreaReadsTheSettingsAgain()
    {
        Program program;
        QTest::keyClick(MainMenu::existing()->findChild<QPushButton *>("DisplayOpen"), Qt::Key_Return);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(WorkArea::Display::existing()); // Enter on "&Create" opens the work area
        QCOMPARE(program.frame->area()->subWindowList().size(), 1);
        writeSettings("6,\"Later\",\"\"\r\n");
        WorkArea::Display::existing()->Exit1_Click();
        QCOMPARE(MGLOBAL::instance().UndoDepth, 6);
        QCOMPARE(myName()->text(), QStringLiteral("Later"));
    }

    // The viewer starts without being waited for; once it shows the help file, it gets the requests:
    // the contents, and the topics of the main menu, Personalize, the work area and the palette.
    void helpButtonAndF1()
    {
        QStringList launched; // the viewer, then its arguments
        WinHelp::setLauncher([&](const QString &program, const QStringList &args, const QString &dir) {
            launched << QDir(dir).relativeFilePath(program) + ' ' + args.join(' ');
            return false;
        });
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
        personalize([](QDialog &d) { QTest::keyClick(d.focusWidget(), Qt::Key_F1); });
        // The work area, and the palette, a window of its own beside the frame.
        for (QWidget *window : {static_cast<QWidget *>(program.create()), static_cast<QWidget *>(Shapes::existing())}) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window->findChild<QPushButton *>(), Qt::Key_F1);
        }
        QTRY_COMPARE(asked.size(), 5);
        QList<int> topics;
        for (const QList<QVariant> &request : asked)
            topics << request[0].toInt();
        QCOMPARE(topics, (QList<int>{1, 3, 7, 4, 5}));
        QCOMPARE(launched.size(), 2);
    }

    // The program starts in its own folder, the frame the main menu's size, in the layout its outer
    // height chooses. In the small layout the main menu places itself when activated, until a resize
    // puts it where every form goes; in the large layout a resize and an activation put it at one place.
    void startAndLayouts()
    {
        QDir::setCurrent(QDir::rootPath());
        Program program;
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(program.frame->size(), Twips::size(MDIContainer::kClientWidth, MDIContainer::kClientHeight));
        MainMenu *menu = MainMenu::existing();
        menu->Form_Activate();
        const QPoint own = Program::formPosition(menu);
        const int decoration = program.frame->frameGeometry().height() - program.frame->height();
        program.frame->resize(634, 566 - decoration); // 8490 twips
        QCOMPARE(std::pair(MGLOBAL::instance().largeLayout(), Program::formPosition(menu)), std::pair(false, QPoint(-4, -4)));
        menu->Form_Activate();
        QCOMPARE(Program::formPosition(menu), own);
        QVERIFY(own != QPoint(-4, -4));
        program.frame->resize(634, 567 - decoration); // 8505 twips
        const QPoint large = Program::formPosition(menu);
        QVERIFY(MGLOBAL::instance().largeLayout() && large.x() > own.x() && large.y() > own.y());
        program.frame->moveForm(menu, 0, 0);
        menu->Form_Activate();
        QCOMPARE(Program::formPosition(menu), large);
        // The program's dialogs stand beside the frame (their exact places are the real-window
        // test's), further right and down in the large layout.
        program.frame->move(30, 40);
        QPoint offset[2];
        for (const bool bigger : {false, true}) {
            MGLOBAL::instance().FrameSize = bigger ? MGLOBAL::kLargeFrameSize : MGLOBAL::kSmallFrameSize;
            personalize([&](QDialog &d) { offset[bigger] = d.frameGeometry().topLeft() - program.frame->frameGeometry().topLeft(); });
        }
        QVERIFY(offset[0].x() > 0 && offset[0].y() > 0 && offset[1].x() > offset[0].x() && offset[1].y() > offset[0].y());
    }

    // Windows place themselves when an activation comes from inside the program: "A" the program
    // becomes active, "I" inactive, "W" one of its windows gets the focus, "N" none has it.
    void activationFromInsideTheProgram()
    {
        for (const auto &[changes, inside] : {std::pair{"IA", true}, {"AWIN", false}, {"AWINA", false}, {"AWINAW", true}}) {
            Activation activation;
            for (const char c : std::string_view(changes)) {
                if (c == 'A' || c == 'I')
                    activation.applicationStateChanged(c == 'A' ? Qt::ApplicationActive : Qt::ApplicationInactive);
                else
                    activation.focusWindowChanged(c == 'W');
            }
            QVERIFY2(activation.fromInsideProgram() == inside, changes);
        }
        // The area activates its child again as the program comes back from another one: no placing.
        Program program;
        MainMenu *menu = MainMenu::existing();
        program.frame->moveForm(menu, 0, 0);
        Activation &activation = Activation::program();
        activation.applicationStateChanged(Qt::ApplicationActive);
        activation.applicationStateChanged(Qt::ApplicationInactive);
        emit program.frame->area()->subWindowActivated(program.frame->area()->subWindowList().first());
        QCOMPARE(Program::formPosition(menu), QPoint(0, 0));
        QWidget other; // a window of the program gets the focus again
        other.show();
        other.activateWindow();
        QTRY_VERIFY(activation.fromInsideProgram());
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

    // What the program puts in the boxes is shown whole; what is typed or pasted is cut to fit, and a
    // quote is dropped, typed (over a selection too) or pasted. Enter walks from box to box and on to
    // the button.
    void personalizeShowsTypesAndWrites()
    {
        Program program;
        MGLOBAL::instance().UndoDepth = -32768;
        MGLOBAL::instance().UserName = QStringLiteral("Ann, B.");
        personalize([](QDialog &d) {
            QLineEdit *name = box(d, "InMyName"), *depth = box(d, "DisplayUndo");
            QCOMPARE(d.focusWidget(), name);
            QCOMPARE(std::pair(name->text(), depth->text()), std::pair(QStringLiteral("Ann, B."), QStringLiteral("-32768")));
            depth->setFocus();
            depth->selectAll();
            depth->insert(QStringLiteral("12345"));
            QCOMPARE(depth->text(), QStringLiteral("123"));
            depth->home(false);
            QTest::keyClicks(depth, QStringLiteral("9")); // a full box takes nothing more, wherever typed
            QCOMPARE(depth->text(), QStringLiteral("123"));
            depth->selectAll();
            QTest::keyClicks(depth, QStringLiteral("2.5"));
            QTest::keyClick(depth, Qt::Key_Return);
            QCOMPARE(d.focusWidget(), name);
            name->clear();
            name->insert(QStringLiteral("Jo \"Q"));
            emit name->textEdited(name->text());
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("\"")); // leaves what is selected
            name->end(false);
            QTest::keyClicks(name, QStringLiteral("\", Smith"));
            QTest::keyClick(name, Qt::Key_Return);
            QCOMPARE(d.focusWidget()->objectName(), QStringLiteral("ExitFonts"));
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        });
        QCOMPARE(std::pair(MGLOBAL::instance().UndoDepth, MGLOBAL::instance().UserName), std::pair(int16_t(2), QStringLiteral("Jo Q, Smith")));
        QCOMPARE(settingsBytes(), QByteArray("2,\"Jo Q, Smith\",\"\"\r\n"));
        QVERIFY(myName()->isVisibleTo(MainMenu::existing()));
        QCOMPARE(myName()->text(), QStringLiteral("Jo Q, Smith"));
    }

    // A box takes what it holds when the focus moves on inside the window, by any means: the depth
    // 1 to 10, or else message 15 and the default. Another window or a popup menu is no leaving. The
    // access key moves the focus to "E&xit to Menu" before pressing it; the close box writes nothing.
    void leavingABox_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("reason"); // -1: Alt+X
        QTest::addColumn<int>("depth");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("Alt+X, name") << "InMyName" << "Jo" << -1 << 5 << QByteArray("5,\"Jo\",\"\"\r\n");
        QTest::newRow("Alt+X, refused depth") << "DisplayUndo" << "abc" << -1 << 4 << QByteArray("4,\"\",\"\"\r\n");
        QTest::newRow("to another window") << "DisplayUndo" << "0" << int(Qt::ActiveWindowFocusReason) << 5 << QByteArray("<none>");
        QTest::newRow("to a popup") << "DisplayUndo" << "9" << int(Qt::PopupFocusReason) << 5 << QByteArray("<none>");
        QTest::newRow("by the mouse") << "DisplayUndo" << "9" << int(Qt::MouseFocusReason) << 9 << QByteArray("<none>");
    }
    void leavingABox()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(int, reason);
        QFETCH(int, depth);
        QFETCH(QByteArray, file);
        Program program;
        MGLOBAL::instance().UndoDepth = 5;
        const bool refused = depth == 4;
        personalize([&](QDialog &d) {
            QLineEdit *edit = ::box(d, box);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, typed);
            if (reason < 0) {
                QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
            } else {
                QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
                QCoreApplication::sendEvent(edit, &out);
                d.close();
            }
            QTRY_VERIFY(!d.isVisible());
            if (refused)
                QCOMPARE(edit->text(), QStringLiteral("4"));
        }, refused);
        QCOMPARE(int(MGLOBAL::instance().UndoDepth), depth);
        QCOMPARE(settingsBytes(), file);
    }

    // Start-up as the program does it, last since it sets the style: the frame and the main menu
    // carry the program's icon; a child window's menu icons, made only when shown, the style's own.
    void startupAsTheProgramDoesIt()
    {
        Startup::configureApplication();
        Program program;
        const QImage icon(qEnvironmentVariable("BRICKLOOM_SOURCE_DIR") + QStringLiteral("/assets/palette/brickloom.ico"));
        for (QWidget *window : {static_cast<QWidget *>(program.frame), static_cast<QWidget *>(MainMenu::existing())})
            QCOMPARE(window->windowIcon().pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32),
                     icon.convertToFormat(QImage::Format_ARGB32));
        const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        QList<QImage> expected;
        for (auto icon : {QStyle::SP_TitleBarNormalButton, QStyle::SP_TitleBarMinButton, QStyle::SP_TitleBarMaxButton,
                          QStyle::SP_TitleBarCloseButton})
            expected << fusion->standardIcon(icon).pixmap(16).toImage();
        QList<QImage> shown;
        for (QAction *action : qobject_cast<QMdiSubWindow *>(MainMenu::existing()->parentWidget())->systemMenu()->actions()) {
            if (!action->icon().isNull())
                shown << action->icon().pixmap(16).toImage();
        }
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(TestApp)
#include "test_app.moc"
