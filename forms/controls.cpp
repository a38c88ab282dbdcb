#include "controls.h"

#include "platform/twips.h"

#include <QLabel>
#include <QPushButton>

namespace Controls {

namespace {
QRect pixels(const QRect &twips) { return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()); }
} // namespace

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &twips)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(pixels(twips));
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, const QRect &twips, const QColor &background)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    l->setGeometry(pixels(twips));
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (background.isValid()) {
        l->setAutoFillBackground(true);
        QPalette pal = l->palette();
        pal.setColor(QPalette::Window, background);
        pal.setColor(QPalette::WindowText, Qt::black);
        l->setPalette(pal);
    }
    return l;
}

void setTextBackground(QWidget *box, const QColor &background)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, background);
    pal.setColor(QPalette::Text, Qt::black);
    box->setPalette(pal);
}

} // namespace Controls
