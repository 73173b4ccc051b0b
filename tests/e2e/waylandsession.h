#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A Wayland compositor (sway or weston) on its X11 backend inside a private Xvfb, so that
// xdotool drives it, with the board started in it as a native Wayland client. With the portal,
// a session bus, PipeWire and the XDG desktop portal run beside it. Sway refuses root, so when
// the tests run as root everything in the session runs as the user named by waylandUser.
class WaylandSession
{
public:
    enum Compositor { Sway, Weston };
    // What answers for the desktop portal: none, the real one with its wlroots screenshots,
    // or a stand-in that offers global shortcuts.
    enum Portal { NoPortal, RealPortal, ShortcutsPortal };
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 800;
    static constexpr char waylandUser[] = "tavelo-test";

    ~WaylandSession();

    // An empty text when every program the session needs is there, else what is missing.
    static QString missingPrograms(Compositor compositor, Portal portal);

    // swayRules are added to sway's configuration (window rules, Xwayland).
    bool start(Compositor compositor, Portal portal, QString *error, const QString &swayRules = {});
    // On the platform given: Wayland's own, or X11 through Xwayland.
    bool startBoard(QString *error, const QString &platform = "wayland");
    // Runs the board's command line ("--toggle") as a later start does.
    void runBoardCommand(const QStringList &arguments) const;
    // Starts the window standing for the slides, which prints every click it gets.
    bool startClickRecorder(QString *error);
    // The clicks the recorder has got so far.
    QStringList recordedClicks();
    // Asks the stand-in portal to report the bound key as pressed.
    void pressPortalShortcut() const;
    // What the stand-in portal has printed so far.
    QString portalLog();
    QString xwaylandDisplay() const;
    bool boardRunning() const;

    QImage screenshot(const QString &saveAs = QString()) const; // the compositor's own
    QImage clipboardImage() const;
    QStringList clipboardTypes() const;
    void setClipboardText(const QString &text) const;
    void click(int x, int y) const;
    void movePointer(int x, int y) const;
    void key(const QString &keys) const;
    void drag(const QList<QPoint> &path) const;
    QImage desktopPicture() const { return desktop; }

private:
    QByteArray run(const QString &program, const QStringList &arguments) const;
    void xdotool(const QStringList &arguments) const;
    std::unique_ptr<QProcess> launch(
        const QString &program,
        const QStringList &arguments,
        QProcess::ProcessChannelMode channels = QProcess::SeparateChannels) const;
    bool startHelper(const QString &program, const QStringList &arguments, QString *error);
    bool waitForFile(const QString &path) const;
    bool giveToSessionUser(const QString &path) const;
    bool startSway(const QString &rules, QString *error);
    bool startPortal(Portal portal, QString *error);

    QTemporaryDir home;
    QString display;
    QString runtimeDir;
    QProcessEnvironment environment;
    bool asOtherUser = false;
    std::vector<std::unique_ptr<QProcess>> helpers;
    std::unique_ptr<QProcess> board;
    std::unique_ptr<QProcess> recorder;
    QProcess *fakePortal = nullptr; // one of the helpers
    QString recorderOutput;
    QString fakePortalOutput;
    QImage desktop;
};
