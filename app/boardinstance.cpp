#include "boardinstance.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <unistd.h>

namespace {

constexpr int answerWaitMs = 1500;
constexpr qint64 longestCommand = 64;
const QStringList knownCommands{"show", "toggle", "clear"};

} // namespace

BoardInstance::BoardInstance(QObject *parent)
    : QObject(parent)
    , server(new QLocalServer(this))
{
    // Only the user who started the board may talk to it.
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &BoardInstance::readCommand);
}

// One board per user and display: the same user may run a board on each of two sessions.
QString BoardInstance::socketName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() || qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("xcb"))
        display = qEnvironmentVariable("DISPLAY");
    display.replace(QRegularExpression("[^A-Za-z0-9.-]"), "_");
    return QString("CorvaneTaveloWindow2-%1-%2").arg(getuid()).arg(display);
}

bool BoardInstance::sendToRunningBoard(const QString &command)
{
    QLocalSocket socket;
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(answerWaitMs))
        return false;
    socket.write(command.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(answerWaitMs))
        return false;
    // The board answers once it has acted, so that a script may go on from there.
    return socket.waitForReadyRead(answerWaitMs) && socket.readLine().trimmed() == "ok";
}

bool BoardInstance::listen()
{
    if (server->listen(socketName()))
        return true;
    // Nobody answered before this start, so the socket is what a crashed board left.
    QLocalServer::removeServer(socketName());
    return server->listen(socketName());
}

void BoardInstance::readCommand()
{
    while (QLocalSocket *client = server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        connect(client, &QLocalSocket::readyRead, this, [this, client] {
            if (!client->canReadLine()) {
                if (client->bytesAvailable() > longestCommand)
                    client->abort(); // not one of ours
                return;
            }
            const QString command = QString::fromUtf8(client->readLine(longestCommand)).trimmed();
            const bool known = knownCommands.contains(command);
            client->write(known ? "ok\n" : "unknown\n");
            if (known)
                emit commandReceived(command);
            client->flush();
            client->disconnectFromServer();
        });
    }
}
