#include "mdicontainer.h"

#include "amsgbox.h"
#include "mainmenu.h"

#include "palette/shapes.h"
#include "shell.h"

#include "activation.h"

#include "windowplacement.h"

#include "mglobal.h"
#include "twips.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QVBoxLayout>

namespace {
// A child form's border: one pixel around its client area.
constexpr int kChildBorder = 1;

// The border is painted, not set in the palette: a palette colour would spread to the form and to
// every control in it that has no colour of its own, such as the strip behind the work area's
// buttons.
class ChildBorder : public QMdiSubWindow {
public:
    explicit ChildBorder(QPoint largeLayoutPlace)
        : QMdiSubWindow(nullptr, Qt::FramelessWindowHint)
        , largeLayoutPlace_(largeLayoutPlace)
    {
    }
    QPoint largeLayoutPlace() const { return largeLayoutPlace_; }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(rect(), QColor(0x40, 0x40, 0x40)); }

private:
    QPoint largeLayoutPlace_;
};
} // namespace

MDIContainer::MDIContainer()
    : area_(new QMdiArea(this))
{
    setObjectName(QStringLiteral("MDIContainer"));
    // Closed by the user, the frame goes with its children, as the other windows do.
    setAttribute(Qt::WA_DeleteOnClose);
    area_->setFrameShape(QFrame::NoFrame);
    // The children are a little larger than the client area; they must not grow the frame.
    area_->setMinimumSize(1, 1);
    area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setCentralWidget(area_);
    resize(Twips::size(kClientWidth, kClientHeight));
    // The area also activates its child again when the user comes back from another program.
    connect(area_, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow *sub) {
        if (sub && sub->widget() && Activation::program().fromInsideProgram())
            QMetaObject::invokeMethod(sub->widget(), "Form_Activate");
    });
    // What the windows ask of the top, done before their request returns.
    const Shell &shell = Shell::instance();
    connect(&shell, &Shell::messageRequested, this, [] { AMsgbox::showModal(); }, Qt::DirectConnection);
    connect(&shell, &Shell::mainMenuRequested, this, [this] { showForm(MainMenu::instance()); }, Qt::DirectConnection);
    connect(&shell, &Shell::personalSettingsWritten, this, [] {
        if (MainMenu *menu = MainMenu::existing())
            menu->showUserName();
    }, Qt::DirectConnection);
}

void MDIContainer::MDIForm_Load()
{
    showForm(MainMenu::instance());
}

void MDIContainer::addForm(QWidget *form, QPoint largeLayoutPlace)
{
    auto *sub = new ChildBorder(largeLayoutPlace);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWidget(form);
    sub->layout()->setContentsMargins(kChildBorder, kChildBorder, kChildBorder, kChildBorder);
    sub->setFixedSize(form->size() + QSize(2 * kChildBorder, 2 * kChildBorder));
    area_->addSubWindow(sub);
}

void MDIContainer::showForm(QWidget *form)
{
    auto *sub = qobject_cast<QMdiSubWindow *>(form->parentWidget());
    if (!sub)
        return;
    sub->show();
    area_->setActiveSubWindow(sub);
}

void MDIContainer::moveForm(QWidget *form, int leftTwips, int topTwips)
{
    if (QWidget *sub = form ? form->parentWidget() : nullptr)
        sub->move(Twips::point(leftTwips, topTwips));
}

void MDIContainer::placeForm(QWidget *form)
{
    if (auto *border = form ? dynamic_cast<ChildBorder *>(form->parentWidget()) : nullptr) {
        const QPoint place = largeLayout() ? border->largeLayoutPlace() : kSmallLayoutPlace;
        border->move(Twips::point(place.x(), place.y()));
    }
}

void MDIContainer::resizeForm(QWidget *form, int widthTwips, int heightTwips)
{
    if (QWidget *sub = form ? form->parentWidget() : nullptr)
        sub->setFixedSize(Twips::size(widthTwips, heightTwips));
}

void MDIContainer::updateCaption()
{
    // A literal "[*]" in a file name would otherwise be read as the modified-document marker.
    QString caption = MGLOBAL::instance().frameCaption();
    caption.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    setWindowTitle(caption);
}

bool MDIContainer::largeLayout() const
{
    return MGLOBAL::instance().largeLayout();
}

QPoint MDIContainer::frameTopLeft() const
{
    return WindowPlacement::framePosition(this);
}

QWidget *MDIContainer::activeForm() const
{
    // The child that was active last, even while another program has the focus.
    QMdiSubWindow *sub = area_->currentSubWindow();
    return sub ? sub->widget() : nullptr;
}

void MDIContainer::MDIForm_Resize()
{
    MGLOBAL &g = MGLOBAL::instance();
    QWidget *form = activeForm();
    if (g.GridState == Grid::Shown) {
        if (isMinimized())
            Shapes::instance()->hide();
        else
            Shapes::instance()->showInactive();
    }
    g.FrameSize = Twips::toTwips(WindowPlacement::frameGeometry(this).height()) > MGLOBAL::kLargeLayoutHeight
                      ? MGLOBAL::kLargeFrameSize
                      : MGLOBAL::kSmallFrameSize;
    placeForm(form);
}

void MDIContainer::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    MDIForm_Resize();
}

void MDIContainer::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // Minimizing and restoring change no size but are resizes of the frame all the same.
    if (event->type() == QEvent::WindowStateChange)
        MDIForm_Resize();
    // The active child becomes the active window with its frame, and places itself again; this
    // also runs after the first resize at start, which has moved it to the resize's place. Coming
    // back from another program leaves it where it is.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (QWidget *form = activeForm(); form && Activation::program().fromInsideProgram())
            QMetaObject::invokeMethod(form, "Form_Activate");
    }
}

void MDIContainer::closeEvent(QCloseEvent *event)
{
    // The children close first, each through its own closing step; the work area may refuse.
    area_->closeAllSubWindows();
    if (!area_->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    forget(this);
    event->accept();
}
