// The work area's "Save File" and "Open File" commands.

#include "dialogs/allyesno.h"
#include "dialogs/filedir.h"
#include "shell.h"
#include "workarea/display.h"

#include "formhost.h"

#include "messages.h"
#include "mglobal.h"
#include "modelfile.h"
#include "recoverycopy.h"

#include <QFileInfo>

namespace WorkArea {

void Display::FileSave_Click()
{
    MGLOBAL &g = MGLOBAL::instance();
    hidePaletteIfShown();
    g.FileChoice = FileOrder::Save;
    FileDir::FileDirectory();
    bool saved = false;
    if (g.FileChoice != FileOrder::Cancelled) {
        // The name changes only once the whole model is safely on disk.
        QString why;
        saved = ModelFile::saveModel(g.ModelFilePath, g, &why);
        if (saved) {
            g.ModelFileName = QFileInfo(g.ModelFilePath).fileName();
            FileDir::rememberModel(g.ModelFilePath);
            recovery_->markSaved(g.ModelFilePath);
        } else {
            qWarning("brickloom: %s was not saved: %s", qPrintable(g.ModelFilePath), qPrintable(why));
            g.MsgCode = Msg::BadFilename;
            emit Shell::instance().messageRequested();
        }
    }
    FormHost::instance().updateCaption();
    // A failed or cancelled save counts as a save all the same, so that leaving asks nothing: the
    // recovery copy keeps the model. Only where no copy can be written must leaving ask.
    g.ModelChanged = saved || recovery_->secure() ? Changes::None : Changes::Unsaved;
    showPaletteIfShown();
    g.FileChoice = FileOrder::Idle;
    g.ModelFilePath.clear();
}

void Display::FileOpen_Click()
{
    openModel(QString());
}

void Display::openModel(const QString &path)
{
    MGLOBAL &g = MGLOBAL::instance();
    // A file handed over by the desktop, with nothing to ask first, brings up no dialog: the
    // palette stays. Hidden and shown again at once, before the window manager has taken it in,
    // it may stay hidden.
    const bool dialogs = path.isEmpty() || g.ModelChanged == Changes::Unsaved;
    if (dialogs)
        hidePaletteIfShown();
    if (g.ModelChanged == Changes::Unsaved && AllYesNo::ask(Question::SaveBeforeOpen)) {
        // The user wants to save first: nothing is cleared.
        showPaletteIfShown();
        return;
    }
    g.UndoChoice = UndoOrder::ClearAll;
    g.ModelChanged = Changes::None;
    ClearorUndo();

    g.FileChoice = FileOrder::Open;
    if (path.isEmpty())
        FileDir::FileDirectory();
    else
        g.ModelFilePath = path;
    if (g.FileChoice == FileOrder::Cancelled) {
        g.FileChoice = FileOrder::Idle;
    } else {
        QString why;
        bool ok = ModelFile::openModel(g.ModelFilePath, g, &why);
        if (ok) {
            g.ModelFileName = QFileInfo(g.ModelFilePath).fileName();
            FileDir::rememberModel(g.ModelFilePath);
            ok = placePictures(&why);
        }
        // What was read is what the file holds, even when it stopped part way.
        recovery_->markSaved();
        if (!ok) {
            qWarning("brickloom: cannot open %s: %s", qPrintable(g.ModelFilePath), qPrintable(why));
            g.MsgCode = Msg::FileNotFound;
            emit Shell::instance().messageRequested();
        }
    }
    if (!g.ModelFileName.isEmpty())
        FormHost::instance().updateCaption();
    g.FileChoice = FileOrder::Idle;
    g.ModelFilePath.clear();
    if (dialogs)
        showPaletteIfShown();
    g.ModelChanged = Changes::None;
}

} // namespace WorkArea
