#include "shapegesture.h"

#include "items/diagramitem.h"
#include "scene/diagramscene.h"

#include <QGraphicsSceneMouseEvent>

void ShapeGesture::press(const QGraphicsSceneMouseEvent &event)
{
    scene.clearSelection();
    auto *shape = new DiagramItem(scene.currentItemType(), scene.shapeMenu());
    shape->setBrush(QBrush(scene.currentItemColor(), Qt::SolidPattern));
    // Placed where it belongs before it joins the board: placing it is no move.
    shape->setPos(event.scenePos());
    scene.place(shape);
    shape->setPen(scene.outlinePen());
    shape->setSelected(true);
    emit scene.itemInserted(shape);
    // A receiver may have deleted the shape; the removal report has then cleared everything.
    if (shape->scene() != &scene)
        return;
    scene.showHandles(shape);
    scene.setActiveShape(shape);
    scene.recordAddition({shape}, DiagramScene::tr("forma"));
}
