#include "helpcommandline.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

HelpCommandLine HelpCommandLine::parse(const QStringList &arguments)
{
    HelpCommandLine result;
    QCommandLineParser parser;
    const QCommandLineOption topicOption(QStringLiteral("topic"), QStringLiteral("Topic to open."),
                                         QStringLiteral("N"));
    parser.addOption(topicOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The help file."));

    if (!parser.parse(arguments)) {
        result.error_ = parser.errorText();
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        result.error_ = files.isEmpty() ? QStringLiteral("No help file given.")
                                         : QStringLiteral("Only one help file can be given.");
        return result;
    }
    result.file_ = files.first();
    if (parser.isSet(topicOption)) {
        bool ok = false;
        result.topic_ = parser.value(topicOption).toInt(&ok);
        if (!ok)
            result.error_ = QStringLiteral("The topic must be a number, not \"%1\".").arg(parser.value(topicOption));
    }
    return result;
}

QString HelpCommandLine::usage()
{
    return QStringLiteral("Usage: winhelp.exe FILE [--topic N]");
}

QString HelpCommandLine::resolveFile(const QString &file, const QString &currentDir, const QString &programDir)
{
    if (QDir::isAbsolutePath(file))
        return file;
    const QString inCurrent = QDir(currentDir).filePath(file);
    if (QFileInfo::exists(inCurrent))
        return inCurrent;
    const QString besideProgram = QDir(programDir).filePath(file);
    if (QFileInfo::exists(besideProgram))
        return besideProgram;
    return inCurrent;
}
