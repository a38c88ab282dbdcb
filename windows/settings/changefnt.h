#pragma once
// The Personalize window: the user's name, shown on the main menu, and how many of the latest
// drops one undo takes back. Values take effect as the focus leaves their box; "Exit to Menu"
// also writes them to the settings file.

#include "programdialog.h"
#include "singleform.h"

class QLabel;
class QLineEdit;
class QPushButton;

class ChangeFnt : public ProgramDialog, public SingleForm<ChangeFnt> {
    Q_OBJECT
public:
    ChangeFnt();

    void Form_Load();

    static constexpr int kHelpTopic = 7;
    // How much can be typed into the boxes; what the program puts there is shown whole.
    static constexpr int kMaxNameLength = 97;
    static constexpr int kMaxDepthLength = 3;

public slots:
    void ExitFonts_Click();
    void DisplayUndo_LostFocus();
    void InMyName_LostFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void DisplayUndo_KeyPress(int &keyAscii);
    void InMyName_KeyPress(int &keyAscii);

    QLineEdit *InMyName;
    QPushButton *ExitFonts;
    QLineEdit *DisplayUndo;
    QLabel *Label1;
    QLabel *Label2;
    bool closing_ = false;
};
