#pragma once
// What the windows ask of the top of the program, which they do not know: the message window, the
// main menu again, and the user's name on the main menu once the settings were written. The top
// connects to these signals directly, so a request is carried out before its emit returns: a
// message is modal within the handler that asks for it. With nothing connected (a window tested
// alone) a request does nothing.

#include <QObject>

class Shell : public QObject {
    Q_OBJECT
public:
    static Shell &instance();

signals:
    // Shows the message window for the message number in MsgCode, modally.
    void messageRequested();
    // The work area is being left: the main menu opens again.
    void mainMenuRequested();
    // The personal settings were written: the main menu shows the name.
    void personalSettingsWritten();
};
