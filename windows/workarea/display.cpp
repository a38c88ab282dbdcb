#include "display.h"

#include "dialogs/allyesno.h"
#include "palette/shapes.h"
#include "workarea/undoboxes.h"

#include "controls.h"
#include "formhost.h"
#include "uifont.h"

#include "pointer.h"
#include "programfolder.h"
#include "user32.h"
#include "windowplacement.h"
#include "winhelp.h"

#include "messages.h"
#include "mglobal.h"
#include "modelfile.h"
#include "recoverycopy.h"
#include "twips.h"
#include "workareapainter.h"
#include "workarearules.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

namespace WorkArea {

namespace {
const QString kHideCaption = QStringLiteral("&Hide Grid - Shapes");
const QString kShowCaption = QStringLiteral("Show &Grid - Shapes");
} // namespace

Display::Display()
{
    setObjectName(QStringLiteral("Display"));
    resize(Twips::size(WorkAreaPainter::kClientWidth, WorkAreaPainter::kClientHeight));
    setFont(UiFont::sansSerif(8.25, true));
    setAcceptDrops(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    // The strip behind the buttons comes first, so the buttons stand on it.
    Label1 = Controls::label(this, "Label1", QString(), {0, 6390, 9510, 435});
    Label1->setAutoFillBackground(true);

    HideShowGrids = Controls::button(this, "HideShowGrids", kHideCaption, {4530, 6450, 1845, 330});
    FileSave = Controls::button(this, "FileSave", QStringLiteral("&Save File"), {6750, 6450, 1050, 325});
    FileOpen = Controls::button(this, "FileOpen", QStringLiteral("&Open File"), {8160, 6450, 1050, 325});
    PrintAll = Controls::button(this, "PrintAll", QStringLiteral("&Print"), {3090, 6450, 1000, 325});
    ClearAll = Controls::button(this, "ClearAll", QStringLiteral("&Undo"), {1740, 6450, 1000, 325});
    Exit1 = Controls::button(this, "Exit1", QStringLiteral("E&xit to Menu"), {180, 6450, 1300, 325});
    for (QPushButton *b : {HideShowGrids, FileSave, FileOpen, PrintAll, ClearAll, Exit1})
        b->setFont(UiFont::sansSerif(8.25));
    setTabOrder(HideShowGrids, FileSave);
    setTabOrder(FileSave, FileOpen);
    setTabOrder(FileOpen, PrintAll);
    setTabOrder(PrintAll, ClearAll);
    setTabOrder(ClearAll, Exit1);

    connect(HideShowGrids, &QPushButton::clicked, this, &Display::HideShowGrids_Click);
    connect(FileSave, &QPushButton::clicked, this, &Display::FileSave_Click);
    connect(FileOpen, &QPushButton::clicked, this, &Display::FileOpen_Click);
    connect(PrintAll, &QPushButton::clicked, this, &Display::PrintAll_Click);
    connect(ClearAll, &QPushButton::clicked, this, &Display::ClearAll_Click);
    connect(Exit1, &QPushButton::clicked, this, &Display::Exit1_Click);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showTopic(kHelpTopic); });
    f1->setContext(Qt::WidgetWithChildrenShortcut);

    FormHost::instance().addForm(this, kLargeLayoutPlace);
}

void Display::Form_Load()
{
    ProgramFolder::makeCurrent();
    MGLOBAL &g = MGLOBAL::instance();
    g.createWorkArea();
    boxes_.clear();
    recovery_ = new RecoveryCopy(RecoveryCopy::defaultFolder(), RecoveryCopy::runtimeFolder(),
                                 [] { return ModelFile::toBytes(MGLOBAL::instance()); }, this);
    recovery_->markSaved();
    DrawGrids();
    FormHost::instance().updateCaption();
}

void Display::showForm()
{
    FormHost::instance().showForm(this);
    HideShowGrids->setFocus();
}

void Display::Form_Activate()
{
    FormHost::instance().placeForm(this);
}

void Display::DrawGrids()
{
    const MGLOBAL &g = MGLOBAL::instance();
    // Hidden lines are drawn again in the window-text colour, black like the background.
    const bool shown = g.GridState != Grid::Hidden;
    const QColor colour = shown ? WorkAreaPainter::kGridColour : QApplication::palette().color(QPalette::WindowText);
    const int bottom = shown ? WorkAreaPainter::kLinesBottomShown : WorkAreaPainter::kLinesBottomErased;
    std::erase_if(surface_, [bottom](const GridDrawing &earlier) { return earlier.bottomTwips <= bottom; });
    surface_.push_back({colour, bottom});
    update();
    if (g.GridState == Grid::Shown) {
        Shapes *palette = Shapes::instance();
        const QPoint frame = WindowPlacement::framePosition(palette);
        User32::SetWindowPos(palette, User32::HWND_TOPMOST, frame.x(), frame.y(), Twips::toPx(Shapes::kWidth),
                             Twips::toPx(Shapes::kHeight), User32::SWP_SHOWWINDOW | User32::SWP_NOACTIVATE);
    } else if (g.GridState == Grid::Hidden) {
        Shapes::instance()->hide();
    }
}

void Display::HideShowGrids_Click()
{
    MGLOBAL &g = MGLOBAL::instance();
    if (HideShowGrids->text() == kShowCaption) {
        HideShowGrids->setText(kHideCaption);
        g.GridState = Grid::Shown;
    } else {
        HideShowGrids->setText(kShowCaption);
        g.GridState = Grid::Hidden;
    }
    DrawGrids();
}

void Display::setBackColor(const QColor &colour)
{
    backColor_ = colour;
    surface_.clear();
    update();
}

void Display::updateBox(int16_t cell)
{
    update(WorkAreaPainter::boxRect(cell));
}

void Display::PicTarget_DragDrop(int16_t Index, bool sourceIsImage, int16_t sourceIndex)
{
    if (WorkAreaRules::dropOnCell(MGLOBAL::instance(), boxes_, Index, sourceIsImage, sourceIndex) != WorkAreaRules::Layer::None)
        recovery_->modelChanged();
    updateBox(Index);
}

void Display::PicTarget_MouseDown(int16_t Index, int16_t Button)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (Button != WorkAreaRules::kLeftButton) {
        const auto emptied = WorkAreaRules::pressOnCell(MGLOBAL::instance(), boxes_, Index, Button);
        if (emptied != WorkAreaRules::Layer::None) {
            updateBox(Index);
            recovery_->modelChanged();
        }
    }
    QApplication::restoreOverrideCursor();
}

void Display::ClearAll_Click()
{
    Undoboxes::showModal();
    if (MGLOBAL::instance().UndoChoice != UndoOrder::Nothing)
        ClearorUndo();
}

void Display::ClearorUndo()
{
    MGLOBAL &g = MGLOBAL::instance();
    if (g.UndoChoice == UndoOrder::Undo) {
        WorkAreaRules::undoLatest(g, boxes_);
        recovery_->modelChanged();
        update();
    } else if (g.UndoChoice == UndoOrder::ClearAll) {
        AskSaveChanges();
        if (g.ModelChanged != Changes::None)
            return;
        // The model is let go: its copy keeps it if it was never saved.
        recovery_->finish();
        WorkAreaRules::clearCells(g, boxes_);
        recovery_->markSaved();
        FormHost::instance().updateCaption();
        update();
    }
}

void Display::hidePaletteIfShown()
{
    if (MGLOBAL::instance().GridState == Grid::Shown)
        Shapes::instance()->hide();
}

void Display::showPaletteIfShown()
{
    if (MGLOBAL::instance().GridState == Grid::Shown)
        Shapes::instance()->showInactive();
}

void Display::AskSaveChanges()
{
    MGLOBAL &g = MGLOBAL::instance();
    if (g.ModelChanged != Changes::Unsaved)
        return;
    hidePaletteIfShown();
    const bool yes = AllYesNo::ask(g.FileChoice == FileOrder::Open ? Question::SaveBeforeExit : Question::SaveBeforeErase);
    showPaletteIfShown();
    if (!yes)
        g.ModelChanged = Changes::None;
}

bool Display::placePictures(QString *error)
{
    const bool ok = WorkAreaRules::placePictures(MGLOBAL::instance(), boxes_, error);
    update();
    return ok;
}

QImage Display::clientImage()
{
    return grab().toImage();
}

void Display::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setClipRegion(event->region());
    painter.fillRect(rect(), backColor_);
    for (const GridDrawing &drawing : surface_)
        WorkAreaPainter::drawGridLines(painter, drawing.colour, drawing.bottomTwips);
    WorkAreaPainter::drawBoxes(painter, boxes_);
}

void Display::mousePressEvent(QMouseEvent *event)
{
    const int cell = WorkAreaPainter::cellAt(event->position().toPoint());
    if (cell < 0)
        return;
    int16_t button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = WorkAreaRules::kLeftButton; break;
    case Qt::RightButton: button = WorkAreaRules::kRightButton; break;
    case Qt::MiddleButton: button = WorkAreaRules::kMiddleButton; break;
    default: return;
    }
    PicTarget_MouseDown(static_cast<int16_t>(cell), button);
}

void Display::dragEnterEvent(QDragEnterEvent *event)
{
    // Only palette shapes are taken; anything dragged from elsewhere is refused at the door.
    if (Shapes::shapeOfDrag(event->mimeData()) != 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void Display::dragMoveEvent(QDragMoveEvent *event)
{
    if (Shapes::shapeOfDrag(event->mimeData()) != 0
        && WorkAreaPainter::cellAt(Pointer::dropPosition(this, event->position())) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void Display::dropEvent(QDropEvent *event)
{
    const int shape = Shapes::shapeOfDrag(event->mimeData());
    const int cell = WorkAreaPainter::cellAt(Pointer::dropPosition(this, event->position()));
    if (shape == 0 || cell < 0) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    PicTarget_DragDrop(static_cast<int16_t>(cell), true, static_cast<int16_t>(shape));
}

void Display::closeEvent(QCloseEvent *event)
{
    if (!Form_QueryUnload()) {
        event->ignore();
        return;
    }
    forget(this);
    event->accept();
}

} // namespace WorkArea
