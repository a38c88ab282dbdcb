// brickloom-iconmaker: draws the 240 shape icons and the program icon and writes them as icon
// files, optionally with contact sheets to judge them by. The committed pictures in
// assets/palette are this program's output; change the drawings here and run it again.
//
//   brickloom-iconmaker --out assets/palette [--sheet docs/palette-sheet.png]
//                       [--joins docs/joins-demo.png]

#include "icon.h"
#include "icowriter.h"
#include "pages.h"
#include "sheet.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <cstdio>

namespace {

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
        return true;
    std::fprintf(stderr, "brickloom-iconmaker: cannot write %s\n", qPrintable(path));
    return false;
}

bool writePng(const QString &path, const QImage &image)
{
    if (image.save(path, "PNG"))
        return true;
    std::fprintf(stderr, "brickloom-iconmaker: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription("Draws the shape icons and the program icon.");
    parser.addHelpOption();
    const QCommandLineOption outOption("out", "Directory for the icon files.", "dir");
    const QCommandLineOption sheetOption("sheet", "Also write the six pages as a PNG contact sheet.",
                                         "png");
    const QCommandLineOption joinsOption("joins", "Also write a PNG of the joining pieces assembled.",
                                         "png");
    const QCommandLineOption listOption("list", "Print the shape numbers with their names.");
    parser.addOptions({outOption, sheetOption, joinsOption, listOption});
    parser.process(app);

    const std::vector<Page> pages = {mechanicalParts(), buildingMaterials(), tubeFittings(),
                                     kidsCorner(),      kidsFunShapes(),     miscellaneous()};
    std::vector<Icon> shapes;
    int number = 0;
    for (const Page &page : pages) {
        if (page.size() != 40)
            qFatal("a page has %d shapes instead of 40", int(page.size()));
        for (const ShapeArt &art : page) {
            shapes.push_back(art.draw());
            if (parser.isSet(listOption))
                std::printf("%3d %s\n", ++number, art.name);
        }
    }

    bool ok = true;
    if (parser.isSet(outOption)) {
        const QDir dir(parser.value(outOption));
        if (!dir.mkpath(".")) {
            std::fprintf(stderr, "brickloom-iconmaker: cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
        for (size_t i = 0; i < shapes.size(); ++i) {
            const QString name = QStringLiteral("shape%1.ico").arg(i + 1, 3, 10, QLatin1Char('0'));
            ok = writeFile(dir.filePath(name), IcoWriter::encode(shapes[i])) && ok;
        }
        ok = writeFile(dir.filePath("brickloom.ico"), IcoWriter::encode(programIcon())) && ok;
    }
    if (parser.isSet(sheetOption))
        ok = writePng(parser.value(sheetOption), paletteSheet(shapes)) && ok;
    if (parser.isSet(joinsOption))
        ok = writePng(parser.value(joinsOption), joinsDemo(shapes)) && ok;
    if (!parser.isSet(outOption) && !parser.isSet(sheetOption) && !parser.isSet(joinsOption)
        && !parser.isSet(listOption))
        parser.showHelp(1);
    return ok ? 0 : 1;
}
