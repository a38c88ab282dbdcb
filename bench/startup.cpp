// bench-startup: the program's own start, as app/main.cpp does it, that quits once the main menu
// has been painted, or with --work-area once "&Create" has brought up the work area and the
// palette and both have been painted. The program itself carries no benchmark hooks.

#include "mainmenu.h"
#include "mdicontainer.h"
#include "startup.h"

#include "palette/shapes.h"
#include "workarea/display.h"

#include "paintahead.h"

#include "displaychoice.h"
#include "windowplacement.h"

#include "shapeicons.h"

#include "firstpaint.h"

#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>
#include <memory>

int main(int argc, char *argv[])
{
    Milestones milestones;
    if (!DisplayChoice::prepare(argc, argv))
        return 1;
    milestones.mark("display chosen");
    QApplication app(argc, argv);
    milestones.mark("application");
    const bool toWorkArea = app.arguments().contains(QStringLiteral("--work-area"));

    // From here to exec(), as app/main.cpp.
    Startup::configureApplication();

    milestones.mark("style and icon");
    MDIContainer *frame = MDIContainer::instance();
    milestones.mark("frame and main menu");
    WindowPlacement::moveFrameTo(frame, QGuiApplication::primaryScreen()->availableGeometry().topLeft());

    // With BRICKLOOM_BENCH_SHOT=FILE.png the screen is saved at the moment the run counts as done,
    // to see that it was.
    const auto quit = [] {
        if (const QString shot = qEnvironmentVariable("BRICKLOOM_BENCH_SHOT"); !shot.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(shot);
        QCoreApplication::quit();
    };

    std::unique_ptr<FirstPaint> workArea;
    FirstPaint menu({isA<MainMenu>}, [&] {
        milestones.mark("main menu painted");
        if (!toWorkArea) {
            quit();
            return;
        }
        workArea = std::make_unique<FirstPaint>(std::vector<FirstPaint::Wanted>{isA<WorkArea::Display>, isA<Shapes>},
                                                [&] {
                                                    milestones.mark("work area and palette painted");
                                                    quit();
                                                });
        MainMenu::existing()->DisplayOpen_Click();
        milestones.mark("work area and palette loaded");
    });

    frame->show();
    milestones.mark("shown");
    PaintAhead::now(frame);
    milestones.mark("painted ahead");
    const int result = QApplication::exec();
    delete MDIContainer::existing();
    milestones.mark("ended");
    milestones.report();
    reportPeakMemory();
    return result;
}
