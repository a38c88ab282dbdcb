#pragma once

#include "helpfile.h"
#include "helphistory.h"

#include <QMainWindow>

class HelpChannel;
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

    int currentTopic() const { return history_.current(); }

    // Becomes the one viewer of the help file at `path`, unless another viewer already shows it:
    // then the request for `topic` goes to that one and false is returned. The one viewer shows
    // the topic of every later request for the file, and comes forward with it.
    bool claimChannel(const QString &path, int topic);
    // Shows the window maximized, in front and active.
    void bringForward();

public slots:
    void showTopic(int number);
    void showContents();
    void goBack();
    void goForward();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void display(int number);
    void followLink(const QUrl &url);
    void updateActions();

    HelpFile file_;
    HelpHistory history_;
    QListWidget *contents_ = nullptr;
    QLabel *note_ = nullptr;
    QTextBrowser *text_ = nullptr;
    QAction *back_ = nullptr;
    QAction *forward_ = nullptr;
    QAction *home_ = nullptr;
    HelpChannel *channel_ = nullptr;
};
