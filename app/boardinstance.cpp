#include "boardinstance.h"

#include "app/screenchoice.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRegularExpression>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int answerWaitMs = 1500;
constexpr qint64 longestCommand = 4352; // "open " and the longest path Linux takes
const QStringList knownCommands{"show", "toggle", "clear"};

// A folder this user alone may enter: a real folder (not a link to one), owned by this user,
// with no rights for anybody else.
bool isPrivateFolder(const QString &path, QString *problem)
{
    struct stat info = {};
    if (lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        *problem = BoardInstance::tr("%1 no es una carpeta").arg(path);
        return false;
    }
    if (info.st_uid != getuid()) {
        *problem = BoardInstance::tr("la carpeta %1 pertenece a otro usuario").arg(path);
        return false;
    }
    if ((info.st_mode & (S_IRWXG | S_IRWXO)) != 0) {
        *problem = BoardInstance::tr("otros usuarios pueden entrar en la carpeta %1").arg(path);
        return false;
    }
    return true;
}

// The socket at path was made by this user (a board of this user's that ended badly).
bool isOwnSocket(const QString &path)
{
    struct stat info = {};
    return lstat(QFile::encodeName(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode)
           && info.st_uid == getuid();
}

// The process at the other end of a connected local socket runs as this user.
bool peerIsThisUser(const QLocalSocket &socket)
{
#ifdef SO_PEERCRED
    struct ucred peer = {};
    socklen_t length = sizeof peer;
    return getsockopt(int(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer, &length) == 0
           && peer.uid == getuid();
#else
    Q_UNUSED(socket);
    return true; // the private folder is then the only guard
#endif
}

// One board per user and display: the same user may run a board on each of two sessions.
QString socketFileName()
{
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty() || qEnvironmentVariable("QT_QPA_PLATFORM").startsWith("xcb"))
        display = qEnvironmentVariable("DISPLAY");
    display.replace(QRegularExpression("[^A-Za-z0-9.-]"), "_");
    return QString("CorvaneTaveloWindow2-%1").arg(display);
}

// A folder of this user's own beside everybody's temporary files, made when missing; one that
// somebody else made first is never used.
QString ownTemporaryFolder(QString *problem)
{
    const QString folder = QDir::tempPath() + QString("/CorvaneTaveloWindow2-%1").arg(getuid());
    if (mkdir(QFile::encodeName(folder).constData(), S_IRWXU) != 0 && errno != EEXIST) {
        *problem = BoardInstance::tr("no se pudo crear la carpeta %1").arg(folder);
        return QString();
    }
    return isPrivateFolder(folder, problem) ? folder : QString();
}

} // namespace

BoardInstance::BoardInstance(QObject *parent)
    : QObject(parent)
    , server(new QLocalServer(this))
{
    server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server, &QLocalServer::newConnection, this, &BoardInstance::readCommand);
}

QString BoardInstance::channelPath(QString *problem)
{
    QString reason;
    QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (folder.isEmpty() || !isPrivateFolder(folder, &reason))
        folder = ownTemporaryFolder(&reason);
    if (problem)
        *problem = reason;
    return folder.isEmpty() ? QString() : folder + "/" + socketFileName();
}

bool BoardInstance::sendToRunningBoard(const QString &command)
{
    const QString path = channelPath();
    if (path.isEmpty() || !isOwnSocket(path))
        return false;
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(answerWaitMs) || !peerIsThisUser(socket))
        return false;
    socket.write(command.toUtf8() + '\n');
    if (!socket.waitForBytesWritten(answerWaitMs))
        return false;
    // The board answers once it has acted, so that a script may go on from there.
    return socket.waitForReadyRead(answerWaitMs) && socket.readLine().trimmed() == "ok";
}

bool BoardInstance::listen()
{
    QString problem;
    const QString path = channelPath(&problem);
    if (path.isEmpty()) {
        listenProblem = problem;
        return false;
    }
    if (server->listen(path))
        return true;
    // Nobody answered before this start, so a socket of this user's is what a crashed board
    // left; anybody else's is left alone.
    if (isOwnSocket(path)) {
        QLocalServer::removeServer(path);
        if (server->listen(path))
            return true;
    }
    listenProblem = BoardInstance::tr("%1 no está disponible").arg(path);
    return false;
}

void BoardInstance::readCommand()
{
    while (QLocalSocket *client = server->nextPendingConnection()) {
        connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
        if (!peerIsThisUser(*client)) {
            client->abort();
            continue;
        }
        connect(client, &QLocalSocket::readyRead, this, [this, client] { answer(client); });
    }
}

void BoardInstance::answer(QLocalSocket *client)
{
    if (!client->canReadLine()) {
        if (client->bytesAvailable() > longestCommand)
            client->abort(); // not one of ours
        return;
    }
    const QString command = QString::fromUtf8(client->readLine(longestCommand)).trimmed();
    const bool known = knownCommands.contains(command)
                       || (command.startsWith("screen ") && ScreenChoice::named(command.mid(7)))
                       || (command.startsWith("open ") && QDir::isAbsolutePath(command.mid(5)));
    client->write(known ? "ok\n" : "unknown\n");
    client->flush();
    client->disconnectFromServer();
    // A command may open a dialog, whose loop of its own lets the client go meanwhile: it runs
    // once this answer is done with the client.
    if (known) {
        QMetaObject::invokeMethod(
            this, [this, command] { emit commandReceived(command); }, Qt::QueuedConnection);
    }
}
