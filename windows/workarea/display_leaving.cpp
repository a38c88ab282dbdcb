// Leaving the work area: its "Exit to Menu" button, and the closing step that runs whenever the
// window is about to close, also when the frame closes.

#include "dialogs/allyesno.h"
#include "palette/shapes.h"
#include "shell.h"
#include "workarea/display.h"

#include "messages.h"
#include "mglobal.h"
#include "recoverycopy.h"
#include "workarearules.h"

namespace WorkArea {

void Display::Exit1_Click()
{
    MGLOBAL &g = MGLOBAL::instance();
    g.FileChoice = FileOrder::Open;     // asks "before exiting"
    AskSaveChanges();
    g.FileChoice = FileOrder::Idle;
    if (g.ModelChanged == Changes::Unsaved)
        return; // the user wants to save first

    g.UndoChoice = UndoOrder::ClearAll;
    g.ModelChanged = Changes::None;
    ClearorUndo();
    g.GridState = Grid::Leaving;
    g.ModelFileName.clear();
    emit Shell::instance().mainMenuRequested();
    parentWidget()->close();
    Shapes::unload();
}

bool Display::Form_QueryUnload()
{
    MGLOBAL &g = MGLOBAL::instance();
    if (g.ModelChanged == Changes::Unsaved && AllYesNo::ask(Question::SaveBeforeExit)) {
        // Keep the window, and a closing frame with it, so the user can save.
        showPaletteIfShown();
        return false;
    }
    recovery_->finish();
    WorkAreaRules::emptyLayers(g, boxes_);
    g.ModelFileName.clear();
    Shapes::unload();
    g.ModelChanged = Changes::None;
    return true;
}

} // namespace WorkArea
