#include "presentersession.h"

#include "app/boarddocument.h"
#include "app/boardinstance.h"
#include "app/commandline.h"
#include "app/globalkey.h"
#include "app/mainwindow.h"
#include "app/portalshortcut.h"
#include "app/preferences.h"
#include "app/recoveryfile.h"
#include "app/screenchoice.h"
#include "app/settingsdialog.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

namespace {

// A portal that is there answers at once; one being started may take a moment.
constexpr int portalAnswerMs = 3000;
constexpr int badgeMargin = 12;
constexpr qreal dimmedPanelOpacity = 0.2;

} // namespace

PresenterSession::PresenterSession(MainWindow &board, QObject *parent)
    : QObject(parent)
    , board(board)
{
    createActions();
    badge = new QLabel(&board);
    badge->setObjectName("passThroughIndicator");
    badge->setStyleSheet("background-color: rgba(160, 20, 20, 200); color: white;"
                         " border-radius: 6px; padding: 4px 8px;");
    badge->hide();
    board.installEventFilter(this);
}

PresenterSession::~PresenterSession() = default;

QString PresenterSession::commandFromArguments(const QCoreApplication &app)
{
    QCommandLineParser parser;
    CommandLine::describe(parser);
    parser.process(app);
    if (parser.isSet("screen"))
        return "screen " + parser.value("screen");
    if (const QString file = CommandLine::boardFileToOpen(parser); !file.isEmpty())
        return "open " + file;
    return parser.isSet("toggle") ? "toggle" : parser.isSet("clear") ? "clear" : "show";
}

std::optional<int> PresenterSession::handToRunningBoard(const QString &command)
{
    if (command.startsWith("screen ") && !ScreenChoice::named(command.mid(7))) {
        const QString message = tr("CorvaneTaveloWindow2: no screen is called \"%1\"; the screens "
                                   "are: %2\n")
                                    .arg(command.mid(7), ScreenChoice::describeAll());
        std::fputs(message.toLocal8Bit().constData(), stderr);
        return EXIT_FAILURE;
    }
    if (command.startsWith("open ")) {
        if (const QString refused = BoardDocument::checkBoardFile(command.mid(5));
            !refused.isEmpty()) {
            const QString message = tr("CorvaneTaveloWindow2: no se pudo abrir %1: %2\n")
                                        .arg(command.mid(5), refused);
            std::fputs(message.toLocal8Bit().constData(), stderr);
            BoardInstance::sendToRunningBoard(command); // whose status bar says it too
            return EXIT_FAILURE;
        }
    }
    if (BoardInstance::sendToRunningBoard(command))
        return EXIT_SUCCESS;
    if (command == "clear") {
        std::fputs("CorvaneTaveloWindow2: no board is running.\n", stderr);
        return EXIT_FAILURE;
    }
    return std::nullopt;
}

void PresenterSession::createActions()
{
    passThroughAction = new QAction(tr("Paso del puntero"), this);
    passThroughAction->setCheckable(true);
    connect(passThroughAction, &QAction::toggled, this, &PresenterSession::setPassThrough);
    showHideAction = new QAction(tr("Ocultar el tablero"), this);
    connect(showHideAction, &QAction::triggered, this, [this] {
        if (board.isVisible())
            board.hide();
        else
            board.showBoard();
    });
    clearAction = new QAction(QIcon(":/images/clear.png"), tr("Limpiar"), this);
    connect(clearAction, &QAction::triggered, &board, &MainWindow::clearBoard);
    openLastAction = new QAction(tr("Abrir el último tablero"), this);
    connect(openLastAction, &QAction::triggered, this, [this] {
        board.showBoard();
        board.boardDocument()->openLastBoard();
    });
    exitAction = new QAction(QIcon(":/images/dialog-close.png"), tr("Salir"), this);
    connect(exitAction, &QAction::triggered, &board, &QWidget::close);
    // The key works while the board has the focus, as its own keys do.
    nextScreenAction = new QAction(tr("Pantalla siguiente"), this);
    nextScreenAction->setShortcut(QKeySequence(tr("Ctrl+Shift+P")));
    connect(nextScreenAction, &QAction::triggered, this, [this] {
        pickScreen(ScreenChoice::after(board.screen()));
    });
    board.addAction(nextScreenAction);
    preferencesAction = new QAction(tr("Preferencias"), this);
    preferencesAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(preferencesAction, &QAction::triggered, this, &PresenterSession::showPreferences);
    board.addAction(preferencesAction);
}

void PresenterSession::showPreferences()
{
    if (!preferences) {
        preferences = new SettingsDialog(board, *this);
        preferences->show();
    }
    preferences->raise();
    preferences->activateWindow();
}

void PresenterSession::start(const QString &recoveryPath, const QString &command)
{
    // What the key can do is said first: a restored board or a missing channel matter more,
    // and each message stands until the next.
    board.boardDocument()->setLastBoardPath(
        QFileInfo(recoveryPath).dir().filePath(QStringLiteral("last-board.tavelo")));
    if (board.boardDocument()->hasLastBoard())
        say(tr("Ctrl+O abre el último tablero, guardado al salir"));
    grabGlobalKey();
    enableRecovery(recoveryPath);
    listenForLaterStarts();
    createTrayIcon();
    watchScreens();
    if (command.startsWith("screen ") || command.startsWith("open "))
        runCommand(command);
}

void PresenterSession::listenForLaterStarts()
{
    channel = new BoardInstance(this);
    connect(channel, &BoardInstance::commandReceived, this, &PresenterSession::runCommand);
    if (!channel->listen())
        say(tr("Sin canal para otras órdenes: %1").arg(channel->problem()));
}

void PresenterSession::grabGlobalKey()
{
    const QKeySequence key = chosenGlobalKey();
    if (PortalShortcut::isOffered(portalAnswerMs))
        bindThroughPortal(key);
    else
        grabOnX11(key);
}

QString PresenterSession::globalKeyChoiceProblem() const
{
    if (portalKey || QGuiApplication::platformName() != "xcb")
        return tr("en este escritorio la tecla global se elige en la configuración del escritorio");
    return QString();
}

QString PresenterSession::changeGlobalKey(const QKeySequence &key)
{
    if (const QString problem = globalKeyChoiceProblem(); !problem.isEmpty())
        return problem;
    if (!GlobalKey::canBeGlobal(key))
        return tr("%1 no sirve como tecla global: Ctrl, Alt o Meta con una letra, una cifra, F1 a "
                  "F12 o el espacio")
            .arg(key.toString(QKeySequence::NativeText));
    auto *replacement = new GlobalKey(this);
    QString reason;
    if (!replacement->grab(key, &reason)) {
        delete replacement;
        return reason;
    }
    delete globalKey; // gives its key back
    globalKey = replacement;
    connect(globalKey, &GlobalKey::activated, this, &PresenterSession::togglePassThrough);
    globalKeyText = key.toString(QKeySequence::NativeText);
    board.storePreferences({{Preferences::globalKey.key, key.toString(QKeySequence::PortableText)}});
    return QString();
}

// The key stored in the preferences, or the usual one when none is stored or the stored one
// cannot serve (the status bar then names it).
QKeySequence PresenterSession::chosenGlobalKey()
{
    const QSettings settings;
    const QKeySequence key = Preferences::globalKey.read(settings);
    if (const QString ignored = Preferences::globalKey.ignored(settings); !ignored.isEmpty()) {
        say(tr("La tecla global guardada («%1») no se puede usar: se usa %2")
                .arg(ignored, key.toString(QKeySequence::NativeText)));
    }
    return key;
}

// Where the desktop's portal offers global shortcuts, the key works over every window, X11's
// and Wayland's alike; the desktop may ask the user to confirm it or choose another.
void PresenterSession::bindThroughPortal(const QKeySequence &key)
{
    portalKey = new PortalShortcut(this);
    connect(portalKey, &PortalShortcut::activated, this, &PresenterSession::togglePassThrough);
    connect(portalKey, &PortalShortcut::bound, this, [this, key](const QString &trigger) {
        globalKeyText = trigger.isEmpty() ? key.toString(QKeySequence::NativeText) : trigger;
    });
    connect(portalKey, &PortalShortcut::failed, this, [this, key](const QString &reason) {
        say(tr("Sin tecla global del escritorio: %1").arg(reason));
        grabOnX11(key);
    });
    portalKey->bind(key, tr("Paso del puntero del Tablero Tavelo"));
}

// Without the portal, X11 lets the board grab the key at the server. Under Xwayland the server
// sees the keys only while one of its own windows has the focus, and Wayland gives a program no
// key of its own at all: the board says so, and what the desktop's key settings can run instead.
void PresenterSession::grabOnX11(const QKeySequence &key)
{
    const QString toggleCommand = QCoreApplication::applicationName() + " --toggle";
    if (QGuiApplication::platformName() != "xcb") {
        say(tr("Sin tecla global en este escritorio: asigne «%1» a una tecla en la configuración "
               "del escritorio")
                .arg(toggleCommand));
        return;
    }
    globalKey = new GlobalKey(this);
    connect(globalKey, &GlobalKey::activated, this, &PresenterSession::togglePassThrough);
    QString reason;
    if (!globalKey->grab(key, &reason)) {
        say(tr("Sin tecla global para el paso del puntero: %1").arg(reason));
        return;
    }
    globalKeyText = key.toString(QKeySequence::NativeText);
    if (qEnvironmentVariable("XDG_SESSION_TYPE") == "wayland"
        || qEnvironmentVariableIsSet("WAYLAND_DISPLAY")) {
        say(tr("%1 solo funciona mientras una ventana X11 tiene el foco (Xwayland); para todas, "
               "asigne «%2» a una tecla en la configuración del escritorio")
                .arg(globalKeyText, toggleCommand));
    }
}

void PresenterSession::createTrayIcon()
{
    // Without a tray the board works as ever; there is nothing to say about it.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        return;
    auto *menu = new QMenu(&board);
    menu->addAction(showHideAction);
    menu->addAction(passThroughAction);
    menu->addAction(clearAction);
    menu->addAction(openLastAction);
    menu->addMenu(createScreenMenu());
    menu->addAction(preferencesAction);
    menu->addSeparator();
    menu->addAction(exitAction);
    connect(menu, &QMenu::aboutToShow, this, [this] {
        showHideAction->setText(board.isVisible() ? tr("Ocultar el tablero")
                                                  : tr("Mostrar el tablero"));
    });
    const QIcon icon = board.windowIcon();
    tray = new QSystemTrayIcon(icon.isNull() ? QIcon(":/images/pen.png") : icon, this);
    tray->setToolTip(tr("Tablero Tavelo"));
    tray->setContextMenu(menu);
    connect(tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
        if (why == QSystemTrayIcon::Trigger)
            togglePassThrough();
    });
    tray->show();
}

void PresenterSession::enableRecovery(const QString &path)
{
    recovery = new RecoveryFile(board.boardPages(), path, this);
    // The presenter must not believe the drawings are safe when they are not.
    connect(recovery, &RecoveryFile::keepingChanged, this, [this](bool keeping, const QString &why) {
        say(keeping ? tr("Los dibujos vuelven a guardarse para recuperarlos tras un fallo")
                    : tr("Los dibujos no se están guardando para recuperarlos tras un fallo: %1")
                          .arg(why));
    });
    const QString restored = recovery->restore();
    if (!restored.isEmpty())
        say(restored);
    recovery->saveNow(); // what was put back, or an empty board: the copy reflects this start
}

// Salir: the board is kept as the last board, and only once it is on disk is the copy for a
// crash let go.
void PresenterSession::endCleanly()
{
    const QString problem = Preferences::keepLastBoard.read(board.preferences())
                                ? board.boardDocument()->keepAsLastBoard()
                                : QString();
    if (!problem.isEmpty()) {
        std::fputs(tr("CorvaneTaveloWindow2: el tablero no se pudo guardar como último tablero "
                      "(%1); queda la copia de recuperación\n")
                       .arg(problem)
                       .toLocal8Bit()
                       .constData(),
                   stderr);
        return;
    }
    if (recovery)
        recovery->discard();
}

void PresenterSession::togglePassThrough()
{
    // From the strip, or hidden from the tray, the key brings the board back first.
    if (board.isInStrip() || !board.isVisible()) {
        board.showBoard();
        return;
    }
    passThroughAction->setChecked(!passingThrough);
}

// The pointer reaches the windows under the board while the drawings stay where they are; the
// panels step aside and a badge says what is going on. The tool in use stays chosen.
void PresenterSession::setPassThrough(bool on)
{
    if (on == passingThrough)
        return;
    if (on && !board.isVisible())
        board.showBoard();
    passingThrough = on;
    passThroughAction->setChecked(on);
    // The still desktop of the magnifier would hide the one the clicks reach.
    if (on)
        board.leaveLens();
    if (QWindow *window = board.windowHandle())
        letInputThrough(window, on);
    // A Wayland desktop raises the window that took the clicks, and gives a program no way to
    // raise its own: a window mapped anew stands on top, so the board comes back as one.
    if (!on && QGuiApplication::platformName().startsWith("wayland") && board.isVisible()
        && !board.isInStrip()) {
        board.hide();
        board.showBoard();
    }
    dimPanels(on);
    showBadge(on);
}

// On X11 the window manager honours Qt's flag. Qt 6.4's Wayland backend does not, but it sends
// a window's mask as its input region: a mask that lies wholly outside the window leaves none,
// and every click reaches the window below. (On X11 a mask shapes what is drawn, so it is for
// Wayland alone; an empty mask gives the whole window back.)
void PresenterSession::letInputThrough(QWindow *window, bool through)
{
    window->setFlag(Qt::WindowTransparentForInput, through);
    if (QGuiApplication::platformName().startsWith("wayland"))
        window->setMask(through ? QRegion(-1, -1, 1, 1) : QRegion());
}

// The panels fade but keep their room, so the drawings stay exactly where they are.
void PresenterSession::dimPanels(bool dim)
{
    for (QWidget *panel : board.toolPanels()) {
        if (!dim) {
            panel->setGraphicsEffect(nullptr);
            continue;
        }
        auto *effect = new QGraphicsOpacityEffect(panel);
        effect->setOpacity(dimmedPanelOpacity);
        panel->setGraphicsEffect(effect);
    }
}

void PresenterSession::showBadge(bool show)
{
    if (!show) {
        badge->hide();
        return;
    }
    badge->setText(globalKeyText.isEmpty()
                       ? tr("Paso del puntero")
                       : tr("Paso del puntero: %1 vuelve al tablero").arg(globalKeyText));
    badge->adjustSize();
    placeBadge();
    badge->show();
    badge->raise();
}

void PresenterSession::placeBadge()
{
    badge->move(board.width() - badge->width() - badgeMargin, badgeMargin);
}

bool PresenterSession::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &board && event->type() == QEvent::Resize && badge && badge->isVisible())
        placeBadge();
    return QObject::eventFilter(watched, event);
}

void PresenterSession::runCommand(const QString &command)
{
    if (command == "toggle")
        togglePassThrough();
    else if (command == "show")
        board.showBoard();
    else if (command == "clear")
        board.clearBoard();
    else if (command.startsWith("screen "))
        pickScreen(ScreenChoice::named(command.mid(7)));
    else if (command.startsWith("open "))
        openBoard(command.mid(5));
}

// From the strip, or hidden, the board comes back to show what it opened or why it did not.
void PresenterSession::openBoard(const QString &path)
{
    board.showBoard();
    board.boardDocument()->openAsking(path);
}

void PresenterSession::pickScreen(QScreen *screen)
{
    if (!screen)
        return;
    board.moveToScreen(screen);
    board.storePreferences({{Preferences::screen.key, ScreenChoice::remembered(screen)}});
    say(tr("Tablero en la pantalla %1").arg(ScreenChoice::describe(screen)));
}

// The screens by name and size, the board's checked; built anew each time, as screens come
// and go.
QMenu *PresenterSession::createScreenMenu()
{
    auto *menu = new QMenu(tr("Pantalla"), &board);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { listScreens(menu); });
    listScreens(menu);
    return menu;
}

void PresenterSession::listScreens(QMenu *menu)
{
    menu->clear();
    for (QScreen *screen : QGuiApplication::screens()) {
        QAction *choice = menu->addAction(ScreenChoice::describe(screen));
        choice->setCheckable(true);
        choice->setChecked(screen == board.screen());
        connect(choice, &QAction::triggered, this, [this, screen = QPointer<QScreen>(screen)] {
            pickScreen(screen);
        });
    }
}

// The board follows its screen: a change of size or scale fits it again, and a screen that
// leaves takes the board to another one.
void PresenterSession::watchScreens()
{
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, &PresenterSession::screenRemoved);
    connect(qGuiApp, &QGuiApplication::screenAdded, this, &PresenterSession::screenAdded);
    if (QWindow *window = board.windowHandle())
        connect(window, &QWindow::screenChanged, this, &PresenterSession::followBoardScreen);
    followBoardScreen();
}

void PresenterSession::followBoardScreen()
{
    if (boardScreen)
        disconnect(boardScreen, nullptr, this, nullptr);
    boardScreen = board.screen();
    if (!boardScreen)
        return;
    boardScreenName = boardScreen->name();
    auto refit = [this] { board.moveToScreen(boardScreen); };
    connect(boardScreen, &QScreen::geometryChanged, this, refit);
    connect(boardScreen, &QScreen::physicalDotsPerInchChanged, this, refit);
}

void PresenterSession::screenRemoved(QScreen *screen)
{
    if (screen != boardScreen)
        return;
    board.holdDrawingsInPlace(); // before Qt takes the window elsewhere
    const QString gone = boardScreenName;
    boardScreen = nullptr;
    // Qt settles its windows on what is left once the screen is gone.
    QTimer::singleShot(0, this, [this, gone] {
        QScreen *remaining = QGuiApplication::primaryScreen();
        if (!remaining)
            return; // no screen at all: the next one that comes takes the board
        board.moveToScreen(remaining);
        followBoardScreen();
        say(tr("La pantalla %1 se desconectó: el tablero pasó a %2")
                .arg(gone, ScreenChoice::describe(remaining)));
    });
}

void PresenterSession::screenAdded(QScreen *screen)
{
    if (boardScreen)
        return; // the board stands on a screen still there
    board.moveToScreen(screen);
    followBoardScreen();
}

void PresenterSession::say(const QString &message)
{
    board.statusBar()->showMessage(message, 0);
}
