#pragma once

#include "itempresencelistener.h"

#include <QGraphicsPathItem>
#include <QHash>
#include <QPolygonF>

// A finished freehand stroke: a path item through the recorded points, which never changes
// after it is made. It keeps a grid of its segments so that painting a small exposed area and
// hit-testing a point look at the few segments nearby instead of the whole stroke; a board full
// of long strokes then paints and answers presses about as fast as an empty one.
class StrokeItem : public ReportsPresence<QGraphicsPathItem>
{
public:
    // With widths (one for each point, from a stylus's pressure) the ink's width follows them,
    // and the pen's width is the broadest of them.
    StrokeItem(const QPolygonF &points, const QPen &pen, const QList<qreal> &widths = {});

    const QList<qreal> &pointWidths() const { return widths; }

    QPainterPath shape() const override;
    bool contains(const QPointF &point) const override;
    bool collidesWithPath(const QPainterPath &path, Qt::ItemSelectionMode mode) const override;
    void paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget) override;

    // The first dots of the runs of dots drawn along the stroke, which carry the others: they
    // join and leave the board with it, in the same steps of its history. The stroke paints
    // them, under its own ink, since they paint nothing themselves.
    void setDotRuns(const QList<QGraphicsItem *> &runs, bool paintsThem = true);
    const QList<QGraphicsItem *> &dotRuns() const { return dots; }
    // The runs then hang under the stroke, behind its ink, in the order they were drawn. Qt
    // walks, indexes and paints the stroke alone, and looks among its dots only where its ink
    // is hit, which it always is where a dot is.
    void carryDotRuns();
    QRectF boundingRect() const override;

private:
    void addToGrid(int index);
    QList<int> segmentsNear(const QRectF &area) const;
    QList<int> segmentsReaching(const QRectF &probe) const;
    template<typename Visit>
    void forEachRun(const QList<int> &segments, Visit visit) const;
    QList<int> withNeighbours(const QList<int> &segments) const;
    QPainterPath strokeOf(const QList<int> &segments) const;
    QLineF segment(int index) const;
    qreal reach() const;

    void paintDots(QPainter *painter, const QRectF &exposed) const;
    void paintVaryingWidth(QPainter *painter, const QList<int> &segments) const;
    qreal segmentWidth(int index) const;

    int pointCount() const { return polyline.elementCount(); }
    QPointF point(int index) const { return polyline.elementAt(index); }
    QPolygonF pointsFrom(int first, int count) const;

    QPainterPath polyline;           // the item's path, shared: one element for each point
    QList<qreal> widths;             // the ink's width at each point; empty for the pen's
    QHash<quint64, QList<int>> grid; // cell -> indexes of the segments crossing it
    QList<QGraphicsItem *> dots;     // the runs' first dots
    QList<const QGraphicsLineItem *> dotsInOrder; // every dot, as they stack
    QHash<quint64, QList<int>> dotGrid;           // cell -> indexes of the dots in it
    QRectF dotBounds;
    QRectF inkBounds; // the outline's, worked out once
};
