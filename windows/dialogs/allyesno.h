#pragma once
// The program's yes/no question. The caller puts the question number into YesNoChoice and shows
// it modally; afterwards YesNoChoice holds 6 for Yes, 0 for No, or still the question number when
// the window was closed another way (its close box), which every caller takes as No. Escape is no
// answer: a No to "save first?" lets the model go.

#include "programdialog.h"
#include "singleform.h"

class QLabel;
class QPushButton;

class AllYesNo : public ProgramDialog, public SingleForm<AllYesNo> {
    Q_OBJECT
public:
    AllYesNo();

    void Form_Load();

    // Asks a question and tells whether the answer was Yes.
    static bool ask(int16_t question);

public slots:
    void AllYes_Click();
    void AllNo_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QLabel *Label1;
    QPushButton *AllYes;
    QPushButton *AllNo;
};
