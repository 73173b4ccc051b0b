#include "app/boarddocument.h"
#include "app/commandline.h"
#include "app/mainwindow.h"
#include "app/preferences.h"
#include "app/presentersession.h"
#include "app/recoveryfile.h"
#include "app/translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <QSettings>

#include <algorithm>
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

// The board, its command line and Qt's own dialogs speak the presenter's language.
void speakThePresentersLanguage()
{
    Preferences::nameTheApplication();
    const QSettings settings;
    Translations::install(Translations::wanted(settings));
}

// The help, the version and a mistyped option are answered on the terminal, display or none.
int answerOnTheTerminal(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    speakThePresentersLanguage();
    QCommandLineParser parser;
    CommandLine::describe(parser);
    parser.process(app); // prints the help or the error, and ends the program
    std::fputs(qPrintable(CommandLine::nameAndVersion() + '\n'), stdout);
    return EXIT_SUCCESS;
}

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
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

bool asksForAPdf(const QStringList &arguments)
{
    return std::any_of(arguments.cbegin(), arguments.cend(), [](const QString &argument) {
        return argument == "--export-pdf" || argument.startsWith("--export-pdf=");
    });
}

// A board file becomes a PDF with no display at all: Qt's offscreen platform paints the pages.
int exportPdf(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    speakThePresentersLanguage();
    QCommandLineParser parser;
    CommandLine::describe(parser);
    parser.process(app);
    const QString board = CommandLine::boardFileToOpen(parser);
    const QString pdf = parser.value("export-pdf");
    QString problem;
    if (board.isEmpty())
        problem = QCoreApplication::translate("CommandLine",
                                              "falta el tablero: --export-pdf OUT.pdf FILE.tavelo");
    else
        problem = BoardDocument::convertToPdf(board, pdf);
    if (!problem.isEmpty()) {
        std::fputs(qPrintable(QCoreApplication::translate("CommandLine",
                                                          "CorvaneTaveloWindow2: no se pudo "
                                                          "exportar %1: %2\n")
                                  .arg(pdf, problem)),
                   stderr);
        return EXIT_FAILURE;
    }
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(resources);
    if (CommandLine::asksOnlyForAnAnswer(argumentsOf(argc, argv)))
        return answerOnTheTerminal(argc, argv);
    if (asksForAPdf(argumentsOf(argc, argv)))
        return exportPdf(argc, argv);
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
    speakThePresentersLanguage();
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
