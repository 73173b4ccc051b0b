#include "arrowgesture.h"

#include "items/arrowitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

void ArrowGesture::press(const QGraphicsSceneMouseEvent &event)
{
    const QPointF pos = event.scenePos();
    auto *line = new ArrowItem(QLineF(pos, pos));
    line->setPen(scene.outlinePen());
    made = line;
    scene.placeInGesture(line, DiagramScene::tr("flecha"));
}

// Only an arrow this gesture began follows the pointer; one already on record stays.
void ArrowGesture::move(const QPointF &pos)
{
    if (made && scene.isPartOfGesture(made))
        made->setLine(QLineF(made->line().p1(), pos));
}
