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
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 800;
    static constexpr char waylandUser[] = "tavelo-test";

    ~WaylandSession();

    // An empty text when every program the session needs is there, else what is missing.
    static QString missingPrograms(Compositor compositor, bool withPortal);

    bool start(Compositor compositor, bool withPortal, QString *error);
    bool startBoard(QString *error);
    bool boardRunning() const;

    QImage screenshot(const QString &saveAs = QString()) const; // the compositor's own
    QImage clipboardImage() const;
    QStringList clipboardTypes() const;
    void setClipboardText(const QString &text) const;
    void click(int x, int y) const;
    void drag(const QList<QPoint> &path) const;
    QImage desktopPicture() const { return desktop; }

private:
    QByteArray run(const QString &program, const QStringList &arguments) const;
    void xdotool(const QStringList &arguments) const;
    std::unique_ptr<QProcess> launch(const QString &program, const QStringList &arguments) const;
    bool startHelper(const QString &program, const QStringList &arguments, QString *error);
    bool waitForFile(const QString &path) const;
    bool giveToSessionUser(const QString &path) const;

    QTemporaryDir home;
    QString display;
    QString runtimeDir;
    QProcessEnvironment environment;
    bool asOtherUser = false;
    std::vector<std::unique_ptr<QProcess>> helpers;
    std::unique_ptr<QProcess> board;
    QImage desktop;
};
