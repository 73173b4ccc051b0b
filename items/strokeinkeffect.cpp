#include "strokeinkeffect.h"

#include "strokeitem.h"

#include <QPaintEngine>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

StrokeInkEffect::StrokeInkEffect(StrokeItem *stroke)
    : stroke(stroke)
{}

void StrokeInkEffect::draw(QPainter *painter)
{
    // A view repaints the area its paint engine clips to, in the device's coordinates; a
    // painter on a picture or a file has no such clip and is given the whole stroke.
    QStyleOptionGraphicsItem option;
    option.exposedRect = stroke->boundingRect();
    const QRegion repainted = painter->paintEngine()->systemClip();
    if (!repainted.isEmpty()) {
        const QRectF area(repainted.boundingRect());
        const QRectF inItem = painter->deviceTransform().inverted().mapRect(area);
        option.exposedRect &= inItem.adjusted(-1, -1, 1, 1);
    }
    painter->save();
    stroke->paint(painter, &option, nullptr);
    painter->restore();
}
