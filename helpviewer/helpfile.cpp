#include "helpfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

const QString kMarkerStart = QStringLiteral("===");

// Drops blank lines at both ends but keeps the indentation Markdown may need.
QString trimmedLines(QStringList lines)
{
    while (!lines.isEmpty() && lines.first().trimmed().isEmpty())
        lines.removeFirst();
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

} // namespace

HelpFile HelpFile::fromText(const QByteArray &bytes)
{
    HelpFile file;
    QStringDecoder decoder(QStringDecoder::Utf8);
    QString text = decoder(bytes);
    if (decoder.hasError()) {
        file.error_ = QStringLiteral("it is not a UTF-8 text file");
        return file;
    }
    if (text.trimmed().isEmpty()) {
        file.error_ = QStringLiteral("it is empty");
        return file;
    }

    static const QRegularExpression marker(QStringLiteral(R"(^===\s*(\d+)\s*\|\s*(.*?)\s*===\s*$)"));
    text.remove(u'\r');
    const QStringList lines = text.split(u'\n');
    QStringList body;
    bool inTopic = false;
    auto finishTopic = [&] {
        if (inTopic)
            file.topics_.last().text = trimmedLines(body);
        body.clear();
    };

    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (!line.startsWith(kMarkerStart)) {
            body.append(line);
            continue;
        }
        const int lineNumber = int(i) + 1;
        const QRegularExpressionMatch match = marker.match(line);
        bool numberOk = false;
        const int number = match.hasMatch() ? match.captured(1).toInt(&numberOk) : 0;
        if (!numberOk || number < 1 || match.captured(2).isEmpty()) {
            file.error_ = QStringLiteral("line %1 is not a topic line of the form \"=== 4 | Title ===\"")
                               .arg(lineNumber);
            file.topics_.clear();
            return file;
        }
        if (file.topic(number)) {
            file.error_ = QStringLiteral("topic %1 appears twice (again on line %2)").arg(number).arg(lineNumber);
            file.topics_.clear();
            return file;
        }
        finishTopic();
        file.topics_.append(HelpTopic{number, match.captured(2), QString()});
        inTopic = true;
    }
    finishTopic();

    if (file.topics_.isEmpty())
        file.error_ = QStringLiteral("it contains no help topics");
    else if (!file.topic(1))
        file.error_ = QStringLiteral("it has no contents page (topic 1)");
    if (!file.error_.isEmpty())
        file.topics_.clear();
    return file;
}

HelpFile HelpFile::load(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    HelpFile file;
    const QFileInfo info(path);
    if (!info.exists()) {
        file.error_ = QStringLiteral("The help file \"%1\" was not found.").arg(shown);
        return file;
    }
    QFile in(path);
    if (info.isDir() || !in.open(QIODevice::ReadOnly)) {
        const QString reason = info.isDir() ? QStringLiteral("it is a folder") : in.errorString();
        file.error_ = QStringLiteral("The help file \"%1\" could not be read: %2.").arg(shown, reason);
        return file;
    }
    file = fromText(in.readAll());
    if (!file.isValid())
        file.error_ = QStringLiteral("The help file \"%1\" cannot be shown: %2.").arg(shown, file.error_);
    return file;
}

const HelpTopic *HelpFile::topic(int number) const
{
    for (const HelpTopic &t : topics_) {
        if (t.number == number)
            return &t;
    }
    return nullptr;
}

QList<int> HelpFile::linkTargets(const QString &markdown)
{
    static const QRegularExpression link(QStringLiteral(R"(\]\(#([^)]*)\))"));
    QList<int> targets;
    for (const QRegularExpressionMatch &m : link.globalMatch(markdown)) {
        bool ok = false;
        const int number = m.captured(1).toInt(&ok);
        targets.append(ok ? number : -1);
    }
    return targets;
}
