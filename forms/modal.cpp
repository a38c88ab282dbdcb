#include "modal.h"

#include "formhost.h"

#include <QAbstractButton>
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

// How many commands wait in a dialog or another nested event loop.
int waiting = 0;

// Whether input for `target` may start a command now: only the innermost dialog and its popups
// take any while a command waits.
bool mayStart(const QWidget &target)
{
    const QWidget *window = target.window();
    if (window->windowType() == Qt::Popup)
        return true;
    if (const QWidget *modal = QApplication::activeModalWidget())
        return window == modal;
    return waiting == 0;
}

// Qt keeps keys and clicks from the windows a modal dialog blocks, but not everything that starts a
// command. A shortcut is matched against the window that was active last, and the window manager
// may not have moved the focus to the dialog yet. An access key clicks its button a tenth of a
// second after the key, from a timer that fires wherever the program then waits: a second key
// pressed just before a dialog opened would run its command underneath it. And between a dialog's
// closing and the end of its wait, no window is blocked at all.
class OneCommandAtATime : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Shortcut: {
            QWidget *target = qobject_cast<QWidget *>(watched);
            if (auto *shortcut = qobject_cast<QShortcut *>(watched))
                target = qobject_cast<QWidget *>(shortcut->parent());
            return target && !mayStart(*target);
        }
        case QEvent::Timer: {
            auto *button = qobject_cast<QAbstractButton *>(watched);
            if (!button || (button->isVisible() && mayStart(*button)))
                return false;
            // The button's own handling stops the timer and lets it up again; only the click goes.
            const QSignalBlocker silent(button);
            static_cast<QObject *>(button)->event(event);
            button->update();
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseButtonRelease:
        case QEvent::KeyPress:
        case QEvent::Close: {
            auto *target = qobject_cast<QWidget *>(watched);
            if (!event->spontaneous() || !target || mayStart(*target))
                return false;
            event->ignore(); // a close box: the window stays
            return true;
        }
        default:
            return false;
        }
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

void guardCommands()
{
    static OneCommandAtATime *filter = nullptr;
    if (!filter && qApp) {
        filter = new OneCommandAtATime;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
}
} // namespace

NestedLoop::NestedLoop()
{
    guardCommands();
    ++waiting;
}

NestedLoop::~NestedLoop()
{
    --waiting;
}

void exec(QDialog &dialog)
{
    const NestedLoop wait;
    new KeptInView(dialog);
    if (Answerer answer = current()) {
        // Modal as exec() would make it, so an answerer that shows it meets the same rules.
        dialog.setWindowModality(Qt::ApplicationModal);
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
