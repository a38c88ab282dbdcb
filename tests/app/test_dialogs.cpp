// The program's own dialogs on their own: what they say, where they stand beside the frame,
// which button has the focus, and what Enter, Escape and the close box do to the answer.

#include "app/amsgbox.h"
#include "files/allyesno.h"
#include "forms/activation.h"
#include "platform/twips.h"
#include "platform/winhelp.h"
#include "settings/changefnt.h"
#include "support/dialogscript.h"
#include "support/program.h"
#include "workarea/undoboxes.h"

#include <QFile>
#include <QLineEdit>

using D = DialogScript;

namespace {
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

QString settingsFile() { return QCoreApplication::applicationDirPath() + QStringLiteral("/Personal.qzt"); }

void showDialog(const QString &dialog)
{
    if (dialog == "AMsgbox")
        AMsgbox::showModal();
    else if (dialog == "AllYesNo")
        AllYesNo::ask(1);
    else if (dialog == "Undoboxes")
        Undoboxes::showModal();
    else
        ChangeFnt::showModal();
}

QByteArray settingsBytes()
{
    QFile f(settingsFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
}
} // namespace

class TestDialogs : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }
    void cleanup() { Program::removeSettings(); }

    void messages_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        QTest::newRow("14 keeps its blank") << 14 << " Bad Filename. Must be in the form MYFILE.PIC";
        QTest::newRow("anything else") << 12 << "";
    }
    void messages()
    {
        QFETCH(int, code);
        QFETCH(QString, text);
        Program program;
        MGLOBAL::instance().MsgCode = int16_t(code);
        bool boldButton = false, regularText = false;
        DialogScript script({whileShown([&](QDialog &d) {
            boldButton = d.focusWidget()->font().bold();
            regularText = !d.findChild<QWidget *>("TextMsg")->font().bold();
            QTest::keyClick(&d, Qt::Key_Return); // Enter presses "Exit", which has the focus
        })});
        AMsgbox::showModal();
        QVERIFY(script.allAnswered());
        QCOMPARE(script.asked.front(), QStringLiteral("AMsgbox: ") + text);
        QVERIFY(boldButton && regularText);
        QCOMPARE(MGLOBAL::instance().MsgCode, code); // nothing resets it
    }

    void dialogsStandBesideTheFrame_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QPoint>("smallTwips");
        QTest::addColumn<QPoint>("largeTwips");
        QTest::newRow("message") << "AMsgbox" << QPoint(3600, 2000) << QPoint(4650, 3000);
        QTest::newRow("personalize") << "ChangeFnt" << QPoint(3060, 2100) << QPoint(4000, 3100);
    }
    void dialogsStandBesideTheFrame()
    {
        QFETCH(QString, dialog);
        QFETCH(QPoint, smallTwips);
        QFETCH(QPoint, largeTwips);
        Program program;
        program.frame->move(30, 40);
        for (bool large : {false, true}) {
            MGLOBAL::instance().FrameSize = large ? 8670 : 6810;
            const QPoint offset = large ? largeTwips : smallTwips;
            QPoint where;
            DialogScript script({whileShown([&](QDialog &d) {
                where = d.frameGeometry().topLeft();
                d.close();
            })});
            showDialog(dialog);
            QCOMPARE(where, program.frame->frameGeometry().topLeft() + Twips::point(offset.x(), offset.y()));
        }
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

    void answers_data()
    {
        QTest::addColumn<int>("how"); // 0 Enter, 1 "No", 2 close box, 3 Escape
        QTest::addColumn<int>("choice");
        QTest::newRow("Enter answers yes") << 0 << 6;
        QTest::newRow("no") << 1 << 0;
        QTest::newRow("close box keeps the question") << 2 << 4;
        QTest::newRow("escape keeps the question") << 3 << 4;
    }
    void answers()
    {
        QFETCH(int, how);
        QFETCH(int, choice);
        Program program;
        QString focused;
        DialogScript script({whileShown([&](QDialog &d) {
            focused = d.focusWidget()->objectName();
            if (how == 0)
                QTest::keyClick(&d, Qt::Key_Return);
            else if (how == 1)
                d.findChild<QPushButton *>("AllNo")->click();
            else if (how == 2)
                d.close();
            else
                QTest::keyClick(&d, Qt::Key_Escape);
        })});
        QCOMPARE(AllYesNo::ask(4), choice == Answer::Yes);
        QCOMPARE(int(MGLOBAL::instance().YesNoChoice), choice);
        QCOMPARE(focused, QStringLiteral("AllYes"));
        QVERIFY(!AllYesNo::existing() || !AllYesNo::existing()->isVisible());
    }

    void undoCaptionsUseASignPosition_data()
    {
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("undo");
        QTest::addColumn<QString>("label");
        QTest::newRow("3 of 5") << 3 << 5 << "&Undo last  3 drops" << " Number of possible undo's in list =  5";
        QTest::newRow("3 of 2") << 3 << 2 << "&Undo last  2 drops" << " Number of possible undo's in list =  2";
        QTest::newRow("negative depth shown as stored") << -2 << 3 << "&Undo last -2 drops"
                                                       << " Number of possible undo's in list =  3";
    }
    void undoCaptionsUseASignPosition()
    {
        QFETCH(int, depth);
        QFETCH(int, count);
        QFETCH(QString, undo);
        QFETCH(QString, label);
        Program program;
        MGLOBAL::instance().UndoDepth = int16_t(depth);
        MGLOBAL::instance().UndoCount = int16_t(count);
        QString shownLabel, focused;
        DialogScript script({whileShown([&](QDialog &d) {
            shownLabel = d.findChild<QLabel *>("Label1")->text();
            focused = d.focusWidget()->objectName();
            d.findChild<QPushButton *>("CancelCmd")->click();
        })});
        Undoboxes::showModal();
        QCOMPARE(script.asked.front(), QStringLiteral("Undoboxes: ") + undo);
        QCOMPARE(shownLabel, label);
        QCOMPARE(focused, QStringLiteral("UndoCmd"));
        QCOMPARE(MGLOBAL::instance().UndoChoice, 0);
    }

    void personalizeShowsTheSettings_data()
    {
        QTest::addColumn<int>("depth");
        QTest::newRow("1000 whole") << 1000;
        QTest::newRow("-32768 whole") << -32768;
    }
    void personalizeShowsTheSettings()
    {
        QFETCH(int, depth);
        Program program;
        MGLOBAL::instance().UndoDepth = int16_t(depth);
        MGLOBAL::instance().UserName = QStringLiteral("Ann, B.");
        QString shown, pasted, name, focused;
        DialogScript script({whileShown([&](QDialog &d) {
            auto *box = d.findChild<QLineEdit *>("DisplayUndo");
            shown = box->text();
            box->selectAll();
            box->insert(QStringLiteral("12345")); // as a paste does
            pasted = box->text();
            name = d.findChild<QLineEdit *>("InMyName")->text();
            focused = d.focusWidget()->objectName();
            d.close();
        })});
        MainMenu::existing()->Personalize_Click();
        QCOMPARE(script.asked.front(), QStringLiteral("ChangeFnt"));
        QCOMPARE(shown, QString::number(depth));
        QCOMPARE(pasted, QStringLiteral("123"));
        QCOMPARE(name, QStringLiteral("Ann, B."));
        QCOMPARE(focused, QStringLiteral("InMyName"));
        QCOMPARE(settingsBytes(), QByteArray("<none>")); // the close box writes nothing
    }

    // The access key moves the focus to "E&xit to Menu" before pressing it: the box it leaves
    // keeps what was typed, as leaving with the mouse or Enter does.
    void altXKeepsWhatWasJustTyped_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("name") << "InMyName" << "Jo" << QByteArray("5,\"Jo\",\"\"\r\n");
        QTest::newRow("refused depth, message 15 first") << "DisplayUndo" << "abc" << QByteArray("4,\"\",\"\"\r\n");
    }
    void altXKeepsWhatWasJustTyped()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QByteArray, file);
        Program program;
        MGLOBAL::instance().UndoDepth = 5;
        std::vector<D::Answer> answers{whileShown([&](QDialog &d) {
            auto *edit = d.findChild<QLineEdit *>(box);
            edit->setFocus();
            edit->clear();
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_X, Qt::AltModifier);
            QTRY_VERIFY(!d.isVisible());
        })};
        if (typed == "abc")
            answers.push_back(D::exitMessage());
        DialogScript script(answers);
        MainMenu::existing()->Personalize_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(settingsBytes(), file);
    }

    void enterWalksToExitAndWritesTheFile()
    {
        Program program;
        QStringList focusPath;
        DialogScript script({whileShown([&](QDialog &d) {
            auto *depth = d.findChild<QLineEdit *>("DisplayUndo");
            depth->setFocus();
            depth->selectAll();
            QTest::keyClicks(depth, QStringLiteral("2.5"));
            QTest::keyClick(depth, Qt::Key_Return);
            focusPath << d.focusWidget()->objectName();
            auto *name = d.findChild<QLineEdit *>("InMyName");
            QTest::keyClicks(name, QStringLiteral("Jo \"Q\", Smith"));
            QTest::keyClick(name, Qt::Key_Return);
            focusPath << d.focusWidget()->objectName();
            QTest::keyClick(d.focusWidget(), Qt::Key_Return);
        })});
        MainMenu::existing()->Personalize_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(focusPath, QStringList({"InMyName", "ExitFonts"}));
        QCOMPARE(MGLOBAL::instance().UndoDepth, 2);
        QCOMPARE(MGLOBAL::instance().UserName, QStringLiteral("Jo Q, Smith"));
        QCOMPARE(settingsBytes(), QByteArray("2,\"Jo Q, Smith\",\"\"\r\n"));
        QLabel *label = MainMenu::existing()->findChild<QLabel *>("MyName");
        QVERIFY(label->isVisibleTo(MainMenu::existing()));
        QCOMPARE(label->text(), QStringLiteral("Jo Q, Smith"));
    }

    void depthBoxRefusesWhatIsNotOneToTen_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("message");
        // One row per outcome; the numbers themselves are the depth rule's own table.
        QTest::newRow("taken, rounded") << "9.5" << 10 << false;
        QTest::newRow("refused") << "0" << 4 << true;
        QTest::newRow("fourth character refused") << "1234" << 4 << true; // "123"
    }
    void depthBoxRefusesWhatIsNotOneToTen()
    {
        QFETCH(QString, typed);
        QFETCH(int, depth);
        QFETCH(bool, message);
        Program program;
        QString boxAfter;
        std::vector<D::Answer> answers{whileShown([&](QDialog &d) {
            auto *box = d.findChild<QLineEdit *>("DisplayUndo");
            box->setFocus();
            box->clear();
            QTest::keyClicks(box, typed);
            QTest::keyClick(&d, Qt::Key_Tab); // leaves the box
            boxAfter = box->text();
            d.close();
        })};
        if (message)
            answers.push_back(D::exitMessage());
        DialogScript script(answers);
        MainMenu::existing()->Personalize_Click();
        QVERIFY(script.allAnswered());
        QCOMPARE(int(MGLOBAL::instance().UndoDepth), depth);
        if (message) {
            QCOMPARE(script.asked.at(1), QStringLiteral("AMsgbox: Must be a number from 1 to 10."));
            QCOMPARE(boxAfter, QStringLiteral("4"));
        }
    }

    // The questions and the message have no topic of their own: F1 opens the help's contents.
    void f1OpensTheDialogsHelp_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("arguments");
        QTest::newRow("personalize") << "ChangeFnt" << "qztuse33.hlp --topic 7";
        QTest::newRow("undo") << "Undoboxes" << "qztuse33.hlp --topic 9";
        QTest::newRow("message") << "AMsgbox" << "qztuse33.hlp";
        QTest::newRow("question") << "AllYesNo" << "qztuse33.hlp";
    }
    void f1OpensTheDialogsHelp()
    {
        QFETCH(QString, dialog);
        QFETCH(QString, arguments);
        QStringList launched;
        WinHelp::setLauncher([&](const QString &, const QStringList &args, const QString &) {
            launched << args.join(' ');
            return true;
        });
        Program program;
        DialogScript script({whileShown([](QDialog &d) {
            QTest::keyClick(d.focusWidget(), Qt::Key_F1);
            d.close();
        })});
        showDialog(dialog);
        WinHelp::setLauncher(nullptr);
        QCOMPARE(launched, QStringList{arguments});
    }

    void pastedQuotesLeaveTheName()
    {
        Program program;
        DialogScript script({whileShown([&](QDialog &d) {
            auto *name = d.findChild<QLineEdit *>("InMyName");
            name->clear();
            name->insert(QStringLiteral("a\"b"));
            emit name->textEdited(name->text());
            QCOMPARE(name->text(), QStringLiteral("ab"));
            d.close();
        })});
        MainMenu::existing()->Personalize_Click();
        QVERIFY(script.allAnswered());
    }
};

QTEST_MAIN(TestDialogs)
#include "test_dialogs.moc"
