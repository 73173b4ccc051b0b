#pragma once

#include <QList>
#include <QPoint>
#include <QRect>

class QImage;
class QScreen;
class QWidget;

// The screen a window is on: its native window's screen, else the primary screen (may be null
// when the system has no screen at all).
QScreen *windowScreen(const QWidget *window);

// A rectangle in global desktop coordinates, expressed relative to the top-left corner of the
// screen whose geometry is given.
QRect toScreenLocal(const QRect &global, const QRect &screenGeometry);

// Whether a screen grab holds a picture of the screen: not null or empty, and not entirely
// black. The board on the screen is never entirely black (its faint tint alone lightens black),
// so an all-black grab means the window system withheld the desktop, as Xwayland does.
bool isUsableGrab(const QImage &image);

// Where a screen stands in the desktop, in logical pixels, and how many device pixels it has to
// one of them.
struct ScreenArea
{
    QRect geometry;
    qreal scale = 1;
};

// The part of a picture of the whole desktop that shows a rectangle of one screen (in that
// screen's logical coordinates), in that screen's device pixels: sharp on a screen at 200 %.
// A picture as large as all screens' device pixels, each screen's corner where Qt places it,
// is read at each screen's own scale; any other is taken as the logical desktop evenly scaled,
// as a compositor may deliver it.
QImage desktopPart(const QImage &desktop,
                   const QList<ScreenArea> &screens,
                   const ScreenArea &screen,
                   const QRect &screenLocal);
