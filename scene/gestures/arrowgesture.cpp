#include "arrowgesture.h"

#include "items/arrowitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

void ArrowGesture::press(const QGraphicsSceneMouseEvent &event)
{
    const QPointF pos = event.scenePos();
    auto *line = new ArrowItem(QLineF(pos, pos));
    line->setPen(scene.outlinePen());
    arrow = line;
    scene.placeInGesture(line, DiagramScene::tr("flecha"));
}

// Only an arrow this gesture began follows the pointer; one already on record stays.
void ArrowGesture::move(const QPointF &pos)
{
    if (arrow && scene.isPartOfGesture(arrow))
        arrow->setLine(QLineF(arrow->line().p1(), pos));
}

// The arrow stays exactly as drawn.
bool ArrowGesture::release(const QGraphicsSceneMouseEvent &)
{
    return std::exchange(arrow, nullptr) != nullptr;
}

void ArrowGesture::forget(const QGraphicsItem *item)
{
    if (item == arrow)
        arrow = nullptr;
}

bool ArrowGesture::holds(const QGraphicsItem *item) const
{
    return item == arrow;
}
