// The Brickloom help viewer: "winhelp.exe FILE [--topic N]" shows the help file, maximized and in front;
// when a viewer already shows that file, it shows the topic instead.

#include "helpcommandline.h"
#include "helpviewer.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brickloom Help"));

    HelpViewer viewer;
    const HelpCommandLine command = HelpCommandLine::parse(QApplication::arguments());
    if (command.isValid()) {
        const QString path = HelpCommandLine::resolveFile(command.file(), QDir::currentPath(),
                                                          QApplication::applicationDirPath());
        if (!viewer.claimChannel(path, command.topic()))
            return 0; // the viewer already showing the file shows the topic
        viewer.openFile(path, command.topic());
    } else {
        const QString text = command.errorString() + u' ' + HelpCommandLine::usage();
        std::fprintf(stderr, "%s\n", qPrintable(text));
        viewer.showProblem(QObject::tr("The help viewer was started the wrong way"), text);
    }

    viewer.bringForward();
    return app.exec();
}
