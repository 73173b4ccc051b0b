#pragma once

#include <QPixmap>
#include <QRect>

class QScreen;

// What the desktop shows, read from the screen: straight from the windowing system where it
// hands the screen to applications, or through the desktop portal's screenshot where it keeps
// the screen from them (a Wayland compositor, a locked-down X server).
namespace DesktopCapture {

// The area of the screen, in the screen's own coordinates; null when the system gives no
// usable picture either way.
QPixmap grab(QScreen *screen, const QRect &local);
// Keeps the application alive (input, timers, repaints) for the second a compositor takes to
// show a change of what is on the screen, before the screen is read.
void waitForTheScreen();

} // namespace DesktopCapture
