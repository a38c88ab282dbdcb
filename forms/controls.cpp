#include "controls.h"

#include "twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcutEvent>

namespace Controls {

namespace {
QRect pixels(const QRect &twips) { return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()); }

// Enter presses the button that has the focus in every window, not only in dialogs; and its access
// key moves the focus to it before pressing it, so that the box being left keeps what was typed.
class CommandButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            click();
        else
            QPushButton::keyPressEvent(event);
    }

    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Shortcut && !static_cast<QShortcutEvent *>(event)->isAmbiguous()
            && focusPolicy() != Qt::NoFocus) {
            // Leaving the box may show a message, and the window may go away while it is up.
            const QPointer<CommandButton> self(this);
            setFocus(Qt::ShortcutFocusReason);
            if (!self || !isVisible())
                return true;
        }
        return QPushButton::event(event);
    }
};

// A label goes beneath the lowest of its siblings that is no label; labels keep their order among
// themselves.
void stackBeneathControls(QLabel *label)
{
    QWidget *parent = label->parentWidget();
    if (!parent || label->isWindow())
        return;
    for (QObject *child : parent->children()) { // from the bottom up
        if (child == label)
            return;
        auto *sibling = qobject_cast<QWidget *>(child);
        if (sibling && !sibling->isWindow() && !qobject_cast<QLabel *>(sibling)) {
            label->stackUnder(sibling);
            return;
        }
    }
}

// Every widget is polished before it is first shown, whenever it was made.
class LabelsBeneath : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Polish)
            if (auto *label = qobject_cast<QLabel *>(watched))
                stackBeneathControls(label);
        return false;
    }
};
} // namespace

void keepLabelsBeneath()
{
    static QPointer<LabelsBeneath> filter;
    if (!filter && qApp) {
        filter = new LabelsBeneath;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QRect &twips)
{
    auto *b = new CommandButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(pixels(twips));
    return b;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, const QRect &twips, const QColor &background)
{
    keepLabelsBeneath();
    auto *l = new QLabel(caption, parent);
    l->setObjectName(QLatin1String(name));
    // Labels show names and texts from files: a "<b>" or "&lt;" in them is meant as typed.
    l->setTextFormat(Qt::PlainText);
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
