#include "strokeitem.h"

#include "pendot.h"
#include "strokeinkeffect.h"

#include <QPainter>
#include <QPen>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

namespace {

constexpr qreal cellSize = 64;

quint64 cellKey(int column, int row)
{
    return (quint64(quint32(column)) << 32) | quint32(row);
}

int cellOf(qreal coordinate)
{
    return int(std::floor(coordinate / cellSize));
}

qreal distanceToSegment(const QPointF &point, const QLineF &segment)
{
    const QPointF along = segment.p2() - segment.p1();
    const qreal lengthSquared = QPointF::dotProduct(along, along);
    if (lengthSquared == 0)
        return QLineF(point, segment.p1()).length();
    const qreal projected = QPointF::dotProduct(point - segment.p1(), along) / lengthSquared;
    return QLineF(point, segment.p1() + std::clamp(projected, 0.0, 1.0) * along).length();
}

QPainterPath polylinePath(const QPolygonF &points)
{
    QPainterPath path;
    path.reserve(int(points.size()));
    path.addPolygon(points);
    return path;
}

// The indexes a grid holds in the cells an area touches, each once, in order.
QList<int> indexesIn(const QHash<quint64, QList<int>> &grid, const QRectF &area)
{
    QList<int> found;
    for (int column = cellOf(area.left()); column <= cellOf(area.right()); ++column) {
        for (int row = cellOf(area.top()); row <= cellOf(area.bottom()); ++row)
            found += grid.value(cellKey(column, row));
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace

StrokeItem::StrokeItem(const QPolygonF &strokePoints,
                       const QPen &pen,
                       const QList<qreal> &pointWidths)
    : ReportsPresence(polylinePath(strokePoints))
    , polyline(path())
    , widths(pointWidths.size() == strokePoints.size() ? pointWidths : QList<qreal>())
{
    QPen broadest = pen;
    if (!widths.isEmpty())
        broadest.setWidthF(*std::max_element(widths.cbegin(), widths.cend()));
    setPen(broadest);
    setBrush(QBrush());
    inkBounds = broadest.widthF() > 0 ? QGraphicsPathItem::shape().controlPointRect()
                                      : polyline.controlPointRect();
    // Painting picks the segments near the area the view repaints.
    setFlag(ItemUsesExtendedStyleOption);

    // A one-point stroke still has a segment (of no length), so it is painted and hit like one.
    const int segments = qMax(0, pointCount() - 1);
    for (int i = 0; i < segments || (i == 0 && pointCount() == 1); ++i)
        addToGrid(i);
    for (QList<int> &cell : grid) // grown one by one: no room to spare
        cell.squeeze();
}

// The cells within reach of a segment's ink, found by walking along it: a long diagonal
// segment (the pointer jumped) fills a band of cells, not its whole bounding box.
void StrokeItem::addToGrid(int index)
{
    const QLineF line = segment(index);
    const qreal step = cellSize / 2;
    const qreal margin = reach() + step / 2;
    const int steps = qMax(1, int(std::ceil(line.length() / step)));
    for (int k = 0; k <= steps; ++k) {
        const QPointF at = line.pointAt(qreal(k) / steps);
        for (int column = cellOf(at.x() - margin); column <= cellOf(at.x() + margin); ++column) {
            for (int row = cellOf(at.y() - margin); row <= cellOf(at.y() + margin); ++row) {
                QList<int> &cell = grid[cellKey(column, row)];
                if (cell.isEmpty() || cell.last() != index)
                    cell.append(index);
            }
        }
    }
}

QPolygonF StrokeItem::pointsFrom(int first, int count) const
{
    QPolygonF run;
    run.reserve(count);
    for (int i = first; i < first + count; ++i)
        run.append(point(i));
    return run;
}

QLineF StrokeItem::segment(int index) const
{
    // The last point starts a segment of no length, which is all a one-point stroke has.
    return QLineF(point(index), point(qMin(index + 1, pointCount() - 1)));
}

qreal StrokeItem::reach() const
{
    // Square caps reach half a width along the stroke and beyond its ends: half the diagonal.
    return pen().widthF() * 0.5 * M_SQRT2 + 1;
}

QList<int> StrokeItem::segmentsNear(const QRectF &area) const
{
    return indexesIn(grid, area);
}

template<typename Visit>
void StrokeItem::forEachRun(const QList<int> &segments, Visit visit) const
{
    // Consecutive segments form one run, drawn or stroked as one polyline so that its joins
    // are exactly those of the whole stroke.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i < segments.size(); ++i) {
        if (i + 1 < segments.size() && segments.at(i + 1) == segments.at(i) + 1)
            continue;
        const int first = segments.at(runStart);
        const int last = qMin(segments.at(i) + 1, pointCount() - 1);
        visit(pointsFrom(first, last - first + 1));
        runStart = i + 1;
    }
}

QList<int> StrokeItem::withNeighbours(const QList<int> &segments) const
{
    // A run that stops near the probe would end in a cap where the whole stroke has a join:
    // widen each run until its ends lie two pen widths away along the stroke.
    const qreal needed = 2 * pen().widthF();
    const int lastSegment = qMax(0, pointCount() - 2);
    QList<int> widened;
    for (int segment : segments) {
        int first = segment;
        for (qreal length = 0; first > 0 && length < needed; --first)
            length += QLineF(point(first - 1), point(first)).length();
        int last = segment;
        for (qreal length = 0; last < lastSegment && length < needed; ++last)
            length += QLineF(point(last + 1), point(last + 2)).length();
        for (int i = first; i <= last; ++i)
            widened.append(i);
    }
    std::sort(widened.begin(), widened.end());
    widened.erase(std::unique(widened.begin(), widened.end()), widened.end());
    return widened;
}

qreal StrokeItem::segmentWidth(int index) const
{
    const int next = qMin(index + 1, pointCount() - 1);
    return (widths.at(index) + widths.at(next)) / 2;
}

QPainterPath StrokeItem::strokeOf(const QList<int> &segments) const
{
    if (widths.size() > 1) {
        // Each segment with its own width, its round ends making the joins.
        QPainterPath ink;
        ink.setFillRule(Qt::WindingFill);
        QPainterPathStroker stroker(pen());
        for (int index : segments) {
            stroker.setWidth(segmentWidth(index));
            QPainterPath line(segment(index).p1());
            line.lineTo(segment(index).p2());
            ink.addPath(stroker.createStroke(line));
        }
        return ink;
    }
    QPainterPath runs;
    forEachRun(withNeighbours(segments), [&runs](const QPolygonF &run) { runs.addPolygon(run); });
    QPainterPathStroker stroker(pen());
    return stroker.createStroke(runs);
}

// The outline of a long stroke is several times the stroke's size, and Qt asks for the shape of
// a stroke whose dots it looks among: the bounds of the outline stand for it. Hits and painting
// go by the grid instead.
QPainterPath StrokeItem::shape() const
{
    QPainterPath bounds;
    bounds.addRect(inkBounds);
    return bounds;
}

QList<int> StrokeItem::segmentsReaching(const QRectF &probe) const
{
    // A cell of the grid holds segments from up to a cell away; only those whose ink can reach
    // the probe matter, and for most probes near a stroke there are none, which spares them
    // the outline.
    QList<int> reaching = segmentsNear(probe);
    const QPointF centre = probe.center();
    const qreal margin = reach() + std::hypot(probe.width(), probe.height()) / 2;
    reaching.removeIf([&](int index) { return distanceToSegment(centre, segment(index)) > margin; });
    return reaching;
}

bool StrokeItem::contains(const QPointF &point) const
{
    const QList<int> reaching = segmentsReaching(QRectF(point, QSizeF(0, 0)));
    return !reaching.isEmpty() && strokeOf(reaching).contains(point);
}

bool StrokeItem::collidesWithPath(const QPainterPath &path, Qt::ItemSelectionMode mode) const
{
    // Asked whether its outline meets a path (the items under the pointer, the eraser's sweep),
    // a stroke answers from the segments that can reach the path alone: the shape of Qt's path
    // item would also count the area its open path encloses, and stroking all of a long stroke
    // is slow.
    if (mode == Qt::IntersectsItemShape) {
        const QList<int> reaching = segmentsReaching(path.controlPointRect());
        return !reaching.isEmpty() && strokeOf(reaching).intersects(path);
    }
    return QGraphicsPathItem::collidesWithPath(path, mode);
}

void StrokeItem::setDotRuns(const QList<QGraphicsItem *> &runs, bool paintsThem)
{
    prepareGeometryChange();
    dots = runs;
    dotsInOrder.clear();
    dotGrid.clear();
    dotBounds = QRectF();
    if (!paintsThem)
        return;
    for (const QGraphicsItem *head : runs) {
        QList<QGraphicsItem *> run{const_cast<QGraphicsItem *>(head)};
        run += head->childItems();
        for (const QGraphicsItem *item : std::as_const(run)) {
            const auto *dot = static_cast<const QGraphicsLineItem *>(item);
            const QRectF square = PenDot::paintedArea(*dot);
            dotBounds |= square;
            for (int column = cellOf(square.left()); column <= cellOf(square.right()); ++column) {
                for (int row = cellOf(square.top()); row <= cellOf(square.bottom()); ++row)
                    dotGrid[cellKey(column, row)].append(int(dotsInOrder.size()));
            }
            dotsInOrder.append(dot);
        }
    }
    // A board holds a million dots: no room to spare for each.
    dotsInOrder.squeeze();
    for (QList<int> &cell : dotGrid)
        cell.squeeze();
}

QRectF StrokeItem::boundingRect() const
{
    return inkBounds | dotBounds;
}

void StrokeItem::carryDotRuns()
{
    setFlag(ItemContainsChildrenInShape);
    setGraphicsEffect(new StrokeInkEffect(this)); // owned by the stroke
    for (QGraphicsItem *head : std::as_const(dots)) {
        head->setFlag(ItemStacksBehindParent);
        head->setParentItem(this);
    }
}

// The dots the area shows, in the order they stack.
void StrokeItem::paintDots(QPainter *painter, const QRectF &exposed) const
{
    for (int index : indexesIn(dotGrid, exposed)) {
        const QGraphicsLineItem *dot = dotsInOrder.at(index);
        if (dot->isVisible() && PenDot::paintedArea(*dot).intersects(exposed))
            PenDot::paintDot(painter, *dot);
    }
}

void StrokeItem::paintVaryingWidth(QPainter *painter, const QList<int> &segments) const
{
    QPen ink = pen();
    for (int index : segments) {
        ink.setWidthF(segmentWidth(index));
        painter->setPen(ink);
        painter->drawLine(segment(index));
    }
}

void StrokeItem::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *widget)
{
    const QRectF exposed = option->exposedRect;
    paintDots(painter, exposed);
    // A stroke of one point shows its dot alone, as its path is empty, whatever drew it.
    if (exposed.contains(boundingRect()) || pointCount() < 2) {
        if (widths.size() > 1)
            paintVaryingWidth(painter, segmentsNear(exposed));
        else
            QGraphicsPathItem::paint(painter, option, widget);
        return;
    }
    // Only the segments whose ink reaches the area: of the hundred strokes that pass near a
    // small repaint, most paint nothing there.
    const QList<int> reaching = segmentsReaching(exposed);
    if (reaching.isEmpty())
        return;
    if (widths.size() > 1) {
        paintVaryingWidth(painter, reaching);
        return;
    }
    // All the runs as one path, painted with one fill: with a translucent pen, a place where
    // two runs cross is painted once, as when the whole stroke is.
    QPainterPath runs;
    forEachRun(reaching, [&runs](const QPolygonF &run) { runs.addPolygon(run); });
    painter->setPen(pen());
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(runs);
}
