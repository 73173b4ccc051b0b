#include "linegesture.h"

#include "items/itempresencelistener.h"
#include "scene/diagramscene.h"

#include <QGraphicsLineItem>
#include <QGraphicsSceneMouseEvent>

void LineGesture::press(const QGraphicsSceneMouseEvent &event)
{
    const QPointF pos = event.scenePos();
    line = new ReportsPresence<QGraphicsLineItem>(QLineF(pos, pos));
    line->setPen(scene.outlinePen());
    scene.placeInGesture(line, DiagramScene::tr("línea"));
}

// Only a line this gesture began follows the pointer; one already on record stays.
void LineGesture::move(const QPointF &pos)
{
    if (line && scene.isPartOfGesture(line))
        line->setLine(QLineF(line->line().p1(), pos));
}

void LineGesture::forget(const QGraphicsItem *item)
{
    if (item == line)
        line = nullptr;
}

bool LineGesture::holds(const QGraphicsItem *item) const
{
    return item == line;
}
