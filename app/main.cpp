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
#endif

    QApplication app(argc, argv);
    MainWindow window;
    return app.exec();
}
