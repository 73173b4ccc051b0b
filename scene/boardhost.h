#pragma once

#include <QObject>
#include <QPixmap>
#include <QRect>
#include <QString>

// What the board's scene asks of the window that shows it: the pointer's coordinates, a word in
// the status bar and the pixels of the screen the board stands on. The window implements it, so
// the scene knows nothing else of the window.
class BoardHost
{
public:
    virtual ~BoardHost() = default;

    virtual void setCoordinates(const QString &pos) = 0;
    // A message that stands until the next.
    virtual void showStatus(const QString &message) = 0;
    // The part of a rectangle of the desktop (in global coordinates) on the board's screen.
    virtual QRect onBoardScreen(const QRect &global) const = 0;
    // The desktop's pixels in a rectangle of global coordinates; null when there is no screen.
    virtual QPixmap grabScreenArea(int x, int y, int width, int height) = 0;
};

Q_DECLARE_INTERFACE(BoardHost, "invalid.tablerotavelo.BoardHost")
