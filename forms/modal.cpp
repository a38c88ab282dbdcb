#include "modal.h"

#include <QApplication>
#include <QDialog>
#include <QShortcut>

namespace Modal {

namespace {
Answerer &current()
{
    static Answerer answerer;
    return answerer;
}

// While a modal dialog is up, the windows it blocks take no access keys. Qt already keeps their
// keys and clicks from them, but a shortcut is matched against the window that was active last,
// and the window manager may not have moved the focus to the dialog yet: a fast second Alt+U would
// run the undo command again from inside its own dialog.
class BlockedShortcuts : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return false;
        QWidget *target = qobject_cast<QWidget *>(watched);
        if (auto *shortcut = qobject_cast<QShortcut *>(watched))
            target = qobject_cast<QWidget *>(shortcut->parent());
        return target && target->window() != modal;
    }
};

void blockShortcutsOfBlockedWindows()
{
    static BlockedShortcuts *filter = nullptr;
    if (!filter && qApp) {
        filter = new BlockedShortcuts;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}
} // namespace

void exec(QDialog &dialog)
{
    blockShortcutsOfBlockedWindows();
    if (Answerer answer = current()) {
        answer(dialog);
        if (dialog.isVisible())
            dialog.close();
        return;
    }
    dialog.exec();
}

void setAnswerer(Answerer answerer)
{
    current() = std::move(answerer);
}

bool hasAnswerer()
{
    return bool(current());
}

} // namespace Modal
