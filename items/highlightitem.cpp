#include "highlightitem.h"

#include <QPainter>
#include <QPainterPathStroker>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>

namespace {

// While the stroke is drawn its bounds grow by this much at a time: each growth repaints all it
// covered, so it should be rare.
constexpr qreal growthMargin = 160;

qreal distanceToSegment(const QPointF &point, const QPointF &a, const QPointF &b)
{
    const QPointF along = b - a;
    const qreal lengthSquared = QPointF::dotProduct(along, along);
    if (lengthSquared == 0)
        return QLineF(point, a).length();
    const qreal t = std::clamp(QPointF::dotProduct(point - a, along) / lengthSquared, 0.0, 1.0);
    return QLineF(point, a + t * along).length();
}

} // namespace

HighlightItemBase::HighlightItemBase(const QPointF &start, const QPen &pen)
    : line({start})
    , markerPen(pen)
{
    markerPen.setCapStyle(Qt::RoundCap);
    markerPen.setJoinStyle(Qt::RoundJoin);
    setFlag(ItemUsesExtendedStyleOption);
    bounds = segmentBox(0).adjusted(-growthMargin, -growthMargin, growthMargin, growthMargin);
}

QRectF HighlightItemBase::segmentBox(int index) const
{
    const QPointF a = line.at(index);
    const QPointF b = line.at(qMin(index + 1, int(line.size()) - 1));
    const qreal reach = markerPen.widthF() / 2 + 1;
    return QRectF(a, b).normalized().adjusted(-reach, -reach, reach, reach);
}

void HighlightItemBase::extend(const QPointF &point)
{
    if (point == line.last())
        return;
    line.append(point);
    cachedShape = QPainterPath();
    const QRectF fresh = segmentBox(int(line.size()) - 2);
    if (!bounds.contains(fresh)) {
        prepareGeometryChange();
        bounds |= fresh.adjusted(-growthMargin, -growthMargin, growthMargin, growthMargin);
    }
    update(fresh);
}

void HighlightItemBase::finish()
{
    QRectF ink = segmentBox(0);
    for (int i = 1; i < line.size(); ++i)
        ink |= segmentBox(i);
    if (ink != bounds) {
        prepareGeometryChange();
        bounds = ink;
    }
}

QPainterPath HighlightItemBase::outlineNear(const QRectF &area) const
{
    // Consecutive segments reaching the area make one polyline; all of them one path, painted
    // with one fill.
    QPainterPath runs;
    const int segments = qMax(1, int(line.size()) - 1);
    int runStart = -1;
    for (int i = 0; i <= segments; ++i) {
        const bool reaches = i < segments && segmentBox(i).intersects(area);
        if (reaches && runStart < 0)
            runStart = i;
        if (!reaches && runStart >= 0) {
            const int last = qMin(i, int(line.size()) - 1);
            runs.addPolygon(
                QPolygonF(QList<QPointF>(line.cbegin() + runStart, line.cbegin() + last + 1)));
            runStart = -1;
        }
    }
    return runs;
}

void HighlightItemBase::paint(QPainter *painter, const QStyleOptionGraphicsItem *option, QWidget *)
{
    painter->setPen(markerPen);
    painter->setBrush(Qt::NoBrush);
    if (line.size() == 1) {
        painter->drawPoint(line.first());
        return;
    }
    painter->drawPath(outlineNear(option->exposedRect));
}

QPainterPath HighlightItemBase::shape() const
{
    if (cachedShape.isEmpty()) {
        QPainterPath path;
        path.addPolygon(line);
        QPainterPathStroker stroker(markerPen);
        cachedShape = stroker.createStroke(path);
        if (line.size() == 1) // a dot: a disc of the marker's width
            cachedShape.addEllipse(line.first(), markerPen.widthF() / 2, markerPen.widthF() / 2);
    }
    return cachedShape;
}

bool HighlightItemBase::inkWithin(const QPointF &centre, qreal distance) const
{
    const qreal reach = markerPen.widthF() / 2 + distance;
    for (int i = 0; i < line.size(); ++i) {
        const QPointF &b = line.at(qMin(i + 1, int(line.size()) - 1));
        if (distanceToSegment(centre, line.at(i), b) <= reach)
            return true;
    }
    return false;
}

bool HighlightItemBase::contains(const QPointF &point) const
{
    return inkWithin(point, 0);
}
