#include "winhelp.h"

#include "helprequest.h"

#include <QDir>
#include <QProcess>

namespace WinHelp {

namespace {
Launcher &launcher()
{
    static Launcher current = [](const QString &program, const QStringList &arguments, const QString &dir) {
        return QProcess::startDetached(program, arguments, dir);
    };
    return current;
}

void start(int topic, const QStringList &arguments)
{
    // The command line names the viewer relative to the current directory; a bare name would be
    // looked up on PATH instead.
    const QDir here = QDir::current();
    // A viewer that already shows the help file takes the request and comes forward.
    if (HelpRequest::handOver(here.absoluteFilePath(QString::fromLatin1(kHelpFile)), topic))
        return;
    launcher()(here.absoluteFilePath(QString::fromLatin1(kViewer)), arguments, here.absolutePath());
}
} // namespace

void showContents()
{
    start(1, {QString::fromLatin1(kHelpFile)});
}

void showTopic(int topic)
{
    start(topic, {QString::fromLatin1(kHelpFile), QStringLiteral("--topic"), QString::number(topic)});
}

void setLauncher(Launcher l)
{
    launcher() = std::move(l);
}

} // namespace WinHelp
