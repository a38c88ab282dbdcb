// bench-bare-window: the yardstick of the start-up figures. An empty main window the size of the
// work area, started like any Qt program, that quits as soon as it has been painted. With --text it
// holds one push button, to show what Qt's text machinery alone adds to a first paint.

#include "firstpaint.h"

#include <QMainWindow>
#include <QPushButton>

int main(int argc, char *argv[])
{
    Milestones milestones;
    QApplication app(argc, argv);
    milestones.mark("application");
    const bool withText = app.arguments().contains(QStringLiteral("--text"));
    QMainWindow window;
    window.resize(634, 455);
    if (withText) {
        auto *button = new QPushButton(QStringLiteral("&Create"), &window);
        button->setGeometry(254, 117, 133, 27);
    }
    FirstPaint painted({withText ? isA<QPushButton> : isA<QMainWindow>}, [&] {
        milestones.mark("painted");
        QCoreApplication::quit();
    });
    window.show();
    milestones.mark("shown");
    const int result = QApplication::exec();
    milestones.mark("ended");
    milestones.report();
    reportPeakMemory();
    return result;
}
