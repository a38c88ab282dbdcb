#pragma once
// The program's message window: tells the user about a failed command or a refused entry. The
// caller puts the message number into MsgCode and shows it modally; it has no answer.

#include "programdialog.h"
#include "singleform.h"

class QPlainTextEdit;
class QPushButton;

class AMsgbox : public ProgramDialog, public SingleForm<AMsgbox> {
    Q_OBJECT
public:
    AMsgbox();

    void Form_Load();

public slots:
    void AMsgExit_Click();

private:
    QPushButton *AMsgExit;
    QPlainTextEdit *TextMsg;
};
