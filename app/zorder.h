#pragma once

#include <QList>

class QGraphicsItem;

// Stacking of bring to front and send to back. Only the kinds of items that restack count among the colliding ones, the
// step is 0.1, and the running value starts at 0.0 and is compared in list order, so the result
// lies beyond every colliding shape without depending on the item's own z-value.
qreal frontZValue(const QList<QGraphicsItem *> &colliding);
qreal backZValue(const QList<QGraphicsItem *> &colliding);
