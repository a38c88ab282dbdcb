// The window kit under fast hands: one command at a time, and a dialog asked for again from inside
// its own wait.

#include "controls.h"
#include "formhost.h"
#include "modal.h"
#include "singleform.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTest>

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

// Runs the event loop past the click an access key arms now, a tenth of a second later.
void waitPastArmedClicks() { QTest::qWait(150); }

enum Armed { NoCommandWaits, BeforeTheDialog, OwnButton, AfterItClosed, InsideANestedDialog };
} // namespace

class TestForms : public QObject {
    Q_OBJECT
private slots:
    // While a command waits in a dialog, only that dialog, the innermost, takes shortcuts; and an
    // access key, which clicks its button a tenth of a second later, clicks only a button of it.
    void oneCommandAtATime_data()
    {
        QTest::addColumn<int>("armed");
        QTest::newRow("no command waits") << int(NoCommandWaits);
        QTest::newRow("armed before the dialog opened") << int(BeforeTheDialog);
        QTest::newRow("the dialog's own button") << int(OwnButton);
        QTest::newRow("armed after the dialog closed, its command still running") << int(AfterItClosed);
        QTest::newRow("the dialog's button, in a dialog it opened") << int(InsideANestedDialog);
    }
    void oneCommandAtATime()
    {
        QFETCH(int, armed);
        QWidget frame;
        QPushButton *command = Controls::button(&frame, "Exit1", QStringLiteral("E&xit"), {0, 600, 900, 300});
        frame.show();
        QDialog dialog, inner;
        QPushButton *own = Controls::button(&dialog, "AllNo", QStringLiteral("&No"), {0, 600, 900, 300});
        dialog.setModal(true), inner.setModal(true);
        QPushButton *button = armed == OwnButton || armed == InsideANestedDialog ? own : command;
        QSignalSpy clicked(button, &QPushButton::clicked);
        bool shortcut = shortcutGetsThrough(button);
        if (armed == NoCommandWaits || armed == BeforeTheDialog)
            command->animateClick();
        Modal::setAnswerer([&](QDialog &d) {
            d.show();
            if (armed == AfterItClosed)
                d.hide();
            if (&d == &dialog && armed != BeforeTheDialog)
                button->animateClick();
            if (&d == &dialog && armed == InsideANestedDialog)
                return Modal::exec(inner);
            shortcut = shortcutGetsThrough(button);
            waitPastArmedClicks();
        });
        if (armed != NoCommandWaits)
            Modal::exec(dialog);
        Modal::setAnswerer(nullptr);
        waitPastArmedClicks(); // and a dropped click does not come later
        const bool clicks = armed == NoCommandWaits || armed == OwnButton;
        QCOMPARE(clicked.size(), clicks ? 1 : 0);
        QCOMPARE(shortcut, clicks);
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
