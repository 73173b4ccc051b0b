#include "desktopcapture.h"

#include "app/portalscreenshot.h"
#include "app/screengeometry.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>

namespace {

constexpr int captureWaitMs = 1000;
constexpr int eventSliceMs = 50;
// Long enough for a portal that asks the user's permission first.
constexpr int portalTimeoutMs = 30000;

} // namespace

namespace DesktopCapture {

QPixmap grab(QScreen *screen, const QRect &local)
{
    const QPixmap grab = screen->grabWindow(0, local.x(), local.y(), local.width(), local.height());
    if (isUsableGrab(grab.toImage()))
        return grab;
    QList<ScreenArea> screens;
    for (const QScreen *each : QGuiApplication::screens())
        screens.append({each->geometry(), each->devicePixelRatio()});
    const QImage part = desktopPart(PortalScreenshot::take(portalTimeoutMs),
                                    screens,
                                    {screen->geometry(), screen->devicePixelRatio()},
                                    local);
    return isUsableGrab(part) ? QPixmap::fromImage(part) : QPixmap();
}

void waitForTheScreen()
{
    const QDeadlineTimer deadline(captureWaitMs);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, eventSliceMs);
}

} // namespace DesktopCapture
