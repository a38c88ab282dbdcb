#include "helpchannel.h"

#include "helprequest.h"

#include <QLocalSocket>
#include <QLockFile>

namespace {
constexpr int kTurnMs = 2000;
// No request ("<topic>\n") is longer.
constexpr qint64 kMaxRequest = 32;
} // namespace

HelpChannel::HelpChannel(QObject *parent)
    : QObject(parent)
{
    connect(&server_, &QLocalServer::newConnection, this, &HelpChannel::receive);
}

bool HelpChannel::claim(const QString &helpFile, int topic)
{
    const QString name = HelpRequest::socketPath(helpFile);
    if (name.isEmpty())
        return true; // no private place for a channel: this viewer works on without one
    // Viewers started together take turns: otherwise one could remove the socket another has just
    // made in place of a stale one, and both would stay open. A holder that died does not block.
    QLockFile turn(name + QStringLiteral(".lock"));
    turn.tryLock(kTurnMs);
    if (server_.listen(name))
        return true;
    if (HelpRequest::handOver(helpFile, topic))
        return false;
    // Nobody answers: what is left is the socket of a viewer that did not end cleanly.
    QLocalServer::removeServer(name);
    server_.listen(name); // failing that, this viewer works on without a channel
    return true;
}

void HelpChannel::close()
{
    server_.close();
}

void HelpChannel::receive()
{
    while (QLocalSocket *socket = server_.nextPendingConnection()) {
        // The sender writes one line and goes; it may be gone before the line is read here. A line
        // longer than any request is none: the connection goes before it fills the memory.
        socket->setReadBufferSize(kMaxRequest);
        const auto read = [this, socket] {
            while (socket->canReadLine()) {
                bool ok = false;
                const int topic = socket->readLine().trimmed().toInt(&ok);
                if (ok)
                    emit topicRequested(topic);
            }
            if (socket->bytesAvailable() >= kMaxRequest)
                socket->abort();
        };
        connect(socket, &QLocalSocket::readyRead, this, read);
        connect(socket, &QLocalSocket::disconnected, this, [socket, read] {
            read();
            socket->deleteLater();
        });
        read();
    }
}
