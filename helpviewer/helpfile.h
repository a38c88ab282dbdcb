#pragma once

#include "helptopic.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The topics of one help file. The file is UTF-8 text; each topic starts with a marker line
// "=== 4 | The work area ===" and runs in Markdown up to the next marker, links to topics being "(#N)".
class HelpFile {
public:
    static HelpFile fromText(const QByteArray &bytes);
    static HelpFile load(const QString &path);

    bool isValid() const { return error_.isEmpty(); }
    // A whole sentence for the user, naming the file when it came from one.
    QString errorString() const { return error_; }

    const QList<HelpTopic> &topics() const { return topics_; }
    const HelpTopic *topic(int number) const;

    // The targets of the topic links "(#N)" in a Markdown text; -1 for a target that is not a number.
    static QList<int> linkTargets(const QString &markdown);

private:
    QList<HelpTopic> topics_;
    QString error_;
};
