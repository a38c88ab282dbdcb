#include "helprequest.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Both ends are on this machine: a viewer that does not take a connection at once is not there.
constexpr int kConnectMs = 200;
constexpr qsizetype kMaxSocketPath = sizeof(sockaddr_un::sun_path);

// Without a session runtime folder, a folder of the user's own in the temp folder. Any local user
// may make that name first, to take the help requests: it is used only when it is a folder (not
// a link to one), the user's own and closed to everyone else.
QString privateFolder()
{
    const QByteArray path = QFile::encodeName(QDir::tempPath() + QStringLiteral("/brickloom-%1").arg(getuid()));
    ::mkdir(path.constData(), 0700);
    struct stat st {};
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() || (st.st_mode & 0077) != 0)
        return QString();
    return QFile::decodeName(path);
}
} // namespace

namespace HelpRequest {

QString socketPath(const QString &helpFile)
{
    const QFileInfo info(helpFile);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("/brickloom-help-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
    // The session's runtime folder is private and emptied at logout, so a killed viewer's socket
    // does not stay behind. A socket path longer than the address field cannot be bound.
    const auto fits = [&name](const QString &folder) { return (folder + name).toLocal8Bit().size() < kMaxSocketPath; };
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(u'/') && QFileInfo(runtime).isDir() && fits(runtime))
        return runtime + name;
    const QString own = privateFolder();
    return !own.isEmpty() && fits(own) ? own + name : QString();
}

bool handOver(const QString &helpFile, int topic)
{
    const QByteArray path = socketPath(helpFile).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || path.size() >= kMaxSocketPath)
        return false;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));

    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    // The time limit holds for connecting too: a viewer whose queue is full gets a moment to take it.
    const timeval limit{0, kConnectMs * 1000};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
    const QByteArray line = QByteArray::number(topic) + '\n';
    const bool sent = connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0
        && send(fd, line.constData(), size_t(line.size()), MSG_NOSIGNAL) == line.size();
    close(fd);
    return sent;
}

} // namespace HelpRequest
