// Start-up, the main menu and the frame: what the user sees first, the settings file as the main
// menu reads it, the help command line, and the layout switch of the frame.

#include "forms/activation.h"
#include "helpviewer/helpchannel.h"
#include "platform/twips.h"
#include "platform/winhelp.h"
#include "support/program.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

namespace {
void writeSettings(const QByteArray &bytes)
{
    QFile f(QCoreApplication::applicationDirPath() + QStringLiteral("/Personal.qzt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QLabel *myName() { return MainMenu::existing()->findChild<QLabel *>("MyName"); }

struct LaunchRecord {
    QString program;
    QStringList arguments;
    QString directory;
};
} // namespace

class TestMainMenu : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }
    void cleanup()
    {
        Program::removeSettings();
        WinHelp::setLauncher(nullptr);
    }

    void startShowsTheMainMenuInTheFrame()
    {
        QDir::setCurrent(QDir::rootPath());
        Program program;
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
        QCOMPARE(program.frame->area()->size(), Twips::size(9510, 6825));
        QVERIFY(!program.frame->windowIcon().isNull());
        QCOMPARE(MGLOBAL::instance().FrameSize, 6810);
        MainMenu *menu = MainMenu::existing();
        QCOMPARE(menu->size(), Twips::size(9510, 6825));
        menu->Form_Activate();
        QCOMPARE(Program::formPosition(menu), Twips::point(-25, -15));

        const struct {
            const char *name, *caption;
            QRect twips;
        } buttons[] = {
            {"DisplayOpen", "&Create", {3810, 1750, 2000, 400}},
            {"MainHelp", "&Help", {3825, 2400, 2000, 400}},
            {"Personalize", "&Personalize", {3815, 3700, 1995, 400}},
            {"ExitProgram", "E&xit Program", {3815, 4350, 2000, 400}},
        };
        for (const auto &b : buttons) {
            auto *w = menu->findChild<QPushButton *>(QLatin1String(b.name));
            QVERIFY2(w, b.name);
            QCOMPARE(w->text(), QLatin1String(b.caption));
            QCOMPARE(w->geometry(), Twips::rect(b.twips.x(), b.twips.y(), b.twips.width(), b.twips.height()));
        }
        QCOMPARE(myName()->pos(), Twips::point(4680, 6120));
    }

    void settingsAsTheMainMenuReadsThem_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("depth");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("labelShown");
        QTest::addColumn<QString>("label");
        // Without a complete read the label keeps its design state: visible and empty.
        QTest::newRow("no file") << QByteArray() << 0 << "" << true << "";
        QTest::newRow("depth 0 means 4") << QByteArray("0,\"\",\"\"\r\n") << 4 << "" << false << "";
        QTest::newRow("name shown") << QByteArray("3,\"Ann, B.\",\"\"\r\n") << 3 << "Ann, B." << true << "Ann, B.";
        QTest::newRow("no range check") << QByteArray("25,\"x\",\"\"\r\n") << 25 << "x" << true << "x";
        QTest::newRow("negative kept") << QByteArray("-3,\"x\",\"\"\r\n") << -3 << "x" << true << "x";
        QTest::newRow("ends after field 2") << QByteArray("0,\"Bo\"\r\n") << 0 << "Bo" << true << "";
        QTest::newRow("garbage") << QByteArray("\x01\x02zz") << 0 << "" << true << "";
        // Shown as typed: no markup, no entities, every blank.
        QTest::newRow("markup") << QByteArray("3,\"<b>Jo</b>\",\"\"") << 3 << "<b>Jo</b>" << true << "<b>Jo</b>";
        QTest::newRow("entity, blanks") << QByteArray("3,\"Ann  &lt;3\",\"\"") << 3 << "Ann  &lt;3" << true << "Ann  &lt;3";
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

    void returningFromTheWorkAreaReadsTheSettingsAgain()
    {
        Program program;
        program.create();
        writeSettings("6,\"Later\",\"\"\r\n");
        WorkArea::Display::existing()->Exit1_Click();
        QCOMPARE(MGLOBAL::instance().UndoDepth, 6);
        QCOMPARE(myName()->text(), QStringLiteral("Later"));
        QCOMPARE(program.frame->windowTitle(), QStringLiteral(" Brickloom Win9 "));
    }

    void helpStartsTheViewerWithoutWaiting()
    {
        std::vector<LaunchRecord> launches;
        WinHelp::setLauncher([&](const QString &p, const QStringList &a, const QString &dir) {
            launches.push_back({p, a, dir});
            return false; // no viewer: nothing is shown
        });
        Program program;
        MainMenu::existing()->findChild<QPushButton *>("MainHelp")->click();
        QTest::keyClick(MainMenu::existing()->findChild<QPushButton *>("MainHelp"), Qt::Key_F1);
        QCOMPARE(launches.size(), size_t(2));
        const QString dir = QCoreApplication::applicationDirPath();
        QCOMPARE(launches[0].program, dir + QStringLiteral("/winhelp.exe"));
        QCOMPARE(launches[0].arguments, QStringList{"qztuse33.hlp"});
        QCOMPARE(launches[0].directory, dir);
        QCOMPARE(launches[1].arguments, QStringList({"qztuse33.hlp", "--topic", "3"}));

        // A viewer showing the help file gets the requests instead: no viewer more.
        HelpChannel viewer;
        QVERIFY(viewer.claim(dir + QStringLiteral("/qztuse33.hlp"), 1));
        QSignalSpy asked(&viewer, &HelpChannel::topicRequested);
        MainMenu::existing()->findChild<QPushButton *>("MainHelp")->click();
        QTest::keyClick(MainMenu::existing()->findChild<QPushButton *>("MainHelp"), Qt::Key_F1);
        QTRY_COMPARE(asked.size(), 2);
        QCOMPARE(asked[0][0].toInt(), 1);
        QCOMPARE(asked[1][0].toInt(), 3);
        QCOMPARE(launches.size(), size_t(2));
    }

    void frameHeightChoosesTheLayout()
    {
        Program program;
        MainMenu *menu = MainMenu::existing();
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

    void createOpensTheWorkAreaAndClosesTheMenu()
    {
        Program program;
        QVERIFY(program.create());
        QVERIFY(!MainMenu::existing());
        QCOMPARE(program.frame->area()->subWindowList().size(), 1);
        QVERIFY(Shapes::existing()->isVisible());
    }

    void exitProgramEndsAtOnce()
    {
        Program program;
        MGLOBAL::instance().ModelChanged = 1;
        int code = -1;
        QTimer::singleShot(0, MainMenu::existing(), &MainMenu::ExitProgram_Click);
        QTimer::singleShot(2000, [] { QCoreApplication::exit(99); });
        code = QCoreApplication::exec();
        QCOMPARE(code, 0);
        QCOMPARE(MGLOBAL::instance().ModelChanged, 0);
    }
};

QTEST_MAIN(TestMainMenu)
#include "test_mainmenu.moc"
