#pragma once
// The program as it starts, without its event loop: the frame with the main menu, and a way into
// the work area. Every test gets a fresh program-wide state and leaves no window behind.

#include "mainmenu.h"
#include "mdicontainer.h"

#include "palette/shapes.h"
#include "workarea/display.h"

#include "mglobal.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

class Program {
public:
    enum Start { AtMainMenu, InWorkArea };
    explicit Program(Start start = AtMainMenu)
    {
        MGLOBAL::instance() = MGLOBAL{};
        frame = MDIContainer::instance();
        frame->show();
        [this] { QVERIFY(QTest::qWaitForWindowExposed(frame)); }();
        if (start == InWorkArea)
            create();
    }
    ~Program()
    {
        delete Shapes::existing();
        delete MDIContainer::existing();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    Program(const Program &) = delete;
    Program &operator=(const Program &) = delete;

    // "&Create" on the main menu.
    WorkArea::Display *create()
    {
        MainMenu::existing()->DisplayOpen_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return WorkArea::Display::existing();
    }

    // Where a child form stands in the frame's client area, in pixels.
    static QPoint formPosition(QWidget *form) { return form->parentWidget()->pos(); }

    // Removes a settings file a test may have left in the program's directory.
    static void removeSettings()
    {
        QFile::remove(QCoreApplication::applicationDirPath() + QStringLiteral("/Personal.qzt"));
    }

    MDIContainer *frame;
};
