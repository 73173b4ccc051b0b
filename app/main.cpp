#include "app/mainwindow.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display the toolkit aborts with a long message; say plainly what is missing.
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
    MainWindow window;
    return app.exec();
}
