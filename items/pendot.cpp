#include "pendot.h"

#include <QPen>

PenDot::PenDot(const QPointF &at, const QPen &pen)
    : QGraphicsLineItem(QLineF(at, at))
{
    setPen(pen);
    bounds = QGraphicsLineItem::boundingRect();
}
