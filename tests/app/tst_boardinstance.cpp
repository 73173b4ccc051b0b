#include "app/boardinstance.h"
#include "app/mainwindow.h"
#include "app/presentersession.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char otherUser[] = "tavelo-test";

// Run as another user: listens at the path given, with the folders it needs, and writes down
// whatever anybody sends it.
int squat(const QString &path, const QString &log)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    chmod(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), 0777);
    QLocalServer server;
    server.setSocketOptions(QLocalServer::WorldAccessOption);
    if (!server.listen(path))
        return 1;
    QObject::connect(&server, &QLocalServer::newConnection, [&server, log] {
        QLocalSocket *client = server.nextPendingConnection();
        QFile heard(log);
        heard.open(QIODevice::Append);
        heard.write("connected\n");
        QObject::connect(client, &QLocalSocket::readyRead, [client, log] {
            QFile more(log);
            more.open(QIODevice::Append);
            more.write(client->readAll());
        });
    });
    return QCoreApplication::exec();
}

} // namespace

class TestBoardInstance : public QObject
{
    Q_OBJECT

private slots:
    void commandThatOpensADialogOutlivesItsClient();
    void anotherUsersSocketIsNeverUsed_data();
    void anotherUsersSocketIsNeverUsed();
};

// A command that opens a dialog (a question before a board is opened) runs a loop of its own,
// in which the start that sent it reads its answer and hangs up: the channel survives that.
void TestBoardInstance::commandThatOpensADialogOutlivesItsClient()
{
    QTemporaryDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    BoardInstance channel;
    QVERIFY(channel.listen());
    int heard = 0;
    connect(&channel, &BoardInstance::commandReceived, this, [&heard] {
        ++heard;
        QEventLoop dialog;
        QTimer::singleShot(300, &dialog, &QEventLoop::quit);
        dialog.exec();
    });
    QLocalSocket start;
    connect(&start, &QLocalSocket::readyRead, this, [&start] {
        start.readAll();
        start.disconnectFromServer();
    });
    start.connectToServer(BoardInstance::channelPath());
    QVERIFY(start.waitForConnected(1000));
    start.write("show\n");
    QTRY_COMPARE(heard, 1);
    QTRY_COMPARE(start.state(), QLocalSocket::UnconnectedState);
    QTest::qWait(500); // past the dialog
    QCOMPARE(heard, 1);
}

void TestBoardInstance::anotherUsersSocketIsNeverUsed_data()
{
    QTest::addColumn<bool>("runtimeFolderSet");
    QTest::addColumn<QString>("squatted"); // under the shared temporary folder
    QTest::addColumn<bool>("boardListens");
    const QString display = qEnvironmentVariable("DISPLAY").replace(':', '_');
    QTest::newRow("a socket at the old shared name")
        << true << QString("CorvaneTaveloWindow2-%1-%2").arg(getuid()).arg(display) << true;
    QTest::newRow("the board's own folder made first by another user")
        << false
        << QString("CorvaneTaveloWindow2-%1/CorvaneTaveloWindow2-%2").arg(getuid()).arg(display)
        << false;
}

// Another local user who made a socket first where the board might look never hears from it:
// the board listens in a folder of its user's alone, or says it has no channel, and still runs.
void TestBoardInstance::anotherUsersSocketIsNeverUsed()
{
    QFETCH(bool, runtimeFolderSet);
    QFETCH(QString, squatted);
    QFETCH(bool, boardListens);
    const passwd *other = getpwnam(otherUser);
    if (geteuid() != 0 || !other)
        QSKIP("needs root and the user tavelo-test, as the test command sets up");

    QTemporaryDir shared; // stands for the system's temporary folder, open to everybody
    QTemporaryDir runtime;
    chmod(QFile::encodeName(shared.path()).constData(), 01777);
    qputenv("TMPDIR", shared.path().toUtf8());
    if (runtimeFolderSet)
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
    else
        qunsetenv("XDG_RUNTIME_DIR");

    const QString squatPath = shared.filePath(squatted);
    const QString log = shared.filePath("heard.log");
    QProcess squatter;
    // runuser keeps the squatter as its child: both go, as a group, whatever the test's outcome.
    squatter.setChildProcessModifier([] { ::setpgid(0, 0); });
    squatter.start(
        "runuser",
        {"-u", otherUser, "--", QCoreApplication::applicationFilePath(), "--squat", squatPath, log});
    QVERIFY(squatter.waitForStarted());
    const auto endSquatter = qScopeGuard([&squatter] {
        ::kill(-pid_t(squatter.processId()), SIGKILL);
        squatter.waitForFinished();
    });
    QTRY_VERIFY(QFileInfo::exists(squatPath));

    // A plain start: nobody of this user answers, so it opens a board, which still starts.
    QVERIFY(!PresenterSession::handToRunningBoard("show"));
    MainWindow board;
    PresenterSession session(board);
    session.start(runtime.filePath("recovery.tavelo"));
    QVERIFY(board.isVisible());
    const QString said = board.statusBar()->currentMessage();
    if (boardListens) {
        QVERIFY(BoardInstance::channelPath().startsWith(runtime.path() + "/"));
        QVERIFY(QFileInfo(BoardInstance::channelPath()).exists());
    } else {
        QVERIFY2(said.contains("Sin canal") && said.contains("otro usuario"), qPrintable(said));
    }
    QTest::qWait(200);
    QVERIFY(QFileInfo::exists(squatPath)); // never removed
    QVERIFY2(!QFile::exists(log), "the squatter heard from the board");
}

int main(int argc, char *argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--squat") {
        QCoreApplication app(argc, argv);
        return squat(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]));
    }
    Q_INIT_RESOURCE(resources);
    QApplication app(argc, argv);
    useIsolatedSettings();
    TestBoardInstance test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_boardinstance.moc"
