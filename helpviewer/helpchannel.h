#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One viewer per help file and user. The viewer showing a help file listens on a local socket named
// after that file (HelpRequest::socketPath); a request for the same file, from the program or from
// a viewer just started, is handed to it, and it shows the topic and comes forward instead of a
// new viewer opening.
class HelpChannel : public QObject {
    Q_OBJECT

public:
    explicit HelpChannel(QObject *parent = nullptr);

    // Makes this the channel of `helpFile`, unless a running viewer already has it: then the
    // request for `topic` is handed to that one and false is returned. A channel left behind by a
    // viewer that ended without closing it is taken over.
    bool claim(const QString &helpFile, int topic);

    // Stops listening; requests go to whichever viewer claims the file next.
    void close();

signals:
    void topicRequested(int topic);

private:
    void receive();

    QLocalServer server_;
};
