#include "lasertrails.h"

#include <QPainter>
#include <QPen>
#include <QTimerEvent>

namespace {

// About thirty frames a second: smooth enough for a fade, cheap for the few areas it repaints.
constexpr int frameMs = 33;
// The glow around the core, as a multiple of its width.
constexpr qreal glowFactor = 3;

} // namespace

LaserTrails::LaserTrails(QObject *parent)
    : QObject(parent)
{
    clock.start();
}

QRectF LaserTrails::areaOf(const QPolygonF &points, qreal width)
{
    const qreal reach = width * glowFactor / 2 + 2;
    return points.boundingRect().adjusted(-reach, -reach, reach, reach);
}

void LaserTrails::begin(const QPointF &at, const QColor &color, qreal width)
{
    end();
    Trail trail;
    trail.points << at;
    trail.color = color;
    trail.width = width;
    trails.append(trail);
    emit changed(areaOf(trail.points, width));
}

void LaserTrails::extend(const QPointF &to)
{
    if (trails.isEmpty() || trails.last().releasedAt >= 0) {
        const QColor color = trails.isEmpty() ? QColor(Qt::red) : trails.last().color;
        const qreal width = trails.isEmpty() ? 6 : trails.last().width;
        begin(to, color, width);
        return;
    }
    Trail &trail = trails.last();
    const QPointF from = trail.points.last();
    trail.points << to;
    emit changed(areaOf(QPolygonF({from, to}), trail.width));
}

void LaserTrails::end()
{
    if (trails.isEmpty() || trails.last().releasedAt >= 0)
        return;
    trails.last().releasedAt = clock.elapsed();
    if (!timer.isActive())
        timer.start(frameMs, this);
}

void LaserTrails::clear()
{
    timer.stop();
    const QList<Trail> gone = std::exchange(trails, {});
    for (const Trail &trail : gone)
        emit changed(areaOf(trail.points, trail.width));
}

void LaserTrails::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == timer.timerId())
        fade();
}

// Each frame, the released strokes past their moment fade a little or go; a stroke still
// being held or drawn costs nothing.
void LaserTrails::fade()
{
    const qint64 now = clock.elapsed();
    bool released = false;
    for (qsizetype i = trails.size() - 1; i >= 0; --i) {
        Trail &trail = trails[i];
        if (trail.releasedAt < 0)
            continue;
        const qint64 age = now - trail.releasedAt;
        if (age <= holdMs) {
            released = true;
            continue;
        }
        const QRectF area = areaOf(trail.points, trail.width);
        if (age >= holdMs + fadeMs) {
            trails.removeAt(i);
        } else {
            trail.opacity = 1 - qreal(age - holdMs) / fadeMs;
            released = true;
        }
        emit changed(area);
    }
    if (!released)
        timer.stop();
}

void LaserTrails::paint(QPainter *painter, const QRectF &exposed) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    for (const Trail &trail : trails) {
        if (!areaOf(trail.points, trail.width).intersects(exposed))
            continue;
        painter->setOpacity(trail.opacity);
        QColor glow = trail.color;
        glow.setAlpha(70);
        const auto drawWith = [&](const QColor &color, qreal width) {
            painter->setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            if (trail.points.size() == 1)
                painter->drawPoint(trail.points.first());
            else
                painter->drawPolyline(trail.points);
        };
        drawWith(glow, trail.width * glowFactor);
        drawWith(trail.color, trail.width);
        drawWith(trail.color.lighter(160), trail.width / 3);
    }
    painter->restore();
}
