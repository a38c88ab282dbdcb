#pragma once

#include <QString>
#include <QStringList>

// What the viewer was asked to show: "winhelp.exe FILE [--topic N]", without --topic the contents (topic 1).
class HelpCommandLine {
public:
    // arguments[0] is the program, as in QCoreApplication::arguments().
    static HelpCommandLine parse(const QStringList &arguments);
    static QString usage();

    // A relative file is looked for in the current directory, then beside the viewer itself. When it is in
    // neither, the current-directory path is returned so that the error names the place looked first.
    static QString resolveFile(const QString &file, const QString &currentDir, const QString &programDir);

    bool isValid() const { return error_.isEmpty(); }
    QString errorString() const { return error_; }
    QString file() const { return file_; }
    int topic() const { return topic_; }

private:
    QString file_;
    int topic_ = 1;
    QString error_;
};
