#pragma once

#include "items/itempresencelistener.h"

#include <QGraphicsEllipseItem>

// An ellipse outlined in the line colour and filled with the fill colour. It is selected,
// moved, restacked and deleted like a shape.
class EllipseItemBase : public QGraphicsEllipseItem
{
public:
    enum { Type = UserType + 24 };

    explicit EllipseItemBase(const QRectF &rect);

    int type() const override { return Type; }
};

using EllipseItem = ReportsPresence<EllipseItemBase>;
