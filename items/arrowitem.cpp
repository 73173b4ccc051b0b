#include "arrowitem.h"

#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

ArrowItemBase::ArrowItemBase(const QLineF &line)
    : QGraphicsLineItem(line)
{
    setFlags(ItemIsSelectable | ItemIsMovable | ItemSendsGeometryChanges);
}

QPolygonF ArrowItemBase::head() const
{
    const QLineF shaft = line();
    const qreal length = shaft.length();
    if (length == 0)
        return {};
    // Long enough to read at a glance, never more than half the line.
    const qreal size = std::min(length / 2, 10 + 3 * pen().widthF());
    const QPointF along = (shaft.p1() - shaft.p2()) / length * size;
    const QPointF across(-along.y() * 0.5, along.x() * 0.5);
    const QPointF tip = shaft.p2();
    return QPolygonF({tip, tip + along + across, tip + along - across});
}

QRectF ArrowItemBase::boundingRect() const
{
    const qreal margin = pen().widthF();
    return QGraphicsLineItem::boundingRect().united(
        head().boundingRect().adjusted(-margin, -margin, margin, margin));
}

QPainterPath ArrowItemBase::shape() const
{
    QPainterPath path = QGraphicsLineItem::shape();
    path.addPolygon(head());
    path.closeSubpath();
    return path;
}

void ArrowItemBase::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    // The shaft stops inside the head so that a broad pen's cap does not poke out of its tip.
    const QPolygonF tip = head();
    QStyleOptionGraphicsItem shaftOption(*option);
    shaftOption.state &= ~QStyle::State_Selected;
    if (!tip.isEmpty()) {
        painter->setPen(pen());
        painter->drawLine(QLineF(line().p1(), (tip.at(1) + tip.at(2)) / 2));
        QPen outline = pen();
        outline.setJoinStyle(Qt::MiterJoin);
        outline.setWidthF(std::min<qreal>(pen().widthF(), 2));
        painter->setPen(outline);
        painter->setBrush(pen().color());
        painter->drawPolygon(tip);
    } else {
        QGraphicsLineItem::paint(painter, &shaftOption, widget);
    }
    if (option->state & QStyle::State_Selected) {
        painter->setPen(QPen(option->palette.windowText(), 0, Qt::DashLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRect(boundingRect().adjusted(1, 1, -1, -1));
    }
}
