#pragma once

#include "itempresencelistener.h"

#include <QGraphicsLineItem>

// One dot of a freehand stroke: a line of no length, drawn as a square of the pen's width. A
// dot never changes after it is made, so its bounds are worked out once instead of stroking its
// outline each time the scene asks, which it does for every dot near every query. Its stroke
// paints it (see StrokeItem and LiveInk).
class PenDot : public ReportsPresence<QGraphicsLineItem>
{
public:
    PenDot(const QPointF &at, const QPen &pen);

    QRectF boundingRect() const override { return bounds; }
    bool contains(const QPointF &point) const override { return bounds.contains(point); }
    // As Qt's line item paints it, and where: a square (or a disc) of the pen's width, larger
    // than the bounds of a line of no length.
    static void paintDot(QPainter *painter, const QGraphicsLineItem &dot);
    static QRectF paintedArea(const QGraphicsLineItem &dot);

protected:
    // Only a dot at the top of the scene, which carries the others of its run, tells the scene
    // it comes and goes: a stroke taken off or put back is thousands of dots.
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;

private:
    QRectF bounds;
};
