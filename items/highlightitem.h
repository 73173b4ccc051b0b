#pragma once

#include "items/itempresencelistener.h"

#include <QGraphicsItem>
#include <QPen>
#include <QPolygonF>

// A highlighter stroke: a broad translucent marker for pointing at what is on the shared screen.
// It grows point by point while it is drawn, repainting only around its newest segment, and
// whatever part of it is painted is painted as one outline, so its ink is evenly translucent
// where the stroke crosses itself or the pointer lingers. Round caps and joins make the outline
// of the segments near an area exactly that of the whole stroke there.
class HighlightItemBase : public QGraphicsItem
{
public:
    enum { Type = UserType + 21 };

    HighlightItemBase(const QPointF &start, const QPen &pen);

    int type() const override { return Type; }
    void extend(const QPointF &point);
    // Fits the bounds to the ink once the stroke is done.
    void finish();
    const QPolygonF &points() const { return line; }
    const QPen &pen() const { return markerPen; }

    QRectF boundingRect() const override { return bounds; }
    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

private:
    QRectF segmentBox(int index) const;
    QPainterPath outlineNear(const QRectF &area) const;
    bool inkWithin(const QPointF &centre, qreal distance) const;

    QPolygonF line;
    QPen markerPen;
    QRectF bounds;
    mutable QPainterPath cachedShape;
};

using HighlightItem = ReportsPresence<HighlightItemBase>;
