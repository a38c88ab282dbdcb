#pragma once
// The main menu: the frame's first child, from which the user opens the work area, reads the
// help, personalizes the program or ends it. It shows the user's name.

#include "singleform.h"

#include <QPoint>
#include <QWidget>

class QLabel;
class QPushButton;

class MainMenu : public QWidget, public SingleForm<MainMenu> {
    Q_OBJECT
public:
    MainMenu();

    void Form_Load();
    // Reads the personal settings and shows or hides the user's name.
    void ReadPersonal();
    // Shows the user's name, or hides the label when there is none.
    void showUserName();

    // Closes the main menu and destroys it.
    void unload();

    static constexpr int kHelpTopic = 3;
    // Where it stands in the frame (twips): in the large layout, where the frame also keeps it; in
    // the small layout, where it places itself until the frame is resized.
    static constexpr QPoint kLargeLayoutPlace{1000, 1000};
    static constexpr QPoint kSmallLayoutPlace{-25, -15};

public slots:
    void Form_Activate();
    void DisplayOpen_Click();
    void MainHelp_Click();
    void Personalize_Click();
    void ExitProgram_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QPushButton *DisplayOpen;
    QPushButton *MainHelp;
    QPushButton *Personalize;
    QPushButton *ExitProgram;
    QLabel *MyName;
};
