#include "waylandsession.h"

#include "screenpixels.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QThread>

#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int stepPauseMs = 40;
const char socketName[] = "wayland-tavelo";

} // namespace

WaylandSession::~WaylandSession()
{
    if (board) {
        board->terminate();
        if (!board->waitForFinished(5000))
            board->kill();
        board->waitForFinished(3000);
    }
    for (auto it = helpers.rbegin(); it != helpers.rend(); ++it) {
        (*it)->terminate();
        if (!(*it)->waitForFinished(3000))
            (*it)->kill();
        (*it)->waitForFinished(3000);
    }
}

QString WaylandSession::missingPrograms(Compositor compositor, Portal portal)
{
    const bool withPortal = portal == RealPortal;
    QStringList needed{"Xvfb", "xdotool", "wl-paste", compositor == Sway ? "sway" : "weston"};
    if (compositor == Sway)
        needed << "grim"
               << "swaybg";
    if (withPortal)
        needed << "dbus-daemon"
               << "pipewire";
    if (portal == ShortcutsPortal)
        needed << "dbus-daemon"
               << "dbus-send";
    QStringList missing;
    for (const QString &program : std::as_const(needed)) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    }
    if (withPortal && !QFile::exists("/usr/libexec/xdg-desktop-portal-wlr"))
        missing << "xdg-desktop-portal-wlr";
    if (geteuid() == 0 && !getpwnam(waylandUser))
        missing << QString("the user %1 (sway does not run as root)").arg(waylandUser);
    return missing.join(", ");
}

std::unique_ptr<QProcess> WaylandSession::launch(const QString &program,
                                                 const QStringList &arguments,
                                                 QProcess::ProcessChannelMode channels) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(channels);
    if (asOtherUser) {
        // runuser starts the program with a clean environment; hand it the session's.
        QStringList wrapped{"-u", waylandUser, "--", "env", "-i"};
        for (const QString &key : environment.keys())
            wrapped << key + "=" + environment.value(key);
        process->start("runuser", wrapped << program << arguments);
    } else {
        process->setProcessEnvironment(environment);
        process->start(program, arguments);
    }
    return process;
}

QByteArray WaylandSession::run(const QString &program, const QStringList &arguments) const
{
    std::unique_ptr<QProcess> process = launch(program, arguments);
    process->waitForFinished(90000);
    return process->readAllStandardOutput();
}

bool WaylandSession::startHelper(const QString &program,
                                 const QStringList &arguments,
                                 QString *error)
{
    std::unique_ptr<QProcess> process = launch(program, arguments);
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    if (!process->waitForStarted(10000)) {
        *error = program + " did not start";
        return false;
    }
    helpers.push_back(std::move(process));
    return true;
}

bool WaylandSession::waitForFile(const QString &path) const
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (QFile::exists(path))
            return true;
        QThread::msleep(100);
    }
    return false;
}

bool WaylandSession::giveToSessionUser(const QString &path) const
{
    if (!asOtherUser)
        return true;
    const passwd *user = getpwnam(waylandUser);
    return user && chown(QFile::encodeName(path).constData(), user->pw_uid, user->pw_gid) == 0;
}

bool WaylandSession::start(Compositor compositor,
                           Portal portal,
                           QString *error,
                           const QString &swayRules)
{
    asOtherUser = geteuid() == 0;
    int number = 70;
    while (QFile::exists(QString("/tmp/.X11-unix/X%1").arg(number))
           || QFile::exists(QString("/tmp/.X%1-lock").arg(number)))
        ++number;
    display = QString(":%1").arg(number);
    runtimeDir = home.filePath("runtime");
    QDir().mkpath(runtimeDir);
    QFile::setPermissions(runtimeDir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(home.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ExeOther
                              | QFile::ReadOther);
    if (!giveToSessionUser(home.path()) || !giveToSessionUser(runtimeDir)) {
        *error = "cannot hand the session's folders to " + QString(waylandUser);
        return false;
    }

    environment = QProcessEnvironment();
    environment.insert("PATH", qEnvironmentVariable("PATH", "/usr/bin:/bin"));
    environment.insert("HOME", home.path());
    environment.insert("TAVELO_LANGUAGE", "es"); // the board's own texts, as the checks read them
    environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
    environment.insert("XDG_RUNTIME_DIR", runtimeDir);
    environment.insert("DISPLAY", display);
    const QStringList sanitizerVariables{"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};
    for (const QString &key : sanitizerVariables) {
        if (qEnvironmentVariableIsSet(qPrintable(key)))
            environment.insert(key, qEnvironmentVariable(qPrintable(key)));
    }

    // Xvfb is the one program that runs as the caller; the compositor only draws into it.
    auto xvfb = std::make_unique<QProcess>();
    xvfb->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb->start("Xvfb",
                {display,
                 "-screen",
                 "0",
                 QString("%1x%2x24").arg(screenWidth).arg(screenHeight),
                 "-nolisten",
                 "tcp"});
    if (!xvfb->waitForStarted(10000)
        || !waitForFile(QString("/tmp/.X11-unix/X%1").arg(display.mid(1)))) {
        *error = "Xvfb did not come up";
        return false;
    }
    helpers.push_back(std::move(xvfb));
    QThread::msleep(300);

    desktop = ScreenPixels::desktopPicture(screenWidth, screenHeight);
    const QString picturePath = home.filePath("desktop.png");
    desktop.save(picturePath);
    QFile::setPermissions(picturePath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);

    if (compositor == Sway) {
        if (!startSway(swayRules, error))
            return false;
    } else {
        environment.insert("WAYLAND_DISPLAY", socketName);
        if (!startHelper("weston",
                         {"--backend=x11-backend.so",
                          QString("--width=%1").arg(screenWidth),
                          QString("--height=%1").arg(screenHeight),
                          QString("--socket=%1").arg(socketName),
                          "--idle-time=0"},
                         error))
            return false;
        waitForFile(runtimeDir + "/" + socketName);
    }
    if (!environment.contains("WAYLAND_DISPLAY")
        || !waitForFile(runtimeDir + "/" + environment.value("WAYLAND_DISPLAY"))) {
        *error = "the compositor did not open its socket";
        return false;
    }
    environment.insert("XDG_SESSION_TYPE", "wayland");
    environment.remove("DISPLAY"); // the board and the tools speak Wayland only
    QThread::msleep(1500);

    return startPortal(portal, error);
}

bool WaylandSession::startSway(const QString &rules, QString *error)
{
    const QString configPath = home.filePath("sway.conf");
    QFile config(configPath);
    if (!config.open(QIODevice::WriteOnly))
        return false;
    // Sway hands its Xwayland's display to what it starts: written down for the X11 board.
    config.write(QString("output * resolution %1x%2 position 0,0 bg %3 stretch\n"
                         "default_border none\n"
                         "exec sh -c 'echo $DISPLAY > %4'\n")
                     .arg(screenWidth)
                     .arg(screenHeight)
                     .arg(home.filePath("desktop.png"), home.filePath("xwayland-display"))
                     .toUtf8());
    config.write(rules.toUtf8());
    config.close();
    QFile::setPermissions(configPath, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    environment.insert("WLR_BACKENDS", "x11");
    environment.insert("WLR_RENDERER", "pixman");
    environment.insert("WLR_X11_OUTPUTS", "1");
    environment.insert("XDG_CURRENT_DESKTOP", "sway");
    if (!startHelper("sway", {"-c", configPath}, error))
        return false;
    // sway names its socket itself: wait for it, then hand its name on.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QStringList sockets = QDir(runtimeDir).entryList({"wayland-*"}, QDir::System);
        const QStringList named = sockets.filter(QRegularExpression("^wayland-\\d+$"));
        if (!named.isEmpty()) {
            environment.insert("WAYLAND_DISPLAY", named.first());
            return true;
        }
        QThread::msleep(100);
    }
    return true;
}

bool WaylandSession::startPortal(Portal portal, QString *error)
{
    if (portal == NoPortal)
        return true;
    const QString bus = runtimeDir + "/bus";
    if (!startHelper("dbus-daemon",
                     {"--session", "--address=unix:path=" + bus, "--nofork", "--nopidfile"},
                     error)
        || !waitForFile(bus))
        return false;
    environment.insert("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + bus);
    if (portal == ShortcutsPortal) {
        std::unique_ptr<QProcess> process = launch(FAKE_PORTAL, {});
        process->setReadChannel(QProcess::StandardOutput);
        if (!process->waitForStarted(10000) || !process->waitForReadyRead(20000)) {
            *error = "the stand-in portal did not start";
            return false;
        }
        fakePortalOutput = QString::fromUtf8(process->readAllStandardOutput());
        fakePortal = process.get();
        helpers.push_back(std::move(process));
        return true;
    }
    if (!startHelper("pipewire", {}, error))
        return false;
    QThread::msleep(500);
    // Start the portal now and wait until it answers, so that its first start (slow on a
    // busy machine) is not counted against the board's capture.
    run("dbus-send",
        {"--session",
         "--print-reply",
         "--reply-timeout=60000",
         "--dest=org.freedesktop.DBus",
         "/org/freedesktop/DBus",
         "org.freedesktop.DBus.StartServiceByName",
         "string:org.freedesktop.portal.Desktop",
         "uint32:0"});
    return true;
}

bool WaylandSession::startBoard(QString *error, const QString &platform)
{
    QProcessEnvironment boardEnvironment = environment;
    environment.insert("QT_QPA_PLATFORM", platform);
    if (platform == "xcb")
        environment.insert("DISPLAY", xwaylandDisplay());
    board = launch(BOARD_EXECUTABLE, {}, QProcess::ForwardedChannels);
    environment = boardEnvironment;
    if (!board->waitForStarted(10000)) {
        *error = "the board did not start";
        return false;
    }
    QThread::msleep(4000); // a sanitizer build on a busy machine may take a while
    if (!boardRunning()) {
        *error = "the board ended at start";
        return false;
    }
    return true;
}

void WaylandSession::runBoardCommand(const QStringList &arguments) const
{
    std::unique_ptr<QProcess> command = launch(BOARD_EXECUTABLE, arguments);
    command->waitForFinished(20000);
}

QString WaylandSession::xwaylandDisplay() const
{
    QFile file(home.filePath("xwayland-display"));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

bool WaylandSession::startClickRecorder(QString *error)
{
    QProcessEnvironment recorderEnvironment = environment;
    environment.insert("QT_QPA_PLATFORM", "wayland");
    recorder = launch(CLICK_RECORDER, {});
    environment = recorderEnvironment;
    if (!recorder->waitForStarted(10000)) {
        *error = "the click recorder did not start";
        return false;
    }
    QThread::msleep(2000);
    return recorder->state() == QProcess::Running;
}

QStringList WaylandSession::recordedClicks()
{
    if (recorder)
        recorderOutput += QString::fromUtf8(recorder->readAllStandardOutput());
    return recorderOutput.split('\n', Qt::SkipEmptyParts);
}

void WaylandSession::pressPortalShortcut() const
{
    run("dbus-send",
        {"--session",
         "--print-reply",
         "--dest=org.freedesktop.portal.Desktop",
         "/org/freedesktop/portal/desktop",
         "org.tavelo.FakePortal.Activate"});
}

QString WaylandSession::portalLog()
{
    if (fakePortal)
        fakePortalOutput += QString::fromUtf8(fakePortal->readAllStandardOutput());
    return fakePortalOutput;
}

bool WaylandSession::boardRunning() const
{
    return board && board->state() == QProcess::Running;
}

QImage WaylandSession::screenshot(const QString &saveAs) const
{
    QImage shot = QImage::fromData(run("grim", {"-t", "png", "-"}), "PNG");
    if (shot.isNull()) {
        // Weston lets no program read its output, but it draws it into a window of the Xvfb.
        QProcess import;
        import.start("import", {"-display", display, "-window", "root", "png:-"});
        import.waitForFinished(30000);
        shot = QImage::fromData(import.readAllStandardOutput(), "PNG");
    }
    shot = shot.convertToFormat(QImage::Format_RGB32);
    if (!saveAs.isEmpty())
        shot.save(QString(SCREENSHOT_DIR) + "/" + saveAs + ".png");
    return shot;
}

QImage WaylandSession::clipboardImage() const
{
    return QImage::fromData(run("wl-paste", {"--no-newline", "-t", "image/png"}), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QStringList WaylandSession::clipboardTypes() const
{
    return QString::fromUtf8(run("wl-paste", {"--list-types"})).split('\n', Qt::SkipEmptyParts);
}

void WaylandSession::setClipboardText(const QString &text) const
{
    run("wl-copy", {text});
}

void WaylandSession::xdotool(const QStringList &arguments) const
{
    QProcess process;
    QProcessEnvironment pointerEnvironment = QProcessEnvironment::systemEnvironment();
    pointerEnvironment.insert("DISPLAY", display);
    process.setProcessEnvironment(pointerEnvironment);
    process.start("xdotool", arguments);
    process.waitForFinished(10000);
}

void WaylandSession::movePointer(int x, int y) const
{
    xdotool({"mousemove", QString::number(x), QString::number(y)});
    QThread::msleep(300);
}

void WaylandSession::key(const QString &keys) const
{
    xdotool({"key", keys});
    QThread::msleep(300);
}

void WaylandSession::click(int x, int y) const
{
    xdotool({"mousemove", QString::number(x), QString::number(y), "click", "1"});
    QThread::msleep(300);
}

void WaylandSession::drag(const QList<QPoint> &path) const
{
    const QPoint start = path.first();
    xdotool({"mousemove", QString::number(start.x()), QString::number(start.y()), "mousedown", "1"});
    for (const QPoint &point : path.mid(1)) {
        QThread::msleep(stepPauseMs);
        xdotool({"mousemove", QString::number(point.x()), QString::number(point.y())});
    }
    QThread::msleep(stepPauseMs);
    xdotool({"mouseup", "1"});
    QThread::msleep(300);
}
