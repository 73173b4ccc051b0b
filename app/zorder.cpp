#include "zorder.h"

#include "boardfile/itemkinds.h"

namespace {

constexpr qreal zStep = 0.1;

template<typename Beyond>
qreal stackedZValue(const QList<QGraphicsItem *> &colliding, qreal step, Beyond beyondOrEqual)
{
    qreal z = 0.0;
    for (const QGraphicsItem *item : colliding) {
        const ItemKind *kind = ItemKinds::of(*item);
        const bool stacked = kind && kind->restacks;
        if (stacked && beyondOrEqual(item->zValue(), z))
            z = item->zValue() + step;
    }
    return z;
}

} // namespace

qreal frontZValue(const QList<QGraphicsItem *> &colliding)
{
    return stackedZValue(colliding, zStep, [](qreal itemZ, qreal z) { return itemZ >= z; });
}

qreal backZValue(const QList<QGraphicsItem *> &colliding)
{
    return stackedZValue(colliding, -zStep, [](qreal itemZ, qreal z) { return itemZ <= z; });
}
