#include "changefnt.h"

#include "shell.h"

#include "controls.h"
#include "uifont.h"

#include "winhelp.h"

#include "messages.h"
#include "mglobal.h"
#include "numbertext.h"
#include "personalfile.h"
#include "twips.h"

#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QValidator>

namespace {
constexpr int kEnter = 13;
constexpr int kDoubleQuote = 34;

// Limits what is typed or pasted into a box as a length limit does, keeping of an edit only as
// much as fits, but shows whole what the program itself puts there (a stored depth of -32768).
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit *box, int limit) : QValidator(box), limit_(limit) { box->setValidator(this); }

    // The program's own text, shown whole.
    static void setText(QLineEdit *box, const QString &text)
    {
        static_cast<const TypingLimit *>(box->validator())->shown_ = text;
        box->setText(text);
    }

    State validate(QString &input, int &pos) const override
    {
        if (input.size() > limit_) {
            // The edit put something new between an unchanged head and tail.
            const qsizetype common = std::min(input.size(), shown_.size());
            qsizetype head = 0;
            while (head < common && input[head] == shown_[head])
                ++head;
            qsizetype tail = 0;
            while (tail < common - head && input[input.size() - 1 - tail] == shown_[shown_.size() - 1 - tail])
                ++tail;
            const qsizetype fits = std::max<qsizetype>(0, limit_ - head - tail);
            if (input.size() - head - tail > fits) {
                input = input.left(head + fits) + input.right(tail);
                pos = int(head + fits);
            }
        }
        shown_ = input;
        return Acceptable;
    }

private:
    int limit_;
    mutable QString shown_;
};

QLineEdit *entryBox(QWidget *parent, const char *name, QRect geometry, int typingLimit)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    new TypingLimit(box, typingLimit);
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
    TypingLimit::setText(DisplayUndo, QString::number(g.UndoDepth));
    TypingLimit::setText(InMyName, g.UserName);
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
        emit Shell::instance().messageRequested();
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
        emit Shell::instance().personalSettingsWritten();
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
