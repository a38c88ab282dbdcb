#include "savefile.h"

#include "filenames.h"

#include <QRandomGenerator>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Every byte, or false and why. A regular file takes a write whole unless it runs out of room,
// and a short write sets no error of its own.
bool writeAll(int fd, const QByteArray &bytes, QString *why)
{
    ssize_t n;
    do
        n = ::write(fd, bytes.constData(), size_t(bytes.size()));
    while (n < 0 && errno == EINTR);
    if (n != bytes.size()) {
        *why = n < 0 ? systemError() : QStringLiteral("only part of it could be written: the disk is full");
        return false;
    }
    // A file system without sync (EINVAL) has nothing to flush.
    if (::fsync(fd) != 0 && errno != EINVAL) {
        *why = systemError();
        return false;
    }
    return true;
}

} // namespace

bool SaveFile::write(const QString &path, const QByteArray &bytes, QString *error, Options options)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    QByteArray target = FileNames::toLocal(path);
    struct stat info {};
    const bool exists = ::stat(target.constData(), &info) == 0;
    if (exists && !S_ISREG(info.st_mode))
        return fail(QStringLiteral("not a regular file"));

    if (exists && info.st_size == 0 && options.fillInEmpty) {
        const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (fd < 0)
            return fail(systemError());
        QString why;
        const bool written = writeAll(fd, bytes, &why);
        if (!written)
            (void)::ftruncate(fd, 0);
        ::close(fd);
        return written || fail(why);
    }

    if (exists) {
        // The file a link names is the one replaced, in its own folder.
        if (char *resolved = ::realpath(target.constData(), nullptr)) {
            target = resolved;
            std::free(resolved);
        }
    }
    // A short name of our own in the target's folder, so that a name as long as the system allows
    // can still be saved; created with the usual rights, which the umask trims, or with the rights
    // of the file it replaces, or for its owner alone.
    const qsizetype slash = target.lastIndexOf('/');
    const QByteArray folder = slash < 0 ? QByteArray(".") : target.first(slash);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = folder + "/.brickloom-" + QByteArray::number(QRandomGenerator::global()->generate(), 36) + ".tmp";
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY,
                    options.ownerOnly ? 0600 : 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return fail(systemError());
    QString why;
    bool written = true;
    const bool keepRights = exists || options.ownerOnly;
    if (keepRights && ::fchmod(fd, options.ownerOnly ? 0600 : info.st_mode & 07777) != 0) {
        written = false;
        why = systemError();
    }
    written = written && writeAll(fd, bytes, &why);
    if (::close(fd) != 0 && written) {
        written = false;
        why = systemError();
    }
    if (written && ::rename(temporary.constData(), target.constData()) != 0) {
        written = false;
        why = systemError();
    }
    if (!written)
        ::unlink(temporary.constData());
    return written || fail(why);
}
