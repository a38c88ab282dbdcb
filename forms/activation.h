#pragma once
// Where a window's activation comes from. The program's windows place themselves when they become
// active inside the program, and at its start; but when the user comes back from another program,
// every window stays where the user has put it.

#include <Qt>

class Activation {
public:
    // The program's own, which follows the application from its first use on: the frame's first
    // child asks it before anything is active.
    static Activation &program();

    // What it follows: each change of the application's state, and each change of the focus
    // window, which comes after the windows have been told of their activation.
    void applicationStateChanged(Qt::ApplicationState state);
    void focusWindowChanged(bool toWindow);

    // Whether an activation now comes from inside the program. From the moment the program
    // loses the focus to another one until one of its windows has it again, it does not.
    bool fromInsideProgram() const { return !returning_; }

private:
    bool wasActive_ = false;
    bool returning_ = false;
};
