// The window kit under fast hands: a shortcut that arrives for a window a modal dialog blocks, and a
// dialog asked for again from inside its own wait.

#include "forms/controls.h"
#include "forms/formhost.h"
#include "forms/modal.h"
#include "forms/singleform.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTest>
#include <QTimer>

namespace {
class Probe : public QDialog, public SingleForm<Probe> {
public:
    void Form_Load() { ++loads; }
    static inline int loads = 0;
};

struct Host : FormHost {};

// Whether a shortcut event sent to `target` got past the application's filters: the button
// itself never takes it, its id being none of its own.
bool shortcutGetsThrough(QObject *target)
{
    QShortcutEvent event(QKeySequence(QStringLiteral("Alt+C")), 0);
    return !QCoreApplication::sendEvent(target, &event);
}

// Lets the event loop run until a timer started now, and longer than the one an access key starts
// for its click, has fired.
void waitPastArmedClicks()
{
    bool past = false;
    QTimer::singleShot(150, [&past] { past = true; });
    QTRY_VERIFY(past);
}

enum Armed { NoCommandWaits, BeforeTheDialog, OwnButton, AfterItClosed, InsideANestedDialog };
} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    void aModalDialogKeepsShortcutsFromTheWindowsItBlocks()
    {
        QWidget frame;
        auto *command = new QPushButton(QStringLiteral("&Create"), &frame);
        frame.show();
        QDialog dialog;
        auto *own = new QPushButton(QStringLiteral("&Yes"), &dialog);
        dialog.setModal(true);
        bool blocked = false, ownPasses = false;
        Modal::setAnswerer([&](QDialog &d) {
            d.show();
            blocked = !shortcutGetsThrough(command);
            ownPasses = shortcutGetsThrough(own);
        });
        Modal::exec(dialog);
        Modal::setAnswerer(nullptr);
        QVERIFY(blocked);
        QVERIFY(ownPasses);
        QVERIFY(shortcutGetsThrough(command)); // and nothing is blocked once it has closed
    }

    // An access key clicks its button a tenth of a second later: while a command waits in a dialog,
    // the click comes through only for a button of that dialog, the innermost.
    void oneCommandAtATime_data()
    {
        QTest::addColumn<int>("armed");
        QTest::addColumn<bool>("clicks");
        QTest::newRow("no command waits") << int(NoCommandWaits) << true;
        QTest::newRow("armed before the dialog opened") << int(BeforeTheDialog) << false;
        QTest::newRow("the dialog's own button") << int(OwnButton) << true;
        QTest::newRow("armed after the dialog closed, its command still running") << int(AfterItClosed) << false;
        QTest::newRow("the dialog's button, in a dialog it opened") << int(InsideANestedDialog) << false;
    }
    void oneCommandAtATime()
    {
        QFETCH(int, armed);
        QFETCH(bool, clicks);
        QWidget frame;
        QPushButton *command = Controls::button(&frame, "Exit1", QStringLiteral("E&xit"), {0, 600, 900, 300});
        frame.show();
        QDialog dialog;
        QPushButton *own = Controls::button(&dialog, "AllNo", QStringLiteral("&No"), {0, 600, 900, 300});
        dialog.setModal(true);
        QSignalSpy clicked(armed == OwnButton || armed == InsideANestedDialog ? own : command, &QPushButton::clicked);
        if (armed == NoCommandWaits || armed == BeforeTheDialog)
            command->animateClick();
        Modal::setAnswerer([&](QDialog &d) {
            d.show();
            if (&d != &dialog)
                return waitPastArmedClicks();
            if (armed == OwnButton || armed == InsideANestedDialog)
                own->animateClick();
            if (armed == AfterItClosed) {
                d.hide();
                command->animateClick();
            }
            if (armed == InsideANestedDialog) {
                QDialog inner;
                inner.setModal(true);
                Modal::exec(inner);
            }
            waitPastArmedClicks();
        });
        if (armed == NoCommandWaits)
            waitPastArmedClicks();
        else
            Modal::exec(dialog);
        Modal::setAnswerer(nullptr);
        waitPastArmedClicks(); // and a dropped click does not come later
        QCOMPARE(clicked.size(), clicks ? 1 : 0);
    }

    // An access key first takes the focus from the box, whose leaving may close the window: a
    // button whose window went away that way is not pressed.
    void anAccessKeyClicksOnlyWhileItsWindowStays()
    {
        for (const bool leavingCloses : {false, true}) {
            QWidget window;
            auto *box = new QLineEdit(&window);
            QPushButton *exit = Controls::button(&window, "Exit1", QStringLiteral("E&xit"), {0, 600, 900, 300});
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            box->setFocus();
            QSignalSpy clicks(exit, &QPushButton::clicked);
            if (leavingCloses)
                connect(box, &QLineEdit::editingFinished, &window, &QWidget::hide);
            box->setText(QStringLiteral("typed"));
            QTest::keyClick(box, Qt::Key_X, Qt::AltModifier);
            QCOMPARE(clicks.wait(500), !leavingCloses);
        }
    }

    // Windows that outlive the frame, as they close after it, must find the stand-in; the
    // stand-in never takes the place of a frame.
    void aFrameThatGoesLeavesTheStandIn()
    {
        for (int frames = 0; frames < 2; ++frames) {
            Host frame;
            QCOMPARE(&FormHost::instance(), &frame);
        }
        QVERIFY(dynamic_cast<Host *>(&FormHost::instance()) == nullptr);
    }

    // Some window managers minimize a dialog that has no minimize box: it comes back, so the program
    // is not left blocked behind it, unless the frame went down with it.
    void aMinimizedDialogComesBackUnlessTheFrameWentToo()
    {
        for (const bool frameDown : {false, true}) {
            struct Frame : FormHost {
                QWidget window;
                QWidget *frameWidget() override { return &window; }
            } frame;
            frame.window.show();
            frame.window.setWindowState(frameDown ? Qt::WindowMinimized : Qt::WindowNoState);
            QDialog dialog;
            bool back = false;
            Modal::setAnswerer([&](QDialog &d) {
                d.show();
                d.setWindowState(Qt::WindowMinimized);
                back = QTest::qWaitFor([&] { return !d.isMinimized(); }, 1000);
            });
            Modal::exec(dialog);
            Modal::setAnswerer(nullptr);
            QCOMPARE(back, !frameDown);
        }
    }

    void aDialogAskedForFromItsOwnWaitIsShownOnce()
    {
        int shown = 0;
        QPointer<Probe> first;
        Modal::setAnswerer([&](QDialog &d) {
            ++shown;
            d.show();
            first = Probe::existing();
            Probe::showModal(); // the same command again, from inside the wait
            QCOMPARE(Probe::existing(), first.data());
        });
        Probe::loads = 0;
        Probe::showModal();
        Modal::setAnswerer(nullptr);
        QCOMPARE(shown, 1);
        QCOMPARE(Probe::loads, 1);
        QVERIFY(!Probe::existing());
        QTRY_VERIFY(first.isNull()); // destroyed once, later
    }
};

QTEST_MAIN(TestForms)
#include "test_forms.moc"
