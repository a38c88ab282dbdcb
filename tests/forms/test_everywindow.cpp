// Every window under the mouse: a click into the middle of each text box and button, given to the
// widget really at that point, lands on that control. Labels lie beneath, whatever the order made.

#include "amsgbox.h"

#include "dialogs/allyesno.h"
#include "settings/changefnt.h"
#include "workarea/undoboxes.h"

#include "support/program.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {
// The window as the user meets it: the frame's children in the frame, the palette with its help
// panel open, a dialog shown by itself.
QWidget *open(const QString &name, Program &program)
{
    QWidget *shown = name == "MainMenu" ? MainMenu::existing()
                     : name == "ChangeFnt" ? static_cast<QWidget *>(ChangeFnt::instance())
                     : name == "Undoboxes" ? static_cast<QWidget *>(Undoboxes::instance())
                     : name == "AllYesNo"  ? static_cast<QWidget *>(AllYesNo::instance())
                     : name == "AMsgbox"   ? static_cast<QWidget *>(AMsgbox::instance())
                                           : program.create();
    if (name == "Shapes") {
        shown = Shapes::existing();
        Shapes::existing()->Help1_Click();
    }
    shown->show();
    return shown;
}
} // namespace

class TestEveryWindow : public QObject {
    Q_OBJECT
private slots:
    void init() { Program::removeSettings(); }

    void aClickLandsOnTheControlUnderIt_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *name : {"MainMenu", "Display", "Shapes", "ChangeFnt", "Undoboxes", "AllYesNo", "AMsgbox"})
            QTest::newRow(name) << name;
    }
    void aClickLandsOnTheControlUnderIt()
    {
        QFETCH(QString, window);
        Program program;
        QPointer<QWidget> form = open(window, program);
        QWidget *top = form->window();
        QVERIFY(QTest::qWaitForWindowExposed(top));
        QList<QWidget *> controls;
        for (QWidget *w : form->findChildren<QWidget *>())
            if (w->isVisible() && (qobject_cast<QLineEdit *>(w) || qobject_cast<QPlainTextEdit *>(w) || qobject_cast<QPushButton *>(w)))
                controls << w;
        QVERIFY(controls.size() >= 2);
        for (QWidget *control : controls) {
            if (QWidget *focus = top->focusWidget())
                focus->clearFocus();
            // Where the click goes is the question here, not what the button's command does.
            auto *button = qobject_cast<QPushButton *>(control);
            if (button)
                disconnect(button, &QPushButton::clicked, nullptr, nullptr);
            QSignalSpy clicks(control, SIGNAL(clicked()));
            const QPoint middle = control->mapTo(top, control->rect().center());
            QWidget *hit = top->childAt(middle);
            QVERIFY(hit);
            QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(top, middle));
            QVERIFY2(top->focusWidget() == control,
                     qPrintable(QStringLiteral("%1 took the click into %2").arg(hit->objectName(), control->objectName())));
            QCOMPARE(clicks.size(), button ? 1 : 0);
            if (auto *text = qobject_cast<QPlainTextEdit *>(control)) // the program's own words: no typing
                QVERIFY(text->isReadOnly());
        }
        if (qobject_cast<QDialog *>(form))
            delete form;
    }

    // Any label, made by hand or by the kit, before or after the window is shown, lies beneath.
    void labelsLieBeneathTheOtherControls()
    {
        QWidget window;
        QLabel *first = Controls::label(&window, "Label1", QStringLiteral("a"), {0, 0, 3000, 600});
        auto *box = new QLineEdit(&window);
        auto *second = new QLabel(QStringLiteral("b"), &window);
        window.show();
        auto *third = new QLabel(QStringLiteral("c"), &window);
        third->show();
        QCOMPARE(window.childAt(box->geometry().center()), box);
        QCOMPARE(window.children(), (QObjectList{first, second, third, box}));
    }
};

QTEST_MAIN(TestEveryWindow)
#include "test_everywindow.moc"
