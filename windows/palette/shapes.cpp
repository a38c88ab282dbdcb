#include "shapes.h"

#include "palette/shapepage.h"

#include "controls.h"
#include "formhost.h"
#include "modal.h"
#include "uifont.h"

#include "toolwindow.h"
#include "user32.h"
#include "windowplacement.h"
#include "winhelp.h"

#include "mglobal.h"
#include "shapeicons.h"
#include "twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QKeyEvent>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>

const char *const Shapes::kMimeType = "application/x-brickloom-shape";

namespace {
// The help panel's five paragraphs.
QString helpText()
{
    const QStringList paragraphs{
        QStringLiteral("Click Left mouse button and hold down on any shape in 'Shapes', then drag to box in the main "
                       "work area and release it."),
        QStringLiteral("To delete a shape in a work area box, Right click on it or click 'Undo' button."),
        QStringLiteral("Two parts can be put in the same box, the first one goes to the back and the second one on "
                       "top of it."),
        QStringLiteral("Click << or >> button to select pages 1 to 6."),
        QStringLiteral("Left click on 'Shapes' title bar and drag it to a new position."),
    };
    return paragraphs.join(QStringLiteral("\r\n\r\n"));
}
} // namespace

const std::array<QString, 6> &Shapes::pageCaptions()
{
    static const std::array<QString, 6> captions{
        QStringLiteral("Mechanical Parts    1"), QStringLiteral("Building Materials   2"),
        QStringLiteral("Tube Fittings          3"), QStringLiteral("Kid's Corner           4"),
        QStringLiteral("Kid's Fun Shapes    5"), QStringLiteral("Misc.                     6"),
    };
    return captions;
}

Shapes::Shapes()
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                           | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Shapes"));
    setWindowTitle(QStringLiteral("Shapes"));
    setFixedSize(Twips::size(2100, 5715));
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFont(UiFont::sansSerif(8.25, true));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    for (int p = 0; p < 6; ++p) {
        IconFrame[p] = new ShapePage(p, pageCaptions()[p], this);
        IconFrame[p]->setVisible(p == 0);
        connect(IconFrame[p], &ShapePage::imagePressed, this, &Shapes::startDrag);
    }

    PrevFrame = Controls::button(this, "PrevFrame", QStringLiteral("&< <"), {25, 5400, 600, 300});
    Help1 = Controls::button(this, "Help1", QStringLiteral("&Help"), {635, 5400, 850, 300});
    Help1->setFont(UiFont::sansSerif(8.25));
    NextFrame = Controls::button(this, "NextFrame", QStringLiteral("&> >"), {1500, 5400, 600, 300});

    setTabOrder(PrevFrame, NextFrame);
    setTabOrder(NextFrame, Help1);

    connect(PrevFrame, &QPushButton::clicked, this, &Shapes::PrevFrame_Click);
    connect(NextFrame, &QPushButton::clicked, this, &Shapes::NextFrame_Click);
    connect(Help1, &QPushButton::clicked, this, &Shapes::Help1_Click);
    new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showTopic(kHelpTopic); });
    ToolWindow::floatOver(this, FormHost::instance().frameWidget());
    User32::keepRestored(this, FormHost::instance().frameWidget());
}

void Shapes::Form_Load()
{
    WindowPlacement::moveFrameTo(this, ToolWindow::openingSpot(this, Twips::point(kLeft, kTop)));
    showInactive();
    MGLOBAL::instance().PalettePage = 0;
    // Every image is a drag source carrying its own picture: see startDrag().
}

void Shapes::showInactive()
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    User32::showRestored(this);
}

void Shapes::unload()
{
    if (Shapes *palette = existing())
        palette->close();
}

void Shapes::closeEvent(QCloseEvent *event)
{
    forget(this);
    event->accept();
    deleteLater();
}

void Shapes::NextFrame_Click()
{
    int16_t &page = MGLOBAL::instance().PalettePage;
    if (page <= 4) {
        IconFrame[page]->hide();
        ++page;
        IconFrame[page]->show();
    } else {
        QApplication::beep();
    }
}

void Shapes::PrevFrame_Click()
{
    int16_t &page = MGLOBAL::instance().PalettePage;
    if (page >= 1) {
        IconFrame[page]->hide();
        --page;
        IconFrame[page]->show();
    } else {
        QApplication::beep();
    }
}

void Shapes::Help1_Click()
{
    if (Help1->text() == QStringLiteral("&Help")) {
        Help1->setText(QStringLiteral("&Close"));
        helpPanel()->setVisible(true);
        HelpText->setPlainText(helpText());
    } else {
        Help1->setText(QStringLiteral("&Help"));
        HelpText->hide();
    }
}

void Shapes::PicSource_Click(int index)
{
    MGLOBAL::instance().DragShape = static_cast<int16_t>(index);
}

QPlainTextEdit *Shapes::helpPanel()
{
    // Made on first use: most visits never open it, and it is the palette's costliest control.
    // Made last, it stands above the pages.
    if (!HelpText) {
        HelpText = new QPlainTextEdit(this);
        HelpText->setObjectName(QStringLiteral("HelpText"));
        HelpText->setGeometry(Twips::rect(35, 780, 2055, 4590).translated(0, ToolWindow::captionHeight(this)));
        HelpText->setFont(UiFont::sansSerif(8.25));
        // A narrower margin than the default, so that all of the text shows at once in the box.
        HelpText->document()->setDocumentMargin(2);
        HelpText->setReadOnly(true);
        HelpText->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        Controls::setTextBackground(HelpText, Controls::kCyan);
        HelpText->installEventFilter(this);
        setTabOrder(Help1, HelpText);
    }
    return HelpText;
}

void Shapes::HelpText_KeyPress(int &keyAscii)
{
    keyAscii = 0;
    QApplication::beep();
}

namespace {
// The character a key types, as the panel's handler gets it: Ctrl with a letter types its control
// code, Enter, Backspace and Escape theirs. 0 for a key that types nothing: an arrow, F1, or Tab,
// which moves the focus on.
int typedCharacter(const QKeyEvent &key)
{
    if (key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab)
        return 0;
    if ((key.modifiers() & Qt::ControlModifier) && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return key.key() - Qt::Key_A + 1;
    return key.text().isEmpty() ? 0 : key.text().at(0).unicode();
}
} // namespace

bool Shapes::eventFilter(QObject *watched, QEvent *event)
{
    if (HelpText && watched == HelpText
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)) {
        const auto *key = static_cast<QKeyEvent *>(event);
        int keyAscii = typedCharacter(*key);
        if (keyAscii == 0)
            return false;
        if (event->type() == QEvent::ShortcutOverride) {
            // A character is the panel's, before any shortcut sees it; with Alt it may still be
            // the access key of one of the palette's buttons, and only if it is none comes here.
            if (key->modifiers() & Qt::AltModifier)
                return false;
            event->accept();
            return true;
        }
        HelpText_KeyPress(keyAscii);
        return keyAscii == 0;
    }
    return QWidget::eventFilter(watched, event);
}

int Shapes::shapeOfDrag(const QMimeData *data)
{
    if (!data || !data->hasFormat(QLatin1String(kMimeType)))
        return 0;
    bool ok = false;
    const int n = data->data(QLatin1String(kMimeType)).toInt(&ok);
    return ok && n >= 1 && n <= 240 ? n : 0;
}

void Shapes::startDrag(int n)
{
    PicSource_Click(n);
    auto *drag = new QDrag(this);
    auto *data = new QMimeData;
    data->setData(QLatin1String(kMimeType), QByteArray::number(n));
    drag->setMimeData(data);
    // The pointer itself becomes the shape's icon, over targets and elsewhere alike.
    const QPixmap icon = QPixmap::fromImage(ShapeIcons::image(n));
    QPixmap none(1, 1);
    none.fill(Qt::transparent);
    drag->setPixmap(none);
    for (Qt::DropAction action : {Qt::CopyAction, Qt::MoveAction, Qt::LinkAction, Qt::IgnoreAction})
        drag->setDragCursor(icon, action);
    const Modal::NestedLoop dragging; // no other command meanwhile: the drop is this one's end
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}
