#include "app/mdicontainer.h"
#include "palette/shapeicons.h"
#include "platform/windowplacement.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>
#include <QStyleFactory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Brickloom"));
    QApplication::setOrganizationDomain(QStringLiteral("brickloom.org"));
    // One look on every desktop, so the designed layouts fit the same everywhere.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ShapeIcons::programIcon())));

    MDIContainer *frame = MDIContainer::instance();
    WindowPlacement::moveFrameTo(frame, QGuiApplication::primaryScreen()->availableGeometry().topLeft());
    frame->show();
    const int result = QApplication::exec();
    delete MDIContainer::existing();
    return result;
}
