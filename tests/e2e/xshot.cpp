// Saves a PNG of the whole X screen (or of one window, by id): the real-window tests look at what
// the user would see through it.

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: xshot OUT.png [WINDOW-ID]\n");
        return 1;
    }
    const WId window = args.size() == 3 ? WId(args[2].toULongLong(nullptr, 0)) : 0;
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window);
    return shot.save(args[1]) ? 0 : 2;
}
