#include "modal.h"

#include <QDialog>

namespace Modal {

namespace {
Answerer &current()
{
    static Answerer answerer;
    return answerer;
}
} // namespace

void exec(QDialog &dialog)
{
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
