// brickloom-screenshots: pictures of the real program as it draws now, taken on a private X server
// (run it through tools/with-xserver.sh; `make screenshots` does). Writes main-menu.png and
// work-area.png for the README; with --all also every dialog, for comparing two builds pixel by
// pixel.
//
// usage: brickloom-screenshots BUILD_DIR EXAMPLE_MODEL OUT_DIR [--all]

#include "twips.h"

#include "xdriver/xdriver.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>

using namespace Desktop;

namespace {
const QString kFrame = QStringLiteral("^ Brickloom Win9 ");

bool failed = false;

void save(const QImage &image, const QString &dir, const QString &name)
{
    const QString path = QDir(dir).filePath(name);
    if (image.isNull() || !image.save(path)) {
        std::fprintf(stderr, "brickloom-screenshots: could not take %s\n", qPrintable(name));
        failed = true;
        return;
    }
    std::printf("%s\n", qPrintable(path));
}

// Opens a window with `keys`, takes its picture with its frame, and closes it with `closer`.
void dialog(const QString &keys, const QString &caption, const QString &dir, const QString &name,
            const QString &closer = QStringLiteral("Escape"))
{
    key(keys);
    const QString id = waitForWindow(caption);
    save(id.isEmpty() ? QImage() : steadyGrab(frameRect(id)), dir, name);
    key(closer);
    windowGone(caption);
}

QPoint centre(const QRect &client, int left, int top, int width, int height)
{
    return client.topLeft() + Twips::rect(left, top, width, height).center();
}
} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: brickloom-screenshots BUILD_DIR EXAMPLE_MODEL OUT_DIR [--all]\n", stderr);
        return 1;
    }
    const QString build = args[1];
    const QString model = QFileInfo(args[2]).absoluteFilePath();
    const QString out = args[3];
    const bool all = args.contains(QStringLiteral("--all"));
    QDir().mkpath(out);

    {
        Program program(build, {}, {}, QByteArray("4,\"Jo Smith\",\"\"\r\n"));
        const QString frame = waitForWindow(kFrame);
        if (frame.isEmpty())
            return 1;
        save(steadyGrab(frameRect(frame)), out, QStringLiteral("main-menu.png"));
        if (all) {
            dialog(QStringLiteral("alt+p"), QStringLiteral("^Personalize$"), out, QStringLiteral("personalize.png"));
            key(QStringLiteral("alt+c"));
            const QString palette = waitForWindow(QStringLiteral("^Shapes$"));
            dialog(QStringLiteral("alt+u"), QStringLiteral("^Select$"), out, QStringLiteral("undo.png"));
            dialog(QStringLiteral("alt+p"), QStringLiteral("^Help$"), out, QStringLiteral("question.png"), QStringLiteral("alt+n"));

            // The palette's help panel, opened with the mouse: the palette never takes the keyboard.
            const QPoint help = centre(clientRect(palette), 635, 5400, 850, 300);
            click(help);
            save(steadyGrab(frameRect(palette)), out, QStringLiteral("palette-help.png"));
            click(help);
            xdotool({"windowactivate", "--sync", frame});

            // A file that is not a model, typed into the Open dialog, brings up the message.
            const QString bad = program.path(QStringLiteral("not-a-model.Pic"));
            QFile file(bad);
            if (file.open(QIODevice::WriteOnly))
                file.write("not a model\r\n");
            file.close();
            key(QStringLiteral("alt+o"));
            waitForWindow(QStringLiteral("^Open$"));
            steadyGrab(frameRect(frame));
            type(bad);
            key(QStringLiteral("Return"));
            const QString message = waitForWindow(QStringLiteral("^Help$"));
            save(message.isEmpty() ? QImage() : steadyGrab(frameRect(message)), out, QStringLiteral("message.png"));
            key(QStringLiteral("Escape"));
        }
    }
    {
        // The example model, with the palette moved beside the frame so that both show whole.
        Program program(build, {}, {model});
        const QString frame = waitForWindow(QStringLiteral("^ Brickloom Win9  \\["));
        const QString palette = waitForWindow(QStringLiteral("^Shapes$"));
        if (frame.isEmpty() || palette.isEmpty())
            return 1;
        const QRect frameBox = frameRect(frame);
        xdotool({"windowmove", palette, QString::number(frameBox.right() + 12), QString::number(frameBox.top())});
        waitUntil([&] { return frameRect(palette).left() > frameBox.right(); });
        const QRect paletteBox = frameRect(palette);
        const QRect both = frameBox.united(paletteBox);
        // The desktop between and below the two windows is left out: transparent.
        QImage picture(both.size(), QImage::Format_ARGB32);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.drawImage(frameBox.topLeft() - both.topLeft(), steadyGrab(frameBox));
        painter.drawImage(paletteBox.topLeft() - both.topLeft(), steadyGrab(paletteBox));
        painter.end();
        save(picture, out, QStringLiteral("work-area.png"));
    }
    return failed ? 1 : 0;
}
