#include "markedregion.h"

#include <QtGlobal>

QRect markedRegion(const QPoint &press, const QPoint &release)
{
    return QRect(QPoint(qMin(press.x(), release.x()), qMin(press.y(), release.y())),
                 QPoint(qMax(press.x(), release.x()), qMax(press.y(), release.y())));
}
