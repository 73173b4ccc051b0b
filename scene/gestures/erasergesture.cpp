#include "erasergesture.h"

#include "items/pendot.h"
#include "items/strokeitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

constexpr qreal eraserRadius = 8;

} // namespace

void EraserGesture::press(const QGraphicsSceneMouseEvent &event)
{
    const QPointF pos = event.scenePos();
    scene.finishLabelEdit(); // as a click elsewhere would
    lastPos.reset();         // a sweep starts here, never where an earlier one ended
    eraseAt(pos);
}

void EraserGesture::move(const QPointF &pos)
{
    eraseAt(pos);
}

// What the eraser may take: whatever holds ink, but not the handles, the cut's frame, a cut not
// yet copied or a label still being made. A stroke's dots go with the stroke, whose ink covers
// them.
bool EraserGesture::isErasable(const QGraphicsItem *item) const
{
    return item->isVisible() && !item->parentItem() && scene.isOnRecord(item)
           && !dynamic_cast<const PenDot *>(item);
}

// Everything whose ink the eraser touches vanishes at once; the gesture's end records it as one
// step. The whole way from the last place the eraser was seen counts, so that a quick sweep
// misses nothing between two pointer events.
void EraserGesture::eraseAt(const QPointF &pos)
{
    QPainterPath way;
    way.moveTo(lastPos.value_or(pos));
    way.lineTo(pos);
    QPainterPathStroker sweep;
    sweep.setWidth(2 * eraserRadius);
    sweep.setCapStyle(Qt::RoundCap);
    QPainterPath eraser = sweep.createStroke(way);
    eraser.addEllipse(pos, eraserRadius, eraserRadius);
    eraser.setFillRule(Qt::WindingFill);
    lastPos = pos;
    const QList<QGraphicsItem *> touched = scene.items(eraser, Qt::IntersectsItemShape);
    for (QGraphicsItem *item : touched) {
        if (!isErasable(item))
            continue;
        scene.eraseInGesture(item);
        if (const auto *stroke = dynamic_cast<const StrokeItem *>(item)) {
            for (QGraphicsItem *run : stroke->dotRuns()) {
                if (!run->parentItem()) // not carried by the stroke
                    scene.eraseInGesture(run);
            }
        }
    }
}
