#include "mainmenu.h"

#include "app/mdicontainer.h"
#include "palette/shapes.h"
#include "palette/shapeicons.h"
#include "platform/twips.h"
#include "platform/uifont.h"
#include "platform/winhelp.h"
#include "settings/changefnt.h"
#include "settings/personalfile.h"
#include "workarea/display.h"
#include "workarea/mglobal.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

namespace {
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, QRect geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    button->setFont(UiFont::sansSerif(9.75));
    button->setAutoDefault(false);
    return button;
}
} // namespace

MainMenu::MainMenu()
{
    setObjectName(QStringLiteral("MainMenu"));
    setFixedSize(Twips::size(MDIContainer::kClientWidth, MDIContainer::kClientHeight));
    setWindowIcon(QIcon(QPixmap::fromImage(ShapeIcons::programIcon())));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    setPalette(pal);

    // Created in tab order.
    DisplayOpen = makeButton(this, "DisplayOpen", QStringLiteral("&Create"), Twips::rect(3810, 1750, 2000, 400));
    MainHelp = makeButton(this, "MainHelp", QStringLiteral("&Help"), Twips::rect(3825, 2400, 2000, 400));
    Personalize = makeButton(this, "Personalize", QStringLiteral("&Personalize"), Twips::rect(3815, 3700, 1995, 400));
    ExitProgram = makeButton(this, "ExitProgram", QStringLiteral("E&xit Program"), Twips::rect(3815, 4350, 2000, 400));

    MyName = new QLabel(this);
    MyName->setObjectName(QStringLiteral("MyName"));
    MyName->move(Twips::point(4680, 6120));
    MyName->setFont(UiFont::sansSerif(8.25));
    MyName->setAutoFillBackground(true);
    QPalette namePal = MyName->palette();
    namePal.setColor(QPalette::Window, QColor(0x00, 0xFF, 0xFF));
    namePal.setColor(QPalette::WindowText, Qt::black);
    MyName->setPalette(namePal);
    MyName->resize(0, 0);

    connect(DisplayOpen, &QPushButton::clicked, this, &MainMenu::DisplayOpen_Click);
    connect(MainHelp, &QPushButton::clicked, this, &MainMenu::MainHelp_Click);
    connect(Personalize, &QPushButton::clicked, this, &MainMenu::Personalize_Click);
    connect(ExitProgram, &QPushButton::clicked, this, &MainMenu::ExitProgram_Click);
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this, [] { WinHelp::showTopic(kHelpTopic); });
    f1->setContext(Qt::WidgetWithChildrenShortcut);

    MDIContainer::instance()->addForm(this);
}

void MainMenu::Form_Load()
{
    // The settings file lives in the program's directory; if it cannot be made current, the
    // settings are looked for wherever we are.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
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
    if (MGLOBAL::instance().FrameSize > MDIContainer::kLargeLayoutHeight)
        MDIContainer::instance()->moveForm(this, 1000, 1000);
    else
        MDIContainer::instance()->moveForm(this, -25, -15);
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
    MGLOBAL::instance().ModelChanged = 0;
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
