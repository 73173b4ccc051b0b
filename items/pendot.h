#pragma once

#include "itempresencelistener.h"
#include "keepsboardorder.h"

#include <QGraphicsLineItem>

// One dot of a freehand stroke: a line of no length, drawn as a square of the pen's width. Qt's
// line item strokes its outline each time the scene asks for its bounds (for every dot near
// every query) only to find the point itself, as the outline of a line of no length is empty;
// a dot answers that at once. Its stroke paints it (see StrokeItem and LiveInk).
class PenDot : public ReportsPresence<QGraphicsLineItem>, public KeepsBoardOrder
{
public:
    PenDot(const QPointF &at, const QPen &pen);

    QRectF boundingRect() const override;
    bool contains(const QPointF &point) const override { return boundingRect().contains(point); }
    // As Qt's line item paints it, and where: a square (or a disc) of the pen's width, larger
    // than the bounds of a line of no length.
    static void paintDot(QPainter *painter, const QGraphicsLineItem &dot);
    static QRectF paintedArea(const QGraphicsLineItem &dot);

protected:
    // Only a dot at the top of the scene, which carries the others of its run, tells the scene
    // it comes and goes: a stroke taken off or put back is thousands of dots.
    QVariant itemChange(GraphicsItemChange change, const QVariant &value) override;
};
