#include "modal.h"

#include "forms/formhost.h"

#include <QApplication>
#include <QDialog>
#include <QShortcut>
#include <QTimer>

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

// The dialogs have no minimize box, but some window managers offer one anyway: a minimized modal
// dialog would leave the program blocked behind a window nobody sees, so it comes back. Not when
// the frame went down with it: the window manager brings the two back together.
class KeptInView : public QObject {
public:
    explicit KeptInView(QDialog &dialog)
        : QObject(&dialog)
        , dialog_(dialog)
    {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject *, QEvent *event) override
    {
        // The frame's own change may arrive just after the dialog's.
        if (event->type() == QEvent::WindowStateChange && dialog_.isMinimized())
            QTimer::singleShot(kFrameSettlesMs, this, [this] {
                const QWidget *frame = FormHost::instance().frameWidget();
                if (dialog_.isMinimized() && !(frame && frame->isMinimized()))
                    dialog_.setWindowState(dialog_.windowState() & ~Qt::WindowMinimized);
            });
        return false;
    }

private:
    static constexpr int kFrameSettlesMs = 150;
    QDialog &dialog_;
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
    new KeptInView(dialog);
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
