// The work area's "Save File" and "Open File" commands.

#include "app/amsgbox.h"
#include "app/mdicontainer.h"
#include "files/allyesno.h"
#include "files/filedir.h"
#include "files/modelfile.h"
#include "workarea/display.h"
#include "workarea/mglobal.h"

#include <QFileInfo>

namespace WorkArea {

void Display::FileSave_Click()
{
    MGLOBAL &g = MGLOBAL::instance();
    hidePaletteIfShown();
    g.FileChoice = 2;
    FileDir::FileDirectory();
    if (g.FileChoice != 9) {
        // The name changes only once the whole model is safely on disk.
        if (ModelFile::saveModel(g.ModelFilePath, g)) {
            g.ModelFileName = QFileInfo(g.ModelFilePath).fileName();
        } else {
            g.MsgCode = 14;
            AMsgbox::showModal();
        }
    }
    MDIContainer::instance()->updateCaption();
    g.ModelChanged = 0;
    showPaletteIfShown();
    g.FileChoice = 0;
    g.ModelFilePath.clear();
}

void Display::FileOpen_Click()
{
    openModel(QString());
}

void Display::openModel(const QString &path)
{
    MGLOBAL &g = MGLOBAL::instance();
    hidePaletteIfShown();
    if (g.ModelChanged == 1 && AllYesNo::ask(7)) {
        // The user wants to save first: nothing is cleared.
        showPaletteIfShown();
        return;
    }
    g.UndoChoice = 2;
    g.ModelChanged = 0;
    ClearorUndo();

    g.FileChoice = 1;
    if (path.isEmpty())
        FileDir::FileDirectory();
    else
        g.ModelFilePath = path;
    if (g.FileChoice == 9) {
        g.FileChoice = 0;
    } else {
        bool ok = ModelFile::openModel(g.ModelFilePath, g);
        if (ok) {
            g.ModelFileName = QFileInfo(g.ModelFilePath).fileName();
            ok = placePictures();
        }
        if (!ok) {
            g.MsgCode = 13;
            AMsgbox::showModal();
        }
    }
    if (!g.ModelFileName.isEmpty())
        MDIContainer::instance()->updateCaption();
    g.FileChoice = 0;
    g.ModelFilePath.clear();
    showPaletteIfShown();
    g.ModelChanged = 0;
}

} // namespace WorkArea
