#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

// One board per user: a board listens on a local socket named after the user, and a second
// start hands its command ("show", "toggle", "clear") to the running board instead of opening
// another.
class BoardInstance : public QObject
{
    Q_OBJECT

public:
    explicit BoardInstance(QObject *parent = nullptr);

    // Hands the command to the running board; false when no board answers.
    static bool sendToRunningBoard(const QString &command);
    // Starts listening for later starts; a socket left behind by a board that crashed is
    // replaced.
    bool listen();

signals:
    void commandReceived(const QString &command);

private:
    static QString socketName();
    void readCommand();

    QLocalServer *server;
};
