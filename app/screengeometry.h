#pragma once

#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

// The screen a window is on: its native window's screen, else the primary screen (may be null
// when the system has no screen at all).
QScreen *windowScreen(const QWidget *window);

// The rectangle marked by a press and a release pixel, both included, whichever way the pointer
// went.
QRect markedRegion(const QPoint &press, const QPoint &release);

// A rectangle in global desktop coordinates, expressed relative to the top-left corner of the
// screen whose geometry is given.
QRect toScreenLocal(const QRect &global, const QRect &screenGeometry);
