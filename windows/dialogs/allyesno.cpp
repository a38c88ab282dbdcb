#include "allyesno.h"

#include "controls.h"
#include "uifont.h"

#include "winhelp.h"

#include "messages.h"
#include "mglobal.h"
#include "twips.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

AllYesNo::AllYesNo()
    : ProgramDialog(QStringLiteral("Help"), 2700, 1335, {3500, 2000, 4500, 3000})
{
    setObjectName(QStringLiteral("AllYesNo"));
    setFont(UiFont::sansSerif(8.25));

    Label1 = Controls::label(this, "Label1", QString(), {45, 0, 2595, 870}, Controls::kCyan);
    Label1->setWordWrap(true);
    AllYes = Controls::button(this, "AllYes", QStringLiteral("&Yes"), {225, 945, 675, 345});
    AllNo = Controls::button(this, "AllNo", QStringLiteral("&No"), {1800, 945, 705, 345});

    setTabOrder(AllYes, AllNo);
    AllYes->setFocus();
    connect(AllYes, &QPushButton::clicked, this, &AllYesNo::AllYes_Click);
    connect(AllNo, &QPushButton::clicked, this, &AllYesNo::AllNo_Click);
    // No topic of its own: F1 opens the help at its contents.
    new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showContents(); });
}

void AllYesNo::Form_Load()
{
    Label1->setText(Messages::question(MGLOBAL::instance().YesNoChoice));
}

bool AllYesNo::ask(int16_t question)
{
    MGLOBAL &g = MGLOBAL::instance();
    g.YesNoChoice = question;
    showModal();
    return g.YesNoChoice == Answer::Yes;
}

void AllYesNo::AllYes_Click()
{
    MGLOBAL::instance().YesNoChoice = Answer::Yes;
    close();
}

void AllYesNo::AllNo_Click()
{
    MGLOBAL::instance().YesNoChoice = Answer::No;
    close();
}

void AllYesNo::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    ProgramDialog::keyPressEvent(event);
}
