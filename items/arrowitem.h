#pragma once

#include "items/itempresencelistener.h"

#include <QGraphicsLineItem>
#include <QPolygonF>

// A straight line with a head at its end, sized to the line and in the line's colour. It is
// selected, moved, restacked and deleted like a shape.
class ArrowItemBase : public QGraphicsLineItem
{
public:
    enum { Type = UserType + 22 };

    explicit ArrowItemBase(const QLineF &line);

    int type() const override { return Type; }
    // The head's three corners, its tip at the line's end; empty for a line of no length.
    QPolygonF head() const;

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;
};

using ArrowItem = ReportsPresence<ArrowItemBase>;
