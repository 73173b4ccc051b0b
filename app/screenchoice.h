#pragma once

#include <QPoint>
#include <QString>

class QScreen;

// Which screen the board stands on: the one the presenter last picked, found again by its name
// or, renamed, by where it stood; else the one under the pointer; else the primary one.
namespace ScreenChoice {

// How a screen is remembered: its name and its geometry.
QString remembered(const QScreen *screen);
// The screen to open on, from what was remembered (may be empty or damaged) and where the
// pointer is; null only when the system has no screen at all.
QScreen *atStart(const QString &remembered, const QPoint &pointer);
// The screen of that name; null for none.
QScreen *named(const QString &name);
// The screen after this one in the system's list, round to the first.
QScreen *after(const QScreen *screen);
// "NAME (1920 x 1080)", and every screen so, for menus and messages.
QString describe(const QScreen *screen);
QString describeAll();

} // namespace ScreenChoice
