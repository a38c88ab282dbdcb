#include "changefnt.h"

#include "files/messages.h"
#include "forms/controls.h"
#include "forms/formhost.h"
#include "platform/twips.h"
#include "forms/uifont.h"
#include "platform/winhelp.h"
#include "settings/numbertext.h"
#include "settings/personalfile.h"
#include "workarea/mglobal.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

namespace {
constexpr int kEnter = 13;
constexpr int kDoubleQuote = 34;

QLineEdit *entryBox(QWidget *parent, const char *name, QRect geometry, int maxLength)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setMaxLength(maxLength);
    Controls::setTextBackground(box, Controls::kYellow);
    return box;
}
} // namespace

ChangeFnt::ChangeFnt()
    : ProgramDialog(QStringLiteral("Personalize"), 3975, 2685, {3060, 2100, 4000, 3100})
{
    setObjectName(QStringLiteral("ChangeFnt"));
    setFont(UiFont::sansSerif(8.25));

    InMyName = entryBox(this, "InMyName", Twips::rect(315, 975, 3435, 270), kMaxNameLength);
    ExitFonts = Controls::button(this, "ExitFonts", QStringLiteral("E&xit to Menu"), {1050, 2280, 1635, 325});
    DisplayUndo = entryBox(this, "DisplayUndo", Twips::rect(3285, 135, 420, 330), kMaxDepthLength);
    DisplayUndo->setText(QStringLiteral("4"));
    Label1 = Controls::label(this, "Label1", QStringLiteral(" Number of shapes to undo in display"), {180, 135, 3075, 330});
    Label2 = Controls::label(this, "Label2", QStringLiteral(" Type in your name"), {135, 675, 3795, 645});

    setTabOrder(InMyName, ExitFonts);
    setTabOrder(ExitFonts, DisplayUndo);
    InMyName->setFocus();
    InMyName->installEventFilter(this);
    DisplayUndo->installEventFilter(this);

    // A double quote would end the name in the settings file and make the rest unreadable, so
    // one that arrives by pasting is dropped just as a typed one is.
    connect(InMyName, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (!text.contains(QLatin1Char('"')))
            return;
        const int cursor = InMyName->cursorPosition();
        const int before = int(text.left(cursor).count(QLatin1Char('"')));
        InMyName->setText(QString(text).remove(QLatin1Char('"')));
        InMyName->setCursorPosition(cursor - before);
    });
    connect(ExitFonts, &QPushButton::clicked, this, &ChangeFnt::ExitFonts_Click);
    new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showTopic(kHelpTopic); });
}

void ChangeFnt::Form_Load()
{
    const MGLOBAL &g = MGLOBAL::instance();
    DisplayUndo->setText(QString::number(g.UndoDepth));
    InMyName->setText(g.UserName);
}

void ChangeFnt::DisplayUndo_KeyPress(int &keyAscii)
{
    if (keyAscii == kEnter) {
        keyAscii = 0;
        InMyName->setFocus(Qt::TabFocusReason);
    }
}

void ChangeFnt::InMyName_KeyPress(int &keyAscii)
{
    if (keyAscii == kDoubleQuote) {
        keyAscii = 0;
    } else if (keyAscii == kEnter) {
        keyAscii = 0;
        ExitFonts->setFocus(Qt::TabFocusReason);
    }
}

void ChangeFnt::DisplayUndo_LostFocus()
{
    const NumberText::DepthEntry entry = NumberText::acceptDepth(DisplayUndo->text());
    if (!entry.accepted) {
        MGLOBAL::instance().MsgCode = Msg::DepthOutOfRange;
        FormHost::instance().showMessage();
        DisplayUndo->setText(QStringLiteral("4"));
    }
    MGLOBAL::instance().UndoDepth = entry.depth;
}

void ChangeFnt::InMyName_LostFocus()
{
    MGLOBAL::instance().UserName = InMyName->text();
}

void ChangeFnt::ExitFonts_Click()
{
    MGLOBAL &g = MGLOBAL::instance();
    // A settings file that cannot be written is passed over in silence: the values stay in
    // force for this run.
    if (PersonalFile::write(PersonalFile::location(), g))
        FormHost::instance().personalSettingsChanged();
    closing_ = true;
    close();
}

void ChangeFnt::closeEvent(QCloseEvent *event)
{
    // Closing is not leaving a box: whatever is still being typed is not taken.
    closing_ = true;
    ProgramDialog::closeEvent(event);
}

bool ChangeFnt::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        int keyAscii = 0;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            keyAscii = kEnter;
        else if (!key->text().isEmpty())
            keyAscii = key->text().at(0).unicode();
        if (keyAscii != 0) {
            if (watched == DisplayUndo)
                DisplayUndo_KeyPress(keyAscii);
            else if (watched == InMyName)
                InMyName_KeyPress(keyAscii);
            if (keyAscii == 0)
                return true;
        }
    } else if (event->type() == QEvent::FocusOut && !closing_ && isVisible()) {
        // Only a move of the focus inside this window leaves a box; switching to another
        // window does not.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            if (watched == DisplayUndo)
                DisplayUndo_LostFocus();
            else if (watched == InMyName)
                InMyName_LostFocus();
        }
    }
    return ProgramDialog::eventFilter(watched, event);
}
