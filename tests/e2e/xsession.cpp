#include "xsession.h"

#include "screenpixels.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <QThread>

namespace {

constexpr int stepPauseMs = 15;

} // namespace

XSession::~XSession()
{
    stopBoard();
    for (auto it = helpers.rbegin(); it != helpers.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000))
            (*it)->kill();
        (*it)->waitForFinished(3000);
    }
}

bool XSession::startProcess(const QString &program, const QStringList &arguments, QString *error)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(program, arguments);
    if (!process->waitForStarted(10000)) {
        *error = program + " did not start: " + process->errorString();
        return false;
    }
    helpers.push_back(std::move(process));
    return true;
}

bool XSession::waitForServer()
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        bool ok = false;
        run("xdpyinfo", {}, &ok);
        if (ok)
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool XSession::start(QString *error, QSize size, const QList<Monitor> &monitors)
{
    if (!home.isValid()) {
        *error = "no temporary folder";
        return false;
    }
    int number = 90;
    while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number))
           || QFile::exists(QString("/tmp/.X%1-lock").arg(number)))
        ++number;
    display = QString(":%1").arg(number);

    environment = QProcessEnvironment::systemEnvironment();
    environment.remove("QT_QPA_PLATFORM");
    environment.remove("WAYLAND_DISPLAY");
    environment.insert("DISPLAY", display);
    // The checks read the board's own texts, in its own language, whatever this machine speaks.
    environment.insert("TAVELO_LANGUAGE", "es");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", home.path());
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString screen = QString("%1x%2x24").arg(size.width()).arg(size.height());
    if (!startProcess("Xvfb", {display, "-screen", "0", screen, "-nolisten", "tcp"}, error))
        return false;
    if (!waitForServer()) {
        *error = "the X server did not come up on " + display;
        return false;
    }
    // Monitors last: an X server forgets them when its last client goes.
    return startDesktop(size, error) && splitIntoMonitors(monitors, error);
}

// The first monitor takes the server's one output, so that no monitor is left covering the
// whole screen: Qt then sees exactly these screens.
bool XSession::splitIntoMonitors(const QList<Monitor> &monitors, QString *error)
{
    for (qsizetype i = 0; i < monitors.size(); ++i) {
        const QRect g = monitors.at(i).geometry;
        const auto millimetres = [](int pixels) { return QString::number(pixels * 254 / 960); };
        const QString where = QString("%1/%2x%3/%4+%5+%6")
                                  .arg(g.width())
                                  .arg(millimetres(g.width()))
                                  .arg(g.height())
                                  .arg(millimetres(g.height()))
                                  .arg(g.x())
                                  .arg(g.y());
        bool ok = false;
        run("xrandr", {"--setmonitor", monitors.at(i).name, where, i == 0 ? "screen" : "none"}, &ok);
        if (!ok) {
            *error = "xrandr could not make the monitor " + monitors.at(i).name;
            return false;
        }
    }
    return true;
}

bool XSession::startDesktop(QSize size, QString *error)
{
    // No decorations: the desktop picture's window must cover the screen exactly.
    const QString openboxConfig = home.filePath("openbox.xml");
    QFile config(openboxConfig);
    if (!config.open(QIODevice::WriteOnly)
        || config.write("<?xml version=\"1.0\"?>\n"
                        "<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                        "  <applications><application class=\"*\"><decor>no</decor>"
                        "</application></applications>\n"
                        "</openbox_config>\n")
               < 0) {
        *error = "cannot write the window manager's configuration";
        return false;
    }
    config.close();
    if (!startProcess("openbox", {"--config-file", openboxConfig}, error)
        || !startProcess("xcompmgr", {}, error))
        return false;
    QThread::msleep(500);

    desktop = ScreenPixels::desktopPicture(size.width(), size.height());
    const QString picturePath = home.filePath("desktop.png");
    desktop.save(picturePath);
    // An ordinary window covering the screen stands for the desktop behind the board.
    if (!startProcess("display", {"-backdrop", "-geometry", "+0+0", picturePath}, error))
        return false;
    QThread::msleep(1000);
    return true;
}

bool XSession::startBoard(QString *error, const QStringList &arguments)
{
    board = std::make_unique<QProcess>();
    board->setProcessEnvironment(environment);
    board->setProcessChannelMode(QProcess::ForwardedChannels);
    board->start(BOARD_EXECUTABLE, arguments);
    if (!board->waitForStarted(10000)) {
        *error = "the board did not start";
        return false;
    }
    // A sanitizer build on a busy machine may take a while.
    for (int attempt = 0; attempt < 400 && boardWindowId.isEmpty(); ++attempt) {
        bool ok = false;
        const QStringList found = run("xdotool",
                                      {"search", "--onlyvisible", "--class", "CorvaneTaveloWindow2"},
                                      &ok)
                                      .split('\n', Qt::SkipEmptyParts);
        // The largest window of the class: with a tray, the tray icon is a window of it too.
        int largest = 0;
        for (const QString &window : found) {
            const QRect geometry = windowGeometry(window);
            if (geometry.width() * geometry.height() > largest) {
                largest = geometry.width() * geometry.height();
                boardWindowId = window;
            }
        }
        if (!ok || largest < 100 * 100) {
            boardWindowId.clear();
            QThread::msleep(100);
        }
    }
    if (boardWindowId.isEmpty()) {
        *error = "the board's window did not appear";
        return false;
    }
    QThread::msleep(1500); // past the scene fit and the first paints
    return true;
}

bool XSession::stopBoard()
{
    if (!board)
        return true;
    board->terminate();
    const bool finished = board->waitForFinished(5000);
    if (!finished)
        board->kill();
    board->waitForFinished(3000);
    board.reset();
    boardWindowId.clear();
    return finished;
}

void XSession::killBoard()
{
    if (!board)
        return;
    board->kill(); // SIGKILL
    board->waitForFinished(5000);
    board.reset();
    boardWindowId.clear();
}

bool XSession::boardRunning() const
{
    return board && board->state() == QProcess::Running;
}

int XSession::boardExitCode() const
{
    return board && board->state() == QProcess::NotRunning ? board->exitCode() : -1;
}

QString XSession::run(const QString &program, const QStringList &arguments, bool *ok) const
{
    QByteArray output;
    const bool succeeded = execute(program, arguments, &output);
    if (ok)
        *ok = succeeded;
    return QString::fromUtf8(output).trimmed();
}

QByteArray XSession::runBinary(const QString &program, const QStringList &arguments) const
{
    QByteArray output;
    execute(program, arguments, &output);
    return output;
}

bool XSession::execute(const QString &program,
                       const QStringList &arguments,
                       QByteArray *output) const
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return false;
    *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void XSession::xdotool(const QStringList &arguments) const
{
    runBinary("xdotool", arguments);
    QThread::msleep(stepPauseMs);
}

QImage XSession::screenshot(const QString &saveAs) const
{
    const QImage shot = QImage::fromData(runBinary("import", {"-window", "root", "png:-"}), "PNG")
                            .convertToFormat(QImage::Format_RGB32);
    if (!saveAs.isEmpty()) {
        QDir().mkpath(SCREENSHOT_DIR);
        shot.save(QString(SCREENSHOT_DIR) + "/" + saveAs + ".png");
    }
    return shot;
}

QImage XSession::clipboardImage() const
{
    return QImage::fromData(runBinary("xclip", {"-selection", "clipboard", "-t", "image/png", "-o"}),
                            "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QProcess *XSession::launch(const QString &program, const QStringList &arguments)
{
    QString error;
    return startProcess(program, arguments, &error) ? helpers.back().get() : nullptr;
}

QRect XSession::boardGeometry() const
{
    return windowGeometry(boardWindowId);
}

QRect XSession::windowGeometry(const QString &window) const
{
    const QString shell = QString::fromUtf8(
        runBinary("xdotool", {"getwindowgeometry", "--shell", window}));
    auto field = [&shell](const char *name) {
        const QRegularExpression pattern(QString("%1=(-?\\d+)").arg(name));
        return pattern.match(shell).captured(1).toInt();
    };
    return QRect(field("X"), field("Y"), field("WIDTH"), field("HEIGHT"));
}

void XSession::click(int x, int y) const
{
    xdotool({"mousemove", QString::number(x), QString::number(y)});
    xdotool({"click", "1"});
    QThread::msleep(150);
}

void XSession::drag(const QList<QPoint> &path) const
{
    xdotool({"mousemove", QString::number(path.first().x()), QString::number(path.first().y())});
    xdotool({"mousedown", "1"});
    for (qsizetype i = 1; i < path.size(); ++i) {
        const QPoint from = path.at(i - 1);
        const QPoint to = path.at(i);
        // Intermediate steps, as a hand would move.
        for (int step = 1; step <= 10; ++step) {
            const QPoint at = from + (to - from) * step / 10;
            xdotool({"mousemove", QString::number(at.x()), QString::number(at.y())});
        }
    }
    xdotool({"mouseup", "1"});
    QThread::msleep(200);
}
