#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class BoardInstance;
class GlobalKey;
class SettingsDialog;
class MainWindow;
class PortalShortcut;
class QAction;
class QCoreApplication;
class QKeySequence;
class QLabel;
class QMenu;
class QScreen;
class QSystemTrayIcon;
class QWindow;
class RecoveryFile;

// What belongs to the presenter's session rather than to the drawing: pass-through with its
// badge, the global key, the tray icon, the channel that later starts of the program talk to,
// and the recovery copy. It drives the board window through the window's public slots; the
// window knows nothing of it.
class PresenterSession : public QObject
{
    Q_OBJECT

public:
    explicit PresenterSession(MainWindow &board, QObject *parent = nullptr);
    ~PresenterSession() override;

    // The command a start of the program was given on its command line ("show" when none).
    static QString commandFromArguments(const QCoreApplication &app);
    // Hands the command to the board already running: the exit code of this start, or nothing
    // when no board runs and this start is to open one.
    static std::optional<int> handToRunningBoard(const QString &command);

    // Starts the services beside the board: the channel for later starts, the global key, the
    // tray icon, the watch over the screens, and the recovery copy at recoveryPath (put back
    // first, when one was left). The command this start was given is carried out where it
    // concerns the new board (a screen to stand on).
    void start(const QString &recoveryPath, const QString &command = QString());
    // The board ended through Salir: the recovery copy is not needed.
    void endCleanly();
    // Takes the key as the global key from now on, and keeps it; or says why it cannot serve
    // here (the old key then stays).
    QString changeGlobalKey(const QKeySequence &key);
    // Why the board cannot choose its global key on this desktop (its settings choose it);
    // empty where it can.
    QString globalKeyChoiceProblem() const;
    bool isPassingThrough() const { return passingThrough; }

public slots:
    // Lets the pointer through to the windows under the board, or takes it back.
    void togglePassThrough();
    void setPassThrough(bool on);
    // What a later start of the program asks: "show", "toggle", "clear" or "screen NAME".
    void runCommand(const QString &command);
    // The settings window, opened or brought to the front.
    void showPreferences();
    // The presenter picks the screen the board stands on, and it is remembered.
    void pickScreen(QScreen *screen);
    void openBoard(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createActions();
    void listenForLaterStarts();
    void grabGlobalKey();
    QKeySequence chosenGlobalKey();
    void bindThroughPortal(const QKeySequence &key);
    void grabOnX11(const QKeySequence &key);
    void createTrayIcon();
    void enableRecovery(const QString &path);
    static void letInputThrough(QWindow *window, bool through);
    void dimPanels(bool dim);
    void showBadge(bool show);
    void placeBadge();
    void say(const QString &message);
    QMenu *createScreenMenu();
    void listScreens(QMenu *menu);
    void watchScreens();
    void followBoardScreen();
    void screenRemoved(QScreen *screen);
    void screenAdded(QScreen *screen);

    MainWindow &board;
    bool passingThrough = false;
    QAction *passThroughAction = nullptr;
    QAction *showHideAction = nullptr;
    QAction *clearAction = nullptr;
    QAction *openLastAction = nullptr;
    QAction *exitAction = nullptr;
    QAction *nextScreenAction = nullptr;
    QAction *preferencesAction = nullptr;
    QPointer<SettingsDialog> preferences; // the settings window, while it is open
    QPointer<QScreen> boardScreen;        // the screen the board stood on last
    QString boardScreenName;
    QPointer<QLabel> badge; // on the board window, which owns it
    QString globalKeyText;  // the global key, when the board holds one
    GlobalKey *globalKey = nullptr;
    PortalShortcut *portalKey = nullptr;
    QSystemTrayIcon *tray = nullptr;
    RecoveryFile *recovery = nullptr;
    BoardInstance *channel = nullptr;
};
