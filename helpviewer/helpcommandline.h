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

    bool isValid() const { return m_error.isEmpty(); }
    QString errorString() const { return m_error; }
    QString file() const { return m_file; }
    int topic() const { return m_topic; }

private:
    QString m_file;
    int m_topic = 1;
    QString m_error;
};
