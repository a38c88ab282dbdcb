#pragma once
// Every modal dialog of the program is shown through here: the program's own questions and
// messages, the file dialog and the platform message box. A test answers them by installing an
// answerer, which gets the loaded dialog instead of a person.

#include <functional>

class QDialog;

namespace Modal {

// Runs the dialog modally and returns when it has closed.
void exec(QDialog &dialog);

// With an answerer set, exec() hands it the dialog instead of waiting for a person. It may show
// the dialog, click its buttons or close it; whatever is still open afterwards is closed.
using Answerer = std::function<void(QDialog &)>;
void setAnswerer(Answerer answerer);
bool hasAnswerer();

} // namespace Modal
