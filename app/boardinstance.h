#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

// One board per user: a board listens on a local socket in a folder only its user can enter,
// and a second start hands its command ("show", "toggle", "clear", "screen NAME") to the running
// board instead of opening another. Neither end talks to a socket another user holds: the folder is checked
// for owner and mode before use, and each end checks the other's credentials.
class BoardInstance : public QObject
{
    Q_OBJECT

public:
    explicit BoardInstance(QObject *parent = nullptr);

    // Hands the command to the running board; false when no board of this user answers.
    static bool sendToRunningBoard(const QString &command);
    // Starts listening for later starts; a socket of this user left behind by a board that
    // crashed is replaced. False, with problem() saying why, when no safe channel can be had.
    bool listen();
    QString problem() const { return listenProblem; }
    // Where the channel is: $XDG_RUNTIME_DIR when it is this user's alone, else a folder of its
    // own in the temporary folder. Empty, with the reason, when neither can be trusted.
    static QString channelPath(QString *problem = nullptr);

signals:
    void commandReceived(const QString &command);

private:
    void readCommand();
    void answer(QLocalSocket *client);

    QLocalServer *server;
    QString listenProblem;
};
