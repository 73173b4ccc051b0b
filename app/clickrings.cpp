#include "clickrings.h"

#include <QPainter>

namespace {

constexpr int lifeMs = 500;
constexpr int frameMs = 16;
constexpr qreal smallestRadius = 8;
constexpr qreal largestRadius = 34;
constexpr qreal ringWidth = 4;

} // namespace

ClickRings::ClickRings(QObject *parent)
    : QObject(parent)
{
    clock.start();
    frames.setInterval(frameMs);
    connect(&frames, &QTimer::timeout, this, &ClickRings::tick);
}

QColor ClickRings::colourOf(Qt::MouseButton button)
{
    switch (button) {
    case Qt::RightButton:
        return QColor(40, 120, 255);
    case Qt::MiddleButton:
        return QColor(30, 200, 80);
    default:
        return QColor(255, 170, 0);
    }
}

void ClickRings::add(const QPoint &at, Qt::MouseButton button)
{
    rings.append({at, colourOf(button), clock.elapsed()});
    emit changed(areaOf(rings.last()));
    if (!frames.isActive())
        frames.start();
}

void ClickRings::clear()
{
    for (const Ring &ring : std::as_const(rings))
        emit changed(areaOf(ring));
    rings.clear();
    frames.stop();
}

qreal ClickRings::ageOf(const Ring &ring) const
{
    return qBound(0.0, qreal(clock.elapsed() - ring.bornMs) / lifeMs, 1.0);
}

QRect ClickRings::areaOf(const Ring &ring) const
{
    const int reach = int(largestRadius + ringWidth) + 2;
    return QRect(ring.centre - QPoint(reach, reach), QSize(2 * reach, 2 * reach));
}

void ClickRings::tick()
{
    for (const Ring &ring : std::as_const(rings))
        emit changed(areaOf(ring));
    rings.removeIf([this](const Ring &ring) { return ageOf(ring) >= 1.0; });
    if (rings.isEmpty())
        frames.stop();
}

void ClickRings::paint(QPainter *painter) const
{
    if (rings.isEmpty())
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    for (const Ring &ring : rings) {
        const qreal age = ageOf(ring);
        QColor colour = ring.colour;
        colour.setAlphaF(float(1.0 - age));
        painter->setPen(QPen(colour, ringWidth));
        const qreal radius = smallestRadius + (largestRadius - smallestRadius) * age;
        painter->drawEllipse(QPointF(ring.centre), radius, radius);
    }
    painter->restore();
}
