#include "helprequest.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {
// Both ends are on this machine: a viewer that does not take a connection at once is not there.
constexpr int kConnectMs = 200;
constexpr qsizetype kMaxSocketPath = sizeof(sockaddr_un::sun_path);
} // namespace

namespace HelpRequest {

QString socketPath(const QString &helpFile)
{
    const QFileInfo info(helpFile);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("/brickloom-help-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
    // The session's runtime folder is private and emptied at logout, so a killed viewer's socket
    // does not stay behind in /tmp. A socket path longer than the address field cannot be bound.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (runtime.startsWith(u'/') && QFileInfo(runtime).isDir() && (runtime + name).toLocal8Bit().size() < kMaxSocketPath)
        return runtime + name;
    return QDir::tempPath() + name;
}

bool handOver(const QString &helpFile, int topic)
{
    const QByteArray path = socketPath(helpFile).toLocal8Bit();
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= kMaxSocketPath)
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
