#include "amsgbox.h"

#include "controls.h"
#include "uifont.h"

#include "winhelp.h"

#include "messages.h"
#include "mglobal.h"
#include "twips.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

AMsgbox::AMsgbox()
    : ProgramDialog(QStringLiteral("Help"), 2610, 2190, {3600, 2000, 4650, 3000})
{
    setObjectName(QStringLiteral("AMsgbox"));
    setFont(UiFont::sansSerif(8.25, true));

    AMsgExit = Controls::button(this, "AMsgExit", QStringLiteral("E&xit"), {870, 1770, 825, 330});
    AMsgExit->setDefault(true);

    TextMsg = new QPlainTextEdit(this);
    TextMsg->setObjectName(QStringLiteral("TextMsg"));
    TextMsg->setGeometry(Twips::rect(0, 60, 2565, 1635));
    TextMsg->setFont(UiFont::sansSerif(8.25));
    TextMsg->setReadOnly(true);
    TextMsg->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    TextMsg->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Controls::setTextBackground(TextMsg, Controls::kCyan);

    setTabOrder(AMsgExit, TextMsg);
    AMsgExit->setFocus();
    connect(AMsgExit, &QPushButton::clicked, this, &AMsgbox::AMsgExit_Click);
    // No topic of its own: F1 opens the help at its contents.
    new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showContents(); });
}

void AMsgbox::Form_Load()
{
    TextMsg->setPlainText(Messages::message(MGLOBAL::instance().MsgCode));
}

void AMsgbox::AMsgExit_Click()
{
    close();
}
