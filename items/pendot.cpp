#include "pendot.h"

#include <QPainter>
#include <QPen>

PenDot::PenDot(const QPointF &at, const QPen &pen)
    : ReportsPresence(QLineF(at, at))
{
    setPen(pen);
    // A dot never paints itself: the stroke it belongs to paints it, or while the stroke is
    // drawn the ink under way does. Qt then keeps no record of where a view painted it.
    setFlag(ItemHasNoContents);
}

QVariant PenDot::itemChange(GraphicsItemChange change, const QVariant &value)
{
    if (parentItem())
        return QGraphicsLineItem::itemChange(change, value);
    return ReportsPresence::itemChange(change, value);
}

QRectF PenDot::boundingRect() const
{
    const QPointF at = line().p1();
    return QRectF(at, at);
}

void PenDot::paintDot(QPainter *painter, const QGraphicsLineItem &dot)
{
    painter->setPen(dot.pen());
    painter->drawLine(dot.line());
}

QRectF PenDot::paintedArea(const QGraphicsLineItem &dot)
{
    // Half a pen's width around the point, and a pixel more for antialiasing.
    const qreal reach = dot.pen().widthF() / 2 + 1;
    const QPointF at = dot.line().p1();
    return QRectF(at - QPointF(reach, reach), at + QPointF(reach, reach));
}
