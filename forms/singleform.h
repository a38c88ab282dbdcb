#pragma once
// Every window exists at most once: referring to it creates it and runs its load step, unloading
// destroys it, and the next reference creates it anew.

#include "controls.h"
#include "modal.h"

#include <QDialog>
#include <QPointer>
#include <type_traits>

template <typename Form>
class SingleForm {
public:
    // The loaded window, or nullptr.
    static Form *existing() { return slot(); }

    // The window, created and loaded first when it does not exist.
    static Form *instance()
    {
        if (!slot()) {
            Controls::keepLabelsBeneath(); // in every window, whatever its own code does
            Form *form = new Form;
            slot() = form;
            form->Form_Load();
        }
        return slot();
    }

    // Creates and loads a dialog, waits until it has closed, and destroys it. A dialog that is
    // already up is not shown a second time from inside its own wait.
    static void showModal()
    {
        static_assert(std::is_base_of_v<QDialog, Form>, "only dialogs are shown modally");
        if (slot() && slot()->isVisible())
            return;
        QPointer<Form> form = instance();
        Modal::exec(*form);
        if (!form)
            return;
        forget(form);
        form->deleteLater();
    }

protected:
    // Called by the window when it unloads, so that the next reference creates a new one even
    // before this one is gone.
    static void forget(Form *form)
    {
        if (slot() == form)
            slot() = nullptr;
    }

private:
    static QPointer<Form> &slot()
    {
        static QPointer<Form> form;
        return form;
    }
};
