#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>
#include <vector>

// A private X server with a window manager, a compositor and a picture standing for the
// desktop, plus the board started in it with a settings store of its own.
class XSession
{
public:
    static constexpr int screenWidth = 1280;
    static constexpr int screenHeight = 800;

    // A monitor of the X screen, as RandR tells the programs.
    struct Monitor
    {
        QString name;
        QRect geometry;
    };

    ~XSession();

    // An X screen of the given size, split into the monitors given (none: the screen is one).
    bool start(QString *error,
               QSize size = QSize(screenWidth, screenHeight),
               const QList<Monitor> &monitors = {});
    bool startBoard(QString *error, const QStringList &arguments = {});
    bool stopBoard();
    // Ends the board as a crash would: no chance to tidy up.
    void killBoard();
    QString homePath() const { return home.path(); }
    QString boardWindow() const { return boardWindowId; }
    bool boardRunning() const;
    int boardExitCode() const; // -1 while running

    QString run(const QString &program, const QStringList &arguments, bool *ok = nullptr) const;
    QByteArray runBinary(const QString &program, const QStringList &arguments) const;
    void xdotool(const QStringList &arguments) const;
    QImage screenshot(const QString &saveAs = QString()) const;
    QImage clipboardImage() const;
    QRect boardGeometry() const;
    QImage desktopPicture() const { return desktop; }

    // Starts another program in the session, which the session ends with itself.
    QProcess *launch(const QString &program, const QStringList &arguments);
    QRect windowGeometry(const QString &window) const;

    // Pointer gestures, with short pauses so the board sees every event.
    void click(int x, int y) const;
    void drag(const QList<QPoint> &path) const;

private:
    bool execute(const QString &program, const QStringList &arguments, QByteArray *output) const;
    bool startProcess(const QString &program, const QStringList &arguments, QString *error);
    bool waitForServer();
    bool splitIntoMonitors(const QList<Monitor> &monitors, QString *error);
    bool startDesktop(QSize size, QString *error);

    QTemporaryDir home;
    QString display;
    QProcessEnvironment environment;
    std::vector<std::unique_ptr<QProcess>> helpers;
    std::unique_ptr<QProcess> board;
    QString boardWindowId;
    QImage desktop;
};
