#include "startup.h"

#include "uifont.h"

#include "shapeicons.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <functional>

namespace Startup {

namespace {

// An icon that is made the first time it is drawn or measured.
class DeferredIcon : public QIconEngine {
public:
    explicit DeferredIcon(std::function<QIcon()> make)
        : make_(std::move(make))
    {
    }
    QIconEngine *clone() const override { return new DeferredIcon(*this); }
    QString key() const override { return QStringLiteral("DeferredIcon"); }

    // The sizes handed in are already in device pixels, so the icon is asked at a ratio of 1.
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, 1.0, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return pixmap(size, mode, state).size();
    }
    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override { return icon().availableSizes(mode, state); }
    QString iconName() override { return icon().name(); }
    bool isNull() override { return icon().isNull(); }

private:
    const QIcon &icon()
    {
        if (make_) {
            icon_ = make_();
            make_ = nullptr;
        }
        return icon_;
    }

    std::function<QIcon()> make_;
    QIcon icon_;
};

// Fusion, except that the icons of a child window's system menu, which every child window makes
// and hardly anyone opens, are read only when that menu is shown: reading them loads Qt's image
// format plugins and libjpeg, three quarters of what the frame and the main menu cost to build.
class ProgramStyle : public QProxyStyle {
public:
    ProgramStyle()
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
    {
    }
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option, const QWidget *widget) const override
    {
        if (!qobject_cast<const QMdiSubWindow *>(widget) || option)
            return QProxyStyle::standardIcon(icon, option, widget);
        QStyle *base = baseStyle();
        const QPointer<const QWidget> window(widget);
        return QIcon(new DeferredIcon([base, icon, window] { return base->standardIcon(icon, nullptr, window); }));
    }
};

} // namespace

void configureApplication()
{
    QApplication::setApplicationName(QStringLiteral("Brickloom"));
    QApplication::setOrganizationDomain(QStringLiteral("brickloom.org"));
    QApplication::setDesktopFileName(QStringLiteral("org.brickloom.Brickloom"));
    // One look on every desktop, so the designed layouts fit the same everywhere.
    QApplication::setStyle(new ProgramStyle);
    // The windows' own face as everyone's default too: one font fewer to find and load.
    QApplication::setFont(UiFont::sansSerif(8.25));
    QApplication::setWindowIcon(QIcon(QPixmap::fromImage(ShapeIcons::programIcon())));
}

} // namespace Startup
