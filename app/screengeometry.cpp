#include "screengeometry.h"

#include <QGuiApplication>
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
