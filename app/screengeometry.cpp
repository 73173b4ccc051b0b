#include "screengeometry.h"

#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QWindow>

QScreen *windowScreen(const QWidget *window)
{
    if (const QWindow *handle = window->windowHandle())
        return handle->screen();
    return QGuiApplication::primaryScreen();
}

QRect toScreenLocal(const QRect &global, const QRect &screenGeometry)
{
    return global.translated(-screenGeometry.topLeft());
}

bool isUsableGrab(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return false;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if ((line[x] & RGB_MASK) != 0)
                return true;
        }
    }
    return false;
}

namespace {

// Qt keeps a screen's corner where the window system puts it and scales only its size.
QRect deviceArea(const ScreenArea &screen)
{
    return QRect(screen.geometry.topLeft(),
                 (QSizeF(screen.geometry.size()) * screen.scale).toSize());
}

QRect scaled(const QRect &rect, qreal scale)
{
    return QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toRect();
}

} // namespace

QImage desktopPart(const QImage &desktop,
                   const QList<ScreenArea> &screens,
                   const ScreenArea &screen,
                   const QRect &screenLocal)
{
    QRect logicalDesktop;
    QRect deviceDesktop;
    for (const ScreenArea &each : screens) {
        logicalDesktop |= each.geometry;
        deviceDesktop |= deviceArea(each);
    }
    if (desktop.isNull() || logicalDesktop.isEmpty())
        return QImage();
    const QSize wanted = (QSizeF(screenLocal.size()) * screen.scale).toSize();
    QImage part;
    if (desktop.size() == deviceDesktop.size()) {
        const QPoint corner = deviceArea(screen).topLeft() - deviceDesktop.topLeft();
        part = desktop.copy(scaled(screenLocal, screen.scale).translated(corner));
    } else {
        const qreal even = qreal(desktop.width()) / logicalDesktop.width();
        const QRect global = screenLocal.translated(screen.geometry.topLeft()
                                                    - logicalDesktop.topLeft());
        part = desktop.copy(scaled(global, even));
    }
    if (part.size() != wanted)
        part = part.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    part.setDevicePixelRatio(screen.scale);
    return part;
}
