#include "startup.h"

#include "palette/shapeicons.h"
#include "forms/uifont.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

namespace Startup {

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Brickloom"));
    QApplication::setOrganizationDomain(QStringLiteral("brickloom.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.brickloom.Brickloom"));
    // One look on every desktop, so the designed layouts fit the same everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // The windows' own face as everyone's default too: one font fewer to find and load.
    QApplication::setFont(UiFont::sansSerif(8.25));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ShapeIcons::programIcon())));
}

} // namespace Startup
