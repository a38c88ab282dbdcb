#include "recoverycopy.h"

#include "files/savefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

RecoveryCopy::RecoveryCopy(const QString &folder, std::function<QByteArray()> model, QObject *parent, int intervalMs)
    : QObject(parent)
    , folder_(folder)
    , model_(std::move(model))
    , intervalMs_(intervalMs)
{
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, &RecoveryCopy::writeNow);
}

QString RecoveryCopy::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Recovery"));
}

void RecoveryCopy::markSaved()
{
    pending_.stop();
    saved_ = model_();
    removeCurrent();
}

void RecoveryCopy::modelChanged()
{
    if (pending_.isActive())
        return; // the write already waiting takes the model as it is then
    if (!sinceWrite_.isValid() || sinceWrite_.hasExpired(intervalMs_))
        writeNow();
    else
        pending_.start(int(intervalMs_ - sinceWrite_.elapsed()));
}

void RecoveryCopy::finish()
{
    pending_.stop();
    writeNow();
    path_.clear();
    written_.clear();
    keepLatest();
}

void RecoveryCopy::writeNow()
{
    const QByteArray model = model_();
    if (model == saved_) {
        removeCurrent(); // changed back to what was saved
        return;
    }
    if (model == written_)
        return;
    const bool fresh = path_.isEmpty();
    if (fresh) {
        if (!QDir().mkpath(folder_))
            return;
        const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
        path_ = QDir(folder_).filePath(stamp + QStringLiteral(".Pic"));
        for (int n = 2; QFile::exists(path_); ++n)
            path_ = QDir(folder_).filePath(QStringLiteral("%1-%2.Pic").arg(stamp).arg(n));
    }
    // A copy that cannot be written is passed over: the user is never troubled with it.
    if (SaveFile::write(path_, model))
        written_ = model;
    sinceWrite_.start();
    if (fresh)
        keepLatest();
}

void RecoveryCopy::removeCurrent()
{
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
    written_.clear();
}

void RecoveryCopy::keepLatest() const
{
    // Named by date and time, so the name order is the age order.
    const QStringList copies = QDir(folder_).entryList({QStringLiteral("*.Pic")}, QDir::Files, QDir::Name | QDir::Reversed);
    for (qsizetype i = kKept; i < copies.size(); ++i) {
        const QString old = QDir(folder_).filePath(copies[i]);
        if (old != path_)
            QFile::remove(old);
    }
}
