#include "app/boardinstance.h"
#include "app/mainwindow.h"
#include "app/recoveryfile.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QStatusBar>

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
    // The desktop matches the windows to the .desktop entry of this id (on Wayland, the app id).
    QGuiApplication::setDesktopFileName(
        QStringLiteral("invalid.tablerotavelo.CorvaneTaveloWindow2"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QString(":/icons/%1x%1/invalid.tablerotavelo.CorvaneTaveloWindow2.png")
                         .arg(size),
                     QSize(size, size));
    }
    QApplication::setWindowIcon(icon);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Tablero para presentar una pantalla en videollamada"));
    parser.addHelpOption();
    const QCommandLineOption toggle(
        "toggle",
        QApplication::translate("main",
                                "Turns pass-through on or off in the running board (starts one "
                                "when none is running)."));
    const QCommandLineOption show(
        "show", QApplication::translate("main", "Brings the running board to the front."));
    const QCommandLineOption clear("clear",
                                   QApplication::translate("main",
                                                           "Clears the running board (Limpiar)."));
    parser.addOptions({toggle, show, clear});
    parser.process(app);

    // A board is already running: it acts, and this start ends here.
    const QString command = parser.isSet(toggle)  ? "toggle"
                            : parser.isSet(clear) ? "clear"
                                                  : "show";
    if (BoardInstance::sendToRunningBoard(command))
        return EXIT_SUCCESS;
    if (command == "clear") {
        std::fputs("CorvaneTaveloWindow2: no board is running.\n", stderr);
        return EXIT_FAILURE;
    }

    BoardInstance instance;
    const bool listening = instance.listen();
    MainWindow window;
    window.enableRecovery(RecoveryFile::defaultPath());
    if (!listening) {
        window.statusBar()->showMessage(QApplication::translate("main",
                                                                "Sin canal para otras órdenes: %1")
                                            .arg(instance.problem()),
                                        0);
    }
    QObject::connect(&instance, &BoardInstance::commandReceived, &window, &MainWindow::runCommand);
    const int status = app.exec();
    window.endCleanly();
    return status;
}
