#pragma once
// The undo dialog: take back the latest drops, clear every box, or do nothing. The choice goes to
// UndoChoice, which the work area carries out once the dialog has closed.

#include "programdialog.h"
#include "singleform.h"

class QLabel;
class QPushButton;

class Undoboxes : public ProgramDialog, public SingleForm<Undoboxes> {
    Q_OBJECT
public:
    Undoboxes();

    void Form_Load();

    static constexpr int kHelpTopic = 9;

public slots:
    void UndoCmd_Click();
    void ClearCmd_Click();
    void CancelCmd_Click();

protected:
    void reject() override;

private:
    void choose(int16_t choice);

    QPushButton *UndoCmd;
    QPushButton *ClearCmd;
    QPushButton *CancelCmd;
    QLabel *Label1;
    bool chosen_ = false;
};
