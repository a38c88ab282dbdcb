#include "mainmenu.h"

#include "mdicontainer.h"

#include "palette/shapes.h"
#include "settings/changefnt.h"
#include "workarea/display.h"

#include "controls.h"
#include "uifont.h"

#include "programfolder.h"
#include "winhelp.h"

#include "mglobal.h"
#include "personalfile.h"
#include "twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

MainMenu::MainMenu()
{
    setObjectName(QStringLiteral("MainMenu"));
    setFixedSize(Twips::size(MDIContainer::kClientWidth, MDIContainer::kClientHeight));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    // Created in tab order.
    setFont(UiFont::sansSerif(9.75));
    DisplayOpen = Controls::button(this, "DisplayOpen", QStringLiteral("&Create"), {3810, 1750, 2000, 400});
    MainHelp = Controls::button(this, "MainHelp", QStringLiteral("&Help"), {3825, 2400, 2000, 400});
    Personalize = Controls::button(this, "Personalize", QStringLiteral("&Personalize"), {3815, 3700, 1995, 400});
    ExitProgram = Controls::button(this, "ExitProgram", QStringLiteral("E&xit Program"), {3815, 4350, 2000, 400});

    // Grows with its caption.
    MyName = Controls::label(this, "MyName", QString(), {4680, 6120, 0, 0}, Controls::kCyan);
    MyName->setFont(UiFont::sansSerif(8.25));

    connect(DisplayOpen, &QPushButton::clicked, this, &MainMenu::DisplayOpen_Click);
    connect(MainHelp, &QPushButton::clicked, this, &MainMenu::MainHelp_Click);
    connect(Personalize, &QPushButton::clicked, this, &MainMenu::Personalize_Click);
    connect(ExitProgram, &QPushButton::clicked, this, &MainMenu::ExitProgram_Click);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showTopic(kHelpTopic); });
    f1->setContext(Qt::WidgetWithChildrenShortcut);

    MDIContainer::instance()->addForm(this, kLargeLayoutPlace);
}

void MainMenu::Form_Load()
{
    // The settings are read from the program's folder, or wherever we are if it cannot be entered.
    ProgramFolder::makeCurrent();
    ReadPersonal();
    MGLOBAL &g = MGLOBAL::instance();
    g.TitleText = QStringLiteral(" Brickloom Win9 ");
    MDIContainer::instance()->updateCaption();
}

void MainMenu::ReadPersonal()
{
    if (PersonalFile::ReadPersonal(MGLOBAL::instance()))
        showUserName();
}

void MainMenu::showUserName()
{
    const QString &name = MGLOBAL::instance().UserName;
    MyName->setVisible(!name.isEmpty());
    MyName->setText(name);
    MyName->adjustSize();
}

void MainMenu::Form_Activate()
{
    MDIContainer *frame = MDIContainer::instance();
    if (frame->largeLayout())
        frame->placeForm(this);
    else
        frame->moveForm(this, kSmallLayoutPlace.x(), kSmallLayoutPlace.y());
}

void MainMenu::DisplayOpen_Click()
{
    WorkArea::Display::instance()->showForm();
    unload();
}

void MainMenu::MainHelp_Click()
{
    WinHelp::showContents();
}

void MainMenu::Personalize_Click()
{
    ChangeFnt::showModal();
}

void MainMenu::ExitProgram_Click()
{
    MGLOBAL::instance().ModelChanged = Changes::None;
    Shapes::unload();
    // Ends at once: no window gets to run a closing step.
    QCoreApplication::exit(0);
}

void MainMenu::unload()
{
    forget(this);
    if (QWidget *border = parentWidget())
        border->close();
}

void MainMenu::closeEvent(QCloseEvent *event)
{
    forget(this);
    event->accept();
}
