#include "app/mainwindow.h"
#include "app/presentersession.h"
#include "app/recoveryfile.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long message; say plainly what is missing.
bool desktopSessionAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

// A Wayland client cannot keep itself above other windows. On GNOME and KDE Wayland sessions
// the window manager does keep an Xwayland window above when it asks, and the desktop portal
// still delivers the captures there, so the board goes through Xwayland. Setting
// QT_QPA_PLATFORM chooses otherwise.
void preferXwaylandWhereItStaysOnTop()
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || qgetenv("XDG_SESSION_TYPE") != "wayland"
        || qEnvironmentVariableIsEmpty("DISPLAY")) {
        return;
    }
    const QByteArray desktop = qgetenv("XDG_CURRENT_DESKTOP").toUpper();
    if (desktop.contains("GNOME") || desktop.contains("KDE"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

// The desktop matches the windows to the .desktop entry of this id (on Wayland, the app id).
void setApplicationIdentity()
{
    QGuiApplication::setDesktopFileName(
        QStringLiteral("invalid.tablerotavelo.CorvaneTaveloWindow2"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/%1x%1/invalid.tablerotavelo.CorvaneTaveloWindow2.png")
                         .arg(size),
                     QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    if (!desktopSessionAvailable()) {
        std::fputs("CorvaneTaveloWindow2: no desktop session (neither DISPLAY nor WAYLAND_DISPLAY "
                   "is set); start the board from a graphical session.\n",
                   stderr);
        return EXIT_FAILURE;
    }
    preferXwaylandWhereItStaysOnTop();
#endif
    QApplication app(argc, argv);
    setApplicationIdentity();
    // A board is already running: it acts, and this start ends here.
    const QString command = PresenterSession::commandFromArguments(app);
    if (const auto handed = PresenterSession::handToRunningBoard(command))
        return *handed;

    MainWindow window;
    PresenterSession session(window);
    session.start(RecoveryFile::defaultPath(), command);
    const int status = app.exec();
    session.endCleanly();
    return status;
}
