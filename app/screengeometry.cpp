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

QRect markedRegion(const QPoint &press, const QPoint &release)
{
    return QRect(QPoint(qMin(press.x(), release.x()), qMin(press.y(), release.y())),
                 QPoint(qMax(press.x(), release.x()), qMax(press.y(), release.y())));
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

QImage desktopPart(const QImage &desktop,
                   const QRect &virtualGeometry,
                   const QRect &screenGeometry,
                   const QRect &screenLocal)
{
    if (desktop.isNull() || virtualGeometry.isEmpty())
        return QImage();
    const qreal scale = qreal(desktop.width()) / virtualGeometry.width();
    const QRectF global = QRectF(
        screenLocal.translated(screenGeometry.topLeft() - virtualGeometry.topLeft()));
    const QRect source = QRectF(global.topLeft() * scale, global.size() * scale).toRect();
    const QImage part = desktop.copy(source);
    return part.size() == screenLocal.size()
               ? part
               : part.scaled(screenLocal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
