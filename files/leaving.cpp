// Leaving the work area: its "Exit to Menu" button, and the closing step that runs whenever the
// window is about to close, also when the frame closes.

#include "app/mainmenu.h"
#include "app/mdicontainer.h"
#include "files/allyesno.h"
#include "palette/shapes.h"
#include "workarea/display.h"
#include "workarea/mglobal.h"
#include "workarea/workarearules.h"

namespace WorkArea {

void Display::Exit1_Click()
{
    MGLOBAL &g = MGLOBAL::instance();
    g.FileChoice = 1;
    AskSaveChanges();
    g.FileChoice = 0;
    if (g.ModelChanged == 1)
        return; // the user wants to save first

    g.UndoChoice = 2;
    g.ModelChanged = 0;
    ClearorUndo();
    g.GridState = 0;
    g.ModelFileName.clear();
    MDIContainer::instance()->showForm(MainMenu::instance());
    parentWidget()->close();
    Shapes::unload();
}

bool Display::Form_QueryUnload()
{
    MGLOBAL &g = MGLOBAL::instance();
    if (g.ModelChanged == 1 && AllYesNo::ask(3)) {
        // Keep the window, and a closing frame with it, so the user can save.
        showPaletteIfShown();
        return false;
    }
    WorkAreaRules::emptyLayers(g, boxes_);
    g.ModelFileName.clear();
    Shapes::unload();
    g.ModelChanged = 0;
    return true;
}

} // namespace WorkArea
