#include "helpchannel.h"

#include <QCryptographicHash>
#include <QFileInfo>
#include <QLocalSocket>

#include <sys/un.h>
#include <unistd.h>

namespace {
// Both ends are on this machine: a viewer that does not take a connection at once is not there.
constexpr int kConnectMs = 200;
constexpr int kWriteMs = 500;
constexpr qsizetype kMaxSocketPath = sizeof(sockaddr_un::sun_path);
} // namespace

HelpChannel::HelpChannel(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QLocalServer::newConnection, this, &HelpChannel::receive);
}

QString HelpChannel::serverName(const QString &helpFile)
{
    const QFileInfo info(helpFile);
    const QString path = info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
    const QByteArray hash = QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    const QString name = QStringLiteral("brickloom-help-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
    // The session's runtime folder is private and emptied at logout, so a killed viewer's socket
    // does not stay behind in /tmp. A socket path longer than the address field cannot be bound.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    const QString inRuntime = runtime + u'/' + name;
    if (runtime.startsWith(u'/') && QFileInfo(runtime).isDir() && inRuntime.toLocal8Bit().size() < kMaxSocketPath)
        return inRuntime;
    return name;
}

bool HelpChannel::handOver(const QString &helpFile, int topic)
{
    QLocalSocket socket;
    socket.connectToServer(serverName(helpFile), QIODevice::WriteOnly);
    if (!socket.waitForConnected(kConnectMs))
        return false;
    socket.write(QByteArray::number(topic) + '\n');
    const bool sent = socket.waitForBytesWritten(kWriteMs);
    socket.disconnectFromServer();
    return sent;
}

bool HelpChannel::claim(const QString &helpFile, int topic)
{
    const QString name = serverName(helpFile);
    if (m_server.listen(name))
        return true;
    if (handOver(helpFile, topic))
        return false;
    // Nobody answers: what is left is the socket of a viewer that did not end cleanly.
    QLocalServer::removeServer(name);
    m_server.listen(name); // failing that, this viewer works on without a channel
    return true;
}

void HelpChannel::close()
{
    m_server.close();
}

void HelpChannel::receive()
{
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        // The sender writes one line and goes; it may be gone before the line is read here.
        const auto read = [this, socket] {
            while (socket->canReadLine()) {
                bool ok = false;
                const int topic = socket->readLine().trimmed().toInt(&ok);
                if (ok)
                    emit topicRequested(topic);
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        connect(socket, &QLocalSocket::disconnected, this, [socket, read] {
            read();
            socket->deleteLater();
        });
        read();
    }
}
