#pragma once
// Every modal dialog of the program is shown through here: the program's own questions and
// messages, the file dialog and the platform message box. A test answers them by installing an
// answerer, which gets the loaded dialog instead of a person.
//
// One command at a time: while a command waits in a dialog or another nested event loop, no other
// command starts. Only the innermost dialog (and the popups it opens) takes shortcuts, input and
// button clicks; a click an access key armed before the dialog opened, which Qt fires a tenth of a
// second later, is dropped when it comes for any other window, and so is a click for a button that
// is no longer shown.

#include <functional>

class QDialog;

namespace Modal {

// Runs the dialog modally and returns when it has closed.
void exec(QDialog &dialog);

// A command that runs a nested event loop of its own (a drag) holds one of these for that time,
// as exec() does around a dialog.
class NestedLoop {
public:
    NestedLoop();
    ~NestedLoop();
    NestedLoop(const NestedLoop &) = delete;
    NestedLoop &operator=(const NestedLoop &) = delete;
};

// With an answerer set, exec() hands it the dialog instead of waiting for a person. It may show
// the dialog, click its buttons or close it; whatever is still open afterwards is closed.
using Answerer = std::function<void(QDialog &)>;
void setAnswerer(Answerer answerer);
bool hasAnswerer();

} // namespace Modal
