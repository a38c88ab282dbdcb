#include "winhelp.h"

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

void start(const QStringList &arguments)
{
    // The command line names the viewer relative to the current directory; a bare name would be
    // looked up on PATH instead.
    const QDir here = QDir::current();
    launcher()(here.absoluteFilePath(QString::fromLatin1(kViewer)), arguments, here.absolutePath());
}
} // namespace

void showContents()
{
    start({QString::fromLatin1(kHelpFile)});
}

void showTopic(int topic)
{
    start({QString::fromLatin1(kHelpFile), QStringLiteral("--topic"), QString::number(topic)});
}

void setLauncher(Launcher l)
{
    launcher() = std::move(l);
}

} // namespace WinHelp
