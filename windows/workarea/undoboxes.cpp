#include "undoboxes.h"

#include "controls.h"
#include "uifont.h"

#include "winhelp.h"

#include "mglobal.h"
#include "numbertext.h"
#include "workarearules.h"

#include <QLabel>
#include <QPushButton>
#include <QShortcut>

Undoboxes::Undoboxes()
    : ProgramDialog(QStringLiteral("Select"), 3180, 1950, {3150, 2000, 3200, 3000})
{
    setObjectName(QStringLiteral("Undoboxes"));
    setFont(UiFont::sansSerif(8.25));

    UndoCmd = Controls::button(this, "UndoCmd", QString(), {720, 495, 1635, 330});
    ClearCmd = Controls::button(this, "ClearCmd", QStringLiteral("&Clear all cells"), {720, 945, 1635, 330});
    CancelCmd = Controls::button(this, "CancelCmd", QStringLiteral("Cancel and &Exit"), {720, 1440, 1635, 330});
    Label1 = Controls::label(this, "Label1", QString(), {90, 90, 2940, 285}, Controls::kCyan);

    setTabOrder(UndoCmd, ClearCmd);
    setTabOrder(ClearCmd, CancelCmd);
    UndoCmd->setFocus();
    connect(UndoCmd, &QPushButton::clicked, this, &Undoboxes::UndoCmd_Click);
    connect(ClearCmd, &QPushButton::clicked, this, &Undoboxes::ClearCmd_Click);
    connect(CancelCmd, &QPushButton::clicked, this, &Undoboxes::CancelCmd_Click);
    new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showTopic(kHelpTopic); });
}

void Undoboxes::Form_Load()
{
    const MGLOBAL &g = MGLOBAL::instance();
    UndoCmd->setText(QStringLiteral("&Undo last ") + NumberText::withSignPosition(WorkAreaRules::undoAmount(g))
                     + QStringLiteral(" drops"));
    Label1->setText(QStringLiteral(" Number of possible undo's in list = ") + NumberText::withSignPosition(g.UndoCount));
}

void Undoboxes::choose(int16_t choice)
{
    MGLOBAL::instance().UndoChoice = choice;
    chosen_ = true;
    close();
}

void Undoboxes::UndoCmd_Click() { choose(UndoOrder::Undo); }
void Undoboxes::ClearCmd_Click() { choose(UndoOrder::ClearAll); }
void Undoboxes::CancelCmd_Click() { choose(UndoOrder::Nothing); }

void Undoboxes::reject()
{
    // Closing the dialog any other way (close box, Escape) is the same as Cancel: otherwise the
    // choice of the previous visit, perhaps "Clear all cells", would be carried out again.
    if (!chosen_)
        MGLOBAL::instance().UndoChoice = UndoOrder::Nothing;
    ProgramDialog::reject();
}
