#pragma once

#include "helpfile.h"
#include "helphistory.h"

#include <QMainWindow>

class QAction;
class QLabel;
class QListWidget;
class QTextBrowser;
class QUrl;

// The help window: the numbered topics on the left, the chosen topic on the right, Back, Forward and
// Contents above. A help file that cannot be used is explained inside the window itself.
class HelpViewer : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Shows the given topic of the file, or the contents with a note when the file has no such topic.
    void openFile(const QString &path, int topic = 1);
    // Replaces everything by a message, for a help file that cannot be shown or a wrong command line.
    void showProblem(const QString &heading, const QString &details);

    int currentTopic() const { return m_history.current(); }

public slots:
    void showTopic(int number);
    void showContents();
    void goBack();
    void goForward();

private:
    void display(int number);
    void followLink(const QUrl &url);
    void updateActions();

    HelpFile m_file;
    HelpHistory m_history;
    QListWidget *m_contents = nullptr;
    QLabel *m_note = nullptr;
    QTextBrowser *m_text = nullptr;
    QAction *m_back = nullptr;
    QAction *m_forward = nullptr;
    QAction *m_home = nullptr;
};
