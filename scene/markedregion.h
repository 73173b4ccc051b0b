#pragma once

#include <QPoint>
#include <QRect>

// The rectangle marked by a press and a release pixel, both included, whichever way the pointer
// went.
QRect markedRegion(const QPoint &press, const QPoint &release);
