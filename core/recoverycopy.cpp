#include "recoverycopy.h"

#include "savefile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {
// Makes `folder` if need be and closes it to everyone but its owner: the copies are the user's own
// models. What the owner may do there stays the owner's choice.
bool makePrivate(const QString &folder)
{
    const auto others = QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup | QFileDevice::ReadOther
        | QFileDevice::WriteOther | QFileDevice::ExeOther;
    return QDir().mkpath(folder) && QFile::setPermissions(folder, QFile::permissions(folder) & ~others);
}

// Beside the copy, hidden.
QString lockPath(const QString &copy)
{
    const QFileInfo info(copy);
    return info.dir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".lock"));
}
} // namespace

// Held on the copy being written: a lock of the system's on a file beside it, which goes with the
// process however that ends.
struct RecoveryCopy::Lock {
    // Nothing when another process holds it (`busy`) or it cannot be made (`error` says why).
    static std::unique_ptr<Lock> take(const QString &copy, bool *busy = nullptr, QString *error = nullptr)
    {
        const QString path = lockPath(copy);
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) == 0)
            return std::unique_ptr<Lock>(new Lock{path, fd});
        if (busy)
            *busy = fd >= 0 && errno == EWOULDBLOCK;
        if (error)
            *error = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        return nullptr;
    }
    // Whether a running instance (this one included) is writing `copy`. The lock of one that is
    // gone is cleared away.
    static bool held(const QString &copy)
    {
        bool busy = false;
        return QFileInfo::exists(lockPath(copy)) && !take(copy, &busy) && busy;
    }
    ~Lock()
    {
        QFile::remove(path);
        ::close(fd);
    }
    const QString path;
    const int fd;
};

namespace {
// The copies in `folder`, the one written last first.
QFileInfoList copiesIn(const QString &folder)
{
    QFileInfoList copies = QDir(folder).entryInfoList(QDir::Files, QDir::Time);
    copies.removeIf([](const QFileInfo &file) { return !RecoveryCopy::isCopyName(file.fileName()); });
    return copies;
}
} // namespace

RecoveryCopy::RecoveryCopy(const QString &folder, const QString &fallback, std::function<QByteArray()> model,
                           QObject *parent, int intervalMs)
    : QObject(parent)
    , folder_(folder)
    , fallback_(fallback)
    , model_(std::move(model))
    , intervalMs_(intervalMs)
{
    pending_.setSingleShot(true);
    connect(&pending_, &QTimer::timeout, this, &RecoveryCopy::writeNow);
    moveBack();
}

RecoveryCopy::~RecoveryCopy() = default;

QString RecoveryCopy::defaultFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath(QStringLiteral("Recovery"));
}

QString RecoveryCopy::runtimeFolder()
{
    // Qt's own runtime location falls back to a folder in /tmp, which is no safer than the disk.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return runtime.startsWith(QLatin1Char('/')) ? runtime + QStringLiteral("/Brickloom/Recovery") : QString();
}

bool RecoveryCopy::isCopyName(const QString &fileName)
{
    static const QRegularExpression name(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d(-\\d+)?\\.Pic$"));
    return name.match(fileName).hasMatch();
}

void RecoveryCopy::markSaved(const QString &savedPath)
{
    pending_.stop();
    saved_ = model_();
    // Saved onto the copy itself, which is now the user's file.
    const bool ontoCopy = !path_.isEmpty() && !savedPath.isEmpty()
        && QFileInfo(savedPath).canonicalFilePath() == QFileInfo(path_).canonicalFilePath();
    release(!ontoCopy);
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

bool RecoveryCopy::secure()
{
    return writeNow();
}

void RecoveryCopy::finish()
{
    writeNow();
    pending_.stop();
    const QString letGo = path_;
    const QString place = place_.isEmpty() ? folder_ : place_;
    lock_.reset();
    path_.clear();
    place_.clear();
    written_.clear();
    stamp_.clear();
    keepLatest(place, letGo);
}

bool RecoveryCopy::writeNow()
{
    pending_.stop();
    const QByteArray model = model_();
    if (model == saved_) {
        release(true); // changed back to what was saved
        return true;
    }
    if (stamp_.isEmpty())
        stamp_ = QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
    if (model == written_ && place_ == folder_)
        return true;
    sinceWrite_.start();
    if (writeInto(folder_, model)) {
        moveBack();
        return true;
    }
    const bool kept = (model == written_ && !path_.isEmpty()) || (!fallback_.isEmpty() && writeInto(fallback_, model));
    // Until the data folder takes the copy again, keep trying.
    pending_.start(intervalMs_);
    return kept;
}

bool RecoveryCopy::writeInto(const QString &folder, const QByteArray &model)
{
    QString path = path_;
    QString error;
    std::unique_ptr<Lock> lock;
    if (place_ != folder) {
        if (!makePrivate(folder)) {
            report(folder, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        path = claimName(folder, lock, &error);
        if (path.isEmpty()) {
            report(folder, error);
            return false;
        }
    }
    if (!SaveFile::write(path, model, &error, {.ownerOnly = true})) {
        report(path, error);
        return false;
    }
    if (lock) {
        if (!path_.isEmpty())
            QFile::remove(path_); // moved from the other folder
        lock_ = std::move(lock);
        path_ = path;
        place_ = folder;
        keepLatest(folder);
    }
    written_ = model;
    if (folder == folder_)
        reported_.clear();
    return true;
}

QString RecoveryCopy::claimName(const QString &folder, std::unique_ptr<Lock> &lock, QString *error) const
{
    const QDir dir(folder);
    for (int n = 1; n < 100; ++n) {
        const QString path = dir.filePath(n == 1 ? stamp_ + QStringLiteral(".Pic") : QStringLiteral("%1-%2.Pic").arg(stamp_).arg(n));
        if (QFileInfo::exists(path))
            continue;
        // Another instance whose changes began in the same second may be about to write it.
        bool busy = false;
        lock = Lock::take(path, &busy, error);
        if (lock) {
            if (!QFileInfo::exists(path))
                return path;
            lock.reset();
        } else if (!busy) {
            return QString();
        }
    }
    *error = QStringLiteral("every name of its second is taken");
    return QString();
}

void RecoveryCopy::moveBack()
{
    if (fallback_.isEmpty())
        return;
    for (const QFileInfo &copy : copiesIn(fallback_)) {
        // Another instance's copy goes back with that instance's next write.
        if (copy.filePath() == path_ || Lock::held(copy.filePath()))
            continue;
        QFile in(copy.filePath());
        const QString to = QDir(folder_).filePath(copy.fileName());
        if (QFileInfo::exists(to) || !in.open(QIODevice::ReadOnly) || !makePrivate(folder_)
            || !SaveFile::write(to, in.readAll(), nullptr, {.ownerOnly = true}))
            continue;
        // Its age decides how long it is kept.
        QFile out(to);
        if (out.open(QIODevice::Append))
            out.setFileTime(copy.lastModified(), QFileDevice::FileModificationTime);
        QFile::remove(copy.filePath());
    }
}

void RecoveryCopy::release(bool remove)
{
    if (remove && !path_.isEmpty())
        QFile::remove(path_);
    lock_.reset();
    path_.clear();
    place_.clear();
    written_.clear();
    stamp_.clear();
}

void RecoveryCopy::keepLatest(const QString &folder, const QString &letGo) const
{
    // By the time they were written, not by name: the clock or the time zone may have gone back.
    const QFileInfoList copies = copiesIn(folder);
    for (qsizetype i = kKept; i < copies.size(); ++i) {
        const QString old = copies[i].filePath();
        if (old != letGo && old != path_ && !Lock::held(old))
            QFile::remove(old);
    }
}

void RecoveryCopy::report(const QString &path, const QString &why)
{
    const QString line = QStringLiteral("brickloom: no recovery copy in %1: %2").arg(path, why);
    if (reported_.contains(line))
        return; // a full disk is told once, not every second
    reported_ << line;
    qWarning("%s", qPrintable(line));
}
