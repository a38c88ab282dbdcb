#include "mainmenu.h"
#include "mdicontainer.h"
#include "startup.h"

#include "workarea/display.h"

#include "paintahead.h"

#include "displaychoice.h"
#include "windowplacement.h"

#include "filenames.h"

#include <QApplication>
#include <QScreen>
#include <QTimer>

int main(int argc, char *argv[])
{
    if (!DisplayChoice::prepare(argc, argv))
        return 1;
    QApplication app(argc, argv);
    Startup::configureApplication();

    // A model file handed over by the desktop ("Open with"), by its name as the system has it
    // (QApplication has taken its own options out of argv). Resolved now: the main menu is about
    // to make the program's own folder current.
    const QString model = argc > 1 ? FileNames::absolute(FileNames::fromLocal(argv[1])) : QString();

    MDIContainer *frame = MDIContainer::instance();
    WindowPlacement::moveFrameTo(frame, QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    frame->show();
    PaintAhead::now(frame);
    if (!model.isEmpty()) {
        QTimer::singleShot(0, frame, [model] {
            if (MainMenu *menu = MainMenu::existing())
                menu->DisplayOpen_Click();
            if (WorkArea::Display *display = WorkArea::Display::existing())
                display->openModel(model);
        });
    }
    const int result = QApplication::exec();
    delete MDIContainer::existing();
    return result;
}
