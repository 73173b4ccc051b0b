#pragma once

#include "items/itempresencelistener.h"

#include <QColor>
#include <QGraphicsItem>

// A round badge with a step's number, centred on its position: the colour fills it and the
// digits take black or white, whichever stands out. It is selected, moved, restacked and
// deleted like a shape.
class NumberBadgeItemBase : public QGraphicsItem
{
public:
    enum { Type = UserType + 25 };

    NumberBadgeItemBase(int number, const QColor &colour, qreal diameter);

    int type() const override { return Type; }
    int number() const { return step; }
    QColor colour() const { return fill; }
    qreal diameter() const { return size; }

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QRectF disc() const;

    int step;
    QColor fill;
    qreal size;
};

using NumberBadgeItem = ReportsPresence<NumberBadgeItemBase>;
